#include "LookupTestSupport.h"
#include "addressee/AddresseeWindow.h"
#include "lookup/AddresseeSearchDialog.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QtTest>

using MessageBox::Answer;
using MessageBox::Icon;

namespace {
const QString notFoundText = QStringLiteral("해당 데이타를 찾지 못했습니다\n다시 검색을 하십시요");

QString line(const QString& text, const QString& seq) {
    return text + QString(130, ' ') + seq;
}
} // namespace

class SearchDataTest : public QObject, AddresseeWindowFixture {
    Q_OBJECT
  private:
    AddresseeSearchDialog* d = nullptr;

    // Seven addressees; in list order: 7 (no name), 5, 2, 1, 3, 4, 6.
    void addSeven() {
        add("1", "김철수", "한빛상사", "총무부");
        add("2", "김철수", "가나학교", "국어과");
        add("3", "김철수아");
        add("4", "박영희", "김앤장", "법무팀");
        add("5", "김민", "김앤장");
        add("6", "이수");
        add("7", "", "무명회사", "x");
    }
    // The addressee window, then its "검색".
    bool openBoth() {
        w = AddresseeWindow::open();
        if (!w || !QTest::qWaitForWindowExposed(w))
            return false;
        QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
        d = AddresseeSearchDialog::instance();
        return d && QTest::qWaitForWindowExposed(d);
    }
    void search(const QString& text) {
        QTest::mouseClick(d->txtFindSearchData, Qt::LeftButton);
        TestSupport::type(d->txtFindSearchData, text);
        QTest::mouseClick(d->cmdSearchData, Qt::LeftButton);
    }
    QStringList lines() {
        QStringList all;
        for (int i = 0; i < d->lstFindCustomerData->count(); ++i)
            all << d->lstFindCustomerData->item(i)->text();
        return all;
    }
    // The keys the lines end with, in list order.
    QStringList keys() {
        QStringList all;
        for (const QString& l : lines())
            all << l.right(5).trimmed();
        return all;
    }
    void doubleClickAt(const QPoint& at) {
        QPointer<AddresseeSearchDialog> guard(d);
        QTest::mouseClick(d->lstFindCustomerData->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(d->lstFindCustomerData->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(guard.isNull());
        d = nullptr;
    }
    void doubleClickKey(const QString& seq) {
        const int row = int(keys().indexOf(seq));
        QVERIFY2(row >= 0, qPrintable("no line for " + seq));
        QListWidgetItem* item = d->lstFindCustomerData->item(row);
        d->lstFindCustomerData->scrollToItem(item);
        doubleClickAt(d->lstFindCustomerData->visualItemRect(item).center());
    }
    void closeDialog() {
        QPointer<AddresseeSearchDialog> guard(d);
        d->close();
        QTRY_VERIFY(guard.isNull());
        d = nullptr;
    }
    // The seq of the row the status bar says is shown.
    QString statusRowSeq() {
        const int place = w->stbPanels[0]->text().section(' ', 2, 2).toInt() - 1;
        return AddresseeBook::shared()->value(place, AddresseeFields::Seq);
    }
    QList<QStringList> stored(const QString& what) {
        return TestSupport::query(folder->file("orvaneit.mdb"),
                                  "select " + what + " from customer order by rowid");
    }

  private slots:
    void initTestCase() { Fonts::install(); }
    void init() {
        setUpTest();
        d = nullptr;
    }
    void cleanup() {
        delete AddresseeSearchDialog::instance();
        tearDownTest();
    }

    void opensFromTheAddresseeWindow();
    void wholeNameThenBeginning();
    void blanksAndTheSearchBox();
    void notFoundMessage();
    void doubleClickBringsTheAddressee();
    void closingWithoutChoiceKeepsTheShownAddressee();
    void addresseeWindowGone();
};

void SearchDataTest::opensFromTheAddresseeWindow() {
    addSeven();
    QVERIFY(openBoth());
    QCOMPARE(d->windowTitle(), QString("데이타 검색"));
    QCOMPARE(d->size(), QSize(512, 350));
    QCOMPARE(d->lblSearchData->text(), QString("검색할내용"));
    LookupTest::checkPlace(d->lblSearchData, {480, 480, 975, 195});
    QCOMPARE(d->txtFindSearchData->geometry(), Twips::rect(1680, 360, 3855, 375));
    QCOMPARE(d->cmdSearchData->geometry(), Twips::rect(5880, 360, 1335, 495));
    QCOMPARE(d->cmdSearchData->text(), QString("검색"));
    QCOMPARE(d->lstFindCustomerData->geometry(), Twips::rect(480, 1200, 6735, 3765));
    QCOMPARE(d->txtFindSearchData->font().family(), QString("굴림"));
    QCOMPARE(d->txtFindSearchData->maxLength(), 32767);
    QCOMPARE(d->txtFindSearchData->text(), QString(" "));
    QCOMPARE(d->lstFindCustomerData->count(), 0);
    QCOMPARE(d->lstFindCustomerData->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!d->cmdSearchData->isDefault() && !d->cmdSearchData->autoDefault());
    QCOMPARE(buttons(), QString("000110 입력 수정"));

    // Modeless and only once: the addressee window stays usable and a
    // second "검색" brings the same dialog forward.
    QVERIFY(!d->isModal());
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    QCOMPARE(AddresseeSearchDialog::instance(), d);
    // Enter in the search box does not search.
    TestSupport::type(d->txtFindSearchData, "김");
    QTest::keyClick(d->txtFindSearchData, Qt::Key_Return);
    QCOMPARE(d->lstFindCustomerData->count(), 0);
    QCOMPARE(answers->messages.size(), 0);
    // Typed straight into the opening box, the name stands before the blank.
    TestSupport::type(d->txtFindSearchData, "철수");
    QCOMPARE(d->txtFindSearchData->text(), QString("김철수 "));
    QTest::mouseClick(d->cmdSearchData, Qt::LeftButton);
    QCOMPARE(keys(), (QStringList{"2", "1"}));
}

void SearchDataTest::wholeNameThenBeginning() {
    addSeven();
    QVERIFY(openBoth());

    // The whole name lists only whole matches, in list order.
    search("김철수");
    QCOMPARE(lines(), (QStringList{line("김철수  가나학교국어과", "2"),
                                   line("김철수  한빛상사총무부", "1")}));
    // The search reads the rows where they are: the shown addressee stays current.
    QCOMPARE(statusRowSeq(), w->shownSeq());

    // The beginning of a name or of a company: each addressee once.
    search("김");
    QCOMPARE(keys(), (QStringList{"5", "2", "1", "3", "4"}));
    QCOMPARE(lines()[0], line("김민  김앤장", "5"));
    QCOMPARE(lines()[4], line("박영희  김앤장법무팀", "4"));
    search("김철");
    QCOMPARE(keys(), (QStringList{"2", "1", "3"}));
    search("한빛");
    QCOMPARE(keys(), (QStringList{"1"}));
    // No folding of letter case; each search starts with an empty list.
    add("8", "Kim", "ACME");
    AddresseeBook::shared()->reload();
    search("kim");
    QCOMPARE(lines(), QStringList());
    QCOMPARE(answers->lastText(), notFoundText);
    search("K");
    QCOMPARE(keys(), (QStringList{"8"}));
    search("AC");
    QCOMPARE(lines(), (QStringList{line("Kim  ACME", "8")}));
}

void SearchDataTest::blanksAndTheSearchBox() {
    addSeven();
    QVERIFY(openBoth());

    // The opening single blank finds the nameless addressee, 42 blanks first.
    QTest::mouseClick(d->cmdSearchData, Qt::LeftButton);
    QCOMPARE(lines(), (QStringList{line(QString(42, ' ') + "  무명회사x", "7")}));
    // The visible part of the line does not show the key.
    const QListWidgetItem* first = d->lstFindCustomerData->item(0);
    QVERIFY(QFontMetrics(first->font().resolve(d->lstFindCustomerData->font()))
                .horizontalAdvance(first->text().left(first->text().size() - 5)) >
            d->lstFindCustomerData->viewport()->width());

    // Trailing blanks are ignored, leading ones are not.
    search("김철수   ");
    QCOMPARE(keys(), (QStringList{"2", "1"}));
    QCOMPARE(d->txtFindSearchData->text(), QString("김철수   "));
    search(" 김철수");
    QCOMPARE(lines(), QStringList());
    QCOMPARE(answers->lastText(), notFoundText);

    // A click into the box empties it, also after typing.
    TestSupport::type(d->txtFindSearchData, "박");
    QCOMPARE(d->txtFindSearchData->text(), QString(" 김철수박"));
    QTest::mouseClick(d->txtFindSearchData, Qt::LeftButton);
    QCOMPARE(d->txtFindSearchData->text(), QString());
    TestSupport::type(d->txtFindSearchData, "박");
    QTest::mouseClick(d->txtFindSearchData, Qt::RightButton);
    QCOMPARE(d->txtFindSearchData->text(), QString("박"));

    // Without a nameless addressee an empty box lists every addressee.
    closeDialog();
    TestSupport::query(folder->file("orvaneit.mdb"), "delete from customer where seq = '7'");
    AddresseeBook::shared()->reload();
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    d = AddresseeSearchDialog::instance();
    QTest::mouseClick(d->cmdSearchData, Qt::LeftButton);
    QCOMPARE(keys(), (QStringList{"5", "2", "1", "3", "4", "6"}));
    search("");
    QCOMPARE(keys().size(), 6);
}

void SearchDataTest::notFoundMessage() {
    addSeven();
    QVERIFY(openBoth());
    search("김철수");
    answers->clear();
    search("최");
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QCOMPARE(answers->messages[0].text, notFoundText);
    QCOMPARE(answers->messages[0].icon, Icon::Information);
    QCOMPARE(answers->messages[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(d->lstFindCustomerData->count(), 0);
    QCOMPARE(d->txtFindSearchData->text(), QString("최"));
    QVERIFY(d->isVisible());
}

void SearchDataTest::doubleClickBringsTheAddressee() {
    const QHash<QString, QString> full = {{"seq", "12345"},
                                          {"name", "김철수"},
                                          {"email", "kim@example.kr"},
                                          {"mobilephone", "010-1111-2222"},
                                          {"printcondition", "1"},
                                          {"company", "한빛상사"},
                                          {"department", "총무부"},
                                          {"departposition", "과장"},
                                          {"hometelephone", "02-111-1111"},
                                          {"companytelephone", "02-222-2222"},
                                          {"extentionnumber", "123"},
                                          {"facsimile", "02-333-3333"},
                                          {"zipcode", "135-806"},
                                          {"address1", "서울 강남구  개포1동"},
                                          {"address2", "12-3"},
                                          {"remark", "메모\n둘째 줄"}};
    TestSupport::addCustomer(full);
    add("1", "가");
    add("2", "김철수", "가나학교");
    add("3", "하");
    QVERIFY(openBoth());
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    search("김철수");
    QCOMPARE(keys(), (QStringList{"2", "12345"}));
    doubleClickKey("12345");

    QVERIFY(!AddresseeSearchDialog::instance());
    const QList<QPair<QLineEdit*, const char*>> boxes = {
        {w->txtCustomerName, "name"},
        {w->txtCustomerEmail, "email"},
        {w->txtCustomerMobilePhone, "mobilephone"},
        {w->txtCustomerCompany, "company"},
        {w->txtCustomerDepartment, "department"},
        {w->txtCustomerDepartPosition, "departposition"},
        {w->txtCustomerHomeTelephone, "hometelephone"},
        {w->txtCustomerCompanyTelephone, "companytelephone"},
        {w->txtCustomerExtentionNumber, "extentionnumber"},
        {w->txtCustomerFacsimile, "facsimile"},
        {w->txtCustomerZipcode, "zipcode"},
        {w->txtCustomerAddress1, "address1"},
        {w->txtCustomerAddress2, "address2"}};
    for (const auto& [box, column] : boxes)
        QCOMPARE(box->text(), full.value(column));
    QCOMPARE(w->txtCustomerRemark->toPlainText(), QString("메모\n둘째 줄"));
    QVERIFY(w->chkPrintCondition->isChecked());
    QCOMPARE(w->chkPrintCondition->text(), QString("출력시 사용"));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 3 / 4"));
    QCOMPARE(statusRowSeq(), QString("12345"));
    QCOMPARE(buttons(), QString("011110 입력 수정"));

    // "수정" and "확인" change exactly the chosen addressee.
    QTest::mouseClick(w->cmdCustomerUpdate, Qt::LeftButton);
    TestSupport::type(w->txtCustomerDepartment, "부");
    QTest::mouseClick(w->cmdCustomerUpdate, Qt::LeftButton);
    QCOMPARE(stored("seq, name, company, department, remark"),
             (QList<QStringList>{{"12345", "김철수", "한빛상사", "총무부부", "메모\n둘째 줄"},
                                 {"1", "가", "", "", ""},
                                 {"2", "김철수", "가나학교", "", ""},
                                 {"3", "하", "", "", ""}}));

    // A row whose print flag is "2" unticks the box; the nameless line works too.
    add("9", "", "무명");
    AddresseeBook::shared()->reload();
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    d = AddresseeSearchDialog::instance();
    QTest::mouseClick(d->cmdSearchData, Qt::LeftButton);
    doubleClickKey("9");
    QCOMPARE(w->txtCustomerName->text(), QString());
    QCOMPARE(w->txtCustomerCompany->text(), QString("무명"));
    QVERIFY(!w->chkPrintCondition->isChecked());
    QCOMPARE(w->chkPrintCondition->text(), QString("출력시 미사용"));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 1 / 5"));
}

void SearchDataTest::closingWithoutChoiceKeepsTheShownAddressee() {
    addSeven();
    QVERIFY(openBoth());
    closeDialog();
    doubleClickGridRowWithSeq("6");
    QCOMPARE(w->txtCustomerName->text(), QString("이수"));

    // The close box: nothing changes in the window, and it still
    // stands on the shown addressee.
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    d = AddresseeSearchDialog::instance();
    search("김");
    QCOMPARE(statusRowSeq(), QString("6"));
    closeDialog();
    QCOMPARE(statusRowSeq(), QString("6"));
    QCOMPARE(buttons(), QString("011010 입력 수정"));

    // A double-click with no line chosen: no box changes, change and delete
    // are offered, and they act on the shown addressee.
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    d = AddresseeSearchDialog::instance();
    search("김철수");
    const QRect last = d->lstFindCustomerData->visualItemRect(d->lstFindCustomerData->item(1));
    doubleClickAt(QPoint(last.center().x(), last.bottom() + 40));
    QCOMPARE(w->txtCustomerName->text(), QString("이수"));
    QCOMPARE(statusRowSeq(), QString("6"));
    QCOMPARE(buttons(), QString("011010 입력 수정"));
    QTest::mouseClick(w->cmdCustomerUpdate, Qt::LeftButton);
    TestSupport::type(w->txtCustomerCompany, "바뀜");
    QTest::mouseClick(w->cmdCustomerUpdate, Qt::LeftButton);
    QCOMPARE(stored("seq, company").last(), (QStringList{"7", "무명회사"}));
    QCOMPARE(stored("seq, company")[5], (QStringList{"6", "바뀜"}));

    // A line whose addressee has been deleted meanwhile finds no row.
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    d = AddresseeSearchDialog::instance();
    search("박영희");
    doubleClickGridRowWithSeq("4");
    answers->answers << Answer::Yes;
    QTest::mouseClick(w->cmdCustomerDelete, Qt::LeftButton);
    const QString shown = w->shownSeq();
    QVERIFY(shown != "4");
    const QString name = w->txtCustomerName->text();
    QTest::mouseClick(w->cmdCustomerSearchData, Qt::LeftButton);
    doubleClickKey("4");
    QCOMPARE(w->txtCustomerName->text(), name);
    QCOMPARE(statusRowSeq(), shown);
    answers->answers << Answer::Yes;
    QTest::mouseClick(w->cmdCustomerDelete, Qt::LeftButton);
    QCOMPARE(stored("seq").size(), 5);
    QVERIFY(!stored("seq").contains(QStringList{shown}));
}

void SearchDataTest::addresseeWindowGone() {
    addSeven();
    QVERIFY(openBoth());
    // The exit button closes the window and its cursor; the dialog stays.
    QPointer<AddresseeWindow> guard(w);
    QTest::mouseClick(w->cmdCustomerExit, Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
    w = nullptr;
    search("김");
    QCOMPARE(d->lstFindCustomerData->count(), 0);
    QCOMPARE(answers->lastText(), notFoundText);
    doubleClickAt(QPoint(10, 10));
    QCOMPARE(stored("seq").size(), 7);
}

QTEST_MAIN(SearchDataTest)
#include "tst_searchdata.moc"
