#pragma once

#include "AccessFile.h"
#include "AddresseeExchange.h"
#include "AddresseeFields.h"
#include "Connection.h"

#include <QString>
#include <QStringList>
#include <functional>

// Address books of this program kept as Access files, from the time the
// program kept its book that way: the tables customer and personal with the
// program's columns.
namespace AccessBook {
// The columns of the sender's row (SenderFields), by name.
QStringList senderColumns();

// Whether the tables are such a book (names of tables and columns in any
// case; further columns do no harm).
bool isOwnBook(const AccessFile::Contents& contents);
struct OwnBook {
    AddresseeFields::FileRows addressees; // every field, seq as stored
    QStringList sender;                   // in senderColumns() order; empty when none is kept
};
// The book's addressees and sender, text exactly as stored.
OwnBook ownBook(const AccessFile::Contents& contents);

// Whether the book holds a sender row with anything in it.
bool hasSender(const Connection& book);

// Turns the Access book at the path, whose contents were read, into a book
// of this program in place. The new book is made whole under a temporary
// name and the Access file is copied beside it as orvaneit-access-원본.mdb
// (or -2, -3, ... when that is taken) before the new book takes its place. A
// failure or a cancel on the way leaves the Access file where it was and
// removes what was made (StoreError). Returns the path of the copy.
QString convert(const QString& path, const AccessFile::Contents& contents,
                const AddresseeExchange::Progress& progress = {});
} // namespace AccessBook
