#include "sender/SenderDialog.h"

#include "lookup/ZipCodeDialog.h"
#include "store/AddressBook.h"
#include "store/AddresseeFields.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QMouseEvent>

namespace {
using W = SenderDialog;
// The boxes hold as many characters as their columns.
using SenderFields::width;
using enum SenderFields::Index;
// The controls in the order they are made.
const Layout::Control<W> senderDialogLayout[] = {
    {&W::lblPersonalName, "lblPersonalName", nullptr, {240, 360, 870, 195}, "이        름"},
    {&W::txtPersonalName,
     "txtPersonalName",
     nullptr,
     {1320, 240, 4335, 375},
     "",
     double(width(Name))},
    {&W::lblPersonalCompany, "lblPersonalCompany", nullptr, {240, 960, 870, 195}, "직장/학교"},
    {&W::txtPersonalCompany,
     "txtPersonalCompany",
     nullptr,
     {1320, 840, 4335, 375},
     "",
     double(width(Company))},
    {&W::lblPersonalDepartment,
     "lblPersonalDepartment",
     nullptr,
     {240, 1560, 870, 195},
     "부서/학과"},
    {&W::txtPersonalDepartment,
     "txtPersonalDepartment",
     nullptr,
     {1320, 1440, 4335, 375},
     "",
     double(width(Department))},
    {&W::lblPersonalDepartPosition,
     "lblPersonalDepartPosition",
     nullptr,
     {240, 2160, 870, 195},
     "직위/학년"},
    {&W::txtPersonalDepartPosition,
     "txtPersonalDepartPosition",
     nullptr,
     {1320, 2040, 2175, 375},
     "",
     double(width(DepartPosition))},
    {&W::lblPersonalEmail, "lblPersonalEmail", nullptr, {3720, 2160, 1455, 195}, "홈페이지/이메일"},
    {&W::txtPersonalEmail,
     "txtPersonalEmail",
     nullptr,
     {5400, 2040, 4335, 375},
     "",
     double(width(Email))},
    {&W::lblTelephone, "lblTelephone", nullptr, {240, 2760, 840, 195}, "전화 번호"},
    {&W::txtPersonalTelephone,
     "txtPersonalTelephone",
     nullptr,
     {1320, 2640, 2295, 375},
     "",
     double(width(Telephone))},
    {&W::lblFacsimile, "lblFacsimile", nullptr, {4080, 2760, 780, 195}, "팩시밀리"},
    {&W::txtPersonalFacsimile,
     "txtPersonalFacsimile",
     nullptr,
     {5040, 2640, 2295, 375},
     "",
     double(width(Facsimile))},
    {&W::lblMobilePhone, "lblMobilePhone", nullptr, {240, 3240, 825, 195}, "휴  대  폰"},
    {&W::txtPersonalMobilePhone,
     "txtPersonalMobilePhone",
     nullptr,
     {1320, 3240, 2275, 375},
     "",
     double(width(MobilePhone))},
    {&W::lblPersonalAddress, "lblPersonalAddress", nullptr, {240, 3960, 870, 195}, "주        소"},
    {&W::cmdSearchZipcode, "cmdSearchZipcode", nullptr, {1320, 3840, 975, 375}, "우편번호 "},
    {&W::txtPersonalZipcode,
     "txtPersonalZipcode",
     nullptr,
     {2400, 3840, 855, 375},
     "",
     double(width(Zipcode))},
    {&W::txtPersonalAddress1,
     "txtPersonalAddress1",
     nullptr,
     {3360, 3840, 5175, 375},
     "",
     double(width(Address1))},
    {&W::txtPersonalAddress2,
     "txtPersonalAddress2",
     nullptr,
     {3360, 4440, 5175, 375},
     "",
     double(width(Address2))},
    {&W::cmdExit, "cmdExit", nullptr, {7440, 360, 1215, 495}, "확인"},
};
} // namespace

std::span<const Layout::Control<SenderDialog>> SenderDialog::layout() {
    return senderDialogLayout;
}

SenderDialog::SenderDialog(QWidget* parent) : QWidget(parent) {
    using Controls::nameAfter;
    setObjectName(QStringLiteral("SenderDialog"));
    setWindowTitle(QStringLiteral("개인정보"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 9930, 5115);
    Layout::build(this, layout());
    InputMethod::latinOnly(txtPersonalEmail);

    nameAfter(lblPersonalName, {txtPersonalName});
    nameAfter(lblPersonalCompany, {txtPersonalCompany});
    nameAfter(lblPersonalDepartment, {txtPersonalDepartment});
    nameAfter(lblPersonalDepartPosition, {txtPersonalDepartPosition});
    nameAfter(lblPersonalEmail, {txtPersonalEmail});
    nameAfter(lblTelephone, {txtPersonalTelephone});
    nameAfter(lblFacsimile, {txtPersonalFacsimile});
    nameAfter(lblMobilePhone, {txtPersonalMobilePhone});
    nameAfter(lblPersonalAddress, {txtPersonalZipcode, txtPersonalAddress1, txtPersonalAddress2});
    Controls::tabOrder(keyboardOrder());
    txtPersonalName->setFocus();

    txtPersonalZipcode->installEventFilter(this);
    txtPersonalAddress1->installEventFilter(this);
    connect(cmdExit, &QPushButton::clicked, this, &SenderDialog::cmdExitClick);
    connect(cmdSearchZipcode, &QPushButton::clicked, this, &SenderDialog::cmdSearchZipcodeClick);
    Controls::centre(this);
}

QList<QWidget*> SenderDialog::keyboardOrder() const {
    return {txtPersonalName,           txtPersonalCompany,   txtPersonalDepartment,
            txtPersonalDepartPosition, txtPersonalZipcode,   txtPersonalAddress1,
            txtPersonalAddress2,       cmdSearchZipcode,     cmdExit,
            txtPersonalTelephone,      txtPersonalFacsimile, txtPersonalMobilePhone,
            txtPersonalEmail};
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
