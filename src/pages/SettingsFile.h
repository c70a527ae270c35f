#pragma once

#include <QSettings>
#include <memory>

// The user's settings file: the print position adjustment of each printer
// and the label sheets the user defined.
namespace SettingsFile {
std::unique_ptr<QSettings> open();
} // namespace SettingsFile
