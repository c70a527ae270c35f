#pragma once

#include "pages/Printer.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

// Shows the pages a print would send now, drawn by the page renderer on the
// sheet of the default printer with its printable area marked and the
// print position adjustment applied. Pages can be turned, zoomed and saved
// as a PDF file; nothing is printed. PgUp and PgDn turn the pages, Ctrl++
// and Ctrl+- (or Ctrl with the wheel) zoom. The window that opened it waits
// until it is closed.
class PreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PreviewWindow(QWidget* parent, QList<Printer::Page> pages, const Sheet& sheet);

    // The page drawn at the zoom shown.
    QImage renderPage(int index) const;
    // Writes every page into a PDF file, one PDF page per printed page.
    bool savePdf(const QString& file) const;
    int currentPage() const { return current; }
    int zoomPercent() const { return zoom; }

    QScrollArea* scrPage;
    QLabel* picPage;
    QPushButton* cmdPreviousPage;
    QPushButton* cmdNextPage;
    QLabel* lblPageNumber;
    QPushButton* cmdZoomOut;
    QPushButton* cmdZoomIn;
    QLabel* lblZoom;
    QPushButton* cmdSavePdf;
    QPushButton* cmdPreviewClose;

  public slots:
    void cmdPreviousPageClick();
    void cmdNextPageClick();
    void cmdZoomOutClick();
    void cmdZoomInClick();
    void cmdSavePdfClick();

  protected:
    // Ctrl with the mouse wheel zooms.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPage();
    void zoomTo(int percent);

    QList<Printer::Page> pages;
    Sheet sheet;
    int current = 0;
    int zoom = 75;
};
