#include "TestSupport.h"
#include "addressee/frmOrvane.h"
#include "addressee/frmOrvaneitMain.h"
#include "store/AddressBook.h"
#include "ui/Fonts.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using MessageBox::Answer;
using MessageBox::Icon;

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
        q.exec("create table if not exists personal(name text(40))");
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

QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class AddresseeWindowTest : public QObject {
    Q_OBJECT
  private:
    ScriptedAnswerer* answers = nullptr;
    TempProgramFolder* folder = nullptr;
    frmOrvane* w = nullptr;

    frmOrvane* openWindow() {
        w = frmOrvane::open();
        if (w)
            (void)QTest::qWaitForWindowExposed(w);
        return w;
    }
    QList<QStringList> stored(const QString& what = "seq, name, printcondition, company, remark") {
        return TestSupport::query(folder->file("orvaneit.mdb"),
                                  "select " + what + " from customer order by rowid");
    }
    void click(QAbstractButton* button) {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + " is disabled"));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString gridText(int row, int column) {
        const QTableWidgetItem* item = w->grdDataList->item(row, column);
        return item ? item->text() : QString();
    }
    void doubleClickGridRowWithSeq(const QString& seq) {
        for (int r = 0; r < w->grdDataList->rowCount(); ++r) {
            if (gridText(r, 1) == seq) {
                QTableWidgetItem* item = w->grdDataList->item(r, 1);
                w->grdDataList->scrollToItem(item);
                const QPoint at = w->grdDataList->visualItemRect(item).center();
                QTest::mouseClick(w->grdDataList->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(w->grdDataList->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        }
        QFAIL(qPrintable("no grid row with seq " + seq));
    }
    // Enabled state of add, update, delete, print, search, zip code, and the two captions.
    QString buttons() {
        auto on = [](QAbstractButton* b) { return b->isEnabled() ? QString("1") : QString("0"); };
        return on(w->cmdCustomerAdd) + on(w->cmdCustomerUpdate) + on(w->cmdCustomerDelete) +
               on(w->cmdCustomerPrint) + on(w->cmdCustomerSearchData) + on(w->cmdSearchZipcode) +
               " " + w->cmdCustomerAdd->text() + " " + w->cmdCustomerUpdate->text();
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
        Module1::CustomerCursor.reset();
        Module1::AddressBookDb.reset();
        openWindow();
    }

  private slots:
    void initTestCase() { Fonts::install(); }
    void init() {
        answers = new ScriptedAnswerer;
        folder = new TempProgramFolder;
        w = nullptr;
    }
    void cleanup() {
        delete w;
        delete folder;
        delete answers;
    }

    void firstStartCreatesTheBook();
    void layoutFontsAndLimits();
    void gridListsByNameThenCompany();
    void addStoresExactlyWhatWasTyped();
    void numberingAfterDeleteAndRestart();
    void deleteShowsSecondRowAndAnswerNo();
    void deletingTheOnlyRow();
    void mixedStateSavesAsNewRow();
    void changeKeepsSeqAndRemark();
    void changeAndDeleteActOnTheShownRow();
    void failedSaveKeepsTypingAndData();
    void lockedFileIsReported();
    void damagedFileIsLeftAlone();
    void startScreenLeadsInAndBack();
};

void AddresseeWindowTest::firstStartCreatesTheBook() {
    QVERIFY(openWindow());
    QVERIFY(QFile::exists(folder->file("orvaneit.mdb")));
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QCOMPARE(answers->messages[0].text,
             QString("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"));
    QCOMPARE(answers->messages[0].icon, Icon::Question);
    QCOMPARE(w->grdDataList->rowCount(), 0);
    QCOMPARE(w->grdDataList->horizontalHeaderItem(4)->text(), QString("이름"));
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
    QCOMPARE(w->size(), QSize(803, 585));
    QCOMPARE(w->txtCustomerName->geometry(), QRect(96, 24, 289, 27));
    QCOMPARE(w->txtCustomerName->parentWidget(), static_cast<QWidget*>(w->fraOrvane));
    QCOMPARE(w->txtCustomerCompany->parentWidget(),
             static_cast<QWidget*>(w->FraCustomerInpomation));
    QCOMPARE(w->cmdCustomerAdd->geometry(), QRect(712, 16, 81, 33));
    QCOMPARE(w->txtCustomerName->maxLength(), 40);
    QCOMPARE(w->txtCustomerZipcode->maxLength(), 7);
    QCOMPARE(w->txtCustomerExtentionNumber->maxLength(), 10);
    QCOMPARE(w->txtCustomerAddress2->maxLength(), 50);
    QCOMPARE(w->txtCustomerName->font().family(), QString("굴림"));
    QCOMPARE(QFontInfo(w->txtCustomerName->font()).family(), QString("NanumGothic"));
    QVERIFY(w->fraOrvane->font().bold());
    QVERIFY(!w->txtCustomerName->font().bold());
    QVERIFY(w->txtCustomerEmail->inputMethodHints() & Qt::ImhLatinOnly);
    QVERIFY(!(w->txtCustomerName->inputMethodHints() & Qt::ImhLatinOnly));
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
    QCOMPARE(w->grdDataList->rowCount(), 4);
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
    QCOMPARE(w->grdDataList->rowCount(), 2);
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
    QCOMPARE(w->grdDataList->horizontalHeaderItem(4)->text(), QString());
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
    // Another window walks the shared cursor elsewhere meanwhile.
    Module1::CustomerCursor->moveLast();
    click(w->cmdCustomerUpdate);
    QCOMPARE(stored("seq, company"), (QList<QStringList>{{"1", ""}, {"2", "바뀜"}, {"3", ""}}));

    doubleClickGridRowWithSeq("2");
    Module1::CustomerCursor->moveLast();
    Module1::CustomerCursor->moveNext(); // past the end, as a search leaves it
    answers->answers << Answer::Yes;
    click(w->cmdCustomerDelete);
    QCOMPARE(stored("seq"), (QList<QStringList>{{"1"}, {"3"}}));
}

void AddresseeWindowTest::failedSaveKeepsTypingAndData() {
    seed(folder->path(), {{"99999", "가"}});
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
    QCOMPARE(Module1::LastSeq, QString("99999"));
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
    QVERIFY(!frmOrvane::open());
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages[0].title, QString("경고"));
    QVERIFY(answers->lastText().contains("orvaneit.mdb"));
    QCOMPARE(digest(f.fileName()), before);
}

void AddresseeWindowTest::startScreenLeadsInAndBack() {
    seed(folder->path(), {{"1", "가"}});
    frmOrvaneitMain start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QCOMPARE(start.windowTitle(), QString("orvane-it"));
    QVERIFY(!start.Image1->pixmap().isNull());
    QCOMPARE(start.Image1->pixmap().size(), QSize(720, 440));
    QTest::mouseClick(start.cmdStartOrvaneit, Qt::LeftButton);
    w = frmOrvane::instance();
    QVERIFY(w && w->isVisible());
    QVERIFY(!start.isVisible());
    QCOMPARE(start.cmdStartOrvaneit->text(), QString("종료"));

    click(w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerName, "반쯤");
    QPointer<frmOrvane> guard(w);
    w->close(); // the close box
    w = nullptr;
    QVERIFY(start.isVisible());
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(stored("name"), (QList<QStringList>{{"가"}}));
    QTest::mouseClick(start.cmdStartOrvaneit, Qt::LeftButton);
    QVERIFY(!start.isVisible());
}

QTEST_MAIN(AddresseeWindowTest)
#include "tst_addressee.moc"
