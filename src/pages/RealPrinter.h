#pragma once

#include "Printer.h"

// The system's default printer, through Qt Print Support and CUPS. Each page
// is a print job of its own, on the printer that is the default when the
// page starts. The page's lines are kept until its end, then drawn by the
// page renderer for that printer and handed to its queue, set up on the paper
// the page was started on (landscape A4 for the forms).
class RealPrinter : public Printer {
  public:
    QStringList fonts() override;
    void followDefaultPrinter() override;
    void endPage() override;
    Sheet sheetFor(const Paper& paper) override;

  protected:
    void draw(const Line& line) override { page << line; }

  private:
    QString printerName;
    Page page;
};

namespace PrinterLayer {
// The printer the program prints to: the system's default printer unless a
// test has put another in its place.
Printer& printer();
void setPrinter(Printer* printer);
} // namespace PrinterLayer
