#pragma once

#include "Connection.h"

#include <QString>

struct sqlite3_stmt;

// One SQL statement run by SQLite itself, its text going in and coming out
// as UTF-8. Through the driver text travels as UTF-16, and SQLite then takes
// a leading U+FEFF or U+FFFE for a byte-order mark and hands U+FFFE and
// U+FFFF back as U+FFFD: what goes through here comes back exactly.
class Statement {
  public:
    // A statement that does not compile throws StoreError, worded by the
    // connection for the user.
    Statement(const Connection& connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds the text to the parameter (counted from 1); a null text is
    // bound as the empty text.
    void bind(int parameter, const QString& text);
    void bind(int parameter, qint64 number);
    // Steps to the next row: false when there is none. A failure throws
    // StoreError; the statement may then be run again after reset().
    bool next();
    // Runs a statement that returns no rows, ready to be bound and run again;
    // returns how many rows it changed.
    qint64 run();
    void reset();
    // The column of the present row (counted from 0) as text.
    QString text(int column) const;
    // UTF-8 from SQLite as text, a leading U+FEFF kept.
    static QString fromUtf8(QByteArrayView bytes);

  private:
    [[noreturn]] void fail() const;
    const Connection& connection;
    sqlite3_stmt* statement = nullptr;
};
