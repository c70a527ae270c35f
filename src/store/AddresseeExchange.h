#pragma once

#include "AddresseeFields.h"
#include "Connection.h"

#include <QByteArray>
#include <functional>
#include <optional>

// Addressees out of the book into files and from files into the book.
namespace AddresseeExchange {
enum class Format { Csv, VCard };

// Every addressee, or those with the given seqs, in the order they were
// added.
QList<QStringList> readBook(const Connection& book, const QStringList& seqs = {});
QByteArray write(Format format, const QList<QStringList>& rows);
// Writes the whole file or leaves any earlier one untouched (StoreError).
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Writes every addressee, or those with the given seqs, to the file and
// returns how many. A book that cannot be read to its end writes nothing
// and says how far it was read (StoreError).
qsizetype exportFile(const Connection& book, Format format, const QString& path,
                     const QStringList& seqs = {});

struct Cut {
    int row;
    int field;
    qsizetype length; // characters in the file
};
// What a file would add, before anything is written.
struct Preview {
    QList<QStringList> rows; // cut to the columns' widths, without seq
    QList<int> lookAlikes;   // rows with the name, company and department of one in the book
    QList<Cut> cuts;
    QStringList ignored; // columns or properties without a field
    QString format;
};
// Reads a CSV or vCard file; anything else is refused (StoreError).
Preview preview(const QByteArray& bytes, const Connection& book);
// Where rows come from: elsewhere, they get numbers of their own and a
// print flag other than "1" becomes "2"; from another book of this program
// they keep their seq where it is free and their text exactly as stored.
enum class Origin { Elsewhere, OwnBook };
Preview preview(const AddresseeFields::FileRows& file, const Connection& book,
                Origin origin = Origin::Elsewhere);
// The rows of the preview that look like none in the book.
QList<QStringList> withoutLookAlikes(const Preview& preview);

// Told how many rows of how many are stored; answering false cancels.
using Progress = std::function<bool(qsizetype done, qsizetype total)>;
// A row whose seq was held already and that got another number.
struct Renumbered {
    int row;
    QString seq;
    QString newSeq;
};
struct Added {
    QString lastSeq; // the number of the last row added
    QList<Renumbered> renumbered;
};
// Adds the rows in file order in one transaction. A row keeps its seq when
// it is a number from 1 to 99999 that neither the book nor an earlier row
// holds; the others are numbered on from lastSeq and past any number held.
// A sender row given (the personal table's columns in order) replaces the
// book's in the same transaction. Returns nothing when cancelled. A failure
// (StoreError), running out of five-digit numbers or a cancel adds nothing.
std::optional<Added> add(const Connection& book, const QList<QStringList>& rows,
                         const QString& lastSeq, const Progress& progress = {},
                         const QStringList& sender = {});
// One line per renumbered row: its name, old and new seq.
QStringList describe(const QList<QStringList>& rows, const QList<Renumbered>& renumbered);
} // namespace AddresseeExchange
