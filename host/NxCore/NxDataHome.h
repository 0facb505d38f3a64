#pragma once

#include <QString>

// The one folder that holds everything the host keeps on disk: output
// folders, configuration, general settings, the log and the analytics record.
//
// It is $NXSPEECH_HOME when that variable is set, otherwise the platform's
// application-data location. The folder is created on first use.
namespace NxDataHome
{
inline constexpr const char* EnvironmentVariable = "NXSPEECH_HOME";

// Absolute path of the data folder, without a trailing separator.
QString path();

// Absolute path of `name` inside the data folder.
QString filePath(const QString& name);
}
