#pragma once

#include "Connection.h"

#include <QString>

// Copies of the whole address book, taken and put back while the program
// has the book open.
namespace BookBackup {
// What SQLite's quick check finds wrong with the book; empty when it finds
// nothing. A copy of a damaged book is damaged too: take one only when the
// user asks for it after being told.
QString damage(const Connection& book);
// Writes a consistent copy of the book to the file (replacing it only once
// the copy is complete). A target that is the book itself, under any name,
// or one of its journal and lock files, a folder or a device is refused
// (StoreError).
void backup(const Connection& book, const QString& target);
// Refuses (StoreError) a file that is not an address book of this program,
// saying whether it is damaged or of another kind.
void check(const QString& copy);
// Checks the copy as above, keeps the book's present content in a file
// beside it, then replaces the content with the copy's. Returns the path of
// the kept file. On any failure the book is left as it was (StoreError).
QString restore(const Connection& book, const QString& copy);
} // namespace BookBackup
