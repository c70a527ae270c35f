#include "AddresseeWindow.h"

#include "AccessReading.h"
#include "AddresseeListModel.h"
#include "ExchangeMenu.h"
#include "lookup/AddresseeSearchDialog.h"
#include "lookup/ZipCodeDialog.h"
#include "print/PrintWindow.h"
#include "sender/SenderDialog.h"
#include "store/AddresseeBook.h"
#include "store/AddresseeFields.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"
#include "ui/KeyboardState.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

namespace {
// What an event does to each button, and whether it starts or ends adding
// and changing: on, off or left alone.
enum Change : char { Keep, On, Off };
struct ButtonChange {
    Change add, update, remove, print, search, zipcode;
    Change adding, changing;
};
// In the order of AddresseeWindow::Event.
const ButtonChange buttonChanges[] = {
    {Keep, Off, Off, Keep, Keep, Off, Keep, Keep},   // start-up: Browse
    {Keep, Keep, Keep, Off, Off, On, On, Keep},      // "입력": Adding
    {Keep, Keep, Keep, On, On, Off, Off, Keep},      // "저장": Browse
    {Off, On, On, Off, Keep, Keep, Keep, Keep},      // grid double-click: Selected
    {Off, Keep, Keep, Keep, Keep, Keep, Keep, Keep}, // search dialog opened
    {Off, On, On, Keep, Keep, Keep, Keep, Keep},     // chosen in the search: Selected
    {Keep, Keep, Off, Keep, Off, On, Keep, On},      // "수정": Editing
    {On, Off, Off, On, On, Off, Keep, Off},          // "확인": Browse
    {On, Off, Off, On, On, Keep, Keep, Keep},        // "삭제", either answer: Browse
    {On, Off, Off, On, On, Keep, Off, Off},          // Escape answered Yes: Browse
};

// X modifier bits of the Caps Lock and Num Lock state.
constexpr quint32 capsLockMask = 0x02;
constexpr quint32 numLockMask = 0x10;
} // namespace

