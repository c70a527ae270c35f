#include "AddresseeWindow.h"

#include "AccessReading.h"
#include "AddresseeListModel.h"
#include "ExchangeMenu.h"
#include "lookup/AddresseeSearchDialog.h"
#include "lookup/ZipCodeDialog.h"
#include "print/PrintWindow.h"
#include "sender/SenderDialog.h"
#include "store/AddressBook.h"
#include "store/AddresseeFields.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"
#include "ui/KeyboardState.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

using AppState::CustomerCursor;

namespace {
const QString captionAdd = QStringLiteral("입력");
const QString captionUpdate = QStringLiteral("수정");

// What an event does to each button: enabled, disabled or left alone; and
// the caption it gives the add and change buttons (nullptr: unchanged).
enum Change : char { Keep, On, Off };
struct ButtonChange {
    Change add, update, remove, print, search, zipcode;
    const char* addCaption;
    const char* updateCaption;
};
// In the order of AddresseeWindow::Event.
const ButtonChange buttonChanges[] = {
    {Keep, Off, Off, Keep, Keep, Off, nullptr, nullptr},   // start-up: Browse
    {Keep, Keep, Keep, Off, Off, On, "저장", nullptr},     // "입력": Adding
    {Keep, Keep, Keep, On, On, Off, "입력", nullptr},      // "저장": Browse
    {Off, On, On, Off, Keep, Keep, nullptr, nullptr},      // grid double-click: Selected
    {Off, Keep, Keep, Keep, Keep, Keep, nullptr, nullptr}, // search dialog opened
    {Off, On, On, Keep, Keep, Keep, nullptr, nullptr},     // chosen in the search: Selected
    {Keep, Keep, Off, Keep, Off, On, nullptr, "확인"},     // "수정": Editing
    {On, Off, Off, On, On, Off, nullptr, "수정"},          // "확인": Browse
    {On, Off, Off, On, On, Keep, nullptr, nullptr},        // "삭제", either answer: Browse
    {On, Off, Off, On, On, Keep, "입력", "수정"},          // Escape answered Yes: Browse
};

// X modifier bits of the Caps Lock and Num Lock state.
constexpr quint32 capsLockMask = 0x02;
constexpr quint32 numLockMask = 0x10;
} // namespace

