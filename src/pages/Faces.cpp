#include "Faces.h"

#include <QCollator>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>

namespace {
struct StandIn {
    const char16_t* korean;
    const char* english;
    const char* installed;
};
const StandIn standIns[] = {
    {u"굴림", "Gulim", "NanumGothic"},
    {u"굴림체", "GulimChe", "NanumGothicCoding"},
    {u"돋움", "Dotum", "NanumBarunGothic"},
    {u"바탕체", "BatangChe", "NanumMyeongjo"},
};
} // namespace

void Faces::install() {
    for (const StandIn& s : standIns) {
        const QString installed = QString::fromLatin1(s.installed);
        QFont::insertSubstitution(QString::fromUtf16(s.korean), installed);
        QFont::insertSubstitution(QString::fromLatin1(s.english), installed);
    }
}

QStringList Faces::hangulFaces() {
    QStringList faces;
    QStringList standing;
    for (const StandIn& s : standIns) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(s.installed))) {
            faces << QString::fromUtf16(s.korean);
            standing << QString::fromLatin1(s.installed);
        }
    }
    for (const QString& family : QFontDatabase::families(QFontDatabase::Korean)) {
        // "Family [foundry]" repeats a family another foundry also makes.
        if (family.contains(QLatin1Char('[')) || QFontDatabase::isPrivateFamily(family) ||
            standing.contains(family, Qt::CaseInsensitive) || faces.contains(family))
            continue;
        faces << family;
    }
    sort(faces);
    return faces;
}

void Faces::sort(QStringList& faces) {
    QCollator order{QLocale(QLocale::Korean, QLocale::SouthKorea)};
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(faces.begin(), faces.end(), order);
}
