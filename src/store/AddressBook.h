#pragma once

#include "Connection.h"
#include "Recordset.h"

#include <QString>
#include <memory>

namespace AddressBook {
// The address book's own queries.
inline const QString CustomerOrder =
    QStringLiteral("select * from customer order by name, company");
inline const QString PersonalTable = QStringLiteral("personal");

// Opens orvaneit.mdb in the program's folder (or the book at the path
// given), creating it with both tables when the file is missing. A file that
// is there but is not this program's database is reported (StoreError) and
// left as it is.
std::shared_ptr<Connection> openOrCreate();
std::shared_ptr<Connection> openOrCreate(const QString& path);
// A further connection to the existing file; one that only reads needs no
// permission to write.
std::shared_ptr<Connection> open();
std::shared_ptr<Connection> open(const QString& path, bool readOnly = false);

// The number last handed out as seq, as found in the book: the leading
// digits of the seq of the most recently added row, "0" when there is none.
QString lastSeqOf(const Connection& book);

// Start-up of the addressee window: opens the file into AddressBookDb, sets
// LastSeq from the most recently added row and opens CustomerCursor.
void startUp();

// The number a new addressee gets: LastSeq plus one. The caller sets
// LastSeq to it once the row is stored. seq holds five digits at most: when
// that number is held or past 99999, the next free number is given, counting
// on from 1 after 99999; when every number is held a StoreError says so and
// what the user can do.
QString nextSeq();
} // namespace AddressBook

// The program-wide shared state.
namespace AppState {
inline std::shared_ptr<Connection> AddressBookDb;
// The one cursor over the addressees, in list order, shared by every window.
inline std::unique_ptr<Recordset> CustomerCursor;
// The number last handed out as seq.
inline QString LastSeq = QStringLiteral("0");
} // namespace AppState
