#include "PrintWindow.h"

#include "LabelTab.h"
#include "PreviewWindow.h"
#include "RunProgress.h"
#include "pages/Faces.h"
#include "pages/LetterRun.h"
#include "pages/PageCollector.h"
#include "pages/PrintAdjustment.h"
#include "pages/PrintedValues.h"
#include "pages/RealPrinter.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/StoreError.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/MillimetreBox.h"
#include "ui/Twips.h"

namespace {
// A box of the print position adjustment; what it refuses, the user is
// told.
void adjustment(PrintWindow* window, MillimetreBox* box, const QString& direction) {
    box->setRange(-PrintAdjustment::Limit, PrintAdjustment::Limit);
    box->setToolTip(QStringLiteral("%1\n-%2에서 +%2 mm까지, 0.1 mm 단위 (1,5도 1.5로 받습니다)")
                        .arg(direction)
                        .arg(PrintAdjustment::Limit));
    QObject::connect(box, &QDoubleSpinBox::valueChanged, window,
                     &PrintWindow::spnPrintPositionChanged);
    QObject::connect(box, &MillimetreBox::refused, window, [window, box](const QString& typed) {
        MessageBox::show(window,
                         QStringLiteral("인쇄 위치는 -%1에서 +%1 mm 사이로, 소수 한 자리까지 "
                                        "입력합니다.\n입력한 값(%2)은 받지 않고 원래 값 %3 mm를 "
                                        "그대로 둡니다.")
                             .arg(PrintAdjustment::Limit)
                             .arg(typed, box->text()),
                         MessageBox::Icon::Exclamation);
    });
}

// The list line of an addressee: name, company and department, then its key
// behind 100 blanks, out of sight.
QString listLine(const AddresseeBook& book, int place) {
    using enum AddresseeFields::Index;
    return TextRules::keyedLine(TextRules::nameColumn(book.value(place, Name)) +
                                    book.value(place, Company) + QLatin1Char(' ') +
                                    book.value(place, Department),
                                100, book.value(place, Seq));
}

} // namespace

