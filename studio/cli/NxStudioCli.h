#pragma once

#include <QStringList>

// nx-studio without its window: the subcommands, which use the module's
// services from a shell, and the tour that a machine without a display runs.
namespace NxStudioCli
{
// True when this run shows no window: there is no display, or `arguments`
// (those after the program's name) name a subcommand or an option.
bool handles(const QStringList& arguments, bool display);
// Runs what `arguments` ask for; without any, the tour. Returns the exit code.
int run(const QStringList& arguments);
}
