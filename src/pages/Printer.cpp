#include "Printer.h"

#include "PageRenderer.h"
#include "store/TextRules.h"

int Printer::lineHeight(const QString& face, double size) {
    return PageRenderer::lineHeight(face, size);
}

void Printer::print(const QStringList& items) {
    const QString text = items.join(QLatin1Char(' '));
    draw(Line{fontName, fontSize, x, y, text, fontName.startsWith(QLatin1Char('@'))});
    printBlankLine();
}

void Printer::startPage() {
    startPage(Paper());
}

void Printer::startPage(const Paper& paper) {
    pagePaper = paper;
    followDefaultPrinter();
    x = 0;
    y = 0;
}

QSizeF Paper::twips() const {
    const QSizeF upright = QPageSize(size).size(QPageSize::Millimeter) * (1440 / 25.4);
    return landscape ? upright.transposed() : upright;
}

void Printer::printBlankLine() {
    x = 0;
    y += lineHeight(fontName, fontSize);
}

QString PrinterLayer::horizontalFace(const QString& face) {
    return face.startsWith(QLatin1Char('@')) ? TextRules::withoutTrailingBlanks(face.mid(1, 50))
                                             : face;
}