AddresseeWindow::AddresseeWindow(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    // The boxes hold as many characters as their columns.
    using AddresseeFields::width;
    using enum AddresseeFields::Index;
    setObjectName(QStringLiteral("AddresseeWindow"));
    setWindowTitle(QStringLiteral("Orvane-It"));
    setFont(Fonts::font(QStringLiteral("바탕체"), 9));
    Twips::setClientSize(this, 12045, 8775);

    fraOrvane =
        frame(this, "fraOrvane", QStringLiteral("Orvane-It 기본정보"), 840, 0, 9735, 6015, 11.25);
    QWidget* B = fraOrvane;
    lblCustomerName = label(B, "lblCustomerName", QStringLiteral("이름"), 480, 480);
    txtCustomerName = textBox(B, "txtCustomerName", 1440, 360, 4335, 405, width(Name));
    lblCustomerEmail = label(B, "lblCustomerEmail", QStringLiteral("이메일"), 480, 840);
    txtCustomerEmail = textBox(B, "txtCustomerEmail", 1440, 720, 4335, 390, width(Email));
    InputMethod::latinOnly(txtCustomerEmail);
    lblCustomerMobilePhone =
        label(B, "lblCustomerMobilePhone", QStringLiteral("휴대폰"), 480, 1200);
    txtCustomerMobilePhone =
        textBox(B, "txtCustomerMobilePhone", 1440, 1080, 2175, 375, width(MobilePhone));

    FraCustomerInpomation =
        frame(B, "FraCustomerInpomation", QStringLiteral("소속정보"), 360, 1440, 9135, 1095);
    QWidget* C = FraCustomerInpomation;
    lblCustomerCompany = label(C, "lblCustomerCompany", QStringLiteral("직장/학교"), 120, 360);
    txtCustomerCompany = textBox(C, "txtCustomerCompany", 1080, 240, 4335, 375, width(Company));
    lblCustomerDepartment =
        label(C, "lblCustomerDepartment", QStringLiteral("부서/학과"), 120, 720);
    lblCustomerDepartment->setFont(Fonts::gulim(9));
    lblCustomerDepartment->adjustSize();
    txtCustomerDepartment =
        textBox(C, "txtCustomerDepartment", 1080, 600, 4335, 375, width(Department));
    lblCustomerDepartPosition =
        label(C, "lblCustomerDepartPosition", QStringLiteral("직급/학년"), 5640, 720);
    txtCustomerDepartPosition =
        textBox(C, "txtCustomerDepartPosition", 6720, 600, 2175, 375, width(DepartPosition));
    chkPrintCondition =
        checkBox(C, "chkPrintCondition", QStringLiteral("출력시 미사용"), 7320, 120, 1695, 375);

    lblCustomerHomeTelephone =
        label(B, "lblCustomerHomeTelephone", QStringLiteral("전화(집)"), 480, 2760);
    txtCustomerHomeTelephone =
        textBox(B, "txtCustomerHomeTelephone", 1440, 2640, 2175, 375, width(HomeTelephone));
    lblCompanyTelephone = label(B, "lblCompanyTelephone", QStringLiteral("전화(회사)"), 480, 3120);
    lblCompanyTelephone->setFont(Fonts::gulim(9));
    lblCompanyTelephone->adjustSize();
    txtCustomerCompanyTelephone =
        textBox(B, "txtCustomerCompanyTelephone", 1440, 3000, 2175, 375, width(CompanyTelephone));
    lblExtentionNumber = label(B, "lblExtentionNumber", QStringLiteral("내선번호"), 4320, 3120);
    txtCustomerExtentionNumber =
        textBox(B, "txtCustomerExtentionNumber", 5280, 3000, 1215, 375, width(ExtentionNumber));
    lblFacsimile = label(B, "lblFacsimile", QStringLiteral("팩스"), 480, 3480);
    txtCustomerFacsimile =
        textBox(B, "txtCustomerFacsimile", 1440, 3360, 2175, 375, width(Facsimile));
    lblAddr = label(B, "lblAddr", QStringLiteral("주소"), 480, 3960);
    cmdSearchZipcode =
        button(B, "cmdSearchZipcode", QStringLiteral("우편번호"), 1440, 3840, 975, 375);
    txtCustomerZipcode = textBox(B, "txtCustomerZipcode", 2520, 3840, 900, 375, width(Zipcode));
    txtCustomerAddress1 = textBox(B, "txtCustomerAddress1", 3480, 3840, 5415, 375, width(Address1));
    txtCustomerAddress2 = textBox(B, "txtCustomerAddress2", 3480, 4200, 5415, 375, width(Address2));
    lblRemark = label(B, "lblRemark", QStringLiteral("메모"), 480, 4680);
    txtCustomerRemark = new QPlainTextEdit(B);
    txtCustomerRemark->setObjectName(QStringLiteral("txtCustomerRemark"));
    txtCustomerRemark->setFont(Fonts::gulim());
    txtCustomerRemark->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtCustomerRemark->setTabChangesFocus(true);
    Twips::place(txtCustomerRemark, 1440, 4680, 7455, 1095);
    cmdCustomerExit = button(B, "cmdCustomerExit", QStringLiteral("종료"), 8040, 480, 1215, 490);

    cmdCustomerAdd = button(this, "cmdCustomerAdd", captionAdd, 10680, 240, 1215, 490);
    cmdCustomerUpdate = button(this, "cmdCustomerUpdate", captionUpdate, 10680, 840, 1215, 490);
    cmdCustomerDelete =
        button(this, "cmdCustomerDelete", QStringLiteral("삭제"), 10680, 1440, 1215, 490);
    cmdCustomerSearchData =
        button(this, "cmdCustomerSearchData", QStringLiteral("검색"), 10680, 2160, 1215, 495);
    cmdCustomerPrint =
        button(this, "cmdCustomerPrint", QStringLiteral("출력"), 10680, 2880, 1215, 490);
    cmdSearchPersonal =
        button(this, "cmdSearchPersonal", QStringLiteral("개인정보"), 10680, 5520, 1215, 490);

    fraDataList =
        frame(this, "fraDataList", QStringLiteral("입력 Data List"), 480, 6120, 10815, 2175, 11.25);
    grdDataList = new QTableView(fraDataList);
    grdDataList->setModel(gridRows = new AddresseeListModel(this));
    grdDataList->setObjectName(QStringLiteral("grdDataList"));
    grdDataList->setFont(Fonts::gulim());
    grdDataList->horizontalHeader()->setFont(Fonts::gulim());
    Twips::place(grdDataList, 120, 360, 10455, 1695);
    grdDataList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDataList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDataList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDataList->verticalHeader()->hide();
    grdDataList->verticalHeader()->setDefaultSectionSize(Twips::toPixels(300));
    grdDataList->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdDataList->horizontalHeader()->setHighlightSections(false);
    fixedColumn(grdDataList, 0);
    {
        const QFontMetrics metrics(Fonts::gulim());
        grdDataList->setColumnWidth(0, Twips::toPixels(200));
        for (int c = 0; c < 7; ++c) {
            grdDataList->setColumnWidth(
                c + 1, metrics.horizontalAdvance(AddresseeListModel::widthSample(c + 1)));
        }
        // seq shows its five digits in full, with the cell's margins; the
        // digits' width has a fraction that the cell must hold too.
        const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
        const double digits =
            QFontMetricsF(Fonts::gulim()).horizontalAdvance(QStringLiteral("00000"));
        grdDataList->setColumnWidth(
            1, qMax(grdDataList->columnWidth(1), int(std::ceil(digits)) + margins));
    }

    stbStatusbar = new QStatusBar(this);
    stbStatusbar->setObjectName(QStringLiteral("stbStatusbar"));
    stbStatusbar->setFont(Fonts::gulim());
    stbStatusbar->setSizeGripEnabled(false);
    Twips::place(stbStatusbar, 0, 8400, 12045, 375);
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

    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setInterval(1000);
    connect(tmrTimer, &QTimer::timeout, this, &AddresseeWindow::tmrTimerTick);
    tmrTimer->start();
    tmrTimerTick();
    updateKeyPanels(KeyboardState::nativeModifiers().value_or(0));

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

    tabOrder({txtCustomerName,
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
              cmdCustomerSearchData});

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
    new ExchangeMenu(this);
    qApp->installEventFilter(this);
    Controls::centre(this);
}

