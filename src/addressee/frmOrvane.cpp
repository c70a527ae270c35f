#include "frmOrvane.h"

#include "lookup/frmSearchData.h"
#include "lookup/frmSearchPersonal.h"
#include "lookup/frmSearchZipcode.h"
#include "print/frmPrintData.h"
#include "store/AddressBook.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>

using Module1::CustomerCursor;

namespace {
const QString captionAdd = QStringLiteral("입력");
const QString captionSave = QStringLiteral("저장");
const QString captionUpdate = QStringLiteral("수정");
const QString captionConfirm = QStringLiteral("확인");

// The grid's header texts, each followed by the blanks that give its width.
struct GridColumn {
    const char* header;
    int blanks;
    const char* field;
};
const GridColumn gridColumns[] = {{"seq", 1, "seq"},
                                  {"직장/학교", 45, "company"},
                                  {"부서/학과", 37, "department"},
                                  {"이름", 20, "name"},
                                  {"핸드폰", 14, "mobilephone"},
                                  {"전화(집)", 10, "hometelephone"},
                                  {"전화(회사)", 7, "companytelephone"}};

// X modifier bits of the Caps Lock and Num Lock state.
constexpr quint32 capsLockMask = 0x02;
constexpr quint32 numLockMask = 0x10;
} // namespace

