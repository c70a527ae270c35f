#include "TestSupport.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void addCustomer(Recordset& cursor, const QString& seq, const QString& name) {
    cursor.addNew();
    cursor.setField("seq", seq);
    cursor.setField("name", name);
    cursor.update();
}

// A cursor over the addressees in list order that numbers new rows, as the
// address book keeps one; the book is made when missing.
std::unique_ptr<Recordset> bookCursor() {
    auto cursor =
        std::make_unique<Recordset>(AddressBook::openOrCreate(), AddressBook::CustomerOrder);
    cursor->numberNewRows("seq");
    return cursor;
}
} // namespace

class StoreTest : public QObject {
    Q_OBJECT
  private slots:
    void createsBothTablesInColumnOrder();
    void textsComeBackExactly();
    void columnWidthsAreEnforced();
    void cursorMovesAndFinds();
    void lastSeqFollowsTheNewestRow();
    void refusesFilesThatAreNotOurs_data();
    void refusesFilesThatAreNotOurs();
    void installedProgramUsesABookBesideIt();
    void lockedOrUnreadableIsNotDamaged();
    void newBookIsTheOwnersOnly();
    void staleRowIsRefused();
    void rowIsFoundAfterTheFileIsCompacted();
    void twoConnectionsNeverShareASeq();
    void savesSurviveKills();
};

void StoreTest::createsBothTablesInColumnOrder() {
    TempProgramFolder folder;
    AddresseeBook::startUp();
    QVERIFY(QFile::exists(folder.file("orvaneit.mdb")));
    const auto customer =
        TestSupport::query(folder.file("orvaneit.mdb"), "pragma table_info(customer)");
    QStringList columns;
    for (const auto& row : customer)
        columns << (row[1] + " " + row[2]).toLower();
    QCOMPARE(columns.join(","),
             QString("seq text(5),name text(40),email text(40),mobilephone text(20),"
                     "printcondition text(1),company text(40),department text(40),"
                     "departposition text(20),hometelephone text(20),companytelephone text(20),"
                     "extentionnumber text(10),facsimile text(20),zipcode text(7),"
                     "address1 text(50),address2 text(50),remark text"));
    const auto personal =
        TestSupport::query(folder.file("orvaneit.mdb"), "pragma table_info(personal)");
    columns.clear();
    for (const auto& row : personal)
        columns << (row[1] + " " + row[2]).toLower();
    QCOMPARE(columns.join(","),
             QString("name text(40),company text(40),department text(40),departposition text(20),"
                     "email text(40),telephone text(20),facsimile text(20),mobilephone text(20),"
                     "zipcode text(7),address1 text(50),address2 text(50)"));
    QCOMPARE(AddresseeBook::shared()->count(), 0);
    QCOMPARE(AddresseeBook::shared()->lastSeq(), QString("0"));
    const auto cursor = bookCursor();
    QVERIFY(cursor->bof() && cursor->eof());
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor->moveNext());

    // A second start finds the file and leaves it untouched.
    AddresseeBook::shutDown();
    const QByteArray before = TestSupport::digest(folder.file("orvaneit.mdb"));
    AddresseeBook::startUp();
    QCOMPARE(TestSupport::digest(folder.file("orvaneit.mdb")), before);

    // A book made before its numbers had an index gets one, so that a new
    // number is checked without reading every row.
    AddresseeBook::shutDown();
    TestSupport::query(folder.file("orvaneit.mdb"), "drop index customer_by_seq");
    AddresseeBook::startUp();
    const auto plan = TestSupport::query(folder.file("orvaneit.mdb"),
                                         "explain query plan select 1 from customer where seq='7'");
    QVERIFY(!plan.isEmpty());
    QVERIFY2(plan[0].last().contains("INDEX customer_by_seq"), qPrintable(plan[0].last()));
}