namespace {
using W = AddresseeWindow;
using AddresseeFields::width;
using enum AddresseeFields::Index;
// The controls, each in the control it stands in, in the order they are made.
const Layout::Control<W> addresseeWindowLayout[] = {
    {&W::fraOrvane, "fraOrvane", nullptr, {840, 0, 9735, 6015}, "Orvane-It 기본정보", 11.25},
    {&W::lblCustomerName, "lblCustomerName", "fraOrvane", {480, 480, 0, 0}, "이름"},
    {&W::txtCustomerName,
     "txtCustomerName",
     "fraOrvane",
     {1440, 360, 4335, 405},
     "",
     double(width(Name))},
    {&W::lblCustomerEmail, "lblCustomerEmail", "fraOrvane", {480, 840, 0, 0}, "이메일"},
    {&W::txtCustomerEmail,
     "txtCustomerEmail",
     "fraOrvane",
     {1440, 720, 4335, 390},
     "",
     double(width(Email))},
    {&W::lblCustomerMobilePhone,
     "lblCustomerMobilePhone",
     "fraOrvane",
     {480, 1200, 0, 0},
     "휴대폰"},
    {&W::txtCustomerMobilePhone,
     "txtCustomerMobilePhone",
     "fraOrvane",
     {1440, 1080, 2175, 375},
     "",
     double(width(MobilePhone))},
    {&W::FraCustomerInpomation,
     "FraCustomerInpomation",
     "fraOrvane",
     {360, 1440, 9135, 1095},
     "소속정보"},
    {&W::lblCustomerCompany,
     "lblCustomerCompany",
     "FraCustomerInpomation",
     {120, 360, 0, 0},
     "직장/학교"},
    {&W::txtCustomerCompany,
     "txtCustomerCompany",
     "FraCustomerInpomation",
     {1080, 240, 4335, 375},
     "",
     double(width(Company))},
    {&W::lblCustomerDepartment,
     "lblCustomerDepartment",
     "FraCustomerInpomation",
     {120, 720, 0, 0},
     "부서/학과"},
    {&W::txtCustomerDepartment,
     "txtCustomerDepartment",
     "FraCustomerInpomation",
     {1080, 600, 4335, 375},
     "",
     double(width(Department))},
    {&W::lblCustomerDepartPosition,
     "lblCustomerDepartPosition",
     "FraCustomerInpomation",
     {5640, 720, 0, 0},
     "직급/학년"},
    {&W::txtCustomerDepartPosition,
     "txtCustomerDepartPosition",
     "FraCustomerInpomation",
     {6720, 600, 2175, 375},
     "",
     double(width(DepartPosition))},
    {&W::chkPrintCondition,
     "chkPrintCondition",
     "FraCustomerInpomation",
     {7320, 120, 1695, 375},
     "출력시 미사용"},
    {&W::lblCustomerHomeTelephone,
     "lblCustomerHomeTelephone",
     "fraOrvane",
     {480, 2760, 0, 0},
     "전화(집)"},
    {&W::txtCustomerHomeTelephone,
     "txtCustomerHomeTelephone",
     "fraOrvane",
     {1440, 2640, 2175, 375},
     "",
     double(width(HomeTelephone))},
    {&W::lblCompanyTelephone, "lblCompanyTelephone", "fraOrvane", {480, 3120, 0, 0}, "전화(회사)"},
    {&W::txtCustomerCompanyTelephone,
     "txtCustomerCompanyTelephone",
     "fraOrvane",
     {1440, 3000, 2175, 375},
     "",
     double(width(CompanyTelephone))},
    {&W::lblExtentionNumber, "lblExtentionNumber", "fraOrvane", {4320, 3120, 0, 0}, "내선번호"},
    {&W::txtCustomerExtentionNumber,
     "txtCustomerExtentionNumber",
     "fraOrvane",
     {5280, 3000, 1215, 375},
     "",
     double(width(ExtentionNumber))},
    {&W::lblFacsimile, "lblFacsimile", "fraOrvane", {480, 3480, 0, 0}, "팩스"},
    {&W::txtCustomerFacsimile,
     "txtCustomerFacsimile",
     "fraOrvane",
     {1440, 3360, 2175, 375},
     "",
     double(width(Facsimile))},
    {&W::lblAddr, "lblAddr", "fraOrvane", {480, 3960, 0, 0}, "주소"},
    {&W::cmdSearchZipcode, "cmdSearchZipcode", "fraOrvane", {1440, 3840, 975, 375}, "우편번호"},
    {&W::txtCustomerZipcode,
     "txtCustomerZipcode",
     "fraOrvane",
     {2520, 3840, 900, 375},
     "",
     double(width(Zipcode))},
    {&W::txtCustomerAddress1,
     "txtCustomerAddress1",
     "fraOrvane",
     {3480, 3840, 5415, 375},
     "",
     double(width(Address1))},
    {&W::txtCustomerAddress2,
     "txtCustomerAddress2",
     "fraOrvane",
     {3480, 4200, 5415, 375},
     "",
     double(width(Address2))},
    {&W::lblRemark, "lblRemark", "fraOrvane", {480, 4680, 0, 0}, "메모"},
    {&W::txtCustomerRemark, "txtCustomerRemark", "fraOrvane", {1440, 4680, 7455, 1095}},
    {&W::cmdCustomerExit, "cmdCustomerExit", "fraOrvane", {8040, 480, 1215, 490}, "종료"},
    {&W::cmdCustomerAdd, "cmdCustomerAdd", nullptr, {10680, 240, 1215, 490}, "입력"},
    {&W::cmdCustomerUpdate, "cmdCustomerUpdate", nullptr, {10680, 840, 1215, 490}, "수정"},
    {&W::cmdCustomerDelete, "cmdCustomerDelete", nullptr, {10680, 1440, 1215, 490}, "삭제"},
    {&W::cmdCustomerSearchData, "cmdCustomerSearchData", nullptr, {10680, 2160, 1215, 495}, "검색"},
    {&W::cmdCustomerPrint, "cmdCustomerPrint", nullptr, {10680, 2880, 1215, 490}, "출력"},
    {&W::cmdSearchPersonal, "cmdSearchPersonal", nullptr, {10680, 5520, 1215, 490}, "개인정보"},
    {&W::fraDataList, "fraDataList", nullptr, {480, 6120, 10815, 2175}, "입력 Data List", 11.25},
    {&W::grdDataList, "grdDataList", "fraDataList", {120, 360, 10455, 1695}},
    {&W::stbStatusbar, "stbStatusbar", nullptr, {0, 8400, 12045, 375}},
};
} // namespace

