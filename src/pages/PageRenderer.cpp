#include "PageRenderer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

namespace {
constexpr double TwipsPerInch = 1440;
// Printers print at 1200 dots per inch; line heights and glyph boxes are
// measured there, whatever device a page is drawn on.
constexpr int MeasureDpi = 1200;

const QPaintDevice& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int perMetre = qRound(MeasureDpi / 0.0254);
        image.setDotsPerMeterX(perMetre);
        image.setDotsPerMeterY(perMetre);
        return image;
    }();
    return device;
}

double twipsPerDot() {
    return TwipsPerInch / MeasureDpi;
}

// Hangul, Hanja and other full-width characters take a square cell.
bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFF60) || c >= 0x20000;
}

// Brackets and dashes lie along a vertical line, as in vertical type: they
// are not turned upright.
bool liesAlong(char32_t c) {
    static const QString along = QStringLiteral("()[]{}<>-~\u2013\u2014\u2026\u3008\u3009"
                                                "\u300A\u300B\u300C\u300D\u300E\u300F");
    return c < 0x10000 && along.contains(QChar(char16_t(c)));
}

// Sets a horizontal line word by word, each word where it stands in the
// whole line, and leaves the blanks as gaps: the Korean faces draw a blank
// with the glyph they also give the control characters, and a PDF reader
// would give back one of those for every blank drawn.
void drawWords(QPainter& painter, const QFontMetricsF& metrics, QPointF baseline,
               const QString& text) {
    static const QRegularExpression word(QStringLiteral("[^ ]+"));
    for (auto words = word.globalMatch(text); words.hasNext();) {
        const QRegularExpressionMatch found = words.next();
        const double before = metrics.horizontalAdvance(text.left(found.capturedStart()));
        painter.drawText(baseline + QPointF(before, 0), found.captured());
    }
}
} // namespace

QFont PageRenderer::font(const QString& face, double size) {
    QFont f(PrinterLayer::horizontalFace(face));
    f.setPointSizeF(size);
    return f;
}

int PageRenderer::lineHeight(const QString& face, double size) {
    static QHash<QPair<QString, double>, int> known;
    const auto key = qMakePair(PrinterLayer::horizontalFace(face), size);
    auto found = known.constFind(key);
    if (found == known.constEnd()) {
        const QFontMetricsF metrics(font(face, size), &measuringDevice());
        found = known.insert(key, qRound(metrics.height() * twipsPerDot()));
    }
    return *found;
}

QList<PageRenderer::Cell> PageRenderer::verticalCells(const Printer::Line& line) {
    const QFontMetricsF metrics(font(line.face, line.size), &measuringDevice());
    const double em = line.size * 20;
    const double column = lineHeight(line.face, line.size);
    QList<Cell> cells;
    double along = line.x;
    for (const char32_t c : line.text.toUcs4()) {
        const QString glyph = QString::fromUcs4(&c, 1);
        const double advance = metrics.horizontalAdvance(glyph) * twipsPerDot();
        // Turned upright, a glyph's height runs along the line and its width
        // across it.
        const QRectF ink = metrics.tightBoundingRect(glyph);
        const bool upright = !liesAlong(c);
        const QSizeF size = upright ? QSizeF(ink.height(), ink.width()) * twipsPerDot()
                                    : ink.size() * twipsPerDot();
        double length = advance;
        if (isWide(c))
            length = std::max(em, size.width());
        else if (!ink.isEmpty())
            length = std::max({advance, size.width() + em / 8, em / 2});
        const QRectF cell(along, line.y, length, column);
        QRectF box(QPointF(), size);
        box.moveCenter(cell.center());
        cells << Cell{glyph, cell, ink.isEmpty() ? QRectF() : box, upright};
        along += length;
    }
    return cells;
}

void PageRenderer::draw(QPainter& painter, const Printer::Page& page, QPointF origin) {
    const double dotsPerTwip = painter.device()->logicalDpiX() / TwipsPerInch;
    painter.save();
    painter.setPen(Qt::black);
    for (const Printer::Line& line : page) {
        const QFont f = font(line.face, line.size);
        painter.setFont(f);
        const QFontMetricsF metrics(f, painter.device());
        if (!line.vertical) {
            const QPointF baseline =
                (origin + QPointF(line.x, line.y)) * dotsPerTwip + QPointF(0, metrics.ascent());
            drawWords(painter, metrics, baseline, line.text);
            continue;
        }
        for (const Cell& cell : verticalCells(line)) {
            if (cell.box.isEmpty())
                continue;
            // The glyph's ink is centred on its box, an upright one turned a
            // quarter turn against the clock.
            const QRectF ink = metrics.tightBoundingRect(cell.glyph);
            painter.save();
            painter.translate((origin + cell.box.center()) * dotsPerTwip);
            if (cell.upright)
                painter.rotate(-90);
            painter.drawText(-ink.center(), cell.glyph);
            painter.restore();
        }
    }
    painter.restore();
}

void PageRenderer::drawSheet(QPainter& painter, const Printer::Page& page, const Sheet& sheet) {
    const double dotsPerTwip = painter.device()->logicalDpiX() / TwipsPerInch;
    painter.fillRect(QRectF(0, 0, Sheet::Width * dotsPerTwip, Sheet::Height * dotsPerTwip),
                     Qt::white);
    QPen edge(QColor(0, 120, 215), 0, Qt::DashLine);
    painter.setPen(edge);
    const QRectF printable = sheet.printable;
    painter.drawRect(QRectF(printable.topLeft() * dotsPerTwip, printable.size() * dotsPerTwip)
                         .adjusted(0, 0, -1, -1));
    draw(painter, page, sheet.origin());
}

QImage PageRenderer::sheetImage(const Printer::Page& page, const Sheet& sheet, double dpi) {
    QImage image(qRound(Sheet::Width / TwipsPerInch * dpi),
                 qRound(Sheet::Height / TwipsPerInch * dpi), QImage::Format_RGB32);
    const int perMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSheet(painter, page, sheet);
    return image;
}