void StoreTest::textsComeBackExactly() {
    TempProgramFolder folder;
    const auto owned = bookCursor();
    const QStringList texts = {"홍길동", "  앞뒤 공백  ",
                               " ",      "O'Brien \"Q\"",
                               "007",    "1e3",
                               "3.50",   "010-1234-5678",
                               "𠀀𝄞😀",   "",
                               "0",      "-5"};
    Recordset& cursor = *owned;
    for (int i = 0; i < texts.size(); ++i) {
        cursor.addNew();
        cursor.setField("seq", QString::number(i + 1));
        cursor.setField("name", texts[i]);
        cursor.setField("remark", texts[i] + "\n" + texts[i]);
        cursor.update();
    }
    const auto rows = TestSupport::query(folder.file("orvaneit.mdb"),
                                         "select name, remark, typeof(name), typeof(remark) "
                                         "from customer order by rowid");
    QCOMPARE(rows.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(rows[i][0], texts[i]);
        QCOMPARE(rows[i][1], texts[i] + "\n" + texts[i]);
        QCOMPARE(rows[i][2], QString("text"));
        QCOMPARE(rows[i][3], QString("text"));
    }
    // Read back through a fresh cursor as well; unset columns are empty text, not null.
    Recordset fresh(AddressBook::open(), "customer");
    for (int i = 0; i < texts.size(); ++i, fresh.moveNext()) {
        QCOMPARE(fresh.field("NAME"), texts[i]);
        QCOMPARE(fresh.field("email"), QString(""));
    }
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select count(*) from customer where email is null")[0][0],
             QString("0"));
    // A remark longer than 65,535 characters, and the values beside it.
    const QString longRemark = QString(70000, QChar(u'가')) + "끝";
    cursor.addNew();
    cursor.setField("seq", "99");
    cursor.setField("name", "긴 메모");
    cursor.setField("remark", longRemark);
    cursor.update();
    QCOMPARE(cursor.field("remark"), longRemark);
    fresh.requery();
    QVERIFY(fresh.findFirst("name", "긴 메모"));
    QCOMPARE(fresh.field("remark"), longRemark);
    QCOMPARE(fresh.field("seq"), QString("99"));
    QCOMPARE(fresh.field("address2"), QString(""));
    // A leading U+FEFF is text like any other: stored, read back, and the
    // row found again to be changed.
    const QString marked = QChar(0xFEFF) + QString("앞");
    addCustomer(cursor, "98", marked);
    fresh.requery();
    QVERIFY(fresh.findFirst("seq", "98"));
    QCOMPARE(fresh.field("name"), marked);
    fresh.edit();
    fresh.setField("remark", "바꿈");
    fresh.update();
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select hex(name), remark from customer where seq='98'")[0],
             (QStringList{"EFBBBFEC959E", "바꿈"}));
}

void StoreTest::columnWidthsAreEnforced() {
    TempProgramFolder folder;
    const auto owned = bookCursor();
    Recordset& cursor = *owned;
    addCustomer(cursor, "99999", QString(40, QChar(u'가')));
    cursor.addNew();
    cursor.setField("seq", "100000");
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.update());
    cursor.edit();
    cursor.setField("name", QString(41, QChar(u'가')));
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.update());
    const auto rows =
        TestSupport::query(folder.file("orvaneit.mdb"), "select seq, name from customer");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0], QString("99999"));
    QCOMPARE(rows[0][1], QString(40, QChar(u'가')));
    QCOMPARE(cursor.field("name"), QString(40, QChar(u'가')));
}

void StoreTest::cursorMovesAndFinds() {
    TempProgramFolder folder;
    const auto owned = bookCursor();
    Recordset& cursor = *owned;
    addCustomer(cursor, "1", "다");
    addCustomer(cursor, "2", "가");
    addCustomer(cursor, "3", "나");
    cursor.requery();
    QCOMPARE(cursor.recordCount(), 3);
    QCOMPARE(cursor.field("name"), QString("가"));
    QCOMPARE(cursor.absolutePosition(), 0);
    cursor.moveLast();
    QCOMPARE(cursor.field("Name"), QString("다"));
    cursor.moveNext();
    QVERIFY(cursor.eof());
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.field("name"));
    QVERIFY(cursor.findFirst("seq", "3"));
    QCOMPARE(cursor.absolutePosition(), 1);
    QVERIFY(!cursor.findFirst("seq", "4"));
    QCOMPARE(cursor.absolutePosition(), 1);

    cursor.edit();
    cursor.setField("company", "회사");
    cursor.update();
    QCOMPARE(cursor.absolutePosition(), 1);
    cursor.deleteCurrent();
    cursor.requery();
    QCOMPARE(cursor.recordCount(), 2);
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select group_concat(seq) from customer")[0][0],
             QString("1,2"));
}

void StoreTest::lastSeqFollowsTheNewestRow() {
    TempProgramFolder folder;
    {
        const auto cursor = bookCursor();
        addCustomer(*cursor, "1", "a");
        addCustomer(*cursor, "12", "c");
        addCustomer(*cursor, "3", "b");
    }
    AddresseeBook::startUp();
    // The newest row, not the largest number.
    const AddresseeBook& book = *AddresseeBook::shared();
    QCOMPARE(book.lastSeq(), QString("3"));
    QCOMPARE(book.nextSeq(), QString("4"));
    QCOMPARE(book.lastSeq(), QString("3"));
}