namespace {
using W = PrintWindow;
// The controls, each in the control it stands in, in the order they are made.
const Layout::Control<W> printWindowLayout[] = {
    {&W::fraLetterForm, "fraLetterForm", nullptr, {480, 120, 3855, 1695}, "Letter Form"},
    {&W::optLetterTypeQA3801,
     "optLetterTypeQA3801",
     "fraLetterForm",
     {360, 240, 1815, 375},
     "QA3801"},
    {&W::optLetterTypeQB3802,
     "optLetterTypeQB3802",
     "fraLetterForm",
     {360, 600, 1695, 255},
     "QB3802"},
    {&W::optLetterTypeQC3803,
     "optLetterTypeQC3803",
     "fraLetterForm",
     {360, 960, 1455, 255},
     "QC3803"},
    {&W::optLetterTypeQD3805,
     "optLetterTypeQD3805",
     "fraLetterForm",
     {360, 1320, 2415, 225},
     "QD3805 (A4 6절봉투)"},
    {&W::lblPrinterFont, "lblPrinterFont", nullptr, {4560, 1560, 780, 195}, "출력서체"},
    {&W::cboPrinterFont, "cboPrinterFont", nullptr, {5520, 1440, 2775, 315}},
    {&W::cmdDataPrintExit, "cmdDataPrintExit", nullptr, {9600, 1320, 1215, 490}, "종료"},
    {&W::lblPrinterName, "lblPrinterName", nullptr, {4560, 180, 4800, 195}},
    {&W::lblPrintPosition, "lblPrintPosition", nullptr, {4560, 540, 4900, 195}},
    {&W::lblPrintPositionX, "lblPrintPositionX", nullptr, {4560, 960, 480, 195}, "가로"},
    {&W::spnPrintPositionX, "spnPrintPositionX", nullptr, {5040, 900, 1095, 315}},
    {&W::lblPrintPositionY, "lblPrintPositionY", nullptr, {6360, 960, 480, 195}, "세로"},
    {&W::spnPrintPositionY, "spnPrintPositionY", nullptr, {6840, 900, 1095, 315}},
    {&W::cmdPrintPreview, "cmdPrintPreview", nullptr, {9600, 720, 1215, 490}, "미리보기"},
    {&W::tabPrintDataInfo, "tabPrintDataInfo", nullptr, {480, 2040, 10335, 6255}},
    // The pages' controls are placed below the tab strip.
    {&W::letterTab, "letterTab", "tabPrintDataInfo", {}},
    {&W::specialTab, "specialTab", "tabPrintDataInfo", {}},
    {&W::fraPrintlist, "fraPrintlist", "letterTab", {240, 0, 9855, 5655}, "Print Data"},
    {&W::lblDataAllList,
     "lblDataAllList",
     "fraPrintlist",
     {720, 360, 2055, 375},
     "입력된 Data List"},
    {&W::lstDataAllList, "lstDataAllList", "fraPrintlist", {720, 600, 3615, 4155}},
    {&W::lblPrintSelectData,
     "lblPrintSelectData",
     "fraPrintlist",
     {5400, 360, 2055, 375},
     "출력할 Data List"},
    {&W::lstDataPrintList, "lstDataPrintList", "fraPrintlist", {5400, 600, 3615, 4155}},
    {&W::cmdEachDataSelect, "cmdEachDataSelect", "fraPrintlist", {4560, 1800, 615, 375}, ">"},
    {&W::cmdAllDataSelect, "cmdAllDataSelect", "fraPrintlist", {4560, 2160, 615, 375}, ">>"},
    {&W::cmdEachDataRemove, "cmdEachDataRemove", "fraPrintlist", {4560, 2520, 615, 375}, "<"},
    {&W::cmdAllDataRemove, "cmdAllDataRemove", "fraPrintlist", {4560, 2880, 615, 375}, "<<"},
    {&W::lblPostScript, "lblPostScript", "fraPrintlist", {240, 5160, 390, 195}, "추신"},
    {&W::txtPostScript, "txtPostScript", "fraPrintlist", {720, 5040, 4215, 330}, "", 30},
    {&W::fraOnlyMyInfo, "fraOnlyMyInfo", "fraPrintlist", {5040, 4800, 2895, 615}},
    {&W::chkPersonInfoPrint,
     "chkPersonInfoPrint",
     "fraOnlyMyInfo",
     {120, 240, 1215, 255},
     "내 정보만 "},
    {&W::txtNumberOfCopies, "txtNumberOfCopies", "fraOnlyMyInfo", {1320, 240, 615, 285}, "", 3},
    {&W::lblNumberOfCopies, "lblNumberOfCopies", "fraOnlyMyInfo", {2040, 240, 645, 195}, "부 출력"},
    {&W::cmdDataPrint, "cmdDataPrint", "fraPrintlist", {8160, 4920, 1215, 490}, "인쇄"},
    {&W::fraSpecialForm, "fraSpecialForm", "specialTab", {2400, 380, 2775, 4935}, "Special Form"},
    {&W::optMarried_1, "optMarried_1", "fraSpecialForm", {840, 480, 1215, 255}, "축 결 혼"},
    {&W::optMarried_2, "optMarried_2", "fraSpecialForm", {840, 840, 1215, 255}, "축 화 혼"},
    {&W::optGrowth, "optGrowth", "fraSpecialForm", {840, 1200, 1095, 255}, "축 발 전"},
    {&W::optHundredday, "optHundredday", "fraSpecialForm", {840, 1560, 1095, 255}, "백 일"},
    {&W::optFirstBirthday, "optFirstBirthday", "fraSpecialForm", {840, 1920, 1095, 255}, "축 돌"},
    {&W::optBirthday, "optBirthday", "fraSpecialForm", {840, 2280, 1335, 255}, "생 신(일)"},
    {&W::optSixtyBirthday,
     "optSixtyBirthday",
     "fraSpecialForm",
     {840, 2640, 1095, 255},
     "축 회 갑"},
    {&W::optSeventyBirthday,
     "optSeventyBirthday",
     "fraSpecialForm",
     {840, 3000, 1095, 255},
     "축 고 희"},
    {&W::optEightyBirthday,
     "optEightyBirthday",
     "fraSpecialForm",
     {840, 3360, 1215, 255},
     "축 팔 순"},
    {&W::optTreatment, "optTreatment", "fraSpecialForm", {840, 3720, 1095, 255}, "쾌 유"},
    {&W::optCondolence, "optCondolence", "fraSpecialForm", {840, 4080, 855, 225}, "부 의"},
    {&W::cmdSpecialFormPrint, "cmdSpecialFormPrint", "specialTab", {6720, 4820, 1215, 490}, "인쇄"},
};
} // namespace

std::span<const Layout::Control<PrintWindow>> PrintWindow::layout() {
    return printWindowLayout;
}

