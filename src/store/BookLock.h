#pragma once

#include <QString>

// Only one program may write an address book at a time. The lock is held on
// a file beside the book ("<book>.lock") by the operating system, so it goes
// with the process that held it, however that process ends.
class BookLock {
  public:
    enum class State { Taken, HeldElsewhere, Failed };

    explicit BookLock(const QString& bookPath);
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    // Takes the lock for as long as this object lives and writes the
    // holder's name (the program's) into the lock file. Failed: the lock file
    // cannot be made or opened (errorText() says why).
    State take();
    QString errorText() const { return error; }

    // Whether a running program (this one or another tool) holds the book.
    static bool isHeld(const QString& bookPath);
    // The name of the program that holds the book, as it wrote it.
    static QString holder(const QString& bookPath);

  private:
    QString lockPath;
    QString error;
    int fd = -1;
};
