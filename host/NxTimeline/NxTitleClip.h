#pragma once

#include "INxTextClip.h"
#include "INxTextTimelineClip.h"
#include "NxTimelineClip.h"

#include <memory>
#include <vector>

class NxTextElement final : public INxTextClip
{
public:
    explicit NxTextElement(const QString& text) : m_text(text) {}
    QString text() const override { return m_text; }
    void setText(const QString& text) { m_text = text; }

private:
    QString m_text;
};

// A title on the timeline; it owns its elements.
class NxTitleClip final : public NxTimelineClip, public INxTextTimelineClip, public INxTitleDocument
{
public:
    NxTitleClip(const QString& name, NxRational frameRate, qint64 position, qint64 length);
    ~NxTitleClip() override;

    INxTitleDocument* titleDocument() const override;
    QList<INxTitleElement*> elements() const override;

    void addElement(std::unique_ptr<INxTitleElement> element);
    void addText(const QString& text);

private:
    std::vector<std::unique_ptr<INxTitleElement>> m_elements;
};
