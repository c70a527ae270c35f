#pragma once

#include <QString>

// The program's own folder, where both database files live. It is the
// executable's folder unless a test points it elsewhere.
namespace AppPaths {
QString programFolder();
void setProgramFolder(const QString& folder);
QString addressBookPath();
QString zipcodePath();
} // namespace AppPaths
