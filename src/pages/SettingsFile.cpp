#include "SettingsFile.h"

std::unique_ptr<QSettings> SettingsFile::open() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Orvane"), QStringLiteral("orvaneit"));
}
