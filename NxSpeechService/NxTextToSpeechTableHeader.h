#pragma once

#include "NxTaskTableHeader.h"

// The text-to-speech table's header.
class NxTextToSpeechTableHeader : public NxTaskTableHeader
{
    Q_OBJECT

public:
    NxTextToSpeechTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~NxTextToSpeechTableHeader() override;
};
