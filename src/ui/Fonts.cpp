#include "Fonts.h"

#include "pages/Faces.h"

void Fonts::install() {
    Faces::install();
}

QFont Fonts::font(const QString& face, double points, bool bold) {
    QFont f(face);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont Fonts::gulim(double points, bool bold) {
    return font(QStringLiteral("굴림"), points, bold);
}
