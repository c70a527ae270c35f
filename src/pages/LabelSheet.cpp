#include "LabelSheet.h"

#include "SettingsFile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {
// A glabels length: a number and a unit, points when none is given.
double twips(const QStringView text) {
    static const QRegularExpression length(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+))\\s*(pt|mm|cm|in|pc)?\\s*$"));
    const QRegularExpressionMatch m = length.match(text.toString());
    if (!m.hasMatch())
        return std::nan("");
    static const QHash<QString, double> perUnit = {
        {QString(), 20},
        {QStringLiteral("pt"), 20},
        {QStringLiteral("mm"), LabelSheets::TwipsPerMm},
        {QStringLiteral("cm"), 10 * LabelSheets::TwipsPerMm},
        {QStringLiteral("in"), 1440},
        {QStringLiteral("pc"), 240}};
    return m.captured(1).toDouble() * perUnit.value(m.captured(2));
}

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

// Reads the inside of a <Label-rectangle>: its markup margin and layouts.
void readRectangle(QXmlStreamReader& xml, LabelSheet& sheet) {
    const QXmlStreamAttributes label = xml.attributes();
    sheet.width = twips(label.value(QStringLiteral("width")));
    sheet.height = twips(label.value(QStringLiteral("height")));
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QStringLiteral("Markup-margin")) {
            sheet.margin = twips(a.value(QStringLiteral("size")));
        } else if (xml.name() == QStringLiteral("Layout")) {
            sheet.grids << LabelSheet::Grid{
                a.value(QStringLiteral("nx")).toInt(), a.value(QStringLiteral("ny")).toInt(),
                twips(a.value(QStringLiteral("x0"))),  twips(a.value(QStringLiteral("y0"))),
                twips(a.value(QStringLiteral("dx"))),  twips(a.value(QStringLiteral("dy")))};
        }
        xml.skipCurrentElement();
    }
}

bool sound(const LabelSheet& sheet) {
    if (!positive(sheet.width) || !positive(sheet.height) || !(sheet.margin >= 0) ||
        sheet.grids.isEmpty() || 2 * sheet.margin >= std::min(sheet.width, sheet.height))
        return false;
    for (const LabelSheet::Grid& g : sheet.grids) {
        // Labels of a grid do not overlap; a twip of slack, as makers round
        // their lengths.
        if (g.columns < 1 || g.rows < 1 || g.columns * g.rows > 1000 || !(g.left >= 0) ||
            !(g.top >= 0) || (g.columns > 1 && !(g.across >= sheet.width - 20)) ||
            (g.rows > 1 && !(g.down >= sheet.height - 20)))
            return false;
    }
    return sheet.fitsPaper();
}

QString key(const QString& brand, const QString& part) {
    return brand.toCaseFolded() + QLatin1Char('\n') + part.toCaseFolded();
}
} // namespace

QString LabelSheet::name() const {
    return brand.isEmpty() ? part : brand + QLatin1Char(' ') + part;
}

QList<QRectF> LabelSheet::labels() const {
    QList<QRectF> all;
    for (const Grid& g : grids) {
        for (int row = 0; row < g.rows; ++row) {
            for (int column = 0; column < g.columns; ++column)
                all << QRectF(g.left + column * g.across, g.top + row * g.down, width, height);
        }
    }
    // Labels of several grids fill in one order: row by row from the top,
    // each row from the left.
    std::stable_sort(all.begin(), all.end(), [](const QRectF& a, const QRectF& b) {
        return qRound(a.top()) != qRound(b.top()) ? a.top() < b.top() : a.left() < b.left();
    });
    return all;
}

QPoint LabelSheet::rowColumn(int label) const {
    const QList<QRectF> all = labels();
    int row = 0;
    int column = 0;
    for (int i = 0; i <= label && i < all.size(); ++i) {
        const bool newRow = i == 0 || qRound(all[i].top()) != qRound(all[i - 1].top());
        row += newRow ? 1 : 0;
        column = newRow ? 1 : column + 1;
    }
    return QPoint(column, row);
}

bool LabelSheet::fitsPaper() const {
    const QRectF page(QPointF(), sheetPaper().twips());
    const QList<QRectF> all = labels();
    return !all.isEmpty() && std::all_of(all.begin(), all.end(), [&page](const QRectF& label) {
        return page.adjusted(-20, -20, 20, 20).contains(label);
    });
}

QString LabelSheets::templateFolder() {
    return QStringLiteral("/usr/share/libglabels-3.0/templates");
}