PrintWindow::PrintWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PrintWindow"));
    setWindowTitle(QStringLiteral("Letter Form 출력"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 11310, 8670);
    Layout::build(this, layout());
    // Frames here show their captions in the controls' font.
    for (QGroupBox* frame : {fraLetterForm, fraPrintlist, fraSpecialForm})
        frame->setFont(Fonts::gulim());
    lblPrintPosition->setText(QStringLiteral("인쇄 위치 조정 (mm, ±%1 이내, + 오른쪽 / 아래로)")
                                  .arg(PrintAdjustment::Limit));
    Controls::fitCaption(lblPrintPosition);
    adjustment(this, spnPrintPositionX,
               QStringLiteral("+ 오른쪽으로, - 왼쪽으로 옮겨 인쇄합니다."));
    adjustment(this, spnPrintPositionY, QStringLiteral("+ 아래로, - 위로 옮겨 인쇄합니다."));
    // A choice among the installed faces only: a typed name could not be
    // printed. Typing a face's first letters still finds it.
    cboPrinterFont->setEditable(false);
    cmdPrintPreview->setAutoDefault(true); // Enter on it opens the preview
    tabPrintDataInfo->addTab(letterTab, QStringLiteral("입력 Data 출력"));
    tabPrintDataInfo->addTab(specialTab, QStringLiteral("Special Form 출력"));
    labelTab = new LabelTab;
    tabPrintDataInfo->addTab(labelTab, QStringLiteral("라벨 출력"));
    for (QListWidget* list : {lstDataAllList, lstDataPrintList}) {
        Controls::hideKeys(list);
        list->setSortingEnabled(true);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    connectControls();
    using Controls::nameAfter;
    nameAfter(lblPrinterFont, {cboPrinterFont});
    nameAfter(lblDataAllList, {lstDataAllList});
    nameAfter(lblPrintSelectData, {lstDataPrintList});
    nameAfter(lblPostScript, {txtPostScript});
    nameAfter(lblNumberOfCopies, {txtNumberOfCopies});
    nameAfter(lblPrintPositionX, {spnPrintPositionX});
    nameAfter(lblPrintPositionY, {spnPrintPositionY});
    Controls::tabOrder(keyboardOrder());
    Controls::centre(this);
}

QList<QWidget*> PrintWindow::keyboardOrder() const {
    // As a reader goes: the forms, the row of the adjustment and the preview,
    // the row of the face and "종료", then the tabs.
    return {optLetterTypeQA3801, optLetterTypeQB3802, optLetterTypeQC3803, optLetterTypeQD3805,
            spnPrintPositionX,   spnPrintPositionY,   cmdPrintPreview,     cboPrinterFont,
            cmdDataPrintExit,    tabPrintDataInfo};
}

void PrintWindow::connectControls() {
    connect(cboPrinterFont, &QComboBox::activated, this, &PrintWindow::cboPrinterFontClick);
    connect(chkPersonInfoPrint, &QCheckBox::stateChanged, this,
            &PrintWindow::chkPersonInfoPrintClick);
    connect(cmdEachDataSelect, &QPushButton::clicked, this, &PrintWindow::cmdEachDataSelectClick);
    connect(cmdAllDataSelect, &QPushButton::clicked, this, &PrintWindow::cmdAllDataSelectClick);
    connect(cmdEachDataRemove, &QPushButton::clicked, this, &PrintWindow::cmdEachDataRemoveClick);
    connect(cmdAllDataRemove, &QPushButton::clicked, this, &PrintWindow::cmdAllDataRemoveClick);
    connect(cmdDataPrint, &QPushButton::clicked, this, &PrintWindow::cmdDataPrintClick);
    connect(cmdSpecialFormPrint, &QPushButton::clicked, this,
            &PrintWindow::cmdSpecialFormPrintClick);
    connect(cmdDataPrintExit, &QPushButton::clicked, this, &PrintWindow::cmdDataPrintExitClick);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &PrintWindow::cmdPrintPreviewClick);
    connect(labelTab->cmdLabelPrint, &QPushButton::clicked, this, &PrintWindow::cmdLabelPrintClick);
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(lstDataPrintList->model(), changed, this,
                [this] { labelTab->showAddresseeCount(lstDataPrintList->count()); });
}

