#pragma once

#include <QString>

// What went wrong with a file, in Korean words, the system's own words
// following in brackets.
namespace FileProblem {
// The cause behind a failed system call's error number.
QString cause(int error);
// Why the file could not be written, found out after the fact: a folder of
// that name, a missing folder, a read-only file system, no permission or a
// full disk. Otherwise the system's words, in brackets.
QString whyNotWritten(const QString& path, const QString& systemWords);
// Why the file could not be read: missing, a folder or no permission.
// Otherwise the system's words, in brackets.
QString whyNotRead(const QString& path, const QString& systemWords);
} // namespace FileProblem
