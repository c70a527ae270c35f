#include "PreviewWindow.h"

#include "pages/PageRenderer.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
constexpr int Zooms[] = {50, 75, 100, 150, 200};
// The screen shows 96 dots to the inch at 100 %.
constexpr double ScreenDpi = 96;

QPushButton* button(const QString& caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

PreviewWindow::PreviewWindow(QWidget* parent, QList<Printer::Page> pages, const Sheet& sheet)
    : QDialog(parent), pages(std::move(pages)), sheet(sheet) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(sheet.printer.isEmpty() ? QStringLiteral("미리보기 - PDF 파일")
                                           : QStringLiteral("미리보기 - ") + sheet.printer);
    setFont(Fonts::gulim());
    setAttribute(Qt::WA_DeleteOnClose);
    // The print window waits while its pages are shown: nothing there can
    // change beneath them, and there is one preview at a time.
    setWindowModality(Qt::WindowModal);
    scrPage = new QScrollArea;
    scrPage->setObjectName(QStringLiteral("scrPage"));
    scrPage->setAlignment(Qt::AlignCenter);
    scrPage->setBackgroundRole(QPalette::Dark);
    picPage = new QLabel;
    picPage->setObjectName(QStringLiteral("picPage"));
    scrPage->setWidget(picPage);
    cmdPreviousPage = button(QStringLiteral("◀ 이전(&P)"), "cmdPreviousPage");
    lblPageNumber = new QLabel;
    lblPageNumber->setObjectName(QStringLiteral("lblPageNumber"));
    cmdNextPage = button(QStringLiteral("다음(&N) ▶"), "cmdNextPage");
    cmdZoomOut = button(QStringLiteral("축소(&O)"), "cmdZoomOut");
    lblZoom = new QLabel;
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    cmdZoomIn = button(QStringLiteral("확대(&I)"), "cmdZoomIn");
    cmdSavePdf = button(QStringLiteral("PDF로 저장(&S)"), "cmdSavePdf");
    cmdPreviewClose = button(QStringLiteral("닫기(&C)"), "cmdPreviewClose");

    auto* bar = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdPreviousPage, lblPageNumber, cmdNextPage, cmdZoomOut, lblZoom, cmdZoomIn})
        bar->addWidget(control);
    bar->addStretch();
    bar->addWidget(cmdSavePdf);
    bar->addWidget(cmdPreviewClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scrPage);
    resize(1000, 760);

    connect(cmdPreviousPage, &QPushButton::clicked, this, &PreviewWindow::cmdPreviousPageClick);
    connect(cmdNextPage, &QPushButton::clicked, this, &PreviewWindow::cmdNextPageClick);
    connect(cmdZoomOut, &QPushButton::clicked, this, &PreviewWindow::cmdZoomOutClick);
    connect(cmdZoomIn, &QPushButton::clicked, this, &PreviewWindow::cmdZoomInClick);
    connect(cmdSavePdf, &QPushButton::clicked, this, &PreviewWindow::cmdSavePdfClick);
    connect(cmdPreviewClose, &QPushButton::clicked, this, &QDialog::close);
    const std::pair<QKeySequence, void (PreviewWindow::*)()> keys[] = {
        {QKeySequence(Qt::Key_PageUp), &PreviewWindow::cmdPreviousPageClick},
        {QKeySequence(Qt::Key_PageDown), &PreviewWindow::cmdNextPageClick},
        {QKeySequence(QKeySequence::ZoomIn), &PreviewWindow::cmdZoomInClick},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &PreviewWindow::cmdZoomInClick},
        {QKeySequence(QKeySequence::ZoomOut), &PreviewWindow::cmdZoomOutClick}};
    for (const auto& [key, slot] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, slot);
    scrPage->viewport()->installEventFilter(this);
    showPage();
}

QImage PreviewWindow::renderPage(int index) const {
    return PageRenderer::sheetImage(pages.value(index), sheet, ScreenDpi * zoom / 100);
}

void PreviewWindow::showPage() {
    picPage->setPixmap(QPixmap::fromImage(renderPage(current)));
    picPage->adjustSize();
    lblPageNumber->setText(QStringLiteral("%1 / %2 쪽").arg(current + 1).arg(pages.size()));
    lblZoom->setText(QStringLiteral("%1%").arg(zoom));
    cmdPreviousPage->setEnabled(current > 0);
    cmdNextPage->setEnabled(current + 1 < pages.size());
    cmdZoomOut->setEnabled(zoom > Zooms[0]);
    cmdZoomIn->setEnabled(zoom < std::end(Zooms)[-1]);
}

void PreviewWindow::cmdPreviousPageClick() {
    current = std::max(0, current - 1);
    showPage();
}

void PreviewWindow::cmdNextPageClick() {
    current = std::min(int(pages.size()) - 1, current + 1);
    showPage();
}

void PreviewWindow::cmdZoomOutClick() {
    const auto* smaller = std::find(std::begin(Zooms), std::end(Zooms), zoom);
    zoomTo(smaller == std::begin(Zooms) ? zoom : smaller[-1]);
}

void PreviewWindow::cmdZoomInClick() {
    const auto* larger = std::find(std::begin(Zooms), std::end(Zooms), zoom) + 1;
    zoomTo(larger == std::end(Zooms) ? zoom : *larger);
}

void PreviewWindow::zoomTo(int percent) {
    // The part of the page in the middle of the view stays there.
    QScrollBar* bars[] = {scrPage->horizontalScrollBar(), scrPage->verticalScrollBar()};
    double middle[2];
    for (int i = 0; i < 2; ++i)
        middle[i] = (bars[i]->value() + bars[i]->pageStep() / 2.0) /
                    std::max(1, bars[i]->maximum() + bars[i]->pageStep());
    zoom = percent;
    showPage();
    for (int i = 0; i < 2; ++i)
        bars[i]->setValue(int(middle[i] * (bars[i]->maximum() + bars[i]->pageStep()) -
                              bars[i]->pageStep() / 2.0));
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier) {
        const int turn = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (turn > 0)
            cmdZoomInClick();
        else if (turn < 0)
            cmdZoomOutClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool PreviewWindow::savePdf(const QString& file) const {
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(sheet.paper.size));
    writer.setPageOrientation(sheet.paper.landscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF());
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Orvane-It"));
    writer.setTitle(QFileInfo(file).completeBaseName());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        PageRenderer::draw(painter, pages[i], sheet.origin());
    }
    return painter.end();
}

void PreviewWindow::cmdSavePdfClick() {
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("PDF로 저장"),
                                                QDir::home().filePath(QStringLiteral("인쇄.pdf")),
                                                QStringLiteral("PDF 파일 (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    if (savePdf(file))
        MessageBox::done(this, QStringLiteral("%1쪽을 PDF 파일로 저장했습니다.\n%2")
                                   .arg(pages.size())
                                   .arg(QDir::toNativeSeparators(file)));
    else
        MessageBox::show(this, QStringLiteral("PDF 파일을 저장하지 못했습니다.\n") + file,
                         MessageBox::Icon::Stop);
}
