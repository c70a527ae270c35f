#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

// One open connection to a single-file database. Several connections to the
// same file may be open at once; each has a name of its own.
class Connection {
  public:
    // Opens an existing file. It must be an SQLite database holding every one
    // of the given tables; anything else is refused and left untouched.
    static std::shared_ptr<Connection> open(const QString& path, const QStringList& tables,
                                            bool readOnly = false);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const;
    QString path() const { return filePath; }

  private:
    Connection(const QString& path, const QString& name);
    QString filePath;
    QString name;
};
