#include "Fonts.h"

void Fonts::install() {
    QFont::insertSubstitution(QStringLiteral("굴림"), QStringLiteral("NanumGothic"));
    QFont::insertSubstitution(QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding"));
    QFont::insertSubstitution(QStringLiteral("바탕체"), QStringLiteral("NanumMyeongjo"));
    QFont::insertSubstitution(QStringLiteral("Gulim"), QStringLiteral("NanumGothic"));
    QFont::insertSubstitution(QStringLiteral("GulimChe"), QStringLiteral("NanumGothicCoding"));
    QFont::insertSubstitution(QStringLiteral("BatangChe"), QStringLiteral("NanumMyeongjo"));
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
