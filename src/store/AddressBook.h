#pragma once

#include "Connection.h"

#include <QString>
#include <memory>

namespace AddressBook {
// The address book's own queries.
inline const QString CustomerOrder =
    QStringLiteral("select * from customer order by name, company");
inline const QString PersonalTable = QStringLiteral("personal");

// Opens orvaneit.mdb in the program's folder (or the book at the path
// given), creating it with both tables when the file is missing, and gives
// the addressees' numbers an index when the book has none. A file that is
// there but is not this program's database is reported (StoreError) and left
// as it is.
std::shared_ptr<Connection> openOrCreate();
std::shared_ptr<Connection> openOrCreate(const QString& path);
// A further connection to the existing file; one that only reads needs no
// permission to write.
std::shared_ptr<Connection> open();
std::shared_ptr<Connection> open(const QString& path, bool readOnly = false);

// The number last handed out as seq, as found in the book: the leading
// digits of the seq of the most recently added row, "0" when there is none.
QString lastSeqOf(const Connection& book);
} // namespace AddressBook
