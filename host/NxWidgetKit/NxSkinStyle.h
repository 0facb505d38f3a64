#pragma once

#include "NxSingleton.h"

#include "NxSkinColor.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QVector>

class INxSkinEventHandler;

// The current skin: its colours, its images, and who to tell when it
// switches. One per process, reached as NxSingleton<NxSkinStyle>::instance();
// used from the GUI thread only.
class NxSkinStyle : public QObject
{
    Q_OBJECT

public:
    NxSkinStyle();
    ~NxSkinStyle() override;

    QColor GetColor(NxSkinColor::NxColorType type) const;

    // The current skin's image for a ":/Resource/<name>" path; any other
    // path, or a name the skin has no image for, comes back unchanged.
    QString FormatResourceFile(const QString& path) const;

    // NxSkinPalette::SkinKind: 0 dark (the default), 1 light.
    int GetSkinKind() const;
    // Switches skin and tells every attached handler once; setting the
    // current skin again, or an unknown one, changes nothing.
    void SetSkinKind(int kind);

    // Attaching twice still notifies once. Detaching, even from inside a
    // notification, stops further calls at once.
    void Attach(INxSkinEventHandler* handler);
    void Detach(INxSkinEventHandler* handler);

    // Called by a dying handler; safe when the style is already gone.
    static void ForgetHandler(INxSkinEventHandler* handler);

signals:
    // For QObject-based code that prefers a connection to a handler.
    void SkinKindChanged(int kind);

private:
    int m_skinKind;
    QVector<INxSkinEventHandler*> m_handlers;
};

NX_DECLARE_SINGLETON(NxSkinStyle)
