#pragma once

#include "Printer.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// The system's default printer, through Qt Print Support (CUPS). Each page
// is a print job of its own, on the printer that is the default when the
// page starts.
class RealPrinter : public Printer {
  public:
    QStringList fonts() override;
    void setPaperA4() override { a4 = true; }
    void followDefaultPrinter() override;
    void setLandscape() override;
    void endDoc() override;

  protected:
    int lineHeight(const QString& face, double size) override;
    void draw(const Line& line) override;

  private:
    QPrinter& device();
    QFont font(const QString& face, double size);
    double pixelsPerTwip();

    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    bool a4 = false;
};
