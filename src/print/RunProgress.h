#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

// The progress of a run of more than a few pages, with a button that stops
// it between two pages.
class RunProgress {
  public:
    RunProgress(QWidget* window, int pages) {
        if (pages <= 3)
            return;
        dialog =
            std::make_unique<QProgressDialog>(QString(), QStringLiteral("중지"), 0, pages, window);
        dialog->setObjectName(QStringLiteral("dlgPrintProgress"));
        dialog->setWindowTitle(QStringLiteral("인쇄"));
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(0);
        dialog->show();
        next(0);
    }
    // Shows that `printed` pages are done; false when the user stopped. The
    // dialog is brought up to date at most ten times a second.
    bool next(int printed) {
        if (!dialog)
            return true;
        if (shown.isValid() && shown.elapsed() < 100)
            return !dialog->wasCanceled();
        shown.start();
        dialog->setLabelText(
            QStringLiteral("%1 / %2 쪽 인쇄 중...").arg(printed + 1).arg(dialog->maximum()));
        dialog->setValue(printed);
        // The stop button is heard between two pages.
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    }

  private:
    std::unique_ptr<QProgressDialog> dialog;
    QElapsedTimer shown;
};
