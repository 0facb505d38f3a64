#pragma once

#include <QStringList>

#include <optional>

class QCommandLineParser;

// One function per subcommand, each given the arguments after its name.
// Each returns the process's exit code.
namespace NxStudioCommands
{
int transcribe(const QStringList& arguments);
int speak(const QStringList& arguments);
int voices(const QStringList& arguments);
int tour(const QStringList& arguments);
int exportVideo(const QStringList& arguments);

// Parses `arguments` for `command` with the options `parser` was given and
// answers --help with `help`. Returns the exit code when the command ends
// here (help shown, or a usage mistake reported), nothing when it goes on.
std::optional<int> parse(QCommandLineParser& parser, const QString& command, const char* help,
                         const QStringList& arguments);
}
