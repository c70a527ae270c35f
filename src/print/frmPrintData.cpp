#include "frmPrintData.h"

#include "store/AddressBook.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

namespace {
// Controls on a tab page are placed from the top of the tab control, the
// tab strip included.
constexpr int tabStrip = 340;

QString rightTrimmed(const QString& text) {
    return LetterForms::trimmed(text);
}
} // namespace

frmPrintData::frmPrintData(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("frmPrintData"));
    setWindowTitle(QStringLiteral("Letter Form 출력"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 11310, 8670);

    fraLetterForm =
        frame(this, "fraLetterForm", QStringLiteral("Letter Form"), 480, 120, 3855, 1695);
    fraLetterForm->setFont(Fonts::gulim());
    optLetterTypeQA3801 =
        option(fraLetterForm, "optLetterTypeQA3801", QStringLiteral("QA3801"), 360, 240, 1815, 375);
    optLetterTypeQB3802 =
        option(fraLetterForm, "optLetterTypeQB3802", QStringLiteral("QB3802"), 360, 600, 1695, 255);
    optLetterTypeQC3803 =
        option(fraLetterForm, "optLetterTypeQC3803", QStringLiteral("QC3803"), 360, 960, 1455, 255);
    optLetterTypeQD3805 = option(fraLetterForm, "optLetterTypeQD3805",
                                 QStringLiteral("QD3805 (A4 6절봉투)"), 360, 1320, 2415, 225);
    lblPrinterFont =
        label(this, "lblPrinterFont", QStringLiteral("출력서체"), 4560, 1560, 780, 195);
    cboPrinterFont = new QComboBox(this);
    cboPrinterFont->setObjectName(QStringLiteral("cboPrinterFont"));
    cboPrinterFont->setFont(Fonts::gulim());
    cboPrinterFont->setEditable(true);
    cboPrinterFont->setInsertPolicy(QComboBox::NoInsert);
    Twips::place(cboPrinterFont, 5520, 1440, 2775, 315);
    cmdDataPrintExit =
        button(this, "cmdDataPrintExit", QStringLiteral("종료"), 9600, 1320, 1215, 490);

    tabPrintDataInfo = new QTabWidget(this);
    tabPrintDataInfo->setObjectName(QStringLiteral("tabPrintDataInfo"));
    tabPrintDataInfo->setFont(Fonts::gulim());
    Twips::place(tabPrintDataInfo, 480, 2040, 10335, 6255);
    auto* letterTab = new QWidget;
    auto* specialTab = new QWidget;
    tabPrintDataInfo->addTab(letterTab, QStringLiteral("입력 Data 출력"));
    tabPrintDataInfo->addTab(specialTab, QStringLiteral("Special Form 출력"));

    fraPrintlist = frame(letterTab, "fraPrintlist", QStringLiteral("Print Data"), 240,
                         340 - tabStrip, 9855, 5655);
    fraPrintlist->setFont(Fonts::gulim());
    QWidget* P = fraPrintlist;
    lblDataAllList =
        label(P, "lblDataAllList", QStringLiteral("입력된 Data List"), 720, 360, 2055, 375);
    lstDataAllList = keyedList(P, "lstDataAllList", 720, 600, 3615, 4155);
    lblPrintSelectData =
        label(P, "lblPrintSelectData", QStringLiteral("출력할 Data List"), 5400, 360, 2055, 375);
    lstDataPrintList = keyedList(P, "lstDataPrintList", 5400, 600, 3615, 4155);
    for (QListWidget* list : {lstDataAllList, lstDataPrintList}) {
        list->setSortingEnabled(true);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    cmdEachDataSelect = button(P, "cmdEachDataSelect", QStringLiteral(">"), 4560, 1800, 615, 375);
    cmdAllDataSelect = button(P, "cmdAllDataSelect", QStringLiteral(">>"), 4560, 2160, 615, 375);
    cmdEachDataRemove = button(P, "cmdEachDataRemove", QStringLiteral("<"), 4560, 2520, 615, 375);
    cmdAllDataRemove = button(P, "cmdAllDataRemove", QStringLiteral("<<"), 4560, 2880, 615, 375);
    lblPostScript = label(P, "lblPostScript", QStringLiteral("추신"), 240, 5160, 390, 195);
    txtPostScript = textBox(P, "txtPostScript", 720, 5040, 4215, 330, 30);
    fraOnlyMyInfo = frame(P, "fraOnlyMyInfo", QString(), 5040, 4800, 2895, 615);
    chkPersonInfoPrint = checkBox(fraOnlyMyInfo, "chkPersonInfoPrint", QStringLiteral("내 정보만 "),
                                  120, 240, 1215, 255);
    txtNumberOfCopies = textBox(fraOnlyMyInfo, "txtNumberOfCopies", 1320, 240, 615, 285, 3);
    lblNumberOfCopies =
        label(fraOnlyMyInfo, "lblNumberOfCopies", QStringLiteral("부 출력"), 2040, 240, 645, 195);
    cmdDataPrint = button(P, "cmdDataPrint", QStringLiteral("인쇄"), 8160, 4920, 1215, 490);

    fraSpecialForm = frame(specialTab, "fraSpecialForm", QStringLiteral("Special Form"), 2400,
                           720 - tabStrip, 2775, 4935);
    fraSpecialForm->setFont(Fonts::gulim());
    QWidget* S = fraSpecialForm;
    optMarried_1 = option(S, "optMarried_1", QStringLiteral("축 결 혼"), 840, 480, 1215, 255);
    optMarried_2 = option(S, "optMarried_2", QStringLiteral("축 화 혼"), 840, 840, 1215, 255);
    optGrowth = option(S, "optGrowth", QStringLiteral("축 발 전"), 840, 1200, 1095, 255);
    optHundredday = option(S, "optHundredday", QStringLiteral("백 일"), 840, 1560, 1095, 255);
    optFirstBirthday = option(S, "optFirstBirthday", QStringLiteral("축 돌"), 840, 1920, 1095, 255);
    optBirthday = option(S, "optBirthday", QStringLiteral("생 신(일)"), 840, 2280, 1335, 255);
    optSixtyBirthday =
        option(S, "optSixtyBirthday", QStringLiteral("축 회 갑"), 840, 2640, 1095, 255);
    optSeventyBirthday =
        option(S, "optSeventyBirthday", QStringLiteral("축 고 희"), 840, 3000, 1095, 255);
    optEightyBirthday =
        option(S, "optEightyBirthday", QStringLiteral("축 팔 순"), 840, 3360, 1215, 255);
    optTreatment = option(S, "optTreatment", QStringLiteral("쾌 유"), 840, 3720, 1095, 255);
    optCondolence = option(S, "optCondolence", QStringLiteral("부 의"), 840, 4080, 855, 225);
    cmdSpecialFormPrint = button(specialTab, "cmdSpecialFormPrint", QStringLiteral("인쇄"), 6720,
                                 5160 - tabStrip, 1215, 490);

    connect(cboPrinterFont, &QComboBox::activated, this, &frmPrintData::cboPrinterFont_Click);
    connect(chkPersonInfoPrint, &QCheckBox::stateChanged, this,
            &frmPrintData::chkPersonInfoPrint_Click);
    connect(cmdEachDataSelect, &QPushButton::clicked, this, &frmPrintData::cmdEachDataSelect_Click);
    connect(cmdAllDataSelect, &QPushButton::clicked, this, &frmPrintData::cmdAllDataSelect_Click);
    connect(cmdEachDataRemove, &QPushButton::clicked, this, &frmPrintData::cmdEachDataRemove_Click);
    connect(cmdAllDataRemove, &QPushButton::clicked, this, &frmPrintData::cmdAllDataRemove_Click);
    connect(cmdDataPrint, &QPushButton::clicked, this, &frmPrintData::cmdDataPrint_Click);
    connect(cmdSpecialFormPrint, &QPushButton::clicked, this,
            &frmPrintData::cmdSpecialFormPrint_Click);
    connect(cmdDataPrintExit, &QPushButton::clicked, this, &frmPrintData::cmdDataPrintExit_Click);
    centre(this);
}

QString frmPrintData::ListLine(const Recordset& customer) {
    const QString name = customer.field(QStringLiteral("name"));
    const QString affiliation = customer.field(QStringLiteral("company")) + QLatin1Char(' ') +
                                customer.field(QStringLiteral("department"));
    const QString head = rightTrimmed(name).isEmpty() ? QString(12, QLatin1Char(' ')) + affiliation
                                                      : name + QStringLiteral("  ") + affiliation;
    return head + QString(100, QLatin1Char(' ')) + customer.field(QStringLiteral("seq"));
}

bool frmPrintData::Form_Load() {
    QStringList fonts;
    try {
        fonts = PrinterLayer::printer().fonts();
    } catch (const PrinterError&) {
        MessageBox::show(this,
                         QStringLiteral("프린터가 설치되어 있지 않거나,\n"
                                        "기본프린터가 설정되어 있지 않습니다.\n"
                                        "프린터설정을 확인하시기 바랍니다."),
                         MessageBox::Icon::Stop);
        return false;
    }
    senderRow();
    lstDataAllList->clear();
    if (Recordset* customers = Module1::CustomerCursor.get()) {
        QStringList lines;
        lines.reserve(customers->recordCount());
        if (customers->recordCount() > 0) {
            for (customers->moveFirst(); !customers->eof(); customers->moveNext())
                lines << ListLine(*customers);
        }
        lstDataAllList->addItems(lines);
    }
    fonts.sort(Qt::CaseInsensitive);
    cboPrinterFont->addItems(fonts);
    optLetterTypeQA3801->setChecked(true);
    if (cboPrinterFont->count() > 0) {
        cboPrinterFont->setCurrentIndex(0);
        cboPrinterFont_Click();
    }
    txtPostScript->setText(QString());
    txtNumberOfCopies->setText(QString());
    return true;
}

const Recordset* frmPrintData::senderRow() {
    try {
        if (!PersonalCursor)
            PersonalCursor =
                std::make_unique<Recordset>(AddressBook::open(), AddressBook::PersonalTable);
        else
            PersonalCursor->requery();
    } catch (const StoreError&) {
        PersonalCursor.reset();
        return nullptr;
    }
    return PersonalCursor->recordCount() > 0 ? PersonalCursor.get() : nullptr;
}

void frmPrintData::cboPrinterFont_Click() {
    const QString face = cboPrinterFont->currentText();
    if (face.startsWith(QLatin1Char('@'))) {
        VerticalFontName = face;
        HorizontalFontName = rightTrimmed(face.mid(1, 50));
    } else {
        HorizontalFontName = face;
        VerticalFontName = QLatin1Char('@') + face;
    }
}

void frmPrintData::chkPersonInfoPrint_Click() {
    const bool senderOnly = chkPersonInfoPrint->isChecked();
    if (senderOnly) {
        moveLines(lstDataPrintList, lstDataAllList, false);
        txtNumberOfCopies->setText(QStringLiteral("1"));
    } else {
        txtNumberOfCopies->setText(QString());
    }
    enableLists(!senderOnly);
}

void frmPrintData::enableLists(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{lstDataAllList, lstDataPrintList, cmdEachDataSelect,
                                         cmdAllDataSelect, cmdEachDataRemove, cmdAllDataRemove})
        control->setEnabled(enabled);
}

