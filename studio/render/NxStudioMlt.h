#pragma once

// MLT, the engine that plays and renders the timeline, started once per
// process before the first profile or producer is made.
namespace NxStudioMlt
{
// Safe to call more than once and from the GUI thread only.
void init();
}
