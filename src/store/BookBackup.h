#pragma once

#include "Connection.h"

#include <QString>

// Copies of the whole address book, taken and put back while the program
// has the book open.
namespace BookBackup {
// Writes a consistent copy of the book to the file (replacing it only once
// the copy is complete).
void backup(const Connection& book, const QString& target);
// Refuses a file that is not an undamaged address book of this program
// (StoreError).
void check(const QString& copy);
// Checks that the copy is an address book of this program, keeps the
// book's present content in a file beside it, then replaces the content
// with the copy's. Returns the path of the kept file. On any failure the
// book is left as it was (StoreError).
QString restore(const Connection& book, const QString& copy);
} // namespace BookBackup
