#pragma once

#include "AddresseeFields.h"

#include <QList>
#include <QString>
#include <QStringList>

// A table from elsewhere (a CSV file, a table of another program's
// database): the names of its columns and its records, each a list of
// texts in column order.
struct ForeignTable {
    QString format; // what it was read as, e.g. "CSV, UTF-8"
    QStringList columns;
    QList<QStringList> records;
};

// Which addressee field each column of a foreign table goes to, by the
// column's name: the window's caption, the column name of the book, or a
// name spreadsheets commonly use for it ("성명", "회사", "상세주소", ...).
namespace ColumnMapping {
// For each column, an AddresseeFields index or Ignored.
using Mapping = QList<int>;
constexpr int Ignored = -1;

// The field a column name stands for, or Ignored. Case and blanks do not
// count: "E-mail", "e-mail" and "나머지 주소", "나머지주소" are the same.
int fieldFor(const QString& column);
// Each column the field its name stands for; a field goes to one column
// only: the first that names it by caption or column name, or else the
// first that names it by a synonym. (A seq that comes in is not kept: the
// addressee gets a number of its own.)
Mapping guess(const QStringList& columns);
// Whether a column with a name was left without a field.
bool anyUnknown(const QStringList& columns, const Mapping& mapping);
// The names of the columns left without a field.
QStringList ignoredColumns(const QStringList& columns, const Mapping& mapping);
// The records as addressee rows. Records with no value in any column that
// has a field hold no addressee and are left out.
AddresseeFields::FileRows apply(const ForeignTable& table, const Mapping& mapping);
// The first records, to show what a column holds.
QList<QStringList> samples(const ForeignTable& table, int count = 3);
} // namespace ColumnMapping
