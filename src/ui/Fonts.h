#pragma once

#include <QFont>
#include <QString>

namespace Fonts {
// Maps the Korean face names the windows and forms use to the installed
// Korean faces (the table is in pages/Faces).
void install();
// A face at a size in points, regular unless bold.
QFont font(const QString& face, double points, bool bold = false);
// The controls' usual font: 굴림 9.75 points.
QFont gulim(double points = 9.75, bool bold = false);
} // namespace Fonts
