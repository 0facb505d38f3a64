#pragma once

#include <QString>

// What a file name may hold on the system the module runs on. Names made
// from users' text (clip names, title text) pass through here, so that each
// stays one writable entry of the folder it is meant for: on Unix no '/',
// no control characters, no lone surrogates (they cannot be written in the
// file system's encoding, and two of them would write the same bytes), and
// at most 255 bytes in that encoding.
namespace NxFileName
{
constexpr int MaxBytes = 255;
// The most a "_<n>" or " <n>" numbering adds: a separator and the 20 digits
// of the largest 64-bit number.
constexpr int NumberBytes = 21;

// `name` without the characters no file name may hold here; every other
// character stays as it is.
QString withoutForbidden(const QString& name);

// withoutForbidden(`name`), cut between whole characters where needed so
// that `reservedBytes` of the length limit stay free for numbering and an
// extension.
QString fitted(const QString& name, int reservedBytes);
}