std::span<const Layout::Control<AddresseeWindow>> AddresseeWindow::layout() {
    return addresseeWindowLayout;
}

AddresseeWindow::AddresseeWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AddresseeWindow"));
    setWindowTitle(QStringLiteral("Orvane-It"));
    setFont(Fonts::font(QStringLiteral("바탕체"), 9));
    Twips::setClientSize(this, 12045, 8775);
    Layout::build(this, layout());
    InputMethod::latinOnly(txtCustomerEmail);
    for (QLabel* narrow : {lblCustomerDepartment, lblCompanyTelephone}) {
        narrow->setFont(Fonts::gulim(9));
        narrow->adjustSize();
    }
    txtCustomerRemark->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCustomerRemark->setTabChangesFocus(true);
    setUpGrid();
    setUpStatusBar();

    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setInterval(1000);
    connect(tmrTimer, &QTimer::timeout, this, &AddresseeWindow::tmrTimerTick);
    tmrTimer->start();
    tmrTimerTick();
    updateKeyPanels(KeyboardState::nativeModifiers().value_or(0));

    setUpKeyboard();
    connectControls();
    new ExchangeMenu(this);
    qApp->installEventFilter(this);
    Controls::centre(this);
}

void AddresseeWindow::setUpGrid() {
    grdDataList->setModel(gridRows = new AddresseeListModel(this));
    grdDataList->horizontalHeader()->setFont(Fonts::gulim());
    grdDataList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDataList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDataList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDataList->verticalHeader()->hide();
    grdDataList->verticalHeader()->setDefaultSectionSize(Twips::toPixels(300));
    grdDataList->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdDataList->horizontalHeader()->setHighlightSections(false);
    Controls::fixedColumn(grdDataList, 0);
    const QFontMetrics metrics(Fonts::gulim());
    grdDataList->setColumnWidth(0, Twips::toPixels(200));
    for (int c = 0; c < 7; ++c) {
        grdDataList->setColumnWidth(
            c + 1, metrics.horizontalAdvance(AddresseeListModel::widthSample(c + 1)));
    }
    // seq shows its five digits in full, with the cell's margins; the
    // digits' width has a fraction that the cell must hold too.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    const double digits = QFontMetricsF(Fonts::gulim()).horizontalAdvance(QStringLiteral("00000"));
    grdDataList->setColumnWidth(
        1, qMax(grdDataList->columnWidth(1), int(std::ceil(digits)) + margins));
}

void AddresseeWindow::setUpStatusBar() {
    stbStatusbar->setSizeGripEnabled(false);
    const int panelWidths[5] = {8300, 550, 650, 750, 1440};
    const char* panelTexts[5] = {"", "INS", "NUM", "CAPS", ""};
    for (int i = 0; i < 5; ++i) {
        stbPanels[i] = new QLabel(QString::fromLatin1(panelTexts[i]), stbStatusbar);
        stbPanels[i]->setObjectName(QStringLiteral("stbPanel%1").arg(i + 1));
        stbPanels[i]->setFrameShape(QFrame::Panel);
        stbPanels[i]->setFrameShadow(QFrame::Sunken);
        stbPanels[i]->setFixedWidth(Twips::toPixels(panelWidths[i]));
        stbPanels[i]->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        stbStatusbar->addWidget(stbPanels[i]);
    }
}