frmOrvane::frmOrvane(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("frmOrvane"));
    setWindowTitle(QStringLiteral("Orvane-It"));
    setFont(Fonts::font(QStringLiteral("바탕체"), 9));
    Twips::setClientSize(this, 12045, 8775);

    fraOrvane =
        frame(this, "fraOrvane", QStringLiteral("Orvane-It 기본정보"), 840, 0, 9735, 6015, 11.25);
    QWidget* B = fraOrvane;
    lblCustomerName = label(B, "lblCustomerName", QStringLiteral("이름"), 480, 480);
    txtCustomerName = textBox(B, "txtCustomerName", 1440, 360, 4335, 405, 40);
    lblCustomerEmail = label(B, "lblCustomerEmail", QStringLiteral("이메일"), 480, 840);
    txtCustomerEmail = textBox(B, "txtCustomerEmail", 1440, 720, 4335, 390, 40);
    // Addresses are typed in Latin letters: ask the input method for them.
    txtCustomerEmail->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferLatin |
                                          Qt::ImhNoPredictiveText);
    lblCustomerMobilePhone =
        label(B, "lblCustomerMobilePhone", QStringLiteral("휴대폰"), 480, 1200);
    txtCustomerMobilePhone = textBox(B, "txtCustomerMobilePhone", 1440, 1080, 2175, 375, 20);

    FraCustomerInpomation =
        frame(B, "FraCustomerInpomation", QStringLiteral("소속정보"), 360, 1440, 9135, 1095);
    QWidget* C = FraCustomerInpomation;
    lblCustomerCompany = label(C, "lblCustomerCompany", QStringLiteral("직장/학교"), 120, 360);
    txtCustomerCompany = textBox(C, "txtCustomerCompany", 1080, 240, 4335, 375, 40);
    lblCustomerDepartment =
        label(C, "lblCustomerDepartment", QStringLiteral("부서/학과"), 120, 720);
    lblCustomerDepartment->setFont(Fonts::gulim(9));
    lblCustomerDepartment->adjustSize();
    txtCustomerDepartment = textBox(C, "txtCustomerDepartment", 1080, 600, 4335, 375, 40);
    lblCustomerDepartPosition =
        label(C, "lblCustomerDepartPosition", QStringLiteral("직급/학년"), 5640, 720);
    txtCustomerDepartPosition = textBox(C, "txtCustomerDepartPosition", 6720, 600, 2175, 375, 20);
    chkPrintCondition =
        checkBox(C, "chkPrintCondition", QStringLiteral("출력시 미사용"), 7320, 120, 1695, 375);

    lblCustomerHomeTelephone =
        label(B, "lblCustomerHomeTelephone", QStringLiteral("전화(집)"), 480, 2760);
    txtCustomerHomeTelephone = textBox(B, "txtCustomerHomeTelephone", 1440, 2640, 2175, 375, 20);
    lblCompanyTelephone = label(B, "lblCompanyTelephone", QStringLiteral("전화(회사)"), 480, 3120);
    lblCompanyTelephone->setFont(Fonts::gulim(9));
    lblCompanyTelephone->adjustSize();
    txtCustomerCompanyTelephone =
        textBox(B, "txtCustomerCompanyTelephone", 1440, 3000, 2175, 375, 20);
    lblExtentionNumber = label(B, "lblExtentionNumber", QStringLiteral("내선번호"), 4320, 3120);
    txtCustomerExtentionNumber =
        textBox(B, "txtCustomerExtentionNumber", 5280, 3000, 1215, 375, 10);
    lblFacsimile = label(B, "lblFacsimile", QStringLiteral("팩스"), 480, 3480);
    txtCustomerFacsimile = textBox(B, "txtCustomerFacsimile", 1440, 3360, 2175, 375, 20);
    lblAddr = label(B, "lblAddr", QStringLiteral("주소"), 480, 3960);
    cmdSearchZipcode =
        button(B, "cmdSearchZipcode", QStringLiteral("우편번호"), 1440, 3840, 975, 375);
    txtCustomerZipcode = textBox(B, "txtCustomerZipcode", 2520, 3840, 900, 375, 7);
    txtCustomerAddress1 = textBox(B, "txtCustomerAddress1", 3480, 3840, 5415, 375, 50);
    txtCustomerAddress2 = textBox(B, "txtCustomerAddress2", 3480, 4200, 5415, 375, 50);
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
    grdDataList = new QTableWidget(fraDataList);
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
    grdDataList->setColumnCount(8);
    {
        const QFontMetrics metrics(Fonts::gulim());
        grdDataList->setColumnWidth(0, Twips::toPixels(200));
        for (int c = 0; c < 7; ++c) {
            const QString sample = QString::fromUtf8(gridColumns[c].header) +
                                   QString(gridColumns[c].blanks, QLatin1Char(' '));
            grdDataList->setColumnWidth(c + 1, metrics.horizontalAdvance(sample));
        }
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
    connect(tmrTimer, &QTimer::timeout, this, &frmOrvane::tmrTimer_Timer);
    tmrTimer->start();
    tmrTimer_Timer();
    updateKeyPanels(0);

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

    connect(cmdCustomerAdd, &QPushButton::clicked, this, &frmOrvane::cmdCustomerAdd_Click);
    connect(cmdCustomerUpdate, &QPushButton::clicked, this, &frmOrvane::cmdCustomerUpdate_Click);
    connect(cmdCustomerDelete, &QPushButton::clicked, this, &frmOrvane::cmdCustomerDelete_Click);
    connect(cmdCustomerPrint, &QPushButton::clicked, this, &frmOrvane::cmdCustomerPrint_Click);
    connect(cmdCustomerSearchData, &QPushButton::clicked, this,
            &frmOrvane::cmdCustomerSearchData_Click);
    connect(cmdSearchPersonal, &QPushButton::clicked, this, &frmOrvane::cmdSearchPersonal_Click);
    connect(cmdSearchZipcode, &QPushButton::clicked, this, &frmOrvane::cmdSearchZipcode_Click);
    connect(cmdCustomerExit, &QPushButton::clicked, this, &frmOrvane::cmdCustomerExit_Click);
    connect(chkPrintCondition, &QCheckBox::stateChanged, this, &frmOrvane::chkPrintCondition_Click);
    connect(grdDataList, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { grdDataList_DblClick(row); });
    qApp->installEventFilter(this);
    Controls::centre(this);
}

bool frmOrvane::Form_Load() {
    try {
        AddressBook::startUp();
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return false;
    }
    CustomerDataDisplay();
    if (CustomerCursor->recordCount() > 0) {
        AllDataGridDisplay();
        CustomerCursor->moveFirst();
    } else {
        AllDataGridDisplay();
    }
    cmdSearchZipcode->setEnabled(false);
    cmdCustomerUpdate->setEnabled(false);
    cmdCustomerDelete->setEnabled(false);
    return true;
}

