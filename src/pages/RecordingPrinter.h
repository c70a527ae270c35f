#pragma once

#include "Printer.h"

#include <QList>

// A printer that keeps what it is given instead of printing it: one job per
// end of document, each with its lines (face, size, X, Y, text).
class RecordingPrinter : public Printer {
  public:
    struct Job {
        QList<Line> lines;
        Paper paper;
        bool followedDefault = false;
    };

    QStringList fonts() override;
    void followDefaultPrinter() override;
    void endPage() override;
    Sheet sheetFor(const Paper& paper) override;

    QList<Job> jobs;
    // What fonts() reports; empty means there is no printer.
    QStringList installedFonts = {QStringLiteral("굴림"), QStringLiteral("@굴림"),
                                  QStringLiteral("바탕체"), QStringLiteral("@바탕체")};
    // The job with this number (0-based) is refused, as by a stopped queue.
    int refuseJob = -1;

    // The printable area sheet() reports for the forms, in twips; the whole
    // sheet unless set. Other paper keeps the same margins.
    QRectF printable{0, 0, Sheet::Width, Sheet::Height};
    // Line height used here: 1.2 times the size, in twips, unless the
    // faces' own heights are asked for.
    static int heightOf(double size) { return qRound(size * 24); }
    bool realLineHeights = false;

  protected:
    int lineHeight(const QString& face, double size) override {
        return realLineHeights ? Printer::lineHeight(face, size) : heightOf(size);
    }
    void draw(const Line& line) override { page.lines << line; }

  private:
    Job page;
    int attempts = 0;
};
