#include "BookLock.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

BookLock::BookLock(const QString& bookPath) : lockPath(bookPath + QStringLiteral(".lock")) {}

BookLock::~BookLock() {
    if (fd >= 0)
        ::close(fd);
}

BookLock::State BookLock::take() {
    if (fd >= 0)
        return State::Taken;
    const QByteArray name = QFile::encodeName(lockPath);
    fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) // a lock file someone else made may still be readable
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return State::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Told to whoever finds the book held. A lock file only readable
        // here takes no name, and the lock holds all the same.
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        if (::ftruncate(fd, 0) == 0)
            (void)!::write(fd, name.constData(), name.size());
        return State::Taken;
    }
    const int cause = errno;
    ::close(fd);
    fd = -1;
    if (cause == EWOULDBLOCK)
        return State::HeldElsewhere;
    error = QString::fromLocal8Bit(std::strerror(cause));
    return State::Failed;
}

bool BookLock::isHeld(const QString& bookPath) {
    const QByteArray name = QFile::encodeName(bookPath + QStringLiteral(".lock"));
    const int probe = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (probe < 0)
        return false;
    const bool held = ::flock(probe, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(probe);
    return held;
}

QString BookLock::holder(const QString& bookPath) {
    QFile file(bookPath + QStringLiteral(".lock"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(256)) : QString();
}
