#include "FileProblem.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>
#include <unistd.h>

QString FileProblem::cause(int error) {
    QString words;
    switch (error) {
    case EACCES:
    case EPERM:
        words = QStringLiteral("권한이 없습니다");
        break;
    case EROFS:
        words = QStringLiteral("읽기만 할 수 있는 디스크입니다");
        break;
    case ENOSPC:
    case EDQUOT:
        words = QStringLiteral("디스크에 빈 자리가 없습니다");
        break;
    case ENOENT:
        words = QStringLiteral("그런 파일이나 폴더가 없습니다");
        break;
    case EISDIR:
        words = QStringLiteral("같은 이름의 폴더가 있습니다");
        break;
    case ENOTDIR:
        words = QStringLiteral("경로 가운데 폴더가 아닌 것이 있습니다");
        break;
    case ENAMETOOLONG:
        words = QStringLiteral("파일 이름이 너무 깁니다");
        break;
    case EIO:
        words = QStringLiteral("디스크를 읽거나 쓰다가 오류가 났습니다");
        break;
    case EBUSY:
    case ETXTBSY:
        words = QStringLiteral("다른 프로그램이 쓰고 있습니다");
        break;
    default:
        words = QStringLiteral("시스템이 거절했습니다");
    }
    return QStringLiteral("%1 (%2)").arg(words, QString::fromLocal8Bit(std::strerror(error)));
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
