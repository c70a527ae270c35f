#pragma once

#include "Connection.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <memory>
#include <optional>

// Told of every change to a cursor's rows, before and after it, so that a
// view of them can follow without reading them all again.
class RowObserver {
  public:
    virtual ~RowObserver() = default;
    // All rows read again, or let go.
    virtual void rowsReplacing() = 0;
    virtual void rowsReplaced() = 0;
    virtual void rowInserting(int row) = 0;
    virtual void rowInserted() = 0;
    virtual void rowRemoving(int row) = 0;
    virtual void rowRemoved() = 0;
    virtual void rowChanged(int row) = 0;
    // The cursor is being destroyed.
    virtual void cursorGone() = 0;
};

// An updatable, ordered cursor over a table or a "select * from <table> ..."
// statement. Rows are read when the cursor opens and on requery; writes go to
// the file at once, always with bound values.
//
// Position: a non-empty cursor opens on its first row. Begin-of-file is the
// place before the first row, end-of-file the place after the last; an empty
// cursor is at both.
//
// A stored row takes its place in the statement's order (by the columns
// after "order by", then in the order the rows were added) without the rows
// being read again.
class Recordset {
  public:
    Recordset(std::shared_ptr<Connection> connection, const QString& source);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    int absolutePosition() const { return position; }
    int recordCount() const { return int(rows.size()); }

    // Moves to the first row, in cursor order, whose column equals the value
    // exactly. Without a match the position is left alone and false returned.
    bool findFirst(const QString& column, const QString& value);
    // The place of that row (0-based), or -1; the position does not move.
    int find(const QString& column, const QString& value) const;
    // Moves as findFirst does, through an index of the column made at the
    // first call after the rows changed: for runs of many look-ups.
    bool seek(const QString& column, const QString& value);

    // The current row's value, found by column name without regard to case.
    // A column without a value reads as empty text.
    QString field(const QString& column) const;
    // The same by position, for walks over many rows.
    int columnIndex(const QString& column) const;
    QString field(int column) const;
    // A stored value of any row (0-based, in cursor order): walks read the
    // rows this way and leave the position where it is.
    QString value(int row, int column) const { return rows[row].at(column); }
    // The same without a copy, valid until the rows change: for walks that
    // only look at the values.
    QStringView view(int row, int column) const { return rows[row].view(column); }

    // New rows are numbered in this column: a number that a row of the table
    // already holds is replaced, in the same write that stores the row, by
    // the next free one (SeqNumbers) after the number of the table's most
    // recently added row.
    void numberNewRows(const QString& column);
    void addNew();
    void edit();
    void setField(const QString& column, const QString& value);
    // Stores the pending new row or edit. A value longer than its column
    // (counted in characters) is refused: nothing is written and the pending
    // change is dropped. An edit, like a deletion, finds its row by what the
    // cursor read; a row gone or changed since is refused as well.
    void update();
    void cancelUpdate();
    void deleteCurrent();
    // Reads the rows again (also after close) and stands on the first.
    void requery();
    void close();
    bool isOpen() const { return open; }

    // The one observer of the rows (nullptr: none).
    void setObserver(RowObserver* rowObserver) { observer = rowObserver; }

  private:
    enum class Pending { None, Adding, Editing };
    // One row as read, its values kept together in one text: a hundred
    // thousand rows take a fraction of the memory of separate texts, and a
    // row moves as one pointer when rows are put in or taken out.
    class Row {
      public:
        Row(qint64 id, const QStringList& values);
        QStringView view(int column) const;
        QString at(int column) const;
        QStringList values() const;
        qint64 rowid;

      private:
        // The number of values, then where each value ends among the values
        // (in one character, or in two when the values are longer than one
        // character can count), then the values.
        QString text;
    };

    const Row& current() const;
    void load();
    void readSchema();
    void fail(bool failed, const QString& what, const QSqlQuery& query) const;
    // A subquery for the rowid of a row holding the current row's values.
    QString sameRow() const;
    // Runs a statement that writes, given the texts and then, when asked,
    // what sameRow() needs. Text goes to SQLite as UTF-8, so a leading
    // U+FEFF is stored too. Returns how many rows it changed; a failure
    // says what could not be done.
    qint64 write(const QString& sql, const QStringList& texts, bool andSameRow,
                 const QString& what) const;
    void insert();
    void settleNumber(QSqlQuery& query);
    // Where a row belongs in the statement's order.
    int placeOf(const Row& row) const;
    // Puts a stored row in its place and stands on it.
    void place(Row row);
    void removeRow(int at);
    // An index made by seek() holds the places of the rows as they were.
    void dropIndex();

    std::shared_ptr<Connection> connection;
    QString table;
    QString query;
    QStringList columns;
    QVector<int> widths; // 0: no limit
    QVector<Row> rows;
    int position = -1;
    bool open = true;
    Pending pending = Pending::None;
    QStringList buffer;
    QVector<bool> touched;
    int numbered = -1;
    QVector<int> orderColumns;
    RowObserver* observer = nullptr;
    // seek(): the column indexed (-1: none) and the first row of each value.
    int indexed = -1;
    QHash<QStringView, int> index;
};
