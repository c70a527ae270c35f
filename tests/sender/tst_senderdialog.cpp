// The sender dialog driven as the user drives it.

#include "lookup/LookupTestSupport.h"
#include "store/AddressBook.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QtTest>

using namespace LookupTest;

namespace {
const QString columns = QStringLiteral("name, company, department, departposition, email, "
                                       "telephone, facsimile, mobilephone, zipcode, address1, "
                                       "address2");
const QString warning =
    QStringLiteral("임의적으로 입,수정을 하시면 주소와\n우편번호가 맞지 않는 경우가 생깁니다");

QList<QStringList> personalRows(const TempProgramFolder& folder) {
    return TestSupport::query(folder.file("orvaneit.mdb"),
                              "select rowid, " + columns + " from personal");
}

// The boxes in the order of the table's columns.
QList<QLineEdit*> boxesInColumnOrder(const SenderDialog* p) {
    return {p->txtPersonalName,           p->txtPersonalCompany,     p->txtPersonalDepartment,
            p->txtPersonalDepartPosition, p->txtPersonalEmail,       p->txtPersonalTelephone,
            p->txtPersonalFacsimile,      p->txtPersonalMobilePhone, p->txtPersonalZipcode,
            p->txtPersonalAddress1,       p->txtPersonalAddress2};
}

QStringList boxTexts(const SenderDialog* p) {
    QStringList texts;
    for (const QLineEdit* box : boxesInColumnOrder(p))
        texts << box->text();
    return texts;
}

// Types one value into each box, replacing what it held.
void fill(SenderDialog* p, const QStringList& values) {
    const QList<QLineEdit*> boxes = boxesInColumnOrder(p);
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->clear();
        TestSupport::type(boxes[i], values[i]);
    }
}

const QStringList first = {" 홍 길동 ",
                           "한국상사",
                           "영업부",
                           "과장",
                           "hong@ex.kr",
                           "02-123-4567",
                           "02-123-4568",
                           "010-1234-5678",
                           "135-806",
                           "서울 강남구  개포1동",
                           "경남아파트 1동 101호 "};
const QStringList second = {"김철수",     "대한대학교",          "국문학과", "3학년",
                            "kim@uni.kr", "031-111-2222",        "",         "011-222-3333",
                            "467-872",    "경기 이천시  모가면", "송곡리"};
} // namespace

class SenderDialogTest : public QObject, Fixture {
    Q_OBJECT
  private slots:
    void initTestCase() { Fonts::install(); }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void layout();
    void firstUseInsertsOneRow();
    void laterUseChangesInPlace();
    void emptyBoxesStoreEmptyText();
    void closeBoxDiscards();
    void clickWarnings();
    void chosenZipCodeStoredOnlyWithConfirm();
    void ownAccessToPersonal();
    void addressBookMissing();
    void rowGoneBeforeStore();
};

