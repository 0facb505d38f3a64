#pragma once

#include "NxTaskTableHeader.h"

// The speech-to-text table's header.
class NxSpeechToTextTableHeader : public NxTaskTableHeader
{
    Q_OBJECT

public:
    NxSpeechToTextTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~NxSpeechToTextTableHeader() override;
};
