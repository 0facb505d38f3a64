#include "NxSpeechToTextTableHeader.h"

NxSpeechToTextTableHeader::NxSpeechToTextTableHeader(Qt::Orientation orientation, QWidget* parent)
    : NxTaskTableHeader(orientation, parent)
{
}

NxSpeechToTextTableHeader::~NxSpeechToTextTableHeader() = default;