QList<LabelSheet> LabelSheets::parseTemplates(QIODevice& file, const QList<LabelSheet>& known) {
    QHash<QString, LabelSheet> byPart;
    for (const LabelSheet& sheet : known)
        byPart.insert(key(sheet.brand, sheet.part), sheet);
    static const QHash<QString, QPageSize::PageSizeId> papers = {
        {QStringLiteral("A4"), QPageSize::A4}, {QStringLiteral("US-Letter"), QPageSize::Letter}};
    QList<LabelSheet> found;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement())
        return found;
    while (xml.readNextStartElement()) {
        if (xml.name() != QStringLiteral("Template")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        LabelSheet sheet;
        const QString equiv = a.value(QStringLiteral("equiv")).toString();
        sheet.brand = a.value(QStringLiteral("brand")).toString();
        if (!equiv.isEmpty())
            sheet = byPart.value(key(sheet.brand, equiv));
        sheet.part = a.value(QStringLiteral("part")).toString();
        if (a.hasAttribute(QStringLiteral("size")))
            sheet.paper =
                papers.value(a.value(QStringLiteral("size")).toString(), QPageSize::Custom);
        if (a.hasAttribute(QStringLiteral("_description")))
            sheet.description = a.value(QStringLiteral("_description")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QStringLiteral("Label-rectangle") && sheet.grids.isEmpty())
                readRectangle(xml, sheet);
            else
                xml.skipCurrentElement();
        }
        if (sheet.paper != QPageSize::Custom && sound(sheet)) {
            byPart.insert(key(sheet.brand, sheet.part), sheet);
            found << sheet;
        }
    }
    return found;
}

QList<LabelSheet> LabelSheets::readTemplates(const QString& folder) {
    QList<LabelSheet> all;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all << parseTemplates(file, all);
    }
    QCollator order{QLocale(QLocale::Korean, QLocale::SouthKorea)};
    order.setCaseSensitivity(Qt::CaseInsensitive);
    order.setNumericMode(true);
    std::stable_sort(all.begin(), all.end(), [&order](const LabelSheet& a, const LabelSheet& b) {
        return order.compare(a.name(), b.name()) < 0;
    });
    return all;
}

LabelSheet LabelSheets::userSheet(const QString& name, QPageSize::PageSizeId paper, int columns,
                                  int rows, QSizeF label, QPointF firstLabel, QSizeF pitch,
                                  double margin) {
    LabelSheet sheet;
    sheet.part = name;
    sheet.paper = paper;
    sheet.width = label.width() * TwipsPerMm;
    sheet.height = label.height() * TwipsPerMm;
    sheet.margin = margin * TwipsPerMm;
    sheet.grids << LabelSheet::Grid{columns,
                                    rows,
                                    firstLabel.x() * TwipsPerMm,
                                    firstLabel.y() * TwipsPerMm,
                                    pitch.width() * TwipsPerMm,
                                    pitch.height() * TwipsPerMm};
    sheet.userDefined = true;
    return sheet;
}

namespace {
const char* const Group = "LabelSheets";
} // namespace

QList<LabelSheet> LabelSheets::userSheets() {
    const auto settings = SettingsFile::open();
    QList<LabelSheet> sheets;
    if (settings->status() != QSettings::NoError)
        return sheets;
    const int count = settings->beginReadArray(QLatin1String(Group));
    for (int i = 0; i < count; ++i) {
        settings->setArrayIndex(i);
        const auto mm = [&settings](const char* key) {
            bool ok = false;
            const double value = settings->value(QLatin1String(key)).toDouble(&ok);
            return ok ? value : std::nan("");
        };
        const QString name = settings->value(QStringLiteral("name")).toString();
        const QPageSize::PageSizeId paper =
            settings->value(QStringLiteral("paper")).toString() == QStringLiteral("Letter")
                ? QPageSize::Letter
                : QPageSize::A4;
        const LabelSheet sheet = userSheet(
            name, paper, settings->value(QStringLiteral("columns")).toInt(),
            settings->value(QStringLiteral("rows")).toInt(), QSizeF(mm("width"), mm("height")),
            QPointF(mm("left"), mm("top")), QSizeF(mm("across"), mm("down")), mm("margin"));
        if (!name.trimmed().isEmpty() && sound(sheet))
            sheets << sheet;
    }
    settings->endArray();
    return sheets;
}

void LabelSheets::setUserSheets(const QList<LabelSheet>& sheets) {
    const auto settings = SettingsFile::open();
    settings->remove(QLatin1String(Group));
    settings->beginWriteArray(QLatin1String(Group), int(sheets.size()));
    for (int i = 0; i < sheets.size(); ++i) {
        const LabelSheet& sheet = sheets[i];
        const LabelSheet::Grid& grid = sheet.grids.value(0);
        settings->setArrayIndex(i);
        const auto mm = [&settings](const char* key, double twips) {
            settings->setValue(QLatin1String(key), qRound(twips / TwipsPerMm * 100) / 100.0);
        };
        settings->setValue(QStringLiteral("name"), sheet.part);
        settings->setValue(QStringLiteral("paper"), sheet.paper == QPageSize::Letter
                                                        ? QStringLiteral("Letter")
                                                        : QStringLiteral("A4"));
        settings->setValue(QStringLiteral("columns"), grid.columns);
        settings->setValue(QStringLiteral("rows"), grid.rows);
        mm("width", sheet.width);
        mm("height", sheet.height);
        mm("left", grid.left);
        mm("top", grid.top);
        mm("across", grid.across);
        mm("down", grid.down);
        mm("margin", sheet.margin);
    }
    settings->endArray();
}
