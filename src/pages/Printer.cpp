#include "Printer.h"

#include "PageRenderer.h"

int Printer::lineHeight(const QString& face, double size) {
    return PageRenderer::lineHeight(face, size);
}

void Printer::print(const QStringList& items) {
    const QString text = items.join(QLatin1Char(' '));
    draw(Line{fontName, fontSize, x, y, text, fontName.startsWith(QLatin1Char('@'))});
    printBlankLine();
}

void Printer::startPage() {
    followDefaultPrinter();
    setLandscape();
    x = 0;
    y = 0;
}

void Printer::printBlankLine() {
    x = 0;
    y += lineHeight(fontName, fontSize);
}

QString PrinterLayer::horizontalFace(const QString& face) {
    return face.startsWith(QLatin1Char('@')) ? face.mid(1) : face;
}
