#include "sender/SenderDialog.h"

#include "lookup/ZipCodeDialog.h"
#include "store/AddressBook.h"
#include "store/AddresseeFields.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QMouseEvent>

SenderDialog::SenderDialog(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    // The boxes hold as many characters as their columns.
    using SenderFields::width;
    using enum SenderFields::Index;
    setObjectName(QStringLiteral("SenderDialog"));
    setWindowTitle(QStringLiteral("개인정보"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 9930, 5115);

    lblPersonalName =
        label(this, "lblPersonalName", QStringLiteral("이        름"), 240, 360, 870, 195);
    txtPersonalName = textBox(this, "txtPersonalName", 1320, 240, 4335, 375, width(Name));
    lblPersonalCompany =
        label(this, "lblPersonalCompany", QStringLiteral("직장/학교"), 240, 960, 870, 195);
    txtPersonalCompany = textBox(this, "txtPersonalCompany", 1320, 840, 4335, 375, width(Company));
    lblPersonalDepartment =
        label(this, "lblPersonalDepartment", QStringLiteral("부서/학과"), 240, 1560, 870, 195);
    txtPersonalDepartment =
        textBox(this, "txtPersonalDepartment", 1320, 1440, 4335, 375, width(Department));
    lblPersonalDepartPosition =
        label(this, "lblPersonalDepartPosition", QStringLiteral("직위/학년"), 240, 2160, 870, 195);
    txtPersonalDepartPosition =
        textBox(this, "txtPersonalDepartPosition", 1320, 2040, 2175, 375, width(DepartPosition));
    lblPersonalEmail =
        label(this, "lblPersonalEmail", QStringLiteral("홈페이지/이메일"), 3720, 2160, 1455, 195);
    txtPersonalEmail = textBox(this, "txtPersonalEmail", 5400, 2040, 4335, 375, width(Email));
    InputMethod::latinOnly(txtPersonalEmail);
    lblTelephone = label(this, "lblTelephone", QStringLiteral("전화 번호"), 240, 2760, 840, 195);
    txtPersonalTelephone =
        textBox(this, "txtPersonalTelephone", 1320, 2640, 2295, 375, width(Telephone));
    lblFacsimile = label(this, "lblFacsimile", QStringLiteral("팩시밀리"), 4080, 2760, 780, 195);
    txtPersonalFacsimile =
        textBox(this, "txtPersonalFacsimile", 5040, 2640, 2295, 375, width(Facsimile));
    lblMobilePhone =
        label(this, "lblMobilePhone", QStringLiteral("휴  대  폰"), 240, 3240, 825, 195);
    txtPersonalMobilePhone =
        textBox(this, "txtPersonalMobilePhone", 1320, 3240, 2275, 375, width(MobilePhone));
    lblPersonalAddress =
        label(this, "lblPersonalAddress", QStringLiteral("주        소"), 240, 3960, 870, 195);
    cmdSearchZipcode =
        button(this, "cmdSearchZipcode", QStringLiteral("우편번호 "), 1320, 3840, 975, 375);
    txtPersonalZipcode = textBox(this, "txtPersonalZipcode", 2400, 3840, 855, 375, width(Zipcode));
    txtPersonalAddress1 =
        textBox(this, "txtPersonalAddress1", 3360, 3840, 5175, 375, width(Address1));
    txtPersonalAddress2 =
        textBox(this, "txtPersonalAddress2", 3360, 4440, 5175, 375, width(Address2));
    cmdExit = button(this, "cmdExit", QStringLiteral("확인"), 7440, 360, 1215, 495);

    nameAfter(lblPersonalName, {txtPersonalName});
    nameAfter(lblPersonalCompany, {txtPersonalCompany});
    nameAfter(lblPersonalDepartment, {txtPersonalDepartment});
    nameAfter(lblPersonalDepartPosition, {txtPersonalDepartPosition});
    nameAfter(lblPersonalEmail, {txtPersonalEmail});
    nameAfter(lblTelephone, {txtPersonalTelephone});
    nameAfter(lblFacsimile, {txtPersonalFacsimile});
    nameAfter(lblMobilePhone, {txtPersonalMobilePhone});
    nameAfter(lblPersonalAddress, {txtPersonalZipcode, txtPersonalAddress1, txtPersonalAddress2});
    tabOrder({txtPersonalName, txtPersonalCompany, txtPersonalDepartment, txtPersonalDepartPosition,
              txtPersonalZipcode, txtPersonalAddress1, txtPersonalAddress2, cmdSearchZipcode,
              cmdExit, txtPersonalTelephone, txtPersonalFacsimile, txtPersonalMobilePhone,
              txtPersonalEmail});
    txtPersonalName->setFocus();

    txtPersonalZipcode->installEventFilter(this);
    txtPersonalAddress1->installEventFilter(this);
    connect(cmdExit, &QPushButton::clicked, this, &SenderDialog::cmdExitClick);
    connect(cmdSearchZipcode, &QPushButton::clicked, this, &SenderDialog::cmdSearchZipcodeClick);
    centre(this);
}

std::array<Controls::BoundBox, 11> SenderDialog::fields() const {
    return {{{txtPersonalName, "name"},
             {txtPersonalCompany, "company"},
             {txtPersonalDepartment, "department"},
             {txtPersonalDepartPosition, "departposition"},
             {txtPersonalEmail, "email"},
             {txtPersonalTelephone, "telephone"},
             {txtPersonalFacsimile, "facsimile"},
             {txtPersonalMobilePhone, "mobilephone"},
             {txtPersonalZipcode, "zipcode"},
             {txtPersonalAddress1, "address1"},
             {txtPersonalAddress2, "address2"}}};
}

bool SenderDialog::load() {
    try {
        personalDb = AddressBook::open();
        personalCursor = std::make_unique<Recordset>(personalDb, AddressBook::PersonalTable);
    } catch (const StoreError& e) {
        MessageBox::show(this, QStringLiteral("개인정보를 읽을 수 없습니다.\n") + e.message(),
                         MessageBox::Icon::Stop);
        return false;
    }
    // The table holds at most one row; the fresh cursor stands on it.
    const bool stored = personalCursor->recordCount() > 0;
    for (const Controls::BoundBox& f : fields())
        Controls::setBoxValue(f.box,
                              stored ? personalCursor->field(QLatin1String(f.column)) : QString());
    return true;
}

void SenderDialog::cmdExitClick() {
    try {
        if (personalCursor->recordCount() > 0)
            personalCursor->edit();
        else
            personalCursor->addNew();
        for (const Controls::BoundBox& f : fields())
            personalCursor->setField(QLatin1String(f.column), Controls::boxValue(f.box));
        personalCursor->update();
    } catch (const StoreError& e) {
        // The boxes keep what was typed; the user may try again.
        MessageBox::show(this, QStringLiteral("개인정보를 저장하지 못했습니다.\n") + e.message(),
                         MessageBox::Icon::Stop);
        return;
    }
    close();
}

void SenderDialog::cmdSearchZipcodeClick() {
    ZipCodeDialog::openFor(this, {txtPersonalZipcode, txtPersonalAddress1, txtPersonalAddress2});
}

void SenderDialog::txtPersonalZipcodeClick() {
    warnManualAddress();
}

void SenderDialog::txtPersonalAddress1Click() {
    warnManualAddress();
}

void SenderDialog::warnManualAddress() {
    MessageBox::show(
        this,
        QStringLiteral("임의적으로 입,수정을 하시면 주소와\n우편번호가 맞지 않는 경우가 생깁니다"),
        MessageBox::Icon::Exclamation);
}

bool SenderDialog::eventFilter(QObject* watched, QEvent* event) {
    // A click is a left-button press and release over the box; moving into
    // it with the keyboard shows nothing.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* box = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && box &&
            box->rect().contains(mouse->position().toPoint())) {
            if (watched == txtPersonalZipcode)
                txtPersonalZipcodeClick();
            else if (watched == txtPersonalAddress1)
                txtPersonalAddress1Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}
