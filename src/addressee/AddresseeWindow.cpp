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

    cmdCustomerAdd = button(this, "cmdCustomerAdd", QStringLiteral("입력"), 10680, 240, 1215, 490);
    cmdCustomerUpdate =
        button(this, "cmdCustomerUpdate", QStringLiteral("수정"), 10680, 840, 1215, 490);
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
