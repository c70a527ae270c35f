#include "RealPrinter.h"

#include "CupsQueue.h"
#include "Faces.h"
#include "PageRenderer.h"
#include "PrintAdjustment.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {
// The printer set up for one page; positions count from the sheet's corner.
void setUp(QPrinter& device, const QString& name, const Paper& paper) {
    device.setPrinterName(name);
    device.setFullPage(true);
    device.setDocName(QStringLiteral("Orvane-It"));
    device.setPageSize(QPageSize(paper.size));
    device.setPageOrientation(paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// The area the printer's driver says it can print on, in twips from the
// sheet's corner.
QRectF printableArea(const QPrinter& device) {
    const QPageLayout layout = device.pageLayout();
    const QRectF full = layout.fullRect();
    const double twipsPerUnit = 20 * layout.fullRect(QPageLayout::Point).width() / full.width();
    const QRectF area = full.marginsRemoved(layout.minimumMargins());
    return QRectF(area.topLeft() * twipsPerUnit, area.size() * twipsPerUnit);
}
} // namespace

QStringList RealPrinter::fonts() {
    CupsQueue::defaultPrinter();
    return Faces::hangulFaces();
}

void RealPrinter::followDefaultPrinter() {
    page.clear();
    printerName = CupsQueue::defaultPrinter();
    CupsQueue::checkReady(printerName);
}

Sheet RealPrinter::sheetFor(const Paper& paper) {
    const QString name = CupsQueue::defaultPrinter();
    QPrinter device(QPrinter::HighResolution);
    setUp(device, name, paper);
    return Sheet{name, printableArea(device), PrintAdjustment::twips(name), paper, {}};
}

void RealPrinter::endPage() {
    const Page done = std::exchange(page, {});
    if (printerName.isEmpty())
        followDefaultPrinter();
    // The page is written into a folder of its own, gone when this returns,
    // whatever happens; the name has no ".pdf", so Qt keeps the printer's own
    // page layout.
    const QTemporaryDir spool;
    if (!spool.isValid())
        throw PrinterError(QStringLiteral("인쇄할 페이지를 만들 임시 폴더가 없습니다."));
    QPrinter device(QPrinter::HighResolution);
    setUp(device, printerName, paper());
    device.setOutputFileName(spool.filePath(QStringLiteral("page")));
    const Sheet where{
        printerName, printableArea(device), PrintAdjustment::twips(printerName), paper(), {}};
    QPainter painter;
    if (!painter.begin(&device))
        throw PrinterError(
            QStringLiteral("프린터 %1에 보낼 페이지를 만들지 못했습니다.").arg(printerName));
    // A page with nothing on it still comes out as a page.
    PageRenderer::draw(painter, done, where.origin());
    if (!painter.end() || device.printerState() == QPrinter::Error)
        throw PrinterError(
            QStringLiteral("프린터 %1에 보낼 페이지를 만들지 못했습니다.").arg(printerName));
    CupsQueue::send(printerName, device.outputFileName(), device.pageLayout().pageSize().key(),
                    device.pageLayout().orientation() == QPageLayout::Landscape);
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
