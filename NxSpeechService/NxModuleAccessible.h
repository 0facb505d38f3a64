#pragma once

// Reader interfaces for the module's painted widgets: the task tables and
// the voice tiles.
namespace NxModuleAccessible
{
// Registers the module's factory with QAccessible; once per process, however
// often it is called. The module calls it when an application starts.
void install();
}
