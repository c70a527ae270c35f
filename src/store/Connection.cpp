#include "Connection.h"

#include "StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {
bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}
} // namespace

Connection::Connection(const QString& path, const QString& connectionName)
    : filePath(path), name(connectionName) {}

Connection::~Connection() {
    {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlDatabase Connection::db() const {
    return QSqlDatabase::database(name, false);
}

std::shared_ptr<Connection> Connection::open(const QString& path, const QStringList& tables,
                                             bool readOnly) {
    // Never let the driver create or rewrite a file that is not ours: an
    // empty file or a file of another program is reported, not adopted.
    if (!QFileInfo::exists(path))
        throw StoreError(QStringLiteral("%1 파일이 없습니다").arg(fileName(path)));
    if (!hasSqliteHeader(path))
        throw StoreError(
            QStringLiteral(
                "%1 파일을 열 수 없습니다.\n이 프로그램의 데이타 파일이 아니거나 손상되었습니다")
                .arg(fileName(path)));

    static std::atomic<int> counter{0};
    const QString connectionName = QStringLiteral("orvane-%1").arg(++counter);
    std::shared_ptr<Connection> connection(new Connection(path, connectionName));
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    database.setConnectOptions(options);
    if (!database.open())
        throw StoreError(QStringLiteral("%1 파일을 열 수 없습니다.\n%2")
                             .arg(fileName(path), database.lastError().text()));
    const QStringList present = database.tables();
    for (const QString& table : tables) {
        if (!present.contains(table, Qt::CaseInsensitive))
            throw StoreError(QStringLiteral("%1 파일을 열 수 없습니다.\n이 프로그램의 데이타 "
                                            "파일이 아니거나 손상되었습니다")
                                 .arg(fileName(path)));
    }
    return connection;
}