void StoreTest::refusesFilesThatAreNotOurs_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    const QString notOurs = "이 프로그램의 데이타 파일이 아니거나 손상되었습니다";
    QTest::newRow("empty file") << QByteArray() << "orvaneit.mdb 파일이 비어 있습니다 (0 바이트)";
    QTest::newRow("text file") << QByteArray("hello, this is not a database\n") << notOurs;
    QTest::newRow("damaged") << QByteArray("SQLite format 3\0garbagegarbagegarbage", 38) << notOurs;
    QTest::newRow("other program") << QByteArray("create table notes(x text)") << notOurs;
    QTest::newRow("no email column") << QByteArray("alter table customer drop column email")
                                     << "customer 테이블에 email 항목이 없습니다";
    QTest::newRow("truncated") << QByteArray("truncate")
                               << "orvaneit.mdb 파일이 손상되었습니다.\n(database disk image is "
                                  "malformed)";
}

void StoreTest::refusesFilesThatAreNotOurs() {
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    TempProgramFolder folder;
    QString path = folder.file("orvaneit.mdb");
    if (content.startsWith("create")) {
        TestSupport::query(path, content); // a real SQLite file of another program
    } else if (content.startsWith("alter") || content == "truncate") {
        AddressBook::openOrCreate();
        TestSupport::query(path, "with recursive n(i) as (select 1 union all select i + 1 from n "
                                 "where i < 300) insert into customer (seq, name, remark) select "
                                 "i, 'name', hex(randomblob(100)) from n");
        if (content == "truncate")
            QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
        else
            TestSupport::query(path, content);
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const QByteArray before = TestSupport::digest(path);
    try {
        AddresseeBook::startUp();
        QFAIL("the file was accepted");
    } catch (const StoreError& e) {
        QVERIFY2(e.message().startsWith(path + " ") && e.message().contains(says),
                 qPrintable(e.message()));
    }
    QCOMPARE(TestSupport::digest(path), before);
}

void StoreTest::lockedOrUnreadableIsNotDamaged() {
    TempProgramFolder folder;
    const QString path = folder.file("orvaneit.mdb");
    AddressBook::openOrCreate();
    const QByteArray before = TestSupport::digest(path);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery(other).exec("begin exclusive");
        QVERIFY_THROWS_EXCEPTION(StoreError, AddresseeBook::startUp());
        other.close();
    }
    QSqlDatabase::removeDatabase("locker");
    // Not even root may read it once run as another user: the start-up runs
    // as "nobody" in a child process and hands back its message.
    QFile::setPermissions(folder.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    int pipeEnds[2];
    QVERIFY(pipe(pipeEnds) == 0);
    const pid_t child = fork();
    if (child == 0) {
        QByteArray said = "accepted";
        if (getuid() != 0 ||
            (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0)) {
            try {
                Connection::open(path, {"customer"});
            } catch (const StoreError& e) {
                said = e.message().toUtf8();
            }
        }
        (void)!write(pipeEnds[1], said.constData(), said.size());
        _exit(0);
    }
    close(pipeEnds[1]);
    QFile reader;
    QVERIFY(reader.open(pipeEnds[0], QIODevice::ReadOnly, QFile::AutoCloseHandle));
    const QString said = QString::fromUtf8(reader.readAll());
    waitpid(child, nullptr, 0);
    QCOMPARE(said, path + " 파일을 읽고 쓸 권한이 없습니다.\n권한: rw------- (소유자 root)");
    QCOMPARE(TestSupport::digest(path), before);
}

void StoreTest::newBookIsTheOwnersOnly() {
    for (const mode_t mask : {022, 000}) {
        TempProgramFolder folder;
        // What a first start cut short left goes; the user's own files stay.
        const QStringList kept = {"orvaneit.mdb.backup", "orvaneit.mdb.making-notes"};
        for (const QString& name :
             kept + QStringList{"orvaneit.mdb.making-AbCd12", "orvaneit.mdb.making-AbCd12-journal"})
            QVERIFY(QFile(folder.file(name)).open(QIODevice::WriteOnly));
        const mode_t was = umask(mask);
        AddresseeBook::startUp();
        umask(was);
        struct stat made;
        QVERIFY(stat(QFile::encodeName(folder.file("orvaneit.mdb")).constData(), &made) == 0);
        QCOMPARE(made.st_mode & 0777, mode_t(0600));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"orvaneit.mdb"} + kept);
    }
}

