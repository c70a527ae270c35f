#pragma once

#include "Printer.h"

#include <utility>

// Keeps the pages a run lays out instead of printing them, their lines set
// with the faces' own heights as on the printer: what a preview shows.
class PageCollector : public Printer {
  public:
    explicit PageCollector(const Sheet& sheet) : where(sheet) {}
    QStringList fonts() override { return {}; }
    void followDefaultPrinter() override { page.clear(); }
    void endPage() override { pages << std::exchange(page, {}); }
    Sheet sheetFor(const Paper&) override { return where; }

    QList<Page> pages;

  protected:
    void draw(const Line& line) override { page << line; }

  private:
    Sheet where;
    Page page;
};
