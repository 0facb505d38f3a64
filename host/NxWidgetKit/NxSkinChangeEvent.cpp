#include "NxSkinChangeEvent.h"

NxSkinChangeEvent::NxSkinChangeEvent(int oldSkinKind, int newSkinKind)
    : m_oldSkinKind(oldSkinKind)
    , m_newSkinKind(newSkinKind)
{
}

int NxSkinChangeEvent::OldSkinKind() const
{
    return m_oldSkinKind;
}

int NxSkinChangeEvent::NewSkinKind() const
{
    return m_newSkinKind;
}

bool NxSkinChangeEvent::IsSkinChanged() const
{
    return m_oldSkinKind != m_newSkinKind;
}