void SenderDialogTest::layout() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    QVERIFY(p);
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("개인정보"));
    QCOMPARE(p->size(), QSize(Twips::toPixels(9930), Twips::toPixels(5115)));
    TestSupport::checkLayout(p, SenderDialog::layout(), p->keyboardOrder());

    struct Expected {
        QWidget* widget;
        const char* name;
        QString caption;
        QRect twips;
        int maxLength;
    };
    const QList<Expected> expected = {
        {p->lblPersonalName, "lblPersonalName", "이        름", {240, 360, 870, 195}, 0},
        {p->txtPersonalName, "txtPersonalName", "", {1320, 240, 4335, 375}, 40},
        {p->lblPersonalCompany, "lblPersonalCompany", "직장/학교", {240, 960, 870, 195}, 0},
        {p->txtPersonalCompany, "txtPersonalCompany", "", {1320, 840, 4335, 375}, 40},
        {p->lblPersonalDepartment, "lblPersonalDepartment", "부서/학과", {240, 1560, 870, 195}, 0},
        {p->txtPersonalDepartment, "txtPersonalDepartment", "", {1320, 1440, 4335, 375}, 40},
        {p->lblPersonalDepartPosition,
         "lblPersonalDepartPosition",
         "직위/학년",
         {240, 2160, 870, 195},
         0},
        {p->txtPersonalDepartPosition,
         "txtPersonalDepartPosition",
         "",
         {1320, 2040, 2175, 375},
         20},
        {p->lblPersonalEmail, "lblPersonalEmail", "홈페이지/이메일", {3720, 2160, 1455, 195}, 0},
        {p->txtPersonalEmail, "txtPersonalEmail", "", {5400, 2040, 4335, 375}, 40},
        {p->lblTelephone, "lblTelephone", "전화 번호", {240, 2760, 840, 195}, 0},
        {p->txtPersonalTelephone, "txtPersonalTelephone", "", {1320, 2640, 2295, 375}, 20},
        {p->lblFacsimile, "lblFacsimile", "팩시밀리", {4080, 2760, 780, 195}, 0},
        {p->txtPersonalFacsimile, "txtPersonalFacsimile", "", {5040, 2640, 2295, 375}, 20},
        {p->lblMobilePhone, "lblMobilePhone", "휴  대  폰", {240, 3240, 825, 195}, 0},
        {p->txtPersonalMobilePhone, "txtPersonalMobilePhone", "", {1320, 3240, 2275, 375}, 20},
        {p->lblPersonalAddress, "lblPersonalAddress", "주        소", {240, 3960, 870, 195}, 0},
        {p->cmdSearchZipcode, "cmdSearchZipcode", "우편번호 ", {1320, 3840, 975, 375}, 0},
        {p->txtPersonalZipcode, "txtPersonalZipcode", "", {2400, 3840, 855, 375}, 7},
        {p->txtPersonalAddress1, "txtPersonalAddress1", "", {3360, 3840, 5175, 375}, 50},
        {p->txtPersonalAddress2, "txtPersonalAddress2", "", {3360, 4440, 5175, 375}, 50},
        {p->cmdExit, "cmdExit", "확인", {7440, 360, 1215, 495}, 0},
    };
    for (const Expected& e : expected) {
        QCOMPARE(e.widget->objectName(), QString::fromLatin1(e.name));
        checkPlace(e.widget, e.twips);
        QCOMPARE(e.widget->font().family(), QStringLiteral("굴림"));
        QCOMPARE(e.widget->font().pointSizeF(), 9.75);
        if (auto* l = qobject_cast<QLabel*>(e.widget)) {
            QCOMPARE(l->text(), e.caption);
        } else if (auto* b = qobject_cast<QPushButton*>(e.widget)) {
            QCOMPARE(b->text(), e.caption);
            QVERIFY(!b->isDefault() && !b->autoDefault());
        } else {
            auto* t = qobject_cast<QLineEdit*>(e.widget);
            QVERIFY(t);
            QCOMPARE(Controls::characterLimit(t), e.maxLength);
            QVERIFY(!t->isReadOnly());
        }
    }
    QVERIFY(!TestSupport::takesComposition(p->txtPersonalEmail));
    QCOMPARE(TestSupport::accessibleName(p->txtPersonalName), QString("이름"));
    QCOMPARE(TestSupport::accessibleName(p->txtPersonalAddress2), QString("주소"));

    // Keyboard order.
    QCOMPARE(p->focusWidget(), p->txtPersonalName);
    const QList<QWidget*> order = {
        p->txtPersonalName,           p->txtPersonalCompany,   p->txtPersonalDepartment,
        p->txtPersonalDepartPosition, p->txtPersonalZipcode,   p->txtPersonalAddress1,
        p->txtPersonalAddress2,       p->cmdSearchZipcode,     p->cmdExit,
        p->txtPersonalTelephone,      p->txtPersonalFacsimile, p->txtPersonalMobilePhone,
        p->txtPersonalEmail,          p->txtPersonalName};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order[i + 1]->objectName());
    }
}

// First use: empty boxes, and "확인" adds exactly one row, as typed.
void SenderDialogTest::firstUseInsertsOneRow() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    QVERIFY(p);
    QCOMPARE(boxTexts(p), QStringList(11, QString()));
    fill(p, first);
    QVERIFY(personalRows(*folder).isEmpty());
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    const QList<QStringList> rows = personalRows(*folder);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().mid(1), first);
}

// Later uses show the row and change it in place.
void SenderDialogTest::laterUseChangesInPlace() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    fill(p, first);
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    const QString rowid = personalRows(*folder).first().first();

    for (const QStringList& values : {second, first}) {
        p = SenderDialog::open();
        QVERIFY(p);
        QCOMPARE(boxTexts(p), values == second ? first : second);
        fill(p, values);
        QTest::mouseClick(p->cmdExit, Qt::LeftButton);
        QTRY_COMPARE(SenderDialog::instance(), nullptr);
        const QList<QStringList> rows = personalRows(*folder);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().first(), rowid);
        QCOMPARE(rows.first().mid(1), values);
    }
}

void SenderDialogTest::emptyBoxesStoreEmptyText() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    QCOMPARE(TestSupport::query(folder->file("orvaneit.mdb"),
                                "select count(*) from personal where " +
                                    QString(columns).replace(", ", " = '' and ") + " = ''"),
             (QList<QStringList>{{"1"}}));

    QCOMPARE(personalRows(*folder).size(), 1);
}

// Opened again while open, the dialog keeps its unsaved boxes; the close box
// then discards them.
void SenderDialogTest::closeBoxDiscards() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    fill(p, first);
    QCOMPARE(SenderDialog::open(), p);
    QCOMPARE(boxTexts(p), first);
    p->close();
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    QVERIFY(personalRows(*folder).isEmpty());

    p = SenderDialog::open();
    QCOMPARE(boxTexts(p), QStringList(11, QString()));
    fill(p, first);
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    const QList<QStringList> stored = personalRows(*folder);
    p = SenderDialog::open();
    fill(p, second);
    p->close();
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    QCOMPARE(personalRows(*folder), stored);
}

