#include "BookBackup.h"

#include "AddressBook.h"
#include "StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <sqlite3.h>

namespace {
sqlite3* handleOf(const Connection& connection) {
    if (sqlite3* handle = connection.handle())
        return handle;
    throw StoreError(QStringLiteral("주소록 파일을 복사할 수 없습니다"));
}

// Copies every page of one open database into another, in one step.
void copyPages(sqlite3* from, sqlite3* to, const QString& what) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw StoreError(QStringLiteral("%1\n%2").arg(what, QString::fromUtf8(sqlite3_errmsg(to))));
    const int step = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE)
        throw StoreError(
            QStringLiteral("%1\n%2").arg(what, QString::fromUtf8(sqlite3_errstr(step))));
}

// A file opened by SQLite alone, closed when it goes out of scope.
class RawFile {
  public:
    RawFile(const QString& path, int flags, const QString& what) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr) !=
            SQLITE_OK)
            throw StoreError(
                QStringLiteral("%1\n%2").arg(what, QString::fromUtf8(sqlite3_errmsg(handle))));
    }
    ~RawFile() { sqlite3_close(handle); }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;
    sqlite3* handle = nullptr;
};

} // namespace

void BookBackup::check(const QString& copy) {
    try {
        const auto connection = AddressBook::open(copy);
        QSqlQuery quick(connection->db());
        if (quick.exec(QStringLiteral("pragma quick_check")) && quick.next() &&
            quick.value(0).toString() == QLatin1String("ok"))
            return;
    } catch (const StoreError&) {
    }
    throw StoreError(QStringLiteral("%1 파일은 이 프로그램의 주소록 백업이 아닙니다.\n주소록은 "
                                    "바꾸지 않았습니다")
                         .arg(QFileInfo(copy).fileName()));
}
void BookBackup::backup(const Connection& book, const QString& target) {
    const QString what =
        QStringLiteral("%1 파일에 백업하지 못했습니다").arg(QFileInfo(target).fileName());
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        // A copy of personal data is readable by its owner only, like the book.
        QFile part(partial);
        if (!part.open(QIODevice::WriteOnly) ||
            !part.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
            throw StoreError(QStringLiteral("%1\n%2").arg(what, part.errorString()));
        part.close();
        RawFile file(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, what);
        copyPages(handleOf(book), file.handle, what);
    } catch (const StoreError&) {
        QFile::remove(partial);
        throw;
    }
    if (std::rename(QFile::encodeName(partial).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        throw StoreError(what);
    }
}

QString BookBackup::restore(const Connection& book, const QString& copy) {
    check(copy);
    const QFileInfo bookFile(book.path());
    const QString kept = bookFile.dir().filePath(
        QStringLiteral("%1-복원전-%2.mdb")
            .arg(bookFile.completeBaseName(),
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    backup(book, kept);
    RawFile source(copy, SQLITE_OPEN_READONLY,
                   QStringLiteral("%1 파일을 열지 못했습니다").arg(QFileInfo(copy).fileName()));
    copyPages(source.handle, handleOf(book),
              QStringLiteral("주소록을 복원하지 못했습니다. 주소록은 바꾸지 않았습니다"));
    return kept;
}
