#include "NxSkinStyle.h"

#include "INxSkinEventHandler.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinPalette.h"

#include <QFile>
#include <QLatin1String>
#include <QtDebug>

namespace {

// Handlers may outlive the singleton at process exit; they must not reach a
// destroyed instance when they detach themselves.
NxSkinStyle* s_liveStyle = nullptr;

const QLatin1String kResourcePrefix(":/Resource/");

} // namespace

NxSkinStyle::NxSkinStyle()
    : m_skinKind(NxSkinPalette::DarkSkin)
{
    s_liveStyle = this;
}

NxSkinStyle::~NxSkinStyle()
{
    if (s_liveStyle == this)
        s_liveStyle = nullptr;
}

QColor NxSkinStyle::GetColor(NxSkinColor::NxColorType type) const
{
    return NxSkinPalette::Color(m_skinKind, type);
}

QString NxSkinStyle::FormatResourceFile(const QString& path) const
{
    if (!path.startsWith(kResourcePrefix))
        return path;
    // Images are baked per skin into :/nxkit/<skin>/ at build time.
    const QString skinned = QStringLiteral(":/nxkit/%1/%2")
                                .arg(NxSkinPalette::SkinName(m_skinKind), path.mid(kResourcePrefix.size()));
    return QFile::exists(skinned) ? skinned : path;
}

int NxSkinStyle::GetSkinKind() const
{
    return m_skinKind;
}

void NxSkinStyle::SetSkinKind(int kind)
{
    if (!NxSkinPalette::IsValidSkin(kind)) {
        qWarning() << "NxSkinStyle: ignoring unknown skin kind" << kind;
        return;
    }
    if (kind == m_skinKind)
        return;

    NxSkinChangeEvent event(m_skinKind, kind);
    m_skinKind = kind;

    // A handler may attach, detach or even switch skin again while being
    // told; walk a copy and skip anyone detached meanwhile.
    const QVector<INxSkinEventHandler*> handlers = m_handlers;
    for (INxSkinEventHandler* handler : handlers) {
        if (m_skinKind != event.NewSkinKind())
            return; // a nested switch already told everyone the newer skin
        if (m_handlers.contains(handler))
            handler->OnSkinChanged(&event);
    }
    emit SkinKindChanged(m_skinKind);
}

void NxSkinStyle::Attach(INxSkinEventHandler* handler)
{
    if (handler && !m_handlers.contains(handler))
        m_handlers.append(handler);
}

void NxSkinStyle::Detach(INxSkinEventHandler* handler)
{
    m_handlers.removeAll(handler);
}

void NxSkinStyle::ForgetHandler(INxSkinEventHandler* handler)
{
    if (s_liveStyle)
        s_liveStyle->Detach(handler);
}

NX_DEFINE_SINGLETON(NxSkinStyle)
