#pragma once

#include "ColumnMapping.h"
#include <QByteArray>

#include <QDataStream>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Microsoft Access databases (Jet 3, Jet 4 and ACE files), read with libmdb:
// every table of the user's with its columns and its rows as text.
//
// A damaged file can make libmdb loop or fail, so the program never reads
// one in its own process: read() has the data tool (orvaneit-data) read it
// and hand the tables over through a pipe, and a reader that fails, takes
// too long or grows too big is ended and reported as a file that could not
// be read.
namespace AccessFile {
struct Table {
    QString name;
    QStringList columns;
    QList<QStringList> records; // a text per column; a null value is empty text
};
struct Contents {
    QString generation; // "Jet 3 (Access 97)", "Jet 4 (Access 2000-2003)", "ACE (Access 2007-)"
    QString codePage;   // what a Jet 3 file's text was read as; empty for later ones
    QList<Table> tables;

    const Table* table(const QString& name) const; // by name, ignoring case
    QStringList tableNames() const;
    // The table as one from elsewhere, its format naming file and table.
    ForeignTable foreign(const Table& table) const;
};

QDataStream& operator<<(QDataStream& out, const Table& table);
QDataStream& operator>>(QDataStream& in, Table& table);

// Jet 3 files hold text in the Windows code page of the computer that wrote
// them; Korean ones in CP949.
inline const QString KoreanCodePage = QStringLiteral("CP949");
// The code pages a Jet 3 file may be read as.
QStringList codePages();

// Whether the file begins as a Jet or ACE database does.
bool isAccessFile(const QString& path);

// Told now and then while the file is read; answering false gives up.
using Waiting = std::function<bool()>;
// Reads the file in a separate process. Anything that keeps it from being
// read is a StoreError that says what is true: not an Access file,
// encrypted, damaged.
Contents read(const QString& path, const QString& codePage = KoreanCodePage,
              const Waiting& waiting = {});
// The program that reads for read(): orvaneit-data beside this program
// unless set.
void setReaderProgram(const QString& path);

// The reading itself, in this process: what the reader program runs. It
// writes what it read, or why it could not, to the standard output and
// returns the exit code.
int readInThisProcess(const QString& path, const QString& codePage);
} // namespace AccessFile