bool AddresseeWindow::load() {
    // Whatever fails on the way in is told, and the file is left as it is.
    if (!AccessReading::offerConversion(this, AppPaths::addressBookPath()))
        return false;
    try {
        AddressBook::startUp();
        showRecord();
        gridRows->setCursor(CustomerCursor.get());
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return false;
    }
    setButtons(Event::StartUp);
    return true;
}

std::array<Controls::BoundBox, 15> AddresseeWindow::fields() const {
    return {{{txtCustomerName, "name"},
             {txtCustomerEmail, "email"},
             {txtCustomerMobilePhone, "mobilephone"},
             {chkPrintCondition, "printcondition"},
             {txtCustomerCompany, "company"},
             {txtCustomerDepartment, "department"},
             {txtCustomerDepartPosition, "departposition"},
             {txtCustomerHomeTelephone, "hometelephone"},
             {txtCustomerCompanyTelephone, "companytelephone"},
             {txtCustomerExtentionNumber, "extentionnumber"},
             {txtCustomerFacsimile, "facsimile"},
             {txtCustomerZipcode, "zipcode"},
             {txtCustomerAddress1, "address1"},
             {txtCustomerAddress2, "address2"},
             // Shown as stored: an added blank would grow the remark with every save.
             {txtCustomerRemark, "remark"}}};
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
    if (change.addCaption)
        cmdCustomerAdd->setText(QString::fromUtf8(change.addCaption));
    if (change.updateCaption)
        cmdCustomerUpdate->setText(QString::fromUtf8(change.updateCaption));
    emit typingChanged(typing());
}

bool AddresseeWindow::typing() const {
    return cmdCustomerAdd->text() != QStringLiteral("입력") ||
           cmdCustomerUpdate->text() != QStringLiteral("수정");
}

void AddresseeWindow::showRecord() {
    Recordset& cursor = *CustomerCursor;
    if (cursor.bof() && cursor.eof()) {
        MessageBox::show(
            this, QStringLiteral("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"),
            MessageBox::Icon::Question);
        AppState::LastSeq = QStringLiteral("0");
        return;
    }
    if (cursor.eof())
        cursor.movePrevious();
    else if (cursor.bof())
        cursor.moveFirst();
    for (const Controls::BoundBox& f : fields())
        Controls::setBoxValue(f.box, cursor.field(QLatin1String(f.column)));
    stbPanels[0]->setText(QStringLiteral("record : %1 / %2")
                              .arg(cursor.absolutePosition() + 1)
                              .arg(cursor.recordCount()));
    shown = cursor.field(QStringLiteral("seq"));
}

