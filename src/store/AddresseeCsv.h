#pragma once

#include "AddresseeFields.h"

#include <QByteArray>

// Addressees as comma-separated values: a header row of the addressee
// window's captions, then one row per addressee, every field of the
// customer table in its order (RFC 4180 quoting, lines ending in CR LF).
namespace AddresseeCsv {
// UTF-8 with a byte-order mark, so that spreadsheet programs keep the Hangul.
QByteArray write(const QList<QStringList>& rows);

// Reads a file whose header names fields by caption or column name, in any
// order. Unknown columns are ignored and named. A file whose header names
// no field, or whose text is neither UTF-8 nor CP949, is refused with a
// message that says what a file must be (StoreError).
AddresseeFields::FileRows read(const QByteArray& bytes);
} // namespace AddresseeCsv
