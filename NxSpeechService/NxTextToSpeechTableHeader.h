#pragma once

#include "NxTaskTableHeader.h"

// The text-to-speech table's header. Empty on purpose: it exists for its own
// class name in the meta-object, which the host knows.
class NxTextToSpeechTableHeader : public NxTaskTableHeader
{
    Q_OBJECT

public:
    NxTextToSpeechTableHeader(Qt::Orientation orientation, QWidget* parent);
    ~NxTextToSpeechTableHeader() override;
};
