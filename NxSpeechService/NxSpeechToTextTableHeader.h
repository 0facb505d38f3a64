#pragma once

#include "NxTaskTableHeader.h"

// The speech-to-text table's header. Empty on purpose: it exists for its own
// class name in the meta-object, which the host knows.
class NxSpeechToTextTableHeader : public NxTaskTableHeader
{
    Q_OBJECT

public:
    NxSpeechToTextTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~NxSpeechToTextTableHeader() override;
};