void AddresseeWindow::setUpKeyboard() {
    using Controls::nameAfter;
    nameAfter(lblCustomerName, {txtCustomerName});
    nameAfter(lblCustomerEmail, {txtCustomerEmail});
    nameAfter(lblCustomerMobilePhone, {txtCustomerMobilePhone});
    nameAfter(lblCustomerCompany, {txtCustomerCompany});
    nameAfter(lblCustomerDepartment, {txtCustomerDepartment});
    nameAfter(lblCustomerDepartPosition, {txtCustomerDepartPosition});
    nameAfter(lblCustomerHomeTelephone, {txtCustomerHomeTelephone});
    nameAfter(lblCompanyTelephone, {txtCustomerCompanyTelephone});
    nameAfter(lblExtentionNumber, {txtCustomerExtentionNumber});
    nameAfter(lblFacsimile, {txtCustomerFacsimile});
    nameAfter(lblAddr, {txtCustomerZipcode, txtCustomerAddress1, txtCustomerAddress2});
    nameAfter(lblRemark, {txtCustomerRemark});
    grdDataList->setAccessibleName(fraDataList->title());
    Controls::tabOrder(keyboardOrder());
}

QList<QWidget*> AddresseeWindow::keyboardOrder() const {
    return {txtCustomerName,
            txtCustomerEmail,
            txtCustomerMobilePhone,
            txtCustomerCompany,
            txtCustomerDepartment,
            txtCustomerDepartPosition,
            txtCustomerHomeTelephone,
            txtCustomerCompanyTelephone,
            txtCustomerExtentionNumber,
            txtCustomerFacsimile,
            cmdSearchZipcode,
            txtCustomerRemark,
            cmdCustomerAdd,
            txtCustomerZipcode,
            txtCustomerAddress1,
            txtCustomerAddress2,
            cmdCustomerUpdate,
            cmdCustomerDelete,
            cmdCustomerPrint,
            cmdCustomerExit,
            grdDataList,
            chkPrintCondition,
            cmdSearchPersonal,
            cmdCustomerSearchData};
}

void AddresseeWindow::connectControls() {
    connect(cmdCustomerAdd, &QPushButton::clicked, this, &AddresseeWindow::cmdCustomerAddClick);
    connect(cmdCustomerUpdate, &QPushButton::clicked, this,
            &AddresseeWindow::cmdCustomerUpdateClick);
    connect(cmdCustomerDelete, &QPushButton::clicked, this,
            &AddresseeWindow::cmdCustomerDeleteClick);
    connect(cmdCustomerPrint, &QPushButton::clicked, this, &AddresseeWindow::cmdCustomerPrintClick);
    connect(cmdCustomerSearchData, &QPushButton::clicked, this,
            &AddresseeWindow::cmdCustomerSearchDataClick);
    connect(cmdSearchPersonal, &QPushButton::clicked, this,
            &AddresseeWindow::cmdSearchPersonalClick);
    connect(cmdSearchZipcode, &QPushButton::clicked, this, &AddresseeWindow::cmdSearchZipcodeClick);
    connect(cmdCustomerExit, &QPushButton::clicked, this, &AddresseeWindow::cmdCustomerExitClick);
    connect(chkPrintCondition, &QCheckBox::stateChanged, this,
            &AddresseeWindow::chkPrintConditionClick);
    connect(grdDataList, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { grdDataListDoubleClick(index.row()); });
}

bool AddresseeWindow::load() {
    // Whatever fails on the way in is told, and the file is left as it is.
    if (!AccessReading::offerConversion(this, AppPaths::addressBookPath()))
        return false;
    try {
        AddresseeBook::startUp();
        showRecord(0);
        gridRows->setBook(AddresseeBook::shared());
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return false;
    }
    setButtons(Event::StartUp);
    return true;
}

std::array<AddresseeWindow::BoundBox, 15> AddresseeWindow::fields() const {
    using enum AddresseeFields::Index;
    return {{{txtCustomerName, Name},
             {txtCustomerEmail, Email},
             {txtCustomerMobilePhone, MobilePhone},
             {chkPrintCondition, PrintCondition},
             {txtCustomerCompany, Company},
             {txtCustomerDepartment, Department},
             {txtCustomerDepartPosition, DepartPosition},
             {txtCustomerHomeTelephone, HomeTelephone},
             {txtCustomerCompanyTelephone, CompanyTelephone},
             {txtCustomerExtentionNumber, ExtentionNumber},
             {txtCustomerFacsimile, Facsimile},
             {txtCustomerZipcode, Zipcode},
             {txtCustomerAddress1, Address1},
             {txtCustomerAddress2, Address2},
             // Shown as stored: an added blank would grow the remark with every save.
             {txtCustomerRemark, Remark}}};
}

