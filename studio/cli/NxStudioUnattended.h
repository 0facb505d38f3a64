#pragma once

// Nobody can answer the module's message boxes in a run without a window:
// while this lives, the host's message boxes are answered, unseen, as their
// close button would (neither confirmed nor refused), and their words go to
// stderr so the user learns what was asked. A purchase tip declined this way
// leaves its task failed for want of balance.
class NxStudioUnattended
{
public:
    NxStudioUnattended();
    ~NxStudioUnattended();
    NxStudioUnattended(const NxStudioUnattended&) = delete;
    NxStudioUnattended& operator=(const NxStudioUnattended&) = delete;
};
