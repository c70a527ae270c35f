#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder() {
    static QString folder;
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
    return QDir(programFolder()).filePath("orvaneit.mdb");
}

QString AppPaths::zipcodePath() {
    return QDir(programFolder()).filePath("zipcode.mdb");
}