void AddresseeWindow::setButtons(Event event) {
    const ButtonChange& change = buttonChanges[int(event)];
    const std::pair<QPushButton*, Change> buttons[] = {
        {cmdCustomerAdd, change.add},           {cmdCustomerUpdate, change.update},
        {cmdCustomerDelete, change.remove},     {cmdCustomerPrint, change.print},
        {cmdCustomerSearchData, change.search}, {cmdSearchZipcode, change.zipcode}};
    for (const auto& [button, to] : buttons) {
        if (to != Keep)
            button->setEnabled(to == On);
    }
    if (change.adding != Keep)
        editing.adding = change.adding == On;
    if (change.changing != Keep)
        editing.changing = change.changing == On;
    // The second click of each stores.
    cmdCustomerAdd->setText(editing.adding ? QStringLiteral("저장") : QStringLiteral("입력"));
    cmdCustomerUpdate->setText(editing.changing ? QStringLiteral("확인") : QStringLiteral("수정"));
    emit typingChanged(typing());
}

bool AddresseeWindow::typing() const {
    return editing.adding || editing.changing;
}

void AddresseeWindow::showRecord(int place) {
    const AddresseeBook& book = *AddresseeBook::shared();
    if (book.count() == 0) {
        MessageBox::show(
            this, QStringLiteral("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"),
            MessageBox::Icon::Question);
        return;
    }
    place = std::clamp(place, 0, book.count() - 1);
    for (const BoundBox& f : fields())
        Controls::setBoxValue(f.box, book.value(place, f.field));
    stbPanels[0]->setText(QStringLiteral("record : %1 / %2").arg(place + 1).arg(book.count()));
    shown = book.value(place, AddresseeFields::Seq);
}

void AddresseeWindow::clearBoxes() {
    for (const BoundBox& f : fields())
        Controls::setBoxValue(f.box, QString());
}

QStringList AddresseeWindow::boxValues() const {
    QStringList values = AddresseeFields::emptyRow();
    for (const BoundBox& f : fields())
        values[f.field] = Controls::boxValue(f.box);
    return values;
}

void AddresseeWindow::showFailure(const QString& what, const QString& detail) {
    MessageBox::show(this, what + QLatin1Char('\n') + detail, MessageBox::Icon::Stop);
}

bool AddresseeWindow::shownRecordFound() {
    if (!shown.isEmpty() && AddresseeBook::shared()->placeOf(shown) >= 0)
        return true;
    MessageBox::show(this, QStringLiteral("화면의 데이타를 찾을 수 없습니다.\n다시 선택하십시요"),
                     MessageBox::Icon::Exclamation);
    return false;
}

bool AddresseeWindow::storeBoxes(bool adding) {
    AddresseeBook& book = *AddresseeBook::shared();
    QString seq = shown;
    try {
        if (adding)
            seq = book.add(boxValues());
        else
            book.update(seq, boxValues());
    } catch (const StoreError& e) {
        showFailure(adding ? QStringLiteral("입력한 데이타를 저장하지 못했습니다.")
                           : QStringLiteral("수정한 데이타를 저장하지 못했습니다."),
                    e.message());
        return false;
    }
    // The stored row, in its place in the list.
    showRecord(book.placeOf(seq));
    return true;
}

void AddresseeWindow::cmdCustomerAddClick() {
    if (!editing.adding) {
        setButtons(Event::AddStarted);
        clearBoxes();
        txtCustomerName->setFocus();
        return;
    }
    if (storeBoxes(true))
        setButtons(Event::Added);
}

void AddresseeWindow::cmdCustomerUpdateClick() {
    if (!editing.changing)
        setButtons(Event::EditStarted);
    else if (shownRecordFound() && storeBoxes(false))
        setButtons(Event::Edited);
}