void AddresseeWindow::clearBoxes() {
    for (const Controls::BoundBox& f : fields())
        Controls::setBoxValue(f.box, QString());
}

void AddresseeWindow::updateRecord() {
    Recordset& cursor = *CustomerCursor;
    if (cmdCustomerAdd->isEnabled())
        cursor.setField(QStringLiteral("seq"), AddressBook::nextSeq());
    for (const Controls::BoundBox& f : fields())
        cursor.setField(QLatin1String(f.column), Controls::boxValue(f.box));
}

void AddresseeWindow::showFailure(const QString& what, const QString& detail) {
    MessageBox::show(this, what + QLatin1Char('\n') + detail, MessageBox::Icon::Stop);
}

bool AddresseeWindow::standOnShownRecord() {
    if (!shown.isEmpty() && CustomerCursor->findFirst(QStringLiteral("seq"), shown))
        return true;
    MessageBox::show(this, QStringLiteral("화면의 데이타를 찾을 수 없습니다.\n다시 선택하십시요"),
                     MessageBox::Icon::Exclamation);
    return false;
}

bool AddresseeWindow::storeBoxes() {
    Recordset& cursor = *CustomerCursor;
    const bool adding = cmdCustomerAdd->isEnabled();
    QString seq;
    try {
        if (adding)
            cursor.addNew();
        else
            cursor.edit();
        updateRecord();
        cursor.update();
        seq = cursor.field(QStringLiteral("seq"));
    } catch (const StoreError& e) {
        cursor.cancelUpdate();
        showFailure(adding ? QStringLiteral("입력한 데이타를 저장하지 못했습니다.")
                           : QStringLiteral("수정한 데이타를 저장하지 못했습니다."),
                    e.message());
        return false;
    }
    if (adding)
        AppState::LastSeq = seq;
    // The cursor stands on the stored row, in its place in the list.
    showRecord();
    return true;
}

void AddresseeWindow::cmdCustomerAddClick() {
    if (cmdCustomerAdd->text() == captionAdd) {
        setButtons(Event::AddStarted);
        clearBoxes();
        txtCustomerName->setFocus();
        return;
    }
    if (storeBoxes())
        setButtons(Event::Added);
}

void AddresseeWindow::cmdCustomerUpdateClick() {
    if (cmdCustomerUpdate->text() == captionUpdate)
        setButtons(Event::EditStarted);
    else if (standOnShownRecord() && storeBoxes())
        setButtons(Event::Edited);
}

void AddresseeWindow::cmdCustomerDeleteClick() {
    const MessageBox::Answer answer = MessageBox::show(
        this, QStringLiteral("삭제 하시겠습니까?\n삭제시 영구히 삭제되며\n되살릴 수 없습니다"),
        MessageBox::Icon::Exclamation, MessageBox::Buttons::YesNo);
    if (answer == MessageBox::Answer::Yes) {
        Recordset& cursor = *CustomerCursor;
        if (!standOnShownRecord())
            return;
        try {
            cursor.deleteCurrent();
        } catch (const StoreError& e) {
            showFailure(QStringLiteral("데이타를 삭제하지 못했습니다."), e.message());
            return;
        }
        if (cursor.recordCount() == 0) {
            clearBoxes();
            shown.clear();
            gridRows->setHeadersShown(false);
            MessageBox::show(this, QStringLiteral("모든 데이타가 다 지워졌습니다"),
                             MessageBox::Icon::Information);
            setButtons(Event::DeleteAnswered);
            AppState::LastSeq = QStringLiteral("0");
            return;
        }
        // The window shows the second row of the list, not the one after the deleted row.
        cursor.moveFirst();
        cursor.moveNext();
        showRecord();
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
    if (!seq.isEmpty() && CustomerCursor && CustomerCursor->findFirst(QStringLiteral("seq"), seq))
        showRecord();
    setButtons(Event::RowChosen);
}

void AddresseeWindow::cmdSearchPersonalClick() {
    SenderDialog::open();
}

void AddresseeWindow::cmdSearchZipcodeClick() {
    ZipCodeDialog::openFor(this, {txtCustomerZipcode, txtCustomerAddress1, txtCustomerAddress2});
}

void AddresseeWindow::cmdCustomerExitClick() {
    if (CustomerCursor)
        CustomerCursor->close();
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
    if (key.isEmpty() || !CustomerCursor->findFirst(QStringLiteral("seq"), key))
        return;
    showRecord();
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
