#include "TestSupport.h"
#include "addressee/AccessTableDialog.h"
#include "addressee/AddresseeWindow.h"
#include "addressee/ColumnMappingDialog.h"
#include "addressee/ExchangeMenu.h"
#include "addressee/ImportPreviewDialog.h"
#include "addressee/StartWindow.h"
#include "store/AccessFile.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/BookLock.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/QtTranslation.h"

#include <QFile>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using MessageBox::Answer;
using MessageBox::Icon;
using TestSupport::click;
using TestSupport::digest;

namespace {
const char* const columns[] = {"seq",
                               "name",
                               "email",
                               "mobilephone",
                               "printcondition",
                               "company",
                               "department",
                               "departposition",
                               "hometelephone",
                               "companytelephone",
                               "extentionnumber",
                               "facsimile",
                               "zipcode",
                               "address1",
                               "address2",
                               "remark"};

// Puts addressees straight into the file: seq, name, company, then any further columns.
void seed(const QString& folder, const QList<QStringList>& rows) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "seed");
        db.setDatabaseName(folder + "/orvaneit.mdb");
        QVERIFY(db.open());
        QSqlQuery q(db);
        q.exec(
            "create table if not exists customer(seq text(5), name text(40), email text(40), "
            "mobilephone text(20),printcondition text(1), company text(40), department text(40), "
            "departposition text(20),hometelephone text(20), companytelephone text(20), "
            "extentionnumber text(10),facsimile text(20), zipcode text(7), address1 text(50), "
            "address2 text(50), remark text)");
        q.exec("create table if not exists personal(name text(40), company text(40), "
               "department text(40), departposition text(20), email text(40), telephone "
               "text(20), facsimile text(20), mobilephone text(20), zipcode text(7), address1 "
               "text(50), address2 text(50))");
        for (const QStringList& row : rows) {
            q.prepare("insert into customer (seq, name, company, printcondition, remark, email, "
                      "mobilephone, department, departposition, hometelephone, companytelephone, "
                      "extentionnumber, facsimile, zipcode, address1, address2) "
                      "values (?, ?, ?, ?, ?, '', '', '', '', '', '', '', '', '', '', '')");
            q.addBindValue(row.value(0));
            q.addBindValue(row.value(1));
            q.addBindValue(row.value(2));
            q.addBindValue(row.value(3, "2"));
            q.addBindValue(row.value(4, ""));
            QVERIFY(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("seed");
}

} // namespace

class AddresseeWindowTest : public QObject, AddresseeWindowFixture {
    Q_OBJECT
  private:
    AddresseeWindow* openWindow() {
        w = AddresseeWindow::open();
        if (w)
            (void)QTest::qWaitForWindowExposed(w);
        return w;
    }
    QList<QStringList> stored(const QString& what = "seq, name, printcondition, company, remark") {
        return TestSupport::query(folder->file("orvaneit.mdb"),
                                  "select " + what + " from customer order by rowid");
    }
    QString gridText(int row, int column) {
        return w->grdDataList->model()->index(row, column).data().toString();
    }
    void addAddressee(const QString& name, const QString& company = QString()) {
        click(w->cmdCustomerAdd);
        TestSupport::type(w->txtCustomerName, name);
        if (!company.isEmpty())
            TestSupport::type(w->txtCustomerCompany, company);
        click(w->cmdCustomerAdd);
    }
    void restart() {
        w->close();
        delete w;
        AddresseeBook::shutDown();
        openWindow();
    }

  private slots:
    void initTestCase() {
        Fonts::install();
        AccessFile::setReaderProgram(QDir(PROGRAM_DIR).filePath("orvaneit-data"));
    }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void firstStartCreatesTheBook();
    void layoutFontsAndLimits();
    void gridListsByNameThenCompany();
    void addStoresExactlyWhatWasTyped();
    void numberingAfterDeleteAndRestart();
    void numbersRunOut();
    void deleteShowsSecondRowAndAnswerNo();
    void deletingTheOnlyRow();
    void mixedStateSavesAsNewRow();
    void changeKeepsSeqAndRemark();
    void changeAndDeleteActOnTheShownRow();
    void failedSaveKeepsTypingAndData();
    void lockedFileIsReported();
    void damagedFileIsLeftAlone();
    void startScreenLeadsInAndBack();
    void messageBoxesAnswerInKorean();
    void secondCopyEndsAndFirstStays();
    void dataMenuFitsBesideTheButtons();
    void importShowsPreviewFirst();
    void accessFileWhereTheBookBelongs();
    void accessTableMappedByHand();
    void exportChosenBackupAndRestore();
    void emojiNeverCutInHalf();
};

