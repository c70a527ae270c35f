#include "Printer.h"

#include "RealPrinter.h"

void Printer::print(const QStringList& items) {
    const QString text = items.join(QLatin1Char(' '));
    draw(Line{fontName, fontSize, x, y, text, fontName.startsWith(QLatin1Char('@'))});
    printBlankLine();
}

void Printer::printBlankLine() {
    x = 0;
    y += lineHeight(fontName, fontSize);
}

namespace {
Printer* replacement = nullptr;
} // namespace

Printer& PrinterLayer::printer() {
    static RealPrinter real;
    return replacement ? *replacement : real;
}

void PrinterLayer::setPrinter(Printer* printer) {
    replacement = printer;
}

QString PrinterLayer::horizontalFace(const QString& face) {
    return face.startsWith(QLatin1Char('@')) ? face.mid(1) : face;
}
