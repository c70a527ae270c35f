#include "FuzzTarget.h"
#include "store/PostalLoad.h"
#include "store/StoreError.h"

#include <QFile>
#include <QTemporaryDir>

// The input is a file picked as the postal service's download: a ZIP archive
// when it begins like one, else a text file taken out of one.
void fuzzOne(const QByteArray& bytes) {
    static QTemporaryDir folder;
    const QString picked =
        folder.filePath(bytes.startsWith("PK") ? QStringLiteral("areacd_rangeaddr_DB.zip")
                                               : QStringLiteral("20251028_도로명범위.txt"));
    QFile file(picked);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        abort();
    file.close();
    try {
        PostalLoad load(folder.filePath(QStringLiteral("postcode.mdb")));
        if (load.build({picked}, [](int) { return true; }))
            load.commit();
    } catch (const StoreError&) {
    }
    QFile::remove(picked);
}