void frmOrvane::CustomerDataDisplay() {
    Recordset& cursor = *CustomerCursor;
    if (cursor.bof() && cursor.eof()) {
        MessageBox::show(
            this, QStringLiteral("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"),
            MessageBox::Icon::Question);
        Module1::LastSeq = QStringLiteral("0");
        return;
    }
    if (cursor.eof())
        cursor.movePrevious();
    else if (cursor.bof())
        cursor.moveFirst();
    txtCustomerName->setText(cursor.field(QStringLiteral("name")));
    txtCustomerEmail->setText(cursor.field(QStringLiteral("email")));
    txtCustomerMobilePhone->setText(cursor.field(QStringLiteral("mobilephone")));
    chkPrintCondition->setChecked(cursor.field(QStringLiteral("printcondition")) ==
                                  QStringLiteral("1"));
    txtCustomerCompany->setText(cursor.field(QStringLiteral("company")));
    txtCustomerDepartment->setText(cursor.field(QStringLiteral("department")));
    txtCustomerDepartPosition->setText(cursor.field(QStringLiteral("departposition")));
    txtCustomerHomeTelephone->setText(cursor.field(QStringLiteral("hometelephone")));
    txtCustomerCompanyTelephone->setText(cursor.field(QStringLiteral("companytelephone")));
    txtCustomerExtentionNumber->setText(cursor.field(QStringLiteral("extentionnumber")));
    txtCustomerFacsimile->setText(cursor.field(QStringLiteral("facsimile")));
    txtCustomerZipcode->setText(cursor.field(QStringLiteral("zipcode")));
    txtCustomerAddress1->setText(cursor.field(QStringLiteral("address1")));
    txtCustomerAddress2->setText(cursor.field(QStringLiteral("address2")));
    // Shown as stored: an added blank would grow the remark with every save.
    txtCustomerRemark->setPlainText(cursor.field(QStringLiteral("remark")));
    stbPanels[0]->setText(QStringLiteral("record : %1 / %2")
                              .arg(cursor.absolutePosition() + 1)
                              .arg(cursor.recordCount()));
    shown = cursor.field(QStringLiteral("seq"));
}

void frmOrvane::CustomerDataClear() {
    for (QLineEdit* box :
         {txtCustomerName, txtCustomerEmail, txtCustomerMobilePhone, txtCustomerCompany,
          txtCustomerDepartment, txtCustomerDepartPosition, txtCustomerHomeTelephone,
          txtCustomerCompanyTelephone, txtCustomerExtentionNumber, txtCustomerFacsimile,
          txtCustomerZipcode, txtCustomerAddress1, txtCustomerAddress2})
        box->clear();
    txtCustomerRemark->clear();
    chkPrintCondition->setChecked(false);
}

void frmOrvane::UpdateRecord() {
    Recordset& cursor = *CustomerCursor;
    if (cmdCustomerAdd->isEnabled())
        cursor.setField(QStringLiteral("seq"), AddressBook::nextSeq());
    cursor.setField(QStringLiteral("name"), txtCustomerName->text());
    cursor.setField(QStringLiteral("email"), txtCustomerEmail->text());
    cursor.setField(QStringLiteral("printcondition"),
                    chkPrintCondition->isChecked() ? QStringLiteral("1") : QStringLiteral("2"));
    cursor.setField(QStringLiteral("mobilephone"), txtCustomerMobilePhone->text());
    cursor.setField(QStringLiteral("company"), txtCustomerCompany->text());
    cursor.setField(QStringLiteral("department"), txtCustomerDepartment->text());
    cursor.setField(QStringLiteral("departposition"), txtCustomerDepartPosition->text());
    cursor.setField(QStringLiteral("hometelephone"), txtCustomerHomeTelephone->text());
    cursor.setField(QStringLiteral("companytelephone"), txtCustomerCompanyTelephone->text());
    cursor.setField(QStringLiteral("extentionnumber"), txtCustomerExtentionNumber->text());
    cursor.setField(QStringLiteral("facsimile"), txtCustomerFacsimile->text());
    cursor.setField(QStringLiteral("zipcode"), txtCustomerZipcode->text());
    cursor.setField(QStringLiteral("address1"), txtCustomerAddress1->text());
    cursor.setField(QStringLiteral("address2"), txtCustomerAddress2->text());
    cursor.setField(QStringLiteral("remark"), txtCustomerRemark->toPlainText());
}

