#pragma once

#include "AddresseeFields.h"
#include "ColumnMapping.h"

#include <QByteArray>

// Addressees as comma-separated values: a header row of the addressee
// window's captions, then one row per addressee, every field of the
// customer table in its order (RFC 4180 quoting, lines ending in CR LF).
// The printcondition is written as the window's box reads it ("사용",
// "미사용"); reading takes those words and the codes "1" and "2".
namespace AddresseeCsv {
// UTF-8 with a byte-order mark, so that spreadsheet programs keep the Hangul.
// A value a spreadsheet would run as a formula (one that starts with "=",
// "+", "-", "@", a tab or a carriage return) goes out behind an apostrophe,
// which spreadsheets take as the mark of text; read() takes it off again.
QByteArray write(const QList<QStringList>& rows);
// Any lines, the first its header, quoted and guarded as write() does.
QByteArray table(const QList<QStringList>& lines);

// Reads a file whose first row names the columns. A file whose first row
// names no field (ColumnMapping), or whose text is neither UTF-8 nor CP949,
// is refused with a message that says what a file must be (StoreError).
ForeignTable readTable(const QByteArray& bytes);
// The same, each column going to the field its name stands for; the other
// columns are ignored and named.
AddresseeFields::FileRows read(const QByteArray& bytes);
} // namespace AddresseeCsv
