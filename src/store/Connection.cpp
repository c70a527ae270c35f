#include "Connection.h"

#include "FileProblem.h"
#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <atomic>
#include <cerrno>
#include <sqlite3.h>
#include <unistd.h>

namespace {
bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// The file as the user can find it: the address book of an installed program
// lies in a folder the user does not choose.
QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString notOurs(const QString& path) {
    return QStringLiteral("%1 파일을 열 수 없습니다.\n이 프로그램의 데이타 파일이 아니거나 "
                          "손상되었습니다")
        .arg(shownPath(path));
}

// "rw------- (소유자 root)": the mode as a file listing shows it, and the owner.
QString permissionText(const QString& path) {
    const QFileInfo info(path);
    const QFileDevice::Permissions p = info.permissions();
    const QFileDevice::Permission bits[] = {
        QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
        QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
        QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther};
    QString text;
    for (int i = 0; i < 9; ++i)
        text += (p & bits[i]) ? QLatin1Char("rwx"[i % 3]) : QLatin1Char('-');
    return QStringLiteral("%1 (소유자 %2)").arg(text, info.owner());
}

// The user must be able to read the file and, to change it, write both the
// file and its folder (where the database keeps its journal while saving).
void checkPermission(const QString& path, bool readOnly) {
    const QString folder = QFileInfo(path).absolutePath();
    const auto refuse = [](const QString& what, const QString& target) {
        throw StoreError(QStringLiteral("%1 %2 권한이 없습니다.\n권한: %3")
                             .arg(shownPath(target), what, permissionText(target)));
    };
    if (::access(QFile::encodeName(path).constData(), readOnly ? R_OK : R_OK | W_OK) != 0)
        refuse(readOnly ? QStringLiteral("파일을 읽을") : QStringLiteral("파일을 읽고 쓸"), path);
    if (!readOnly && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        refuse(QStringLiteral("폴더에 쓸"), folder);
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

sqlite3* Connection::handle() const {
    const QVariant handle = db().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

std::shared_ptr<Connection> Connection::open(const QString& path, const QStringList& tables,
                                             bool readOnly) {
    // Never let the driver create or rewrite a file that is not ours: an
    // empty file or a file of another program is reported, not adopted.
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(QStringLiteral("%1 파일이 없습니다").arg(shownPath(path)));
    // A pipe or a device would hang or read as empty: neither is a book.
    if (info.isDir())
        throw StoreError(QStringLiteral("%1 은(는) 파일이 아니라 폴더입니다").arg(shownPath(path)));
    if (!info.isFile())
        throw StoreError(QStringLiteral("%1 은(는) 데이타 파일이 아니라 장치나 파이프 같은 "
                                        "특수 파일입니다")
                             .arg(shownPath(path)));
    checkPermission(path, readOnly);
    if (info.size() == 0) {
        QString message =
            QStringLiteral("%1 파일이 비어 있습니다 (0 바이트).").arg(shownPath(path));
        // Only a file the program writes is one it makes anew; a file it
        // only reads came with the program.
        if (!readOnly)
            message += QStringLiteral("\n이 파일을 지우면 다음 시작 때 새로 만들어집니다");
        throw StoreError(message);
    }
    if (!hasSqliteHeader(path))
        throw StoreError(notOurs(path));

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
        throw StoreError(connection->describe(database.lastError()));
    for (const QString& table : tables)
        connection->requireColumns(table, {});
    return connection;
}

void Connection::requireColumns(const QString& table, const QStringList& columns) const {
    QSqlQuery info(db());
    info.setForwardOnly(true);
    if (!info.exec(QStringLiteral("pragma table_info(%1)").arg(table)))
        throw StoreError(describe(info.lastError()));
    QStringList present;
    while (info.next())
        present << info.value(1).toString();
    if (info.lastError().isValid())
        throw StoreError(describe(info.lastError()));
    if (present.isEmpty())
        throw StoreError(notOurs(filePath));
    for (const QString& column : columns) {
        if (!present.contains(column, Qt::CaseInsensitive))
            throw StoreError(
                notOurs(filePath) +
                QStringLiteral("\n(%1 테이블에 %2 항목이 없습니다)").arg(table, column));
    }
}

QString Connection::describe(const QSqlError& error) const {
    // The driver reports SQLite's result code; its low byte is the kind.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // busy
    case 6: // locked
        return QStringLiteral("%1 파일을 다른 프로그램이 쓰고 있습니다.\n잠시 후에 다시 "
                              "시도하십시오")
            .arg(shownPath(filePath));
    case 11: // corrupt
        return QStringLiteral("%1 파일이 손상되었습니다.\n(%2)")
            .arg(shownPath(filePath), error.databaseText());
    case 26: // not a database
        return notOurs(filePath);
    case 13: // full
        return QStringLiteral("%1 파일에 쓰지 못했습니다.\n%2")
            .arg(shownPath(filePath), FileProblem::cause(ENOSPC));
    case 3:  // no permission
    case 8:  // read-only
    case 14: // cannot open
        try {
            checkPermission(filePath, false);
        } catch (const StoreError& e) {
            return e.message();
        }
        break;
    }
    return QStringLiteral("%1 파일을 읽거나 쓰지 못했습니다.\n(%2)")
        .arg(shownPath(filePath), error.text());
}