void frmOrvane::AllDataGridDisplay() {
    grdDataList->clearContents();
    grdDataList->setRowCount(0);
    grdDataList->setColumnCount(8);
    QStringList headers{QString()};
    for (const GridColumn& column : gridColumns)
        headers << QString::fromUtf8(column.header);
    grdDataList->setHorizontalHeaderLabels(headers);
    Recordset& cursor = *CustomerCursor;
    if (cursor.recordCount() == 0)
        return;
    int fields[7];
    for (int c = 0; c < 7; ++c)
        fields[c] = cursor.columnIndex(QString::fromLatin1(gridColumns[c].field));
    grdDataList->setUpdatesEnabled(false);
    grdDataList->setRowCount(cursor.recordCount());
    int row = 0;
    for (cursor.moveFirst(); !cursor.eof(); cursor.moveNext(), ++row) {
        for (int c = 0; c < 7; ++c)
            grdDataList->setItem(row, c + 1, new QTableWidgetItem(cursor.field(fields[c])));
    }
    grdDataList->setUpdatesEnabled(true);
}

void frmOrvane::showFailure(const QString& what, const QString& detail) {
    MessageBox::show(this, what + QLatin1Char('\n') + detail, MessageBox::Icon::Stop);
}

bool frmOrvane::standOnShownRecord() {
    if (!shown.isEmpty() && CustomerCursor->findFirst(QStringLiteral("seq"), shown))
        return true;
    MessageBox::show(this, QStringLiteral("화면의 데이타를 찾을 수 없습니다.\n다시 선택하십시요"),
                     MessageBox::Icon::Exclamation);
    return false;
}

bool frmOrvane::storeBoxes() {
    Recordset& cursor = *CustomerCursor;
    const bool adding = cmdCustomerAdd->isEnabled();
    const QString seq = adding ? AddressBook::nextSeq() : shown;
    try {
        if (adding)
            cursor.addNew();
        else
            cursor.edit();
        UpdateRecord();
        cursor.update();
    } catch (const StoreError& e) {
        cursor.cancelUpdate();
        showFailure(adding ? QStringLiteral("입력한 데이타를 저장하지 못했습니다.")
                           : QStringLiteral("수정한 데이타를 저장하지 못했습니다."),
                    e.message());
        return false;
    }
    if (adding)
        Module1::LastSeq = seq;
    try {
        cursor.requery();
        cursor.findFirst(QStringLiteral("seq"), seq);
        CustomerDataDisplay();
        AllDataGridDisplay();
    } catch (const StoreError& e) {
        showFailure(QStringLiteral("데이타를 다시 읽지 못했습니다."), e.message());
    }
    return true;
}

void frmOrvane::cmdCustomerAdd_Click() {
    if (cmdCustomerAdd->text() == captionAdd) {
        cmdCustomerAdd->setText(captionSave);
        cmdSearchZipcode->setEnabled(true);
        cmdCustomerPrint->setEnabled(false);
        cmdCustomerSearchData->setEnabled(false);
        CustomerDataClear();
        txtCustomerName->setFocus();
        return;
    }
    if (!storeBoxes())
        return;
    cmdCustomerAdd->setText(captionAdd);
    cmdSearchZipcode->setEnabled(false);
    cmdCustomerPrint->setEnabled(true);
    cmdCustomerSearchData->setEnabled(true);
}

