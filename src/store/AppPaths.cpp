#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString addressBookName = QStringLiteral("orvaneit.mdb");
const QString zipcodeName = QStringLiteral("zipcode.mdb");
const QString titlePictureName = QStringLiteral("title.jpg");

QString& overrideFolder() {
    static QString folder;
    return folder;
}

// Where an installed program's read-only data lies, relative to its bin/.
QString installedDataFolder() {
    return QDir::cleanPath(AppPaths::programFolder() + QStringLiteral("/../share/orvaneit"));
}

bool isInstalled() {
    return !QDir(AppPaths::programFolder()).exists(zipcodeName) &&
           QDir(installedDataFolder()).exists(zipcodeName);
}

// Where the files the program only reads lie.
QDir readOnlyDataFolder() {
    return QDir(isInstalled() ? installedDataFolder() : AppPaths::programFolder());
}

QString userDataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/orvaneit");
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).path());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder;
}
} // namespace

QString AppPaths::programFolder() {
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

void AppPaths::setProgramFolder(const QString& folder) {
    overrideFolder() = folder;
}

QString AppPaths::addressBookPath() {
    const QDir program(programFolder());
    if (program.exists(addressBookName) ||
        (!isInstalled() && QFileInfo(program.path()).isWritable()))
        return program.filePath(addressBookName);
    return QDir(userDataFolder()).filePath(addressBookName);
}

QString AppPaths::zipcodePath() {
    return readOnlyDataFolder().filePath(zipcodeName);
}

QString AppPaths::titlePicturePath() {
    return readOnlyDataFolder().filePath(titlePictureName);
}
