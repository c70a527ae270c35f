#include "FuzzTarget.h"
#include "store/BookBackup.h"
#include "store/StoreError.h"

#include <QFile>
#include <QTemporaryDir>

// The input is a file offered for a restore.
void fuzzOne(const QByteArray& bytes) {
    static QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.mdb"));
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        abort();
    file.close();
    try {
        BookBackup::check(copy);
    } catch (const StoreError&) {
    }
}
