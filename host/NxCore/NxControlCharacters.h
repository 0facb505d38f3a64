#pragma once

#include <QString>

// Text from users, files or servers may hold control characters, which a
// terminal obeys: an escape sequence in a file name recolours or rewrites the
// screen, a newline starts a line of its own.
namespace NxControlCharacters
{
// `text` with each control character (C0, DEL, C1) written as "\xHH".
QString escaped(const QString& text);
}