void StoreTest::staleRowIsRefused() {
    TempProgramFolder folder;
    const auto owned = bookCursor();
    Recordset& cursor = *owned;
    addCustomer(cursor, "1", "가");
    addCustomer(cursor, "2", "나");
    // Another connection deletes 나; the new row gets its row id.
    Recordset other(AddressBook::open(), "customer");
    other.moveLast();
    other.deleteCurrent();
    addCustomer(other, "3", "다");
    const QByteArray before = TestSupport::digest(folder.file("orvaneit.mdb"));
    QVERIFY(cursor.findFirst("seq", "2"));
    cursor.edit();
    cursor.setField("company", "회사");
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.update());
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.deleteCurrent());
    QCOMPARE(TestSupport::digest(folder.file("orvaneit.mdb")), before);
}

void StoreTest::rowIsFoundAfterTheFileIsCompacted() {
    TempProgramFolder folder;
    const auto owned = bookCursor();
    Recordset& cursor = *owned;
    addCustomer(cursor, "1", "가");
    addCustomer(cursor, "2", "나");
    addCustomer(cursor, "3", "다");
    // Another connection deletes 가 and compacts the file: 나 and 다 get
    // other row ids, 다 the one 나 had.
    {
        const auto other = AddressBook::open();
        QSqlQuery q(other->db());
        QVERIFY(q.exec("delete from customer where seq='1'") && q.exec("vacuum"));
    }
    QVERIFY(cursor.findFirst("seq", "2"));
    cursor.edit();
    cursor.setField("company", "회사");
    cursor.update();
    QVERIFY(cursor.findFirst("seq", "3"));
    cursor.deleteCurrent();
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"), "select seq, company from customer"),
             (QList<QStringList>{{"2", "회사"}}));
}

void StoreTest::twoConnectionsNeverShareASeq() {
    TempProgramFolder folder;
    const auto cursor = bookCursor();
    Recordset other(AddressBook::open(), AddressBook::CustomerOrder);
    other.numberNewRows("seq");
    addCustomer(*cursor, "1", "가");
    addCustomer(other, "1", "나");
    addCustomer(other, "3", "다");
    addCustomer(*cursor, "2", "라");
    QCOMPARE(other.field("seq"), QString("3"));
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select group_concat(seq) from customer")[0][0],
             QString("1,2,3,4"));
    // Past the newest row's number there is none of five digits left.
    addCustomer(other, "5", "마");
    addCustomer(other, "99999", "바");
    QVERIFY_THROWS_EXCEPTION(StoreError, addCustomer(*cursor, "5", "사"));
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select max(length(seq)) from customer")[0][0],
             QString("5"));
}

void StoreTest::installedProgramUsesABookBesideIt() {
    // An installed layout: the program in bin/, the zip code table in share/orvaneit/.
    TempProgramFolder prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/orvaneit"));
    QVERIFY(QFile::copy(TestSupport::builtZipcodeDb(), prefix.file("share/orvaneit/zipcode.mdb")));
    AppPaths::setProgramFolder(prefix.file("bin"));
    QCOMPARE(AppPaths::zipcodePath(), prefix.file("share/orvaneit/zipcode.mdb"));
    QCOMPARE(AppPaths::titlePicturePath(), prefix.file("share/orvaneit/title.jpg"));
    // A book the user copied beside the installed program is the one used.
    QVERIFY(QFile(prefix.file("bin/orvaneit.mdb")).open(QIODevice::WriteOnly));
    QCOMPARE(AppPaths::addressBookPath(), prefix.file("bin/orvaneit.mdb"));
}

void StoreTest::savesSurviveKills() {
    TempProgramFolder folder;
    AddressBook::openOrCreate();
    QStringList reported;
    for (int kill = 0; kill < 60; ++kill) {
        QProcess saver;
        saver.start(SAVE_UNTIL_KILLED, {folder.path()});
        QVERIFY(saver.waitForStarted());
        // Killed at a random moment once it saves, however busy the machine.
        QVERIFY(saver.waitForReadyRead(30000));
        QThread::msleep(QRandomGenerator::global()->bounded(0, 90));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        reported << QString(saver.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    const QString book = folder.file("orvaneit.mdb");
    QCOMPARE(TestSupport::query(book, "pragma integrity_check"), QList<QStringList>{{"ok"}});
    QStringList stored;
    QSet<QString> seqs;
    for (const QStringList& row : TestSupport::query(book, "select seq, name from customer")) {
        stored << row.join(' ');
        seqs << row[0];
    }
    QVERIFY2(reported.size() > 60, qPrintable(QString::number(reported.size())));
    for (const QString& save : reported)
        QVERIFY2(stored.count(save) == 1, qPrintable(save));
    QCOMPARE(seqs.size(), stored.size());
}

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
