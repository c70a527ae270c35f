#pragma once

#include <QString>

// The system's print queues, through CUPS: which one is the default, whether
// it takes jobs, and handing it a finished page. Failures are PrinterErrors
// worded for the user.
namespace CupsQueue {
QString defaultPrinter();
// Refuses a printer that is gone, stopped or does not take jobs: its pages
// would not come out.
void checkReady(const QString& printer);
// Hands a finished file to the printer as one job.
void send(const QString& printer, const QString& file, const QString& media, bool landscape);
} // namespace CupsQueue
