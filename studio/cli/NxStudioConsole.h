#pragma once

#include <QString>

// The subcommands' two channels: results on stdout, everything a person
// reads along the way (progress, failures, usage mistakes) on stderr, so that
// `nx-studio transcribe a.wav > list` keeps only the paths.
//
// Every line but the help is shown with its control characters escaped
// (NxControlCharacters): names and failures come from users and files.
namespace NxStudioConsole
{
// Exit codes: a run with a failed task, and arguments that make no sense.
inline constexpr int Failed = 1;
inline constexpr int BadArguments = 2;

// Text as it is, such as the help.
void out(const QString& text);
// One line of results, such as a path: exact unless it holds a control
// character (a newline included), which is escaped so that it stays one line.
void result(const QString& line);
void err(const QString& line);
// Bytes as they are, for redrawing a terminal in place.
void errRaw(const QByteArray& bytes);
bool errIsTerminal();

// Why something written to stdout did not arrive (a full disk, a closed
// file); empty while every write went through.
QString outFailure();

// "nx-studio COMMAND: PROBLEM" and where the help is; returns BadArguments.
int usageError(const QString& command, const QString& problem);
}