// A mouse click into the zip code or first address box warns, every time;
// the keyboard does not, and the box stays editable.
void SenderDialogTest::clickWarnings() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    QVERIFY(p);

    p->txtPersonalDepartPosition->setFocus();
    QTest::keyClick(p->txtPersonalDepartPosition, Qt::Key_Tab);
    QCOMPARE(p->focusWidget(), p->txtPersonalZipcode);
    QTest::keyClick(p->txtPersonalZipcode, Qt::Key_Tab);
    QCOMPARE(p->focusWidget(), p->txtPersonalAddress1);
    QCOMPARE(answers->messages.size(), 0);

    for (QLineEdit* box : {p->txtPersonalZipcode, p->txtPersonalAddress1, p->txtPersonalZipcode}) {
        const qsizetype before = answers->messages.size();
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(answers->messages.size(), before + 1);
        const MessageBox::Message& m = answers->messages.last();
        QCOMPARE(m.title, QStringLiteral("경고"));
        QCOMPARE(m.text, warning);
        QCOMPARE(m.icon, MessageBox::Icon::Exclamation);
        QCOMPARE(m.buttons, MessageBox::Buttons::Ok);
    }
    TestSupport::type(p->txtPersonalZipcode, QStringLiteral("123-456"));
    QCOMPARE(p->txtPersonalZipcode->text(), QStringLiteral("123-456"));

    // Other boxes and other buttons say nothing.
    QTest::mouseClick(p->txtPersonalAddress2, Qt::LeftButton);
    QTest::mouseClick(p->txtPersonalName, Qt::LeftButton);
    QTest::mouseClick(p->txtPersonalZipcode, Qt::RightButton);
    QCOMPARE(answers->messages.size(), 3);
}

// A zip code chosen in the zip code dialog shows in the boxes and reaches
// the table only with "확인".
void SenderDialogTest::chosenZipCodeStoredOnlyWithConfirm() {
    copyZipcodeDb(*folder);
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    fill(p, first);
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    const QList<QStringList> stored = personalRows(*folder);

    p = SenderDialog::open();
    QTest::mouseClick(p->cmdSearchZipcode, Qt::LeftButton);
    QVERIFY(ZipCodeDialog::instance());
    choose(ZipCodeDialog::instance(), QStringLiteral("송곡리"), "28446");
    QStringList expected = first;
    expected[8] = "467-872";
    expected[9] = "경기 이천시  모가면";
    expected[10] = "송곡리";
    QCOMPARE(boxTexts(p), expected);
    QCOMPARE(personalRows(*folder), stored);

    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    QCOMPARE(personalRows(*folder).size(), 1);
    QCOMPARE(personalRows(*folder).first().mid(1), expected);
}

// The dialog reads and writes through an access of its own: another
// window's cursor over personal stays open and sees the stored row.
void SenderDialogTest::ownAccessToPersonal() {
    AddressBook::openOrCreate();
    Recordset printWindowCursor(AddressBook::open(), AddressBook::PersonalTable);
    SenderDialog* p = SenderDialog::open();
    fill(p, first);
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    QVERIFY(printWindowCursor.isOpen());
    printWindowCursor.requery();
    QCOMPARE(printWindowCursor.recordCount(), 1);
    QCOMPARE(printWindowCursor.field("name"), first[0]);
}

// Without the address book file the user is told and nothing is created.
void SenderDialogTest::addressBookMissing() {
    QCOMPARE(SenderDialog::open(), nullptr);
    QCOMPARE(SenderDialog::instance(), nullptr);
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages.first().title, QStringLiteral("경고"));
    QCOMPARE(answers->lastText(),
             "개인정보를 읽을 수 없습니다.\n" + folder->file("orvaneit.mdb") + " 파일이 없습니다");
    QVERIFY(!QFile::exists(folder->file("orvaneit.mdb")));
}

// The row was removed behind the dialog's back (by another program): the
// store is refused, the boxes keep what was typed and the dialog stays.
void SenderDialogTest::rowGoneBeforeStore() {
    AddressBook::openOrCreate();
    SenderDialog* p = SenderDialog::open();
    fill(p, first);
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QTRY_COMPARE(SenderDialog::instance(), nullptr);
    p = SenderDialog::open();
    fill(p, second);
    TestSupport::query(folder->file("orvaneit.mdb"), "delete from personal");
    QTest::mouseClick(p->cmdExit, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY(answers->lastText().startsWith(QStringLiteral("개인정보를 저장하지 못했습니다.\n")));
    QVERIFY(p->isVisible());
    QCOMPARE(boxTexts(p), second);
}

QTEST_MAIN(SenderDialogTest)
#include "tst_senderdialog.moc"