void frmPrintData::moveLines(QListWidget* from, QListWidget* to, bool selectedOnly) {
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

void frmPrintData::cmdEachDataSelect_Click() {
    chkPersonInfoPrint->setChecked(false);
    moveLines(lstDataAllList, lstDataPrintList, true);
}

void frmPrintData::cmdAllDataSelect_Click() {
    chkPersonInfoPrint->setChecked(false);
    moveLines(lstDataAllList, lstDataPrintList, false);
}

void frmPrintData::cmdEachDataRemove_Click() {
    moveLines(lstDataPrintList, lstDataAllList, true);
}

void frmPrintData::cmdAllDataRemove_Click() {
    moveLines(lstDataPrintList, lstDataAllList, false);
}

void frmPrintData::cmdDataPrint_Click() {
    if (lstDataPrintList->count() == 0 && !chkPersonInfoPrint->isChecked()) {
        MessageBox::show(this, QStringLiteral("출력하려는 데이타가 없습니다!"),
                         MessageBox::Icon::Stop);
        return;
    }
    PrinterLayer::printer().setPaperA4();
    if (optLetterTypeQA3801->isChecked())
        PrintLetterTypeA();
    else if (optLetterTypeQB3802->isChecked())
        PrintLetterTypeB();
    else if (optLetterTypeQC3803->isChecked())
        PrintLetterTypeC();
    else if (optLetterTypeQD3805->isChecked())
        PrintLetterTypeD();
}

void frmPrintData::PrintLetterTypeA() {
    printLetters(LetterForms::QA3801);
}
void frmPrintData::PrintLetterTypeB() {
    printLetters(LetterForms::QB3802);
}
void frmPrintData::PrintLetterTypeC() {
    printLetters(LetterForms::QC3803);
}
void frmPrintData::PrintLetterTypeD() {
    printLetters(LetterForms::QD3805);
}

namespace {
void startPage(Printer& printer) {
    printer.followDefaultPrinter();
    printer.setLandscape();
    printer.setCurrentX(0);
    printer.setCurrentY(0);
}
} // namespace

void frmPrintData::printLetters(const LetterForm& form) {
    Printer& printer = PrinterLayer::printer();
    printer.setFontName(HorizontalFontName);
    const Recordset* sender = senderRow();
    const QString postscript = txtPostScript->text();
    try {
        if (chkPersonInfoPrint->isChecked()) {
            const int copies = LetterForms::numberAtStart(txtNumberOfCopies->text());
            for (int k = 1; k <= copies; ++k) {
                startPage(printer);
                LetterForms::printSender(printer, form, sender);
                LetterForms::printSenderOnlyPostscript(printer, form, postscript);
                printer.endDoc();
                if (copies > k)
                    printer.newPage();
            }
        } else {
            Recordset* customers = Module1::CustomerCursor.get();
            if (customers && !customers->isOpen())
                customers->requery();
            const int entries = lstDataPrintList->count();
            for (int i = 0; i < entries; ++i) {
                const QString line = lstDataPrintList->item(0)->text();
                // An addressee deleted since the window opened is skipped.
                if (customers &&
                    customers->findFirst(QStringLiteral("seq"), Controls::lineKey(line))) {
                    startPage(printer);
                    LetterForms::printSender(printer, form, sender);
                    LetterForms::printAddressee(printer, form, *customers, postscript);
                    printer.endDoc();
                    if (entries >= 2)
                        printer.newPage();
                }
                delete lstDataPrintList->takeItem(0);
                lstDataAllList->addItem(line);
            }
        }
    } catch (const PrinterError& e) {
        reportPrinterFailure(e.message());
        return;
    } catch (const StoreError& e) {
        reportPrinterFailure(e.message());
        return;
    }
    chkPersonInfoPrint->setChecked(false);
    enableLists(true);
    txtPostScript->setText(QString());
    txtNumberOfCopies->setText(QString());
}

void frmPrintData::reportPrinterFailure(const QString& detail) {
    MessageBox::show(
        this,
        QStringLiteral("인쇄하지 못했습니다.\n") + detail +
            QStringLiteral("\n출력하지 못한 데이타는 출력할 Data List에 남아 있습니다."),
        MessageBox::Icon::Stop);
}

void frmPrintData::cmdSpecialFormPrint_Click() {
    if (optLetterTypeQD3805->isChecked()) {
        MessageBox::show(this,
                         QStringLiteral("QD3805 TYPE은 Special Form으로    \r\n"
                                        "출력하지 못합니다.                "),
                         MessageBox::Icon::Stop);
        return;
    }
    // The greetings keep their exact code points, compatibility ideographs
    // included: 祝 生 辰 ends in U+F971, not U+8FB0.
    const struct {
        QRadioButton* option;
        const char16_t* greeting;
    } greetings[] = {
        {optMarried_1, u" \u795D \u7D50 \u5A5A"},     {optMarried_2, u"\u795D \u83EF \u5A5A"},
        {optGrowth, u"\u795D \u767C \u5C55"},         {optHundredday, u"\u795D \u767E \u65E5"},
        {optFirstBirthday, u"\uCD95 \uCCAB \uB3CC"},  {optBirthday, u"\u795D \u751F \uF971"},
        {optSixtyBirthday, u"\u795D \u58FD \u7B75"},  {optSeventyBirthday, u"\u795D \u53E4 \u7A00"},
        {optEightyBirthday, u"\u795D \u5098 \u58FD"}, {optTreatment, u"\u5FEB   \u7652"},
        {optCondolence, u"\u8CFB   \u5100"}};
    QString greeting;
    for (const auto& g : greetings) {
        if (g.option->isChecked()) {
            greeting = QString::fromUtf16(g.greeting);
            break;
        }
    }
    if (greeting.isEmpty()) {
        MessageBox::show(
            this, QStringLiteral("출력하고자 하는 Special Form을    \r\n지정하지 않았습니다"),
            MessageBox::Icon::Stop);
        return;
    }

    // Without a sender row the greeting is printed alone.
    const Recordset* sender = senderRow();
    auto filled = [sender](const char* column) {
        const QString value = sender ? sender->field(QString::fromLatin1(column)) : QString();
        return LetterForms::isEmpty(value) ? QString() : value;
    };
    const QString company = filled("company");
    const QString position = filled("departposition");
    const QString name = filled("name");
    Printer& printer = PrinterLayer::printer();
    auto senderLines = [&](const QString& face, int x, int y, std::optional<int> nameY) {
        if (!sender)
            return;
        printer.setFontName(face);
        printer.setFontSize(18);
        printer.setCurrentX(x);
        printer.setCurrentY(y);
        printer.print(company);
        if (nameY)
            printer.setCurrentY(*nameY);
        else
            printer.printBlankLine();
        printer.setCurrentX(x);
        if (!position.isEmpty())
            printer.print(position + QLatin1Char(' ') + name);
        else if (!name.isEmpty())
            printer.print(name);
    };
    auto greetingLine = [&](const QString& face, int x, int y) {
        printer.setFontName(face);
        printer.setFontSize(56);
        printer.setCurrentX(x);
        printer.setCurrentY(y);
        printer.print(greeting);
    };
    try {
        printer.setPaperA4();
        startPage(printer);
        if (optLetterTypeQA3801->isChecked()) {
            senderLines(VerticalFontName, 7780, 990, std::nullopt);
            greetingLine(QStringLiteral("@굴림체"), 4030, 5649);
        } else if (optLetterTypeQB3802->isChecked()) {
            greetingLine(QStringLiteral("굴림체"), 5764, 3354);
            senderLines(HorizontalFontName, 10370, 5748, 6300);
        } else {
            greetingLine(QStringLiteral("굴림체"), 5180, 4000);
            senderLines(HorizontalFontName, 9800, 6344, 6840);
        }
        printer.endDoc();
    } catch (const PrinterError& e) {
        MessageBox::show(this, QStringLiteral("인쇄하지 못했습니다.\n") + e.message(),
                         MessageBox::Icon::Stop);
    }
}

void frmPrintData::cmdDataPrintExit_Click() {
    close();
    PersonalCursor.reset();
}
