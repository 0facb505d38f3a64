#include "NxTitleClip.h"

NxTitleClip::NxTitleClip(const QString& name, NxRational frameRate, qint64 position, qint64 length)
    : NxTimelineClip(name, INxClip::Title, frameRate, nullptr, {0, length, position})
{
}

NxTitleClip::~NxTitleClip() = default;

INxTitleDocument* NxTitleClip::titleDocument() const
{
    return const_cast<NxTitleClip*>(this);
}

QList<INxTitleElement*> NxTitleClip::elements() const
{
    QList<INxTitleElement*> result;
    result.reserve(int(m_elements.size()));
    for (const auto& element : m_elements)
        result.append(element.get());
    return result;
}

void NxTitleClip::addElement(std::unique_ptr<INxTitleElement> element)
{
    m_elements.push_back(std::move(element));
}

void NxTitleClip::addText(const QString& text)
{
    addElement(std::make_unique<NxTextElement>(text));
}
