#pragma once

class NxSkinChangeEvent;

// Observer of skin switches, attached with NxSkinStyle::Attach. The slot
// order (destructor, then OnSkinChanged) is relied on by modules built
// against the host, so new virtuals go after it.
class INxSkinEventHandler
{
public:
    // Detaches itself, so a handler destroyed without Detach is never called.
    virtual ~INxSkinEventHandler();
    virtual void OnSkinChanged(NxSkinChangeEvent* event) = 0;
};
