#pragma once

#include "Printer.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

// The system's default printer, through Qt Print Support and CUPS. Each page
// is a print job of its own, on the printer that is the default when the
// page starts. Qt lays the page out for that printer; the finished page is
// handed to CUPS here, so that a job the printer does not take is known.
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
    QPainter& paint();
    QFont font(const QString& face, double size);
    double pixelsPerTwip();
    // Hands the finished page to CUPS as a job of its own.
    void send(const QPrinter& page);

    QTemporaryDir spool;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    bool a4 = false;
};
