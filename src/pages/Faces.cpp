#include "Faces.h"

#include <QCollator>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>

namespace {
struct StandIn {
    const char16_t* korean;
    const char* english;
    const char* installed;
};
const StandIn standIns[] = {
    {u"굴림", "Gulim", "NanumGothic"},      {u"굴림체", "GulimChe", "NanumGothicCoding"},
    {u"돋움", "Dotum", "NanumBarunGothic"}, {u"돋움체", "DotumChe", "NanumGothicCoding"},
    {u"바탕", "Batang", "UnBatang"},        {u"바탕체", "BatangChe", "NanumMyeongjo"},
    {u"궁서", "Gungsuh", "UnGungseo"},
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
    // Listing the families first loads the whole font database: until then a
    // face the system names in the user's language (under a Korean locale
    // "나눔고딕", not "NanumGothic") is not found by its English name.
    const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
    QStringList faces;
    QStringList standing;
    for (const StandIn& s : standIns) {
        const QString installed = QString::fromLatin1(s.installed);
        if (QFontDatabase::hasFamily(installed)) {
            faces << QString::fromUtf16(s.korean);
            standing << QFontInfo(QFont(installed)).family();
        }
    }
    for (const QString& family : korean) {
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