bool PrintWindow::load() {
    QStringList fonts;
    try {
        fonts = PrinterLayer::printer().fonts();
    } catch (const PrinterError&) {
        MessageBox::show(this,
                         QStringLiteral("프린터가 설치되어 있지 않거나,\n"
                                        "기본프린터가 설정되어 있지 않습니다.\n"
                                        "프린터설정을 확인하시기 바랍니다."),
                         MessageBox::Icon::Stop);
        if (!MessageBox::ask(this, QStringLiteral("인쇄는 할 수 없습니다.\n미리보기와 PDF "
                                                  "저장만 하시겠습니까?")))
            return false;
        pdfOnly = true;
        fonts = Faces::hangulFaces();
    }
    try {
        sender();
    } catch (const StoreError&) {
        // Reported when a page needs the sender row.
    }
    showPrintPosition();
    lstDataAllList->clear();
    if (const AddresseeBook* book = AddresseeBook::shared()) {
        QStringList lines;
        lines.reserve(book->count());
        for (int place = 0; place < book->count(); ++place)
            lines << listLine(*book, place);
        lstDataAllList->addItems(lines);
    }
    Faces::sort(fonts);
    cboPrinterFont->addItems(fonts);
    optLetterTypeQA3801->setChecked(true);
    if (cboPrinterFont->count() > 0) {
        cboPrinterFont->setCurrentIndex(0);
        cboPrinterFontClick();
    }
    txtPostScript->setText(QString());
    txtNumberOfCopies->setText(QString());
    return true;
}

std::optional<Sender> PrintWindow::sender() {
    try {
        if (!personalCursor)
            personalCursor =
                std::make_unique<Recordset>(AddressBook::open(), AddressBook::PersonalTable);
        else
            personalCursor->requery();
    } catch (const StoreError&) {
        personalCursor.reset();
        throw;
    }
    if (personalCursor->recordCount() == 0)
        return std::nullopt;
    return PrintedValues::senderOf(*personalCursor);
}

Sheet PrintWindow::previewSheet(const Paper& paper) {
    if (pdfOnly) // the whole sheet, as a PDF file takes it
        return Sheet{QString(), QRectF(QPointF(), paper.twips()), QPointF(), paper, {}};
    return PrinterLayer::printer().sheetFor(paper);
}

void PrintWindow::showPrintPosition() {
    QString printer;
    try {
        printer = previewSheet().printer;
    } catch (const PrinterError&) {
    }
    const QPointF shift = PrintAdjustment::millimetres(printer);
    lblPrinterName->setText(pdfOnly ? QStringLiteral("프린터 없음: 미리보기와 PDF 저장만 합니다")
                                    : QStringLiteral("프린터: ") + printer);
    for (QPushButton* print : {cmdDataPrint, cmdSpecialFormPrint, labelTab->cmdLabelPrint})
        print->setEnabled(!pdfOnly);
    lblPrinterName->setProperty("printer", printer);
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblPrintPosition, lblPrintPositionX, spnPrintPositionX,
                                         lblPrintPositionY, spnPrintPositionY})
        control->setEnabled(!printer.isEmpty());
    const QSignalBlocker x(spnPrintPositionX);
    const QSignalBlocker y(spnPrintPositionY);
    spnPrintPositionX->setValue(shift.x());
    spnPrintPositionY->setValue(shift.y());
}

void PrintWindow::spnPrintPositionChanged() {
    const QString printer = lblPrinterName->property("printer").toString();
    if (!printer.isEmpty())
        PrintAdjustment::setMillimetres(
            printer, QPointF(spnPrintPositionX->value(), spnPrintPositionY->value()));
}

void PrintWindow::cboPrinterFontClick() {
    const QString face = cboPrinterFont->currentText();
    horizontalFontName = PrinterLayer::horizontalFace(face);
    verticalFontName = face.startsWith(QLatin1Char('@')) ? face : QLatin1Char('@') + face;
}

void PrintWindow::chkPersonInfoPrintClick() {
    const bool senderOnly = chkPersonInfoPrint->isChecked();
    if (senderOnly) {
        moveLines(lstDataPrintList, lstDataAllList, false);
        txtNumberOfCopies->setText(QStringLiteral("1"));
    } else {
        txtNumberOfCopies->setText(QString());
    }
    enableLists(!senderOnly);
}

void PrintWindow::enableLists(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{lstDataAllList, lstDataPrintList, cmdEachDataSelect,
                                         cmdAllDataSelect, cmdEachDataRemove, cmdAllDataRemove})
        control->setEnabled(enabled);
}

