#pragma once

#include "Connection.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

// An updatable, ordered cursor over a table or a "select * from <table> ..."
// statement. Rows are read when the cursor opens and on requery; writes go to
// the file at once, always with bound values.
//
// Position: a non-empty cursor opens on its first row. Begin-of-file is the
// place before the first row, end-of-file the place after the last; an empty
// cursor is at both.
class Recordset {
  public:
    Recordset(std::shared_ptr<Connection> connection, const QString& source);

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

    // The current row's value, found by column name without regard to case.
    // A column without a value reads as empty text.
    QString field(const QString& column) const;
    // The same by position, for walks over many rows.
    int columnIndex(const QString& column) const;
    QString field(int column) const;

    void addNew();
    void edit();
    void setField(const QString& column, const QString& value);
    // Stores the pending new row or edit. A value longer than its column is
    // refused: nothing is written and the pending change is dropped.
    void update();
    void cancelUpdate();
    void deleteCurrent();
    // Reads the rows again (also after close) and stands on the first.
    void requery();
    void close();
    bool isOpen() const { return open; }

  private:
    enum class Pending { None, Adding, Editing };
    struct Row {
        qint64 rowid = 0;
        QStringList values;
    };

    const Row& current() const;
    void load();
    void readSchema();

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
};