void AddresseeWindowTest::firstStartCreatesTheBook() {
    QVERIFY(openWindow());
    QVERIFY(QFile::exists(folder->file("orvaneit.mdb")));
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QCOMPARE(answers->messages[0].text,
             QString("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"));
    QCOMPARE(answers->messages[0].icon, Icon::Question);
    QCOMPARE(w->grdDataList->model()->rowCount(), 0);
    QCOMPARE(w->grdDataList->model()->headerData(4, Qt::Horizontal).toString(), QString("이름"));
    QCOMPARE(buttons(), QString("100110 입력 수정"));
    QCOMPARE(w->stbPanels[0]->text(), QString());
    QVERIFY(!w->stbPanels[4]->toolTip().isEmpty());
    QVERIFY(!w->stbPanels[4]->text().isEmpty());

    addAddressee("가");
    QCOMPARE(stored(), (QList<QStringList>{{"1", "가", "2", "", ""}}));
    QCOMPARE(gridText(0, 1), QString("1"));
    QCOMPARE(gridText(0, 4), QString("가"));
    QCOMPARE(buttons(), QString("100110 입력 수정"));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 1 / 1"));
}

void AddresseeWindowTest::layoutFontsAndLimits() {
    QVERIFY(openWindow());
    TestSupport::checkLayout(w, AddresseeWindow::layout(), w->keyboardOrder());
    QCOMPARE(w->size(), QSize(803, 585));
    QCOMPARE(w->txtCustomerName->geometry(), QRect(96, 24, 289, 27));
    QCOMPARE(w->txtCustomerName->parentWidget(), static_cast<QWidget*>(w->fraOrvane));
    QCOMPARE(w->txtCustomerCompany->parentWidget(),
             static_cast<QWidget*>(w->FraCustomerInpomation));
    QCOMPARE(w->cmdCustomerAdd->geometry(), QRect(712, 16, 81, 33));
    QCOMPARE(Controls::characterLimit(w->txtCustomerName), 40);
    QCOMPARE(Controls::characterLimit(w->txtCustomerZipcode), 7);
    QCOMPARE(Controls::characterLimit(w->txtCustomerExtentionNumber), 10);
    QCOMPARE(Controls::characterLimit(w->txtCustomerAddress2), 50);
    QCOMPARE(w->txtCustomerName->font().family(), QString("굴림"));
    QCOMPARE(QFontInfo(w->txtCustomerName->font()).family(), QString("NanumGothic"));
    QVERIFY(w->fraOrvane->font().bold());
    QVERIFY(!w->txtCustomerName->font().bold());
    QVERIFY(!TestSupport::takesComposition(w->txtCustomerEmail));
    // seq shows five digits in full.
    const int cellMargins = 2 * (w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    QVERIFY(w->grdDataList->columnWidth(1) - cellMargins >=
            QFontMetricsF(w->grdDataList->font()).horizontalAdvance("12345"));
    // Each box is announced by its label, not by its frame's caption.
    QStringList names;
    for (QWidget* box : std::initializer_list<QWidget*>{
             w->txtCustomerName, w->txtCustomerEmail, w->txtCustomerMobilePhone,
             w->txtCustomerCompany, w->txtCustomerDepartment, w->txtCustomerDepartPosition,
             w->txtCustomerHomeTelephone, w->txtCustomerCompanyTelephone,
             w->txtCustomerExtentionNumber, w->txtCustomerFacsimile, w->txtCustomerZipcode,
             w->txtCustomerAddress1, w->txtCustomerAddress2, w->txtCustomerRemark, w->grdDataList})
        names << TestSupport::accessibleName(box);
    QCOMPARE(names.join(','),
             QString("이름,이메일,휴대폰,직장/학교,부서/학과,직급/학년,전화(집),전화(회사),"
                     "내선번호,팩스,주소,주소,주소,메모,입력 Data List"));
    QVERIFY(TestSupport::takesComposition(w->txtCustomerName));
    // Company is the widest column and seq the narrowest.
    for (int c = 3; c <= 7; ++c) {
        QVERIFY(w->grdDataList->columnWidth(2) > w->grdDataList->columnWidth(c));
        QVERIFY(w->grdDataList->columnWidth(1) < w->grdDataList->columnWidth(c));
    }
    // Tab order through the boxes and buttons.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QList<QWidget*> expected = {w->txtCustomerEmail,
                                w->txtCustomerMobilePhone,
                                w->txtCustomerCompany,
                                w->txtCustomerDepartment,
                                w->txtCustomerDepartPosition,
                                w->txtCustomerHomeTelephone,
                                w->txtCustomerCompanyTelephone,
                                w->txtCustomerExtentionNumber,
                                w->txtCustomerFacsimile,
                                w->txtCustomerRemark,
                                w->cmdCustomerAdd,
                                w->txtCustomerZipcode,
                                w->txtCustomerAddress1,
                                w->txtCustomerAddress2};
    w->txtCustomerName->setFocus();
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void AddresseeWindowTest::gridListsByNameThenCompany() {
    seed(folder->path(), {{"1", "나", "b"}, {"2", "가", "z"}, {"3", "다", ""}, {"4", "가", "a"}});
    QVERIFY(openWindow());
    QCOMPARE(answers->messages.size(), 0);
    QCOMPARE(w->grdDataList->model()->rowCount(), 4);
    QStringList order;
    for (int r = 0; r < 4; ++r)
        order << gridText(r, 1);
    QCOMPARE(order, (QStringList{"4", "2", "1", "3"}));
    QCOMPARE(gridText(0, 2), QString("a"));
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    QCOMPARE(w->txtCustomerCompany->text(), QString("a"));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 1 / 4"));
    QCOMPARE(buttons(), QString("100110 입력 수정"));

    doubleClickGridRowWithSeq("3");
    QCOMPARE(w->txtCustomerName->text(), QString("다"));
    // The first column is fixed: the chosen row is not shown selected there.
    const auto cell = [this](int row, int column) {
        const QRect r = w->grdDataList->visualRect(w->grdDataList->model()->index(row, column));
        return w->grdDataList->viewport()->grab().toImage().copy(r);
    };
    QVERIFY(cell(0, 1) != cell(1, 1) && cell(3, 1) != cell(2, 1));
    QCOMPARE(cell(3, 0), cell(2, 0));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 4 / 4"));
    QCOMPARE(buttons(), QString("011010 입력 수정"));
}

void AddresseeWindowTest::addStoresExactlyWhatWasTyped() {
    QVERIFY(openWindow());
    click(w->cmdCustomerAdd);
    QCOMPARE(buttons(), QString("100001 저장 수정"));
    QCOMPARE(w->txtCustomerName->text(), QString());
    const QList<QPair<QWidget*, QString>> typed = {
        {w->txtCustomerName, "  홍 길동 "},
        {w->txtCustomerEmail, "o'brien@\"x\".kr"},
        {w->txtCustomerMobilePhone, "010-1234-5678"},
        {w->txtCustomerCompany, "007"},
        {w->txtCustomerDepartment, "1e3"},
        {w->txtCustomerDepartPosition, "3.50"},
        {w->txtCustomerHomeTelephone, " "},
        {w->txtCustomerCompanyTelephone, "𠀀😀"},
        {w->txtCustomerExtentionNumber, "0012"},
        {w->txtCustomerFacsimile, "-0"},
        {w->txtCustomerZipcode, "123-456"},
        {w->txtCustomerAddress1, "서울  중구 갑동"},
        {w->txtCustomerAddress2, "1-2 ' ; drop table customer;"}};
    for (const auto& [box, text] : typed)
        TestSupport::type(box, text);
    TestSupport::type(w->txtCustomerRemark, "007\n둘째 줄 ");
    click(w->chkPrintCondition);
    QCOMPARE(w->chkPrintCondition->text(), QString("출력시 사용"));
    click(w->cmdCustomerAdd);

    const auto rows = stored(
        "seq, name, email, mobilephone, printcondition, company, department, departposition, "
        "hometelephone, companytelephone, extentionnumber, facsimile, zipcode, address1, "
        "address2, remark");
    QCOMPARE(rows.size(), 1);
    const QStringList expected{"1",
                               "  홍 길동 ",
                               "o'brien@\"x\".kr",
                               "010-1234-5678",
                               "1",
                               "007",
                               "1e3",
                               "3.50",
                               " ",
                               "𠀀😀",
                               "0012",
                               "-0",
                               "123-456",
                               "서울  중구 갑동",
                               "1-2 ' ; drop table customer;",
                               "007\n둘째 줄 "};
    QCOMPARE(rows[0], expected);
    QCOMPARE(w->txtCustomerCompany->text(), QString("007"));
    QCOMPARE(w->txtCustomerRemark->toPlainText(), QString("007\n둘째 줄 "));
    QVERIFY(w->chkPrintCondition->isChecked());

    // Unticking the box shows the other caption.
    click(w->chkPrintCondition);
    QCOMPARE(w->chkPrintCondition->text(), QString("출력시 미사용"));
}

void AddresseeWindowTest::numberingAfterDeleteAndRestart() {
    QVERIFY(openWindow());
    addAddressee("가");
    addAddressee("나");
    addAddressee("다");
    QCOMPARE(stored("seq, name").size(), 3);
    doubleClickGridRowWithSeq("3");
    answers->answers << Answer::Yes;
    click(w->cmdCustomerDelete);
    restart();
    addAddressee("라");
    QCOMPARE(stored("seq, name").last(), (QStringList{"3", "라"}));
    // Deleting every row starts the numbering again, without a restart.
    for (const QString seq : {"1", "2", "3"}) {
        doubleClickGridRowWithSeq(seq);
        answers->answers << Answer::Yes;
        click(w->cmdCustomerDelete);
    }
    QCOMPARE(stored("seq").size(), 0);
    addAddressee("마");
    QCOMPARE(stored("seq, name"), (QList<QStringList>{{"1", "마"}}));
}

// seq has five digits: past 99999 a free number is given, and with every
// number held the user is told so and what to do; nothing is stored.
void AddresseeWindowTest::numbersRunOut() {
    AddressBook::openOrCreate();
    TestSupport::query(folder->file("orvaneit.mdb"),
                       "with recursive n(i) as (select 1 union all select i + 1 from n where i < "
                       "99999) insert into customer select i, 'x' || i, '', '', '2', '', '', '', "
                       "'', '', '', '', '', '', '', '' from n where i <> 7");
    QVERIFY(openWindow());
    addAddressee("새");
    QCOMPARE(stored("seq, name").last(), (QStringList{"7", "새"}));
    QCOMPARE(w->txtCustomerName->text(), QString("새"));
    answers->clear();
    addAddressee("또");
    QCOMPARE(answers->lastText(),
             QString("입력한 데이타를 저장하지 못했습니다.\n주소록에 더 이상 번호를 매길 수 "
                     "없습니다.\n데이타마다 붙는 번호(1부터 99999까지)를 모두 썼습니다.\n더 필요 "
                     "없는 데이타를 삭제하신 후 다시 입력하십시요."));
    QCOMPARE(stored("count(*)"), (QList<QStringList>{{"99999"}}));
    QCOMPARE(w->txtCustomerName->text(), QString("또"));
}

void AddresseeWindowTest::deleteShowsSecondRowAndAnswerNo() {
    seed(folder->path(), {{"1", "가"}, {"2", "나"}, {"3", "다"}});
    QVERIFY(openWindow());
    doubleClickGridRowWithSeq("1");
    answers->answers << Answer::No;
    click(w->cmdCustomerDelete);
    QCOMPARE(answers->lastText(),
             QString("삭제 하시겠습니까?\n삭제시 영구히 삭제되며\n되살릴 수 없습니다"));
    QCOMPARE(answers->messages.last().icon, Icon::Exclamation);
    QCOMPARE(answers->messages.last().buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(stored("seq").size(), 3);
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    QCOMPARE(buttons(), QString("100110 입력 수정"));

    doubleClickGridRowWithSeq("1");
    answers->answers << Answer::Yes;
    click(w->cmdCustomerDelete);
    QCOMPARE(stored("name"), (QList<QStringList>{{"나"}, {"다"}}));
    QCOMPARE(w->txtCustomerName->text(), QString("다"));
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 2 / 2"));
    QCOMPARE(w->grdDataList->model()->rowCount(), 2);
    QCOMPARE(buttons(), QString("100110 입력 수정"));
}

void AddresseeWindowTest::deletingTheOnlyRow() {
    seed(folder->path(), {{"7", "가"}});
    QVERIFY(openWindow());
    doubleClickGridRowWithSeq("7");
    answers->answers << Answer::Yes;
    click(w->cmdCustomerDelete);
    QCOMPARE(answers->lastText(), QString("모든 데이타가 다 지워졌습니다"));
    QCOMPARE(answers->messages.last().icon, Icon::Information);
    QCOMPARE(stored("seq").size(), 0);
    QCOMPARE(w->txtCustomerName->text(), QString());
    QCOMPARE(gridText(0, 4), QString());
    QCOMPARE(w->grdDataList->model()->headerData(4, Qt::Horizontal).toString(), QString());
    QCOMPARE(buttons(), QString("100110 입력 수정"));
    addAddressee("나");
    QCOMPARE(stored("seq, name"), (QList<QStringList>{{"1", "나"}}));
}

void AddresseeWindowTest::mixedStateSavesAsNewRow() {
    seed(folder->path(), {{"1", "가"}, {"2", "나"}});
    QVERIFY(openWindow());
    click(w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerName, "새사람");
    doubleClickGridRowWithSeq("2");
    QCOMPARE(buttons(), QString("011001 저장 수정"));
    answers->answers << Answer::No;
    click(w->cmdCustomerDelete);
    QCOMPARE(buttons(), QString("100111 저장 수정"));
    // The shown addressee is stored again as a new row.
    click(w->cmdCustomerAdd);
    QCOMPARE(stored("seq, name"), (QList<QStringList>{{"1", "가"}, {"2", "나"}, {"3", "나"}}));
    QCOMPARE(buttons(), QString("100110 입력 수정"));
}

void AddresseeWindowTest::changeKeepsSeqAndRemark() {
    seed(folder->path(), {{"1", "가", "", "2", "메모"}, {"2", "나"}});
    QVERIFY(openWindow());
    QCOMPARE(w->txtCustomerRemark->toPlainText(), QString("메모"));
    for (int round = 0; round < 2; ++round) {
        doubleClickGridRowWithSeq("1");
        click(w->cmdCustomerUpdate);
        QCOMPARE(buttons(), QString("010001 입력 확인"));
        TestSupport::type(w->txtCustomerCompany, "회사");
        click(w->cmdCustomerUpdate);
        QCOMPARE(buttons(), QString("100110 입력 수정"));
    }
    QCOMPARE(stored(),
             (QList<QStringList>{{"1", "가", "2", "회사회사", "메모"}, {"2", "나", "2", "", ""}}));
}

void AddresseeWindowTest::changeAndDeleteActOnTheShownRow() {
    seed(folder->path(), {{"1", "가"}, {"2", "나"}, {"3", "다"}});
    QVERIFY(openWindow());
    doubleClickGridRowWithSeq("2");
    click(w->cmdCustomerUpdate);
    TestSupport::type(w->txtCustomerCompany, "바뀜");
    // Other windows look up other addressees meanwhile.
    AddresseeBook::shared()->indexedPlaceOf("3");
    click(w->cmdCustomerUpdate);
    QCOMPARE(stored("seq, company"), (QList<QStringList>{{"1", ""}, {"2", "바뀜"}, {"3", ""}}));

    doubleClickGridRowWithSeq("2");
    AddresseeBook::shared()->indexedPlaceOf("1");
    answers->answers << Answer::Yes;
    click(w->cmdCustomerDelete);
    QCOMPARE(stored("seq"), (QList<QStringList>{{"1"}, {"3"}}));
}

void AddresseeWindowTest::failedSaveKeepsTypingAndData() {
    seed(folder->path(), {{"1", "가"}});
    // The file refuses every new row.
    TestSupport::query(folder->file("orvaneit.mdb"),
                       "create trigger refuse before insert on customer "
                       "begin select raise(abort, 'refused'); end");
    QVERIFY(openWindow());
    const QByteArray before = digest(folder->file("orvaneit.mdb"));
    click(w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerName, "여섯자리");
    click(w->cmdCustomerAdd);
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QVERIFY2(answers->lastText().startsWith("입력한 데이타를 저장하지 못했습니다."),
             qPrintable(answers->lastText()));
    QCOMPARE(w->txtCustomerName->text(), QString("여섯자리"));
    QCOMPARE(buttons(), QString("100001 저장 수정"));
    QCOMPARE(digest(folder->file("orvaneit.mdb")), before);
    QCOMPARE(AddresseeBook::shared()->lastSeq(), QString("1"));
}

void AddresseeWindowTest::lockedFileIsReported() {
    seed(folder->path(), {{"1", "가"}});
    QVERIFY(openWindow());
    doubleClickGridRowWithSeq("1");
    click(w->cmdCustomerUpdate);
    TestSupport::type(w->txtCustomerCompany, "잠김");
    {
        // Another program holds the file locked.
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
        other.setDatabaseName(folder->file("orvaneit.mdb"));
        QVERIFY(other.open());
        QSqlQuery(other).exec("begin exclusive");
        click(w->cmdCustomerUpdate);
        QSqlQuery(other).exec("rollback");
        other.close();
    }
    QSqlDatabase::removeDatabase("locker");
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY(answers->lastText().startsWith("수정한 데이타를 저장하지 못했습니다."));
    QCOMPARE(w->txtCustomerCompany->text(), QString("잠김"));
    QCOMPARE(w->cmdCustomerUpdate->text(), QString("확인"));
    QCOMPARE(stored("company"), (QList<QStringList>{{""}}));
    // Once the file is free again the same press stores the change.
    click(w->cmdCustomerUpdate);
    QCOMPARE(stored("company"), (QList<QStringList>{{"잠김"}}));
}

void AddresseeWindowTest::damagedFileIsLeftAlone() {
    QFile f(folder->file("orvaneit.mdb"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a database");
    f.close();
    const QByteArray before = digest(f.fileName());
    QVERIFY(!AddresseeWindow::open());
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QVERIFY(answers->lastText().contains("orvaneit.mdb"));
    QCOMPARE(digest(f.fileName()), before);
}

void AddresseeWindowTest::startScreenLeadsInAndBack() {
    seed(folder->path(), {{"1", "가"}});
    StartWindow start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QCOMPARE(start.windowTitle(), QString("orvane-it"));
    QVERIFY(!start.Image1->pixmap().isNull());
    QCOMPARE(start.Image1->pixmap().size(), QSize(720, 440));
    // Enter on the focused button presses it.
    start.cmdStartOrvaneit->setFocus();
    QTest::keyClick(start.cmdStartOrvaneit, Qt::Key_Return);
    w = AddresseeWindow::instance();
    QVERIFY(w && w->isVisible());
    QVERIFY(!start.isVisible());
    QCOMPARE(start.cmdStartOrvaneit->text(), QString("종료"));

    click(w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerName, "반쯤");
    QPointer<AddresseeWindow> guard(w);
    w->close(); // the close box
    w = nullptr;
    QVERIFY(start.isVisible());
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(stored("name"), (QList<QStringList>{{"가"}}));
    QTest::mouseClick(start.cmdStartOrvaneit, Qt::LeftButton);
    QVERIFY(!start.isVisible());
}

void AddresseeWindowTest::messageBoxesAnswerInKorean() {
    delete answers; // the real message boxes
    answers = nullptr;
    // Shows a message, reads its buttons' captions and presses the last in order.
    const auto show = [](MessageBox::Buttons buttons) {
        QStringList captions;
        QTimer::singleShot(0, [&captions] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QList<QAbstractButton*> all = box->buttons();
            std::sort(all.begin(), all.end(),
                      [](auto* a, auto* b) { return a->text() < b->text(); });
            for (QAbstractButton* b : all)
                captions << b->text();
            all.last()->click();
        });
        const Answer answer = MessageBox::show(nullptr, "알림", Icon::Information, buttons);
        return captions.join(' ') + ' ' + QString::number(int(answer));
    };
    for (const bool translated : {false, true}) {
        if (translated)
            QVERIFY2(QtTranslation::install(), "qt6-translations-l10n is not installed");
        QCOMPARE(show(MessageBox::Buttons::Ok), QString("확인 %1").arg(int(Answer::Ok)));
        QCOMPARE(show(MessageBox::Buttons::OkCancel), QString("취소 확인 %1").arg(int(Answer::Ok)));
        QCOMPARE(show(MessageBox::Buttons::YesNo), QString("아니요 예 %1").arg(int(Answer::Yes)));
    }
    // The file dialog's kind of entry too.
    QCOMPARE(QFileIconProvider().type(QFileInfo(folder->path())), QString("폴더"));
    // The text boxes' own menu is Korean too.
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QVERIFY(!menu->actions().first()->text().contains("Undo"));
}

void AddresseeWindowTest::secondCopyEndsAndFirstStays() {
    // The program keeps its book in its own folder: each copy runs from here.
    const QString program = folder->file("orvaneit");
    QVERIFY(QFile::copy(PROGRAM_DIR "/orvaneit", program));
    const QString book = folder->file("orvaneit.mdb");
    QProcess first;
    first.start(program);
    QTRY_VERIFY(BookLock::isHeld(book));
    QProcess second;
    second.start(program);
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // A copy that was killed leaves nothing that blocks the next start.
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(!BookLock::isHeld(book));
    QProcess third;
    third.start(program);
    QTRY_VERIFY(BookLock::isHeld(book));
    QVERIFY(!third.waitForFinished(1000));
    third.kill();
    QVERIFY(third.waitForFinished());
}

void AddresseeWindowTest::dataMenuFitsBesideTheButtons() {
    QVERIFY(openWindow());
    auto* menu = w->findChild<ExchangeMenu*>();
    QCOMPARE(menu->cmdDataMenu->text(), QString("자료관리"));
    QCOMPARE(menu->cmdDataMenu->geometry(), QRect(712, 240, 81, 33));
    for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != menu->cmdDataMenu && control->isVisible())
            QVERIFY2(!control->geometry().intersects(menu->cmdDataMenu->geometry()),
                     qPrintable(control->objectName()));
    }
    QCOMPARE(menu->actImport->shortcut(), QKeySequence("Ctrl+I"));
    QCOMPARE(menu->actExportCsv->text(), QString("CSV로 내보내기(&C)..."));
    QStringList names; // the menu's order, "-" where it is parted
    for (const QAction* action : menu->menu->actions())
        names << (action->isSeparator() ? QString("-") : action->objectName());
    QCOMPARE(names.join(','), QString("actExportCsv,actExportVCard,actExportChosenCsv,"
                                      "actExportChosenVCard,-,actImport,actImportAccess,-,"
                                      "actBackup,actRestore,-,actUpdateZipcodes"));
    QCOMPARE(w->grdDataList->contextMenuPolicy(), Qt::CustomContextMenu);

    // The menu's shortcuts work from every box, even where a box would take
    // the keys for editing (Ctrl+E, Ctrl+B); the file dialog is closed.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(20);
    QList<QWidget*> boxes{w->txtCustomerRemark, w->grdDataList};
    for (QLineEdit* box : w->findChildren<QLineEdit*>())
        boxes << box;
    for (QAction* action : {menu->actExportCsv, menu->actExportVCard, menu->actBackup}) {
        QSignalSpy used(action, &QAction::triggered);
        for (QWidget* box : boxes) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            box->setFocus();
            QTest::keyClick(box, action->shortcut()[0].key(),
                            action->shortcut()[0].keyboardModifiers());
        }
        QCOMPARE(used.count(), boxes.size());
    }
}

