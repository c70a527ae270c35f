#include "RealPrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinterInfo>

namespace {
QString defaultPrinterName() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrinterError(QStringLiteral("기본프린터가 설정되어 있지 않습니다"));
    return info.printerName();
}

// Hangul, Hanja and other full-width characters take a square cell when set
// vertically.
bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFF60) || c >= 0x20000;
}
} // namespace

QStringList RealPrinter::fonts() {
    defaultPrinterName();
    return QFontDatabase::families();
}

void RealPrinter::followDefaultPrinter() {
    if (painter && painter->isActive())
        painter->end();
    painter.reset();
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(defaultPrinterName());
    printer->setFullPage(false);
    printer->setDocName(QStringLiteral("Orvane-It"));
    if (a4)
        printer->setPageSize(QPageSize(QPageSize::A4));
}

void RealPrinter::setLandscape() {
    device().setPageOrientation(QPageLayout::Landscape);
}

QPrinter& RealPrinter::device() {
    if (!printer)
        followDefaultPrinter();
    return *printer;
}

double RealPrinter::pixelsPerTwip() {
    return device().resolution() / 1440.0;
}

QFont RealPrinter::font(const QString& face, double size) {
    QFont f(PrinterLayer::horizontalFace(face));
    f.setPointSizeF(size);
    return f;
}

int RealPrinter::lineHeight(const QString& face, double size) {
    const QFontMetricsF metrics(font(face, size), &device());
    return qRound(metrics.height() / pixelsPerTwip());
}

void RealPrinter::draw(const Line& line) {
    if (!painter)
        painter = std::make_unique<QPainter>();
    if (!painter->isActive() && !painter->begin(&device()))
        throw PrinterError(QStringLiteral("프린터를 열 수 없습니다"));
    const QFont f = font(line.face, line.size);
    painter->setFont(f);
    painter->setPen(Qt::black);
    const QFontMetricsF metrics(f, &device());
    const double scale = pixelsPerTwip();
    const QPointF origin(line.x * scale, line.y * scale);
    if (!line.vertical) {
        painter->drawText(origin + QPointF(0, metrics.ascent()), line.text);
        return;
    }
    // Each character stands in a cell of its own along the line, turned a
    // quarter turn against the clock, so it is upright on the turned sheet.
    const double column = metrics.height();
    double along = origin.x();
    for (const char32_t c : line.text.toUcs4()) {
        const QString glyph = QString::fromUcs4(&c, 1);
        const double advance = isWide(c) ? f.pointSizeF() * device().resolution() / 72.0
                                         : metrics.horizontalAdvance(glyph);
        painter->save();
        painter->translate(along + advance / 2, origin.y() + column / 2);
        painter->rotate(-90);
        painter->drawText(QPointF(-metrics.horizontalAdvance(glyph) / 2,
                                  (metrics.ascent() - metrics.descent()) / 2),
                          glyph);
        painter->restore();
        along += advance;
    }
}

void RealPrinter::endDoc() {
    QPrinter& target = device();
    if (!painter)
        painter = std::make_unique<QPainter>();
    // A page with nothing on it still comes out as a page.
    if (!painter->isActive() && !painter->begin(&target))
        throw PrinterError(QStringLiteral("프린터를 열 수 없습니다"));
    const bool sent = painter->end();
    const bool failed = !sent || target.printerState() == QPrinter::Error;
    painter.reset();
    printer.reset();
    if (failed)
        throw PrinterError(QStringLiteral("프린터가 인쇄 작업을 받지 않았습니다"));
}
