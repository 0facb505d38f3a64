#include "NxTextToSpeechTableHeader.h"

NxTextToSpeechTableHeader::NxTextToSpeechTableHeader(Qt::Orientation orientation, QWidget* parent)
    : NxTaskTableHeader(orientation, parent)
{
}

NxTextToSpeechTableHeader::~NxTextToSpeechTableHeader() = default;
