#include "RealPrinter.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace {
QString defaultPrinterName() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrinterError(QStringLiteral("기본프린터가 설정되어 있지 않습니다."));
    return info.printerName();
}

// Refuses a printer whose queue is stopped or does not take jobs: its pages
// would not come out.
void checkReady(const QString& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr);
    if (!dest)
        throw PrinterError(QStringLiteral("프린터 %1을(를) 찾을 수 없습니다.").arg(name));
    const auto option = [dest](const char* key) {
        return QString::fromUtf8(cupsGetOption(key, dest->num_options, dest->options));
    };
    const bool stopped = option("printer-state") == QStringLiteral("5");
    const bool refusing = option("printer-is-accepting-jobs") == QStringLiteral("false");
    cupsFreeDests(1, dest);
    if (stopped)
        throw PrinterError(QStringLiteral("프린터 %1이(가) 멈춰 있습니다.").arg(name));
    if (refusing)
        throw PrinterError(QStringLiteral("프린터 %1이(가) 인쇄 작업을 받지 않습니다.").arg(name));
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
    const QString name = defaultPrinterName();
    checkReady(name);
    if (!spool.isValid())
        throw PrinterError(QStringLiteral("인쇄할 페이지를 만들 임시 폴더가 없습니다."));
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(name);
    // The page is written here and sent by send(); the name has no ".pdf",
    // so Qt keeps the printer's own page layout and margins.
    printer->setOutputFileName(spool.filePath(QStringLiteral("page")));
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

QPainter& RealPrinter::paint() {
    QPrinter& target = device();
    if (!painter)
        painter = std::make_unique<QPainter>();
    if (!painter->isActive() && !painter->begin(&target))
        throw PrinterError(QStringLiteral("인쇄할 페이지를 만들지 못했습니다."));
    return *painter;
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
    QPainter& p = paint();
    const QFont f = font(line.face, line.size);
    p.setFont(f);
    p.setPen(Qt::black);
    const QFontMetricsF metrics(f, &device());
    const double scale = pixelsPerTwip();
    const QPointF origin(line.x * scale, line.y * scale);
    if (!line.vertical) {
        p.drawText(origin + QPointF(0, metrics.ascent()), line.text);
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
        p.save();
        p.translate(along + advance / 2, origin.y() + column / 2);
        p.rotate(-90);
        p.drawText(QPointF(-metrics.horizontalAdvance(glyph) / 2,
                           (metrics.ascent() - metrics.descent()) / 2),
                   glyph);
        p.restore();
        along += advance;
    }
}

void RealPrinter::endDoc() {
    // A page with nothing on it still comes out as a page.
    QPainter& p = paint();
    const bool written = p.end() && printer->printerState() != QPrinter::Error;
    painter.reset();
    const std::unique_ptr<QPrinter> page = std::move(printer);
    if (!written)
        throw PrinterError(QStringLiteral("인쇄할 페이지를 만들지 못했습니다."));
    send(*page);
    QFile::remove(page->outputFileName());
}

void RealPrinter::send(const QPrinter& page) {
    const QByteArray name = page.printerName().toUtf8();
    QByteArray media = page.pageLayout().pageSize().key().toUtf8();
    QList<cups_option_t> options{{const_cast<char*>("media"), media.data()},
                                 {const_cast<char*>("sides"), const_cast<char*>("one-sided")}};
    if (page.pageLayout().orientation() == QPageLayout::Landscape)
        options.append(cups_option_t{const_cast<char*>("landscape"), const_cast<char*>("")});
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(),
                                   page.outputFileName().toLocal8Bit().constData(), "Orvane-It",
                                   int(options.size()), options.data());
    if (job == 0)
        throw PrinterError(QStringLiteral("프린터 %1이(가) 인쇄 작업을 받지 않았습니다.\n%2")
                               .arg(page.printerName(), QString::fromUtf8(cupsLastErrorString())));
}
