#include "CupsQueue.h"

#include "Printer.h"

#include <QList>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace {
// The printer pages last went to, to name it when the print service stops
// answering.
QString lastPrinter;

bool serviceAnswers() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cupsFreeDests(count, dests);
    return cupsLastError() < IPP_STATUS_ERROR_INTERNAL;
}
} // namespace

QString CupsQueue::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return lastPrinter = info.printerName();
    if (!lastPrinter.isEmpty() && !serviceAnswers())
        throw PrinterError(
            QStringLiteral("인쇄 서비스(CUPS)가 응답하지 않아 프린터 %1에 보낼 수 없습니다.")
                .arg(lastPrinter));
    throw PrinterError(QStringLiteral("기본프린터가 설정되어 있지 않습니다."));
}

void CupsQueue::checkReady(const QString& printer) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr);
    if (!dest)
        throw PrinterError(QStringLiteral("프린터 %1을(를) 찾을 수 없습니다.").arg(printer));
    const auto option = [dest](const char* key) {
        return QString::fromUtf8(cupsGetOption(key, dest->num_options, dest->options));
    };
    const bool stopped = option("printer-state") == QStringLiteral("5");
    const bool refusing = option("printer-is-accepting-jobs") == QStringLiteral("false");
    cupsFreeDests(1, dest);
    if (stopped)
        throw PrinterError(QStringLiteral("프린터 %1이(가) 멈춰 있습니다.").arg(printer));
    if (refusing)
        throw PrinterError(
            QStringLiteral("프린터 %1이(가) 인쇄 작업을 받지 않습니다.").arg(printer));
}

void CupsQueue::send(const QString& printer, const QString& file, const QString& media,
                     bool landscape) {
    QByteArray mediaName = media.toUtf8();
    QList<cups_option_t> options{{const_cast<char*>("media"), mediaName.data()},
                                 {const_cast<char*>("sides"), const_cast<char*>("one-sided")}};
    if (landscape)
        options.append(cups_option_t{const_cast<char*>("landscape"), const_cast<char*>("")});
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                                   file.toLocal8Bit().constData(), "Orvane-It", int(options.size()),
                                   options.data());
    if (job == 0)
        throw PrinterError(QStringLiteral("프린터 %1이(가) 인쇄 작업을 받지 않았습니다.\n%2")
                               .arg(printer, QString::fromUtf8(cupsLastErrorString())));
}
