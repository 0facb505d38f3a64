#pragma once

#include <QString>

// Which engine the speech services run on, as the window's status bar and
// the subcommands say it: the factories' own choice (NxRemoteSettings),
// read when asked.
namespace NxStudioEngine
{
// "Speech engine: this computer", or "Speech engine: " and the server's URL
// without credentials.
QString line();
}
