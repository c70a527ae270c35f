#include "PageRenderer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <memory>

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

// Marks the outermost dots of an area (in dots) with a dashed line, four
// dots set and two left out, dot by dot: a dashed pen takes as long as
// drawing the whole page.
void markEdge(QImage& image, const QRectF& area) {
    const int left = qRound(area.left());
    const int top = qRound(area.top());
    const int right = qRound(area.right()) - 1;
    const int bottom = qRound(area.bottom()) - 1;
    const QRgb blue = qRgb(0, 120, 215);
    const QRect inside = image.rect();
    uchar* const dots = image.bits();
    const auto dot = [&](int x, int y, int along) {
        if (along % 6 < 4 && inside.contains(x, y))
            reinterpret_cast<QRgb*>(dots + y * image.bytesPerLine())[x] = blue;
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top, x - left);
        dot(x, bottom, x - left);
    }
    for (int y = top; y <= bottom; ++y) {
        dot(left, y, y - top);
        dot(right, y, y - top);
    }
}

// Brackets and dashes lie along a vertical line, as in vertical type: they
// are not turned upright.
bool liesAlong(char32_t c) {
    static const QString along = QStringLiteral("()[]{}<>-~\u2013\u2014\u2026\u3008\u3009"
                                                "\u300A\u300B\u300C\u300D\u300E\u300F");
    return c < 0x10000 && along.contains(QChar(char16_t(c)));
}

// A horizontal line set word by word, each word laid out where it stands
// in the whole line, the blanks left as gaps: the Korean faces draw a blank
// with the glyph they also give the control characters, and a PDF reader
// would give back one of those for every blank drawn.
struct Word {
    // From the start of the line.
    double before;
    std::shared_ptr<QTextLayout> text;
};

// The words of a line in a font at a device's resolution, laid out once
// and kept for the next pages: a run sets the sender's lines, and often the
// same postscript and places, on every page.
const QList<Word>& laidOut(const QFont& font, int dpi, const QString& text) {
    // The resolution is part of the key: a font compares equal whatever
    // resolution it was made for.
    static QHash<QPair<QPair<QFont, int>, QString>, QList<Word>> known;
    const auto key = qMakePair(qMakePair(font, dpi), text);
    auto found = known.constFind(key);
    if (found == known.constEnd()) {
        // A few pages' worth of lines.
        if (known.size() >= 1000)
            known.clear();
        static const QRegularExpression word(QStringLiteral("[^ ]+"));
        const QFontMetricsF metrics(font);
        QList<Word> words;
        for (auto matches = word.globalMatch(text); matches.hasNext();) {
            const QRegularExpressionMatch match = matches.next();
            auto layout = std::make_shared<QTextLayout>(match.captured(), font);
            layout->setCacheEnabled(true);
            layout->beginLayout();
            layout->createLine();
            layout->endLayout();
            words << Word{metrics.horizontalAdvance(text.left(match.capturedStart())), layout};
        }
        found = known.insert(key, words);
    }
    return *found;
}
} // namespace

QFont PageRenderer::font(const QString& face, double size) {
    // Made once for each face and size: every page sets the same few.
    static QHash<QPair<QString, double>, QFont> made;
    const auto key = qMakePair(face, size);
    auto found = made.constFind(key);
    if (found == made.constEnd()) {
        QFont f(PrinterLayer::horizontalFace(face));
        f.setPointSizeF(size);
        found = made.insert(key, f);
    }
    return *found;
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

double PageRenderer::lineWidth(const QString& face, double size, const QString& text) {
    // Labels measure many lines at a few sizes.
    static QHash<QPair<QString, double>, QFontMetricsF> known;
    const auto key = qMakePair(face, size);
    auto found = known.constFind(key);
    if (found == known.constEnd())
        found = known.insert(key, QFontMetricsF(font(face, size), &measuringDevice()));
    return found->horizontalAdvance(text) * twipsPerDot();
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
    const Printer::Line* previous = nullptr;
    for (const Printer::Line& line : page) {
        // The font is set again only where it changes.
        if (!previous || line.face != previous->face || line.size != previous->size)
            painter.setFont(font(line.face, line.size));
        previous = &line;
        const QFontMetricsF metrics(painter.font());
        if (!line.vertical) {
            const QPointF baseline =
                (origin + QPointF(line.x, line.y)) * dotsPerTwip + QPointF(0, metrics.ascent());
            for (const Word& word :
                 laidOut(painter.font(), painter.device()->logicalDpiY(), line.text)) {
                const double ascent = word.text->lineAt(0).ascent();
                word.text->draw(&painter, baseline + QPointF(word.before, -ascent));
            }
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

QImage PageRenderer::sheetImage(const Printer::Page& page, const Sheet& sheet, double dpi) {
    const QSizeF paper = sheet.paper.twips();
    QImage image(qRound(paper.width() / TwipsPerInch * dpi),
                 qRound(paper.height() / TwipsPerInch * dpi), QImage::Format_RGB32);
    const int perMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    image.fill(Qt::white);
    const double dotsPerTwip = image.logicalDpiX() / TwipsPerInch;
    const QRectF printable = sheet.printable;
    markEdge(image, QRectF(printable.topLeft() * dotsPerTwip, printable.size() * dotsPerTwip));
    QPainter painter(&image);
    painter.setPen(QColor(255, 140, 0));
    for (const QRectF& outline : sheet.outlines)
        painter.drawRect(QRectF(outline.topLeft() * dotsPerTwip, outline.size() * dotsPerTwip));
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, page, sheet.origin());
    return image;
}