void AddresseeWindowTest::importShowsPreviewFirst() {
    seed(folder->path(), {{"1", "가", "회사"}});
    QVERIFY(openWindow());
    auto* menu = w->findChild<ExchangeMenu*>();
    QFile file(folder->file("in.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("성명,소속,나이\n가,회사,30\n나,,40\n");
    file.close();
    // Not while an addressee is being typed: the menu offers neither.
    click(w->cmdCustomerAdd);
    QVERIFY(!menu->actImport->isEnabled() && !menu->actRestore->isEnabled());
    menu->importFrom(file.fileName());
    QVERIFY(answers->lastText().contains("Esc로"));
    QVERIFY(!w->findChild<ColumnMappingDialog*>());
    QTest::keyClick(w->txtCustomerName, Qt::Key_Escape);
    QVERIFY(menu->actImport->isEnabled() && menu->actRestore->isEnabled());

    // A column whose name says no field is given one, its values in sight.
    menu->importFrom(file.fileName());
    auto* mapping = w->findChild<ColumnMappingDialog*>();
    QVERIFY(mapping && mapping->isVisible());
    QCOMPARE(mapping->grdColumns->item(2, 1)->text(), QString("30 / 40"));
    QCOMPARE(mapping->cboFields[1]->currentText(), QString("직장/학교"));
    QCOMPARE(mapping->cboFields[2]->currentText(), QString("가져오지 않음"));
    mapping->cboFields[2]->setCurrentText("직장/학교");
    click(mapping->cmdMappingOk);
    QVERIFY(answers->lastText().contains("두 열"));
    QVERIFY(!w->findChild<ImportPreviewDialog*>());
    mapping->cboFields[2]->setCurrentText("메모");
    click(mapping->cmdMappingOk);

    auto* preview = w->findChild<ImportPreviewDialog*>();
    QVERIFY(preview && preview->isVisible());
    QVERIFY2(preview->lblSummary->text().contains("2명을"),
             qPrintable(preview->lblSummary->text()));
    QCOMPARE(preview->lstLookAlikes->count(), 1);
    QCOMPARE(preview->lblIgnored->text(), QString("가져오지 않는 열: 없음"));
    QCOMPARE(stored().size(), 1);
    click(preview->cmdSkipLookAlikes);
    QCOMPARE(stored(),
             (QList<QStringList>{{"1", "가", "2", "회사", ""}, {"2", "나", "2", "", "40"}}));
    QCOMPARE(gridText(1, 4), QString("나"));
    QCOMPARE(answers->lastText(), QString("1명을 추가했습니다"));
    QCOMPARE(answers->messages.last().title, QString("알림"));
    QCOMPARE(AddresseeBook::shared()->lastSeq(), QString("2"));
}

void AddresseeWindowTest::accessFileWhereTheBookBelongs() {
    const QString book = folder->file("orvaneit.mdb");
    QFile::copy(SOURCE_DIR "/tests/store/access/jet4-access2000.mdb", book);
    const QByteArray before = TestSupport::digest(book);
    answers->answers << Answer::No;
    QVERIFY(!openWindow());
    QVERIFY(answers->messages[0].text.contains("Access 주소록입니다"));
    QVERIFY(answers->lastText().contains("그대로 있습니다"));
    // Access, but no book of this program: told so, and nothing changes.
    answers->answers << Answer::Yes;
    QVERIFY(!openWindow());
    QVERIFY2(answers->lastText().contains("(customer, personal)가 없어"),
             qPrintable(answers->lastText()));
    QCOMPARE(TestSupport::digest(book), before);
    QCOMPARE(QDir(folder->path()).entryList({"orvaneit-access-*"}), QStringList());
}

void AddresseeWindowTest::accessTableMappedByHand() {
    QVERIFY(openWindow());
    w->findChild<ExchangeMenu*>()->importAccessFrom(SOURCE_DIR
                                                    "/tests/store/access/jet3-access97.mdb");
    auto* tables = w->findChild<AccessTableDialog*>();
    QVERIFY(tables && tables->isVisible() && tables->cboCodePage->isVisible());
    QCOMPARE(tables->lstTables->count(), 4);
    QCOMPARE(tables->grdSample->item(1, 1)->text(), QString("hijklmnop"));
    // Read again in another code page, the choice of table stays.
    tables->lstTables->setCurrentRow(0);
    tables->cboCodePage->setCurrentText("CP1252");
    emit tables->cboCodePage->textActivated("CP1252");
    QCOMPARE(tables->cboCodePage->currentText(), QString("CP1252"));
    QCOMPARE(tables->grdSample->item(1, 0)->text(), QString("abcdefg"));
    click(tables->cmdTableOk);
    auto* mapping = w->findChild<ColumnMappingDialog*>();
    QVERIFY(mapping && mapping->isVisible());
    mapping->cboFields[0]->setCurrentIndex(mapping->cboFields[0]->findData(AddresseeFields::Name));
    mapping->cboFields[1]->setCurrentIndex(
        mapping->cboFields[1]->findData(AddresseeFields::Company));
    click(mapping->cmdMappingOk);
    auto* preview = w->findChild<ImportPreviewDialog*>();
    QVERIFY(preview && preview->lblSummary->text().contains("Jet 3 (Access 97), Table1"));
    click(preview->cmdAddAll);
    QCOMPARE(stored(), (QList<QStringList>{{"1", "a", "2", "b", ""},
                                           {"2", "abcdefg", "2", "hijklmnop", ""}}));
}

void AddresseeWindowTest::exportChosenBackupAndRestore() {
    seed(folder->path(), {{"1", "가"}, {"2", "나"}, {"3", "다"}});
    QVERIFY(openWindow());
    auto* menu = w->findChild<ExchangeMenu*>();
    w->grdDataList->selectRow(0);
    w->grdDataList->selectionModel()->select(w->grdDataList->model()->index(2, 1),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    menu->exportTo(folder->file("out.csv"), AddresseeExchange::Format::Csv, true);
    QFile out(folder->file("out.csv"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = out.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // header, two rows, nothing after the last line end
    QVERIFY(lines[1].startsWith("1,가,") && lines[2].startsWith("3,다,"));

    menu->backupTo(folder->file("copy.mdb"));
    addAddressee("라");
    // A file that is no backup is refused before anything is asked.
    answers->clear();
    menu->restoreFrom(folder->file("out.csv"));
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY(answers->lastText().contains("백업이 아닙니다"));
    menu->restoreFrom(folder->file("copy.mdb"));
    QCOMPARE(answers->messages[1].title, QString("확인"));
    QVERIFY(answers->messages[1].text.contains("바꾸시겠습니까?"));
    QCOMPARE(stored().size(), 3);
    QCOMPARE(w->grdDataList->model()->rowCount(), 3);
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    QCOMPARE(AddresseeBook::shared()->lastSeq(), QString("3"));
    QCOMPARE(QDir(folder->path()).entryList({"orvaneit-복원전-*.mdb"}).size(), 1);
}

void AddresseeWindowTest::emojiNeverCutInHalf() {
    QVERIFY(openWindow());
    const QString full(40, u'가');
    click(w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerName, full);
    TestSupport::type(w->txtCustomerName, "😀");
    QCOMPARE(w->txtCustomerName->text(), full);
    w->txtCustomerName->clear();
    TestSupport::type(w->txtCustomerName, full.left(39) + "😀😀");
    QCOMPARE(w->txtCustomerName->text(), full.left(39) + "😀");
    click(w->cmdCustomerAdd);
    QCOMPARE(stored("name"), (QList<QStringList>{{full.left(39) + "😀"}}));
}

QTEST_MAIN(AddresseeWindowTest)
#include "tst_addressee.moc"