void PrintWindow::moveLines(QListWidget* from, QListWidget* to, bool selectedOnly) {
    QStringList moving;
    for (int i = 0; i < from->count();) {
        if (!selectedOnly || from->item(i)->isSelected()) {
            moving << from->item(i)->text();
            delete from->takeItem(i);
        } else {
            ++i;
        }
    }
    to->addItems(moving);
}

void PrintWindow::cmdEachDataSelectClick() {
    chkPersonInfoPrint->setChecked(false);
    moveLines(lstDataAllList, lstDataPrintList, true);
}

void PrintWindow::cmdAllDataSelectClick() {
    chkPersonInfoPrint->setChecked(false);
    moveLines(lstDataAllList, lstDataPrintList, false);
}

void PrintWindow::cmdEachDataRemoveClick() {
    moveLines(lstDataPrintList, lstDataAllList, true);
}

void PrintWindow::cmdAllDataRemoveClick() {
    moveLines(lstDataPrintList, lstDataAllList, false);
}

bool PrintWindow::lettersChosen() {
    if (lstDataPrintList->count() == 0 && !chkPersonInfoPrint->isChecked()) {
        MessageBox::show(this, QStringLiteral("출력하려는 데이타가 없습니다!"),
                         MessageBox::Icon::Stop);
        return false;
    }
    return true;
}

void PrintWindow::cmdDataPrintClick() {
    if (!lettersChosen())
        return;
    if (optLetterTypeQA3801->isChecked())
        printLetterTypeA();
    else if (optLetterTypeQB3802->isChecked())
        printLetterTypeB();
    else if (optLetterTypeQC3803->isChecked())
        printLetterTypeC();
    else if (optLetterTypeQD3805->isChecked())
        printLetterTypeD();
}

void PrintWindow::printLetterTypeA() {
    printLetters(LetterForms::QA3801);
}
void PrintWindow::printLetterTypeB() {
    printLetters(LetterForms::QB3802);
}
void PrintWindow::printLetterTypeC() {
    printLetters(LetterForms::QC3803);
}
void PrintWindow::printLetterTypeD() {
    printLetters(LetterForms::QD3805);
}

const LetterForm& PrintWindow::chosenForm() const {
    if (optLetterTypeQB3802->isChecked())
        return LetterForms::QB3802;
    if (optLetterTypeQC3803->isChecked())
        return LetterForms::QC3803;
    if (optLetterTypeQD3805->isChecked())
        return LetterForms::QD3805;
    return LetterForms::QA3801;
}

int PrintWindow::letterEntries() const {
    return chkPersonInfoPrint->isChecked()
               ? std::max(0, TextRules::numberAtStart(txtNumberOfCopies->text()))
               : lstDataPrintList->count();
}

void PrintWindow::layOutLetters(Printer& printer, const LetterForm& form,
                                const std::function<bool(int entry)>& done) {
    const LetterRun run(form, sender(), txtPostScript->text());
    if (chkPersonInfoPrint->isChecked()) {
        run.print(printer, horizontalFontName, letterEntries(), {}, done);
        return;
    }
    AddresseeBook* book = AddresseeBook::shared();
    if (book && !book->isOpen())
        book->reload();
    QStringList lines;
    for (int i = 0; i < letterEntries(); ++i)
        lines << lstDataPrintList->item(i)->text();
    // An addressee deleted since the window opened is skipped.
    const auto addressee = [&](int entry) -> std::optional<Addressee> {
        const int place = book ? book->indexedPlaceOf(TextRules::lineKey(lines[entry])) : -1;
        return place < 0 ? std::nullopt : std::optional(PrintedValues::addresseeAt(*book, place));
    };
    run.print(printer, horizontalFontName, int(lines.size()), addressee, done);
}

void PrintWindow::printLetters(const LetterForm& form) {
    const bool senderOnly = chkPersonInfoPrint->isChecked();
    const int entries = letterEntries();
    RunProgress progress(this, entries);
    int printed = 0;
    try {
        layOutLetters(PrinterLayer::printer(), form, [&](int) {
            ++printed;
            if (!senderOnly) {
                const QString line = lstDataPrintList->item(0)->text();
                delete lstDataPrintList->takeItem(0);
                lstDataAllList->addItem(line);
            }
            return progress.next(printed);
        });
    } catch (const PrinterError& e) {
        reportFailure(e.message());
    } catch (const StoreError& e) {
        reportFailure(e.message());
    }
    if (printed < entries) {
        // What was not printed stays to be printed: the lines in the print
        // list, the copies in the copies box.
        if (senderOnly)
            txtNumberOfCopies->setText(QString::number(entries - printed));
        return;
    }
    chkPersonInfoPrint->setChecked(false);
    enableLists(true);
    txtPostScript->setText(QString());
    txtNumberOfCopies->setText(QString());
}