void frmOrvane::cmdCustomerUpdate_Click() {
    if (cmdCustomerUpdate->text() == captionUpdate) {
        cmdCustomerUpdate->setText(captionConfirm);
        cmdCustomerDelete->setEnabled(false);
        cmdCustomerSearchData->setEnabled(false);
        cmdSearchZipcode->setEnabled(true);
        return;
    }
    if (!standOnShownRecord() || !storeBoxes())
        return;
    cmdCustomerUpdate->setText(captionUpdate);
    cmdCustomerAdd->setEnabled(true);
    cmdCustomerPrint->setEnabled(true);
    cmdCustomerSearchData->setEnabled(true);
    cmdCustomerUpdate->setEnabled(false);
    cmdCustomerDelete->setEnabled(false);
    cmdSearchZipcode->setEnabled(false);
}

void frmOrvane::cmdCustomerDelete_Click() {
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
        try {
            cursor.requery();
            if (cursor.recordCount() == 0) {
                CustomerDataClear();
                shown.clear();
                grdDataList->clearContents();
                for (int c = 0; c < grdDataList->columnCount(); ++c)
                    grdDataList->setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
                MessageBox::show(this, QStringLiteral("모든 데이타가 다 지워졌습니다"),
                                 MessageBox::Icon::Information);
                cmdCustomerAdd->setEnabled(true);
                cmdCustomerPrint->setEnabled(true);
                cmdCustomerSearchData->setEnabled(true);
                cmdCustomerUpdate->setEnabled(false);
                cmdCustomerDelete->setEnabled(false);
                Module1::LastSeq = QStringLiteral("0");
                return;
            }
            // The list now stands on its first row; the window shows the one after it.
            cursor.moveNext();
            CustomerDataDisplay();
            AllDataGridDisplay();
        } catch (const StoreError& e) {
            showFailure(QStringLiteral("데이타를 다시 읽지 못했습니다."), e.message());
        }
    }
    cmdCustomerAdd->setEnabled(true);
    cmdCustomerPrint->setEnabled(true);
    cmdCustomerSearchData->setEnabled(true);
    cmdCustomerUpdate->setEnabled(false);
    cmdCustomerDelete->setEnabled(false);
}

void frmOrvane::cmdCustomerPrint_Click() {
    frmPrintData::open();
}

void frmOrvane::cmdCustomerSearchData_Click() {
    cmdCustomerAdd->setEnabled(false);
    frmSearchData::open();
}

void frmOrvane::cmdSearchPersonal_Click() {
    frmSearchPersonal::open();
}

void frmOrvane::cmdSearchZipcode_Click() {
    Module1::ZipSearchCaller = QStringLiteral("1");
    frmSearchZipcode::open();
}

void frmOrvane::cmdCustomerExit_Click() {
    if (CustomerCursor)
        CustomerCursor->close();
    close();
}

void frmOrvane::chkPrintCondition_Click() {
    chkPrintCondition->setText(chkPrintCondition->isChecked() ? QStringLiteral("출력시 사용")
                                                              : QStringLiteral("출력시 미사용"));
}

void frmOrvane::grdDataList_DblClick(int row) {
    const QTableWidgetItem* item = grdDataList->item(row, 1);
    const QString text = item ? item->text() : QString();
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
    CustomerDataDisplay();
    cmdCustomerAdd->setEnabled(false);
    cmdCustomerPrint->setEnabled(false);
    cmdCustomerUpdate->setEnabled(true);
    cmdCustomerDelete->setEnabled(true);
}

void frmOrvane::tmrTimer_Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    stbPanels[4]->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
    stbPanels[4]->setToolTip(QLocale::system().toString(now.date(), QLocale::LongFormat));
}

void frmOrvane::updateKeyPanels(quint32 nativeModifiers) {
    stbPanels[1]->setEnabled(insertMode);
    stbPanels[2]->setEnabled(nativeModifiers & numLockMask);
    stbPanels[3]->setEnabled(nativeModifiers & capsLockMask);
}

bool frmOrvane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Insert &&
            !key->isAutoRepeat() && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this)
            insertMode = !insertMode;
        updateKeyPanels(key->nativeModifiers());
    }
    if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
        return previewInput(watched, event);
    return false;
}

void frmOrvane::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
