#include "BookBackup.h"

#include "AddressBook.h"
#include "FileProblem.h"
#include "Statement.h"
#include "StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
sqlite3* handleOf(const Connection& connection) {
    if (sqlite3* handle = connection.handle())
        return handle;
    throw StoreError(QStringLiteral("주소록 파일을 복사할 수 없습니다"));
}

// What SQLite's failure means, in Korean; the system's cause when there is one.
QString causeOf(sqlite3* handle, int code) {
    if (const int error = sqlite3_system_errno(handle))
        return FileProblem::cause(error);
    switch (code & 0xff) {
    case SQLITE_FULL:
        return FileProblem::cause(ENOSPC);
    case SQLITE_READONLY:
        return FileProblem::cause(EROFS);
    case SQLITE_CORRUPT:
        return QStringLiteral("주소록 파일이 손상되었습니다 (%1)")
            .arg(QString::fromUtf8(sqlite3_errstr(code)));
    }
    return QStringLiteral("(%1)").arg(QString::fromUtf8(sqlite3_errstr(code)));
}

// Copies every page of one open database into another, in one step.
void copyPages(sqlite3* from, sqlite3* to, const QString& what) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw StoreError(QStringLiteral("%1\n%2").arg(what, causeOf(to, sqlite3_errcode(to))));
    const int step = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE)
        throw StoreError(QStringLiteral("%1\n%2").arg(what, causeOf(to, step)));
}

// A file opened by SQLite alone, closed when it goes out of scope.
class RawFile {
  public:
    RawFile(const QString& path, int flags, const QString& what) {
        const int opened =
            sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
        if (opened != SQLITE_OK)
            throw StoreError(QStringLiteral("%1\n%2").arg(what, causeOf(handle, opened)));
    }
    ~RawFile() { sqlite3_close(handle); }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;
    sqlite3* handle = nullptr;
};

// A backup may go anywhere but over the book's own files, under whatever
// name or link they are reached, and only into a plain file.
void checkTarget(const QString& book, const QString& target, const QString& what) {
    struct stat aimed {};
    if (::stat(QFile::encodeName(target).constData(), &aimed) != 0)
        return; // a new file
    if (S_ISDIR(aimed.st_mode))
        throw StoreError(QStringLiteral("%1\n%2 은(는) 폴더입니다. 폴더 안에 만들 백업 파일의 "
                                        "이름을 주십시오")
                             .arg(what, target));
    if (!S_ISREG(aimed.st_mode))
        throw StoreError(
            QStringLiteral("%1\n%2 은(는) 장치나 파이프 같은 특수 파일입니다").arg(what, target));
    for (const char* suffix : {"", "-journal", "-wal", "-shm", ".lock"}) {
        struct stat own {};
        if (::stat(QFile::encodeName(book + QLatin1String(suffix)).constData(), &own) == 0 &&
            own.st_dev == aimed.st_dev && own.st_ino == aimed.st_ino)
            throw StoreError(QStringLiteral("%1\n%2 은(는) 주소록 파일 %3 자신입니다. 백업은 "
                                            "다른 파일에 하십시오. 아무것도 바꾸지 않았습니다")
                                 .arg(what, target, book + QLatin1String(suffix)));
    }
}
} // namespace

QString BookBackup::damage(const Connection& book) {
    QStringList problems;
    try {
        Statement check(book, QStringLiteral("pragma quick_check"));
        while (check.next())
            problems << check.text(0);
    } catch (const StoreError& e) {
        return e.message();
    }
    return problems == QStringList{QStringLiteral("ok")} ? QString() : problems.join('\n');
}

void BookBackup::check(const QString& copy) {
    const QString unchanged = QStringLiteral("\n주소록은 바꾸지 않았습니다");
    QString problem;
    try {
        problem = damage(*AddressBook::open(copy));
    } catch (const StoreError& e) {
        // A database, damaged or of another program, is described by the
        // connection; anything else is plainly no backup.
        QFile file(copy);
        const bool database =
            file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
        throw StoreError((database ? e.message()
                                   : QStringLiteral("%1 파일은 이 프로그램의 주소록 백업이 "
                                                    "아닙니다")
                                         .arg(copy)) +
                         unchanged);
    }
    if (!problem.isEmpty())
        throw StoreError(QStringLiteral("%1 파일은 손상된 백업입니다.\n(%2)")
                             .arg(copy, problem.section('\n', 0, 0)) +
                         unchanged);
}

void BookBackup::backup(const Connection& book, const QString& target) {
    const QString what = QStringLiteral("%1 파일에 백업하지 못했습니다").arg(target);
    checkTarget(book.path(), target, what);
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        // A copy of personal data is readable by its owner only, like the book.
        const int fd = ::open(QFile::encodeName(partial).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            throw StoreError(QStringLiteral("%1\n%2").arg(what, FileProblem::cause(errno)));
        ::close(fd);
        RawFile file(partial, SQLITE_OPEN_READWRITE, what);
        copyPages(handleOf(book), file.handle, what);
    } catch (const StoreError&) {
        QFile::remove(partial);
        throw;
    }
    if (std::rename(QFile::encodeName(partial).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        QFile::remove(partial);
        throw StoreError(QStringLiteral("%1\n%2").arg(what, FileProblem::cause(error)));
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
