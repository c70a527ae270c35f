#include "FuzzTarget.h"
#include "pages/PrintAdjustment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// The input is the user's settings file; the adjustment read from it must
// stay within its limits whatever the file holds.
void fuzzOne(const QByteArray& bytes) {
    static QTemporaryDir home;
    static int round = 0;
    // A folder of its own each time: settings files read before are cached.
    const QString folder = home.filePath(QString::number(++round % 2));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/Orvane"));
    QFile file(folder + QStringLiteral("/Orvane/orvaneit.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        abort();
    file.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    for (const char* printer : {"PDF", "a b", "프린터"}) {
        const QPointF shift = PrintAdjustment::millimetres(QString::fromUtf8(printer));
        if (!(qAbs(shift.x()) <= PrintAdjustment::Limit &&
              qAbs(shift.y()) <= PrintAdjustment::Limit))
            abort();
    }
}
