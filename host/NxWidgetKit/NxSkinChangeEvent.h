#pragma once

// What a skin handler is told. Handlers repaint or reload images only when
// IsSkinChanged() says the skin really moved.
class NxSkinChangeEvent
{
public:
    NxSkinChangeEvent(int oldSkinKind, int newSkinKind);

    int OldSkinKind() const;
    int NewSkinKind() const;
    bool IsSkinChanged() const;

private:
    int m_oldSkinKind;
    int m_newSkinKind;
};
