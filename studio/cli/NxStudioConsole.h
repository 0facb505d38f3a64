#pragma once

#include <QString>

// The subcommands' two channels: results on stdout, everything a person
// reads along the way (progress, failures, usage mistakes) on stderr, so that
// `nx-studio transcribe a.wav > list` keeps only the paths.
namespace NxStudioConsole
{
// Exit codes: a run with a failed task, and arguments that make no sense.
inline constexpr int Failed = 1;
inline constexpr int BadArguments = 2;

void out(const QString& line);
void err(const QString& line);
// Bytes as they are, for redrawing a terminal in place.
void errRaw(const QByteArray& bytes);
bool errIsTerminal();

// "nx-studio COMMAND: PROBLEM" and where the help is; returns BadArguments.
int usageError(const QString& command, const QString& problem);
}