void PrintWindow::reportFailure(const QString& detail) {
    const QString rest =
        chkPersonInfoPrint->isChecked()
            ? QStringLiteral("\n인쇄하지 못한 부수는 '부 출력' 칸에 남아 있습니다.")
            : QStringLiteral("\n출력하지 못한 데이타는 출력할 Data List에 남아 있습니다.");
    MessageBox::show(this, QStringLiteral("인쇄하지 못했습니다.\n") + detail + rest,
                     MessageBox::Icon::Stop);
}

bool PrintWindow::layOutGreeting(Printer& printer,
                                 const std::function<void(const QString&)>& fail) {
    if (optLetterTypeQD3805->isChecked()) {
        MessageBox::show(this,
                         QStringLiteral("QD3805 TYPE은 Special Form으로    \r\n"
                                        "출력하지 못합니다.                "),
                         MessageBox::Icon::Stop);
        return false;
    }
    const QRadioButton* options[] = {optMarried_1,     optMarried_2,       optGrowth,
                                     optHundredday,    optFirstBirthday,   optBirthday,
                                     optSixtyBirthday, optSeventyBirthday, optEightyBirthday,
                                     optTreatment,     optCondolence};
    const auto chosen = std::find_if(std::begin(options), std::end(options),
                                     [](const QRadioButton* o) { return o->isChecked(); });
    if (chosen == std::end(options)) {
        MessageBox::show(
            this, QStringLiteral("출력하고자 하는 Special Form을    \r\n지정하지 않았습니다"),
            MessageBox::Icon::Stop);
        return false;
    }
    const QString greeting =
        QString::fromUtf16(GreetingEnvelopes::Greetings[chosen - std::begin(options)]);
    const GreetingEnvelope& envelope = optLetterTypeQA3801->isChecked() ? GreetingEnvelopes::QA3801
                                       : optLetterTypeQB3802->isChecked()
                                           ? GreetingEnvelopes::QB3802
                                           : GreetingEnvelopes::QC3803;
    try {
        const std::optional<Sender> from = sender();
        GreetingEnvelopes::printPage(printer, envelope, greeting, from ? &*from : nullptr,
                                     horizontalFontName, verticalFontName);
        return true;
    } catch (const PrinterError& e) {
        fail(e.message());
    } catch (const StoreError& e) {
        fail(e.message());
    }
    return false;
}

void PrintWindow::cmdSpecialFormPrintClick() {
    layOutGreeting(PrinterLayer::printer(), [this](const QString& detail) {
        MessageBox::show(this, QStringLiteral("인쇄하지 못했습니다.\n") + detail,
                         MessageBox::Icon::Stop);
    });
}

void PrintWindow::cmdPrintPreviewClick() {
    showPrintPosition();
    if (tabPrintDataInfo->currentWidget() == labelTab) {
        previewLabels();
        return;
    }
    Sheet sheet;
    try {
        sheet = previewSheet();
    } catch (const PrinterError& e) {
        MessageBox::show(this, QStringLiteral("미리 볼 수 없습니다.\n") + e.message(),
                         MessageBox::Icon::Stop);
        return;
    }
    PageCollector pages(sheet);
    if (tabPrintDataInfo->currentIndex() == 0) {
        if (!lettersChosen())
            return;
        try {
            layOutLetters(pages, chosenForm(), [](int) { return true; });
        } catch (const StoreError& e) {
            MessageBox::show(this, QStringLiteral("미리 볼 수 없습니다.\n") + e.message(),
                             MessageBox::Icon::Stop);
            return;
        }
    } else if (!layOutGreeting(pages, [this](const QString& detail) {
                   MessageBox::show(this, QStringLiteral("미리 볼 수 없습니다.\n") + detail,
                                    MessageBox::Icon::Stop);
               })) {
        return;
    }
    showPreview(pages.pages, sheet);
}

void PrintWindow::showPreview(const QList<Printer::Page>& pages, const Sheet& sheet) {
    if (pages.isEmpty()) {
        MessageBox::show(this, QStringLiteral("미리 볼 페이지가 없습니다."),
                         MessageBox::Icon::Information);
        return;
    }
    auto* preview = new PreviewWindow(this, pages, sheet);
    preview->show();
}

void PrintWindow::cmdDataPrintExitClick() {
    close();
    personalCursor.reset();
}
