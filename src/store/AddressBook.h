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

// Opens orvaneit.mdb in the program's folder, creating it with both tables
// when the file is missing. A file that is there but is not this program's
// database is reported (StoreError) and left as it is.
std::shared_ptr<Connection> openOrCreate();
// A further connection to the existing file.
std::shared_ptr<Connection> open();

// Start-up of the addressee window: opens the file into AddressBookDb, sets
// LastSeq from the most recently added row and opens CustomerCursor.
void startUp();

// The number a new addressee gets: LastSeq plus one. The caller sets
// LastSeq to it once the row is stored.
QString nextSeq();
} // namespace AddressBook

// The program-wide shared state.
namespace Module1 {
inline std::shared_ptr<Connection> AddressBookDb;
// The one cursor over the addressees, in list order, shared by every window.
inline std::unique_ptr<Recordset> CustomerCursor;
// Which window receives a chosen zip code: "1" addressee window, "2" sender dialog.
inline QString ZipSearchCaller;
// The number last handed out as seq.
inline QString LastSeq = QStringLiteral("0");
} // namespace Module1