void AddresseeWindow::cmdCustomerDeleteClick() {
    const MessageBox::Answer answer = MessageBox::show(
        this, QStringLiteral("삭제 하시겠습니까?\n삭제시 영구히 삭제되며\n되살릴 수 없습니다"),
        MessageBox::Icon::Exclamation, MessageBox::Buttons::YesNo);
    if (answer == MessageBox::Answer::Yes) {
        if (!shownRecordFound())
            return;
        AddresseeBook& book = *AddresseeBook::shared();
        try {
            book.remove(shown);
        } catch (const StoreError& e) {
            showFailure(QStringLiteral("데이타를 삭제하지 못했습니다."), e.message());
            return;
        }
        if (book.count() == 0) {
            clearBoxes();
            shown.clear();
            gridRows->setHeadersShown(false);
            MessageBox::show(this, QStringLiteral("모든 데이타가 다 지워졌습니다"),
                             MessageBox::Icon::Information);
            setButtons(Event::DeleteAnswered);
            return;
        }
        // The window shows the second row of the list, not the one after the deleted row.
        showRecord(1);
    }
    setButtons(Event::DeleteAnswered);
}

void AddresseeWindow::cmdCustomerPrintClick() {
    PrintWindow::open();
}

void AddresseeWindow::cmdCustomerSearchDataClick() {
    setButtons(Event::SearchOpened);
    if (AddresseeSearchDialog* dialog = AddresseeSearchDialog::open())
        connect(dialog, &AddresseeSearchDialog::chosen, this, &AddresseeWindow::showChosen,
                Qt::UniqueConnection);
}

void AddresseeWindow::showChosen(const QString& seq) {
    const AddresseeBook* book = AddresseeBook::shared();
    const int place = seq.isEmpty() || !book ? -1 : book->placeOf(seq);
    if (place >= 0)
        showRecord(place);
    setButtons(Event::RowChosen);
}

void AddresseeWindow::cmdSearchPersonalClick() {
    SenderDialog::open();
}

void AddresseeWindow::cmdSearchZipcodeClick() {
    ZipCodeDialog::openFor(this, {txtCustomerZipcode, txtCustomerAddress1, txtCustomerAddress2});
}

void AddresseeWindow::cmdCustomerExitClick() {
    if (AddresseeBook* book = AddresseeBook::shared())
        book->close();
    close();
}

void AddresseeWindow::chkPrintConditionClick() {
    chkPrintCondition->setText(chkPrintCondition->isChecked() ? QStringLiteral("출력시 사용")
                                                              : QStringLiteral("출력시 미사용"));
}

void AddresseeWindow::grdDataListDoubleClick(int row) {
    const QString text = gridRows->index(row, 1).data().toString();
    // The longest leading part of at most five characters that ends in a digit.
    QString key;
    for (qsizetype n = qMin<qsizetype>(5, text.size()); n > 0; --n) {
        const QChar c = text[n - 1];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            key = text.left(n);
            break;
        }
    }
    while (key.startsWith(QLatin1Char(' ')))
        key.remove(0, 1);
    // A double-click on an empty grid finds nothing and is ignored.
    const int place = key.isEmpty() ? -1 : AddresseeBook::shared()->placeOf(key);
    if (place < 0)
        return;
    showRecord(place);
    setButtons(Event::RowSelected);
}

void AddresseeWindow::tmrTimerTick() {
    const QDateTime now = QDateTime::currentDateTime();
    stbPanels[4]->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
    stbPanels[4]->setToolTip(QLocale::system().toString(now.date(), QLocale::LongFormat));
}

void AddresseeWindow::updateKeyPanels(quint32 nativeModifiers) {
    stbPanels[1]->setEnabled(insertMode);
    stbPanels[2]->setEnabled(nativeModifiers & numLockMask);
    stbPanels[3]->setEnabled(nativeModifiers & capsLockMask);
}

bool AddresseeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Insert &&
            !key->isAutoRepeat() && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this)
            insertMode = !insertMode;
        updateKeyPanels(KeyboardState::nativeModifiers().value_or(key->nativeModifiers()));
    }
    if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
        return previewInput(watched, event);
    return false;
}

void AddresseeWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
