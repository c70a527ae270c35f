// The print window's label printing: the labels of the print list's
// addressees or of the sender, on the sheet chosen in the label tab.
#include "LabelTab.h"
#include "PrintWindow.h"
#include "RunProgress.h"
#include "pages/PageCollector.h"
#include "pages/PrintedValues.h"
#include "pages/RealPrinter.h"
#include "store/AddresseeBook.h"
#include "store/StoreError.h"
#include "store/TextRules.h"
#include "ui/MessageBox.h"

namespace {
// A list of whom labels are for, at most a screenful.
QString listed(const QStringList& who) {
    constexpr int Shown = 15;
    QStringList lines = who.mid(0, Shown);
    for (QString& line : lines)
        line.prepend(QStringLiteral("  "));
    if (who.size() > Shown)
        lines << QStringLiteral("  ... 외 %1개").arg(who.size() - Shown);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

std::optional<LabelRun> PrintWindow::layOutLabels(QList<int>& linesThrough) {
    const LabelSheet* sheet = labelTab->chosenSheet();
    if (!sheet) {
        MessageBox::show(this, QStringLiteral("라벨 용지를 고르십시오."), MessageBox::Icon::Stop);
        return std::nullopt;
    }
    LabelRun run(*sheet, horizontalFontName, labelTab->startLabel());
    linesThrough.clear();
    if (labelTab->optLabelSender->isChecked()) {
        const std::optional<Sender> from = sender();
        if (!from) {
            MessageBox::show(this, QStringLiteral("내 정보가 입력되어 있지 않습니다."),
                             MessageBox::Icon::Stop);
            return std::nullopt;
        }
        const LabelText text = LabelTexts::sender(*from);
        for (int i = 0; i < labelTab->spnLabelSenderCount->value(); ++i)
            run.add(text);
        return run;
    }
    if (lstDataPrintList->count() == 0) {
        MessageBox::show(this, QStringLiteral("출력하려는 데이타가 없습니다!"),
                         MessageBox::Icon::Stop);
        return std::nullopt;
    }
    AddresseeBook* book = AddresseeBook::shared();
    if (book && !book->isOpen())
        book->reload();
    for (int i = 0; i < lstDataPrintList->count(); ++i) {
        // An addressee deleted since the window opened is skipped.
        const QString key = TextRules::lineKey(lstDataPrintList->item(i)->text());
        const int place = book ? book->indexedPlaceOf(key) : -1;
        if (place >= 0) {
            run.add(LabelTexts::addressee(PrintedValues::addresseeAt(*book, place)));
            linesThrough << i + 1;
        }
    }
    return run;
}

std::optional<LabelRun>
PrintWindow::labelsAndSheet(QList<int>& linesThrough, Sheet& where,
                            const std::function<void(const QString&)>& fail) {
    try {
        std::optional<LabelRun> run = layOutLabels(linesThrough);
        if (run)
            where = previewSheet(run->paper());
        return run;
    } catch (const PrinterError& e) {
        fail(e.message());
    } catch (const StoreError& e) {
        fail(e.message());
    }
    return std::nullopt;
}

bool PrintWindow::labelsApproved(const LabelRun& run, const Sheet& where) {
    QStringList parts;
    const QStringList overflowing = run.overflowing();
    if (!overflowing.isEmpty())
        parts << QStringLiteral("다음 라벨은 7포인트로 줄이고 줄을 나누어도 글이 라벨 밖으로 "
                                "넘칩니다:\n") +
                     listed(overflowing);
    const QStringList outside = run.outsidePrintable(where);
    if (!outside.isEmpty())
        parts << QStringLiteral("다음 라벨은 글이 프린터 %1이(가) 인쇄하지 못하는 가장자리에 "
                                "걸려 잘립니다:\n")
                         .arg(where.printer) +
                     listed(outside);
    if (parts.isEmpty())
        return true;
    parts << QStringLiteral("그래도 인쇄하시겠습니까?");
    return MessageBox::show(this, parts.join(QStringLiteral("\n\n")), MessageBox::Icon::Exclamation,
                            MessageBox::Buttons::YesNo) == MessageBox::Answer::Yes;
}

void PrintWindow::cmdLabelPrintClick() {
    const bool addressees = labelTab->optLabelAddressees->isChecked();
    const auto fail = [this, addressees](const QString& detail) {
        MessageBox::show(
            this,
            QStringLiteral("인쇄하지 못했습니다.\n") + detail +
                (addressees
                     ? QStringLiteral("\n출력하지 못한 데이타는 출력할 Data List에 남아 있습니다.")
                     : QString()),
            MessageBox::Icon::Stop);
    };
    QList<int> linesThrough;
    Sheet where;
    std::optional<LabelRun> run = labelsAndSheet(linesThrough, where, fail);
    if (!run || !labelsApproved(*run, where))
        return;
    const int lines = lstDataPrintList->count();
    RunProgress progress(this, run->sheetCount());
    int sheets = 0;
    int moved = 0;
    try {
        run->print(PrinterLayer::printer(), [&](int labels) {
            // The lines of the printed labels go back to the left list; after
            // the last sheet, those of deleted addressees too.
            const int through =
                labels == run->labelCount() ? lines : linesThrough.value(labels - 1);
            for (; addressees && moved < through; ++moved) {
                const QString line = lstDataPrintList->item(0)->text();
                delete lstDataPrintList->takeItem(0);
                lstDataAllList->addItem(line);
            }
            return progress.next(++sheets);
        });
    } catch (const PrinterError& e) {
        fail(e.message());
    }
}

void PrintWindow::previewLabels() {
    QList<int> linesThrough;
    Sheet where;
    const std::optional<LabelRun> run =
        labelsAndSheet(linesThrough, where, [this](const QString& detail) {
            MessageBox::show(this, QStringLiteral("미리 볼 수 없습니다.\n") + detail,
                             MessageBox::Icon::Stop);
        });
    if (!run)
        return;
    where = run->withOutlines(where);
    PageCollector pages(where);
    run->print(pages, [](int) { return true; });
    showPreview(pages.pages, where);
}
