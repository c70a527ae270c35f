#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

// One open connection to a single-file database. Several connections to the
// same file may be open at once; each has a name of its own.
class Connection {
  public:
    // Opens an existing file. It must be an SQLite database holding every one
    // of the given tables; anything else is refused and left untouched. A
    // file the user may not read (or, unless readOnly, write) and a file
    // another program keeps locked are told apart from a damaged one.
    static std::shared_ptr<Connection> open(const QString& path, const QStringList& tables,
                                            bool readOnly = false);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const;
    // SQLite's own handle of the connection the driver holds (nullptr when
    // the driver holds none).
    sqlite3* handle() const;
    QString path() const { return filePath; }

    // Refuses the file (StoreError) when the table lacks one of the columns.
    void requireColumns(const QString& table, const QStringList& columns) const;
    // What a failure of the driver means for the user, naming the file: in
    // use by another program, no permission, damaged, or the driver's words.
    QString describe(const QSqlError& error) const;

  private:
    Connection(const QString& path, const QString& name);
    QString filePath;
    QString name;
};
