#include "NxStudioConsole.h"

#include "NxControlCharacters.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace
{
// The first failure of a write to stdout, as errno gave it.
int outErrno = 0;

bool write(std::FILE* stream, const QByteArray& bytes)
{
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

void writeOut(const QByteArray& bytes)
{
    if (!write(stdout, bytes) && outErrno == 0)
        outErrno = errno ? errno : EIO;
}
}

void NxStudioConsole::out(const QString& text)
{
    writeOut((text + QLatin1Char('\n')).toUtf8());
}

void NxStudioConsole::result(const QString& line)
{
    out(NxControlCharacters::escaped(line));
}

void NxStudioConsole::err(const QString& line)
{
    write(stderr, (NxControlCharacters::escaped(line) + QLatin1Char('\n')).toUtf8());
}

void NxStudioConsole::errRaw(const QByteArray& bytes)
{
    write(stderr, bytes);
}

bool NxStudioConsole::errIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

QString NxStudioConsole::outFailure()
{
    return outErrno ? qt_error_string(outErrno) : QString();
}

int NxStudioConsole::usageError(const QString& command, const QString& problem)
{
    err(QStringLiteral("nx-studio %1: ").arg(command) + problem);
    err(QStringLiteral("Try 'nx-studio %1 --help'.").arg(command));
    return BadArguments;
}
