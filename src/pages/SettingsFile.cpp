#include "SettingsFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
std::unique_ptr<QSettings> make() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Orvane"), QStringLiteral("orvaneit"));
}

// Values this program writes are numbers and text; text that begins with
// "@" is written as "@@". A value like "@Variant(...)" is therefore no value
// of its own but damage, and Qt would decode it as serialised data: a few
// damaged bytes there can ask for all the computer's memory. Such lines are
// taken out of the file before it is read; returns whether any was.
bool withoutSerialisedValues(const QString& path) {
    static const QRegularExpression serialised(QStringLiteral("^[^=\\n]*=[ \\t]*@[A-Za-z]"),
                                               QRegularExpression::MultilineOption);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    if (!text.contains(serialised))
        return false;
    QStringList kept;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!serialised.match(line).hasMatch())
            kept << line;
    }
    QSaveFile cleaned(path);
    return cleaned.open(QIODevice::WriteOnly) &&
           cleaned.write(kept.join(QLatin1Char('\n')).toUtf8()) >= 0 && cleaned.commit();
}
} // namespace

std::unique_ptr<QSettings> SettingsFile::open() {
    // QSettings takes the file in whole and decodes a group's values when
    // the group is first read, so the file name is safe to ask for first.
    auto settings = make();
    if (withoutSerialisedValues(settings->fileName()))
        settings = make();
    return settings;
}
