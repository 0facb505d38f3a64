#pragma once

#include <QString>

// Which engine the speech services run on, as the window's status bar and
// the subcommands say it: the factories' own choice (NxRemoteSettings),
// read when asked, in the interface language.
namespace NxStudioEngine
{
// "Speech engine: this computer", or "Speech engine: " and the server's URL
// without credentials.
QString line();
// Why the engine in use cannot transcribe `language` (the offline engine has
// English models only), for the user; empty when it can.
QString refusal(const QString& language);
}
