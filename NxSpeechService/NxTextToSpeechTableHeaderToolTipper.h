#pragma once

#include <QObject>
#include <QRect>

// Explains how characters are billed when the mouse rests on the small spot
// beside the characters column's title, and keeps every other tooltip of
// the header away.
class NxTextToSpeechTableHeaderToolTipper : public QObject
{
    Q_OBJECT

public:
    explicit NxTextToSpeechTableHeaderToolTipper(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect m_hotRect;
};
