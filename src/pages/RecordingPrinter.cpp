#include "RecordingPrinter.h"

#include "PrintAdjustment.h"

QStringList RecordingPrinter::fonts() {
    if (installedFonts.isEmpty())
        throw PrinterError(QStringLiteral("프린터가 없습니다"));
    return installedFonts;
}

void RecordingPrinter::followDefaultPrinter() {
    page = Job();
    page.followedDefault = true;
}

void RecordingPrinter::endPage() {
    Job done = page;
    done.paper = paper();
    page = Job();
    if (attempts++ == refuseJob)
        throw PrinterError(QStringLiteral("프린터가 인쇄 작업을 거부했습니다"));
    jobs << done;
}

Sheet RecordingPrinter::sheetFor(const Paper& paper) {
    fonts();
    const QString name = QStringLiteral("Recording");
    const QMarginsF margins(printable.left(), printable.top(), Sheet::Width - printable.right(),
                            Sheet::Height - printable.bottom());
    const QRectF area = QRectF(QPointF(), paper.twips()).marginsRemoved(margins);
    return Sheet{name, area, PrintAdjustment::twips(name), paper, {}};
}
