#include "NxStudioConsole.h"

#include <cstdio>
#include <unistd.h>

namespace
{
void write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
}

void NxStudioConsole::out(const QString& line)
{
    write(stdout, (line + QLatin1Char('\n')).toUtf8());
}

void NxStudioConsole::err(const QString& line)
{
    write(stderr, (line + QLatin1Char('\n')).toUtf8());
}

void NxStudioConsole::errRaw(const QByteArray& bytes)
{
    write(stderr, bytes);
}

bool NxStudioConsole::errIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

int NxStudioConsole::usageError(const QString& command, const QString& problem)
{
    err(QStringLiteral("nx-studio %1: ").arg(command) + problem);
    err(QStringLiteral("Try 'nx-studio %1 --help'.").arg(command));
    return BadArguments;
}
