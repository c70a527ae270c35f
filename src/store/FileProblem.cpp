#include "FileProblem.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>
#include <unistd.h>

QString FileProblem::cause(int error) {
    // What each error means to the user; errors alike say the same.
    static const struct {
        std::initializer_list<int> errors;
        const char* words;
    } causes[] = {
        {{EACCES, EPERM}, "권한이 없습니다"},
        {{EROFS}, "읽기만 할 수 있는 디스크입니다"},
        {{ENOSPC, EDQUOT}, "디스크에 빈 자리가 없습니다"},
        {{ENOENT}, "그런 파일이나 폴더가 없습니다"},
        {{EISDIR}, "같은 이름의 폴더가 있습니다"},
        {{ENOTDIR}, "경로 가운데 폴더가 아닌 것이 있습니다"},
        {{ENAMETOOLONG}, "파일 이름이 너무 깁니다"},
        {{EIO}, "디스크를 읽거나 쓰다가 오류가 났습니다"},
        {{EBUSY, ETXTBSY}, "다른 프로그램이 쓰고 있습니다"},
    };
    const char* words = "시스템이 거절했습니다";
    for (const auto& cause : causes)
        if (std::ranges::find(cause.errors, error) != cause.errors.end())
            words = cause.words;
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(words),
                                         QString::fromLocal8Bit(std::strerror(error)));
}

QString FileProblem::whyNotWritten(const QString& path, const QString& systemWords) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    struct statvfs disk {};
    if (file.isDir())
        return cause(EISDIR);
    if (!QFileInfo(folder).isDir())
        return cause(ENOENT);
    if (::statvfs(folderName.constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY))
        return cause(EROFS);
    if (::access(folderName.constData(), W_OK | X_OK) != 0 ||
        (file.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0))
        return cause(EACCES);
    if (::statvfs(folderName.constData(), &disk) == 0 && disk.f_bavail == 0)
        return cause(ENOSPC);
    return QStringLiteral("(%1)").arg(systemWords);
}

QString FileProblem::whyNotRead(const QString& path, const QString& systemWords) {
    const QFileInfo file(path);
    if (!file.exists())
        return cause(ENOENT);
    if (file.isDir())
        return cause(EISDIR);
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        return cause(EACCES);
    return QStringLiteral("(%1)").arg(systemWords);
}
