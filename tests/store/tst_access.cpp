#include "TestSupport.h"
#include "store/AccessBook.h"
#include "store/AccessFile.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"

#include <QProcess>
#include <QtTest>
#include <functional>

using namespace AddresseeExchange;

namespace {
QString sample(const QString& name) {
    return QStringLiteral(SOURCE_DIR "/tests/store/access/") + name;
}

// A copy of a sample in the program folder, changed as given.
QString copyOf(const QString& name, const std::function<void(QByteArray&)>& change = {}) {
    QFile in(sample(name));
    in.open(QIODevice::ReadOnly);
    QByteArray bytes = in.readAll();
    if (change)
        change(bytes);
    static int copies = 0;
    const QString path =
        QDir(AppPaths::programFolder()).filePath(QStringLiteral("%1-%2").arg(++copies).arg(name));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return path;
}

QString readError(const QString& path) {
    try {
        AccessFile::read(path);
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

// orvaneit-data on the program folder's book; its exit code and what it said.
int tool(const QStringList& args, QString* said = nullptr) {
    QProcess p;
    p.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"),
            QStringList{"--book", AppPaths::addressBookPath()} + args);
    p.waitForFinished();
    if (said)
        *said = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    return p.exitCode();
}

// A book of this program as libmdb reports it: tables and columns in any case.
AccessFile::Contents ownBook() {
    QStringList customer;
    for (int f = 0; f < AddresseeFields::Count; ++f)
        customer << AddresseeFields::column(f).toUpper();
    customer.insert(3, "extra");
    const auto row = [](const QString& seq, const QString& name, const QString& flag) {
        QStringList r = AddresseeFields::emptyRow();
        r[AddresseeFields::Seq] = seq;
        r[AddresseeFields::Name] = name;
        r[AddresseeFields::PrintCondition] = flag;
        r[AddresseeFields::Remark] = " 007 ";
        r.insert(3, "ignored");
        return r;
    };
    QStringList sender = AccessBook::senderColumns();
    return {"Jet 4 (Access 2000-2003)",
            {},
            {{"Customer",
              customer,
              {row("2", "이미 있는 번호", "1"), row("5", "홍길동", "x"), row("5", "같은 번호", "2"),
               row("", "번호 없음", "2"), row("0012", "앞에 0", "1")}},
             {"PERSONAL", sender, {QStringList(sender.size(), "보내는 이")}}}};
}
} // namespace

class AccessTest : public QObject, TestFixture {
    Q_OBJECT
  private slots:
    void initTestCase() {
        AccessFile::setReaderProgram(QDir(PROGRAM_DIR).filePath("orvaneit-data"));
    }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }
    void readsEachGeneration_data();
    void readsEachGeneration();
    void readsKoreanText();
    void badFilesChangeNothing();
    void ownBookKeepsItsNumbers();
    void conversionKeepsTheOriginal();
    void tableMappedByNames();
    void commandLineTakesATable();
};

void AccessTest::readsEachGeneration_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("generation");
    QTest::addColumn<QStringList>("record");
    const QStringList jet3 = {"abcdefg", "hijklmnop",           "2",      "222", "333333333",
                              "444.555", "1974-09-21 00:00:00", "3.5000", "1"};
    QTest::newRow("Jet 3") << "jet3-access97.mdb"
                           << "Jet 3 (Access 97)" << jet3;
    QTest::newRow("Jet 4") << "jet4-access2000.mdb"
                           << "Jet 4 (Access 2000-2003)" << QStringList{"3", "Three"};
    QTest::newRow("Jet 4 password") << "jet4-access2000-password.mdb"
                                    << "Jet 4 (Access 2000-2003)" << QStringList{"3", "Three"};
    QTest::newRow("ACE") << "ace-access2010.accdb"
                         << "ACE 14 (Access 2010)" << jet3;
}

void AccessTest::readsEachGeneration() {
    QFETCH(QString, file);
    QFETCH(QString, generation);
    QFETCH(QStringList, record);
    const AccessFile::Contents contents = AccessFile::read(sample(file));
    QCOMPARE(contents.generation, generation);
    const AccessFile::Table* table = contents.table("table1");
    QVERIFY(table);
    QCOMPARE(table->records.last(), record);
    if (record.size() > 2) {
        QCOMPARE(contents.tableNames(), QStringList({"Table1", "Table2", "Table3", "Table4"}));
        QCOMPARE(contents.table("Table2")->columns.size(), 89);
    }
}

void AccessTest::readsKoreanText() {
    // Jet 3 keeps the code page's bytes; Jet 4 and ACE UTF-16, here behind a
    // switch out of their one-byte compression.
    const QString jet3 = copyOf("jet3-access97.mdb", [](QByteArray& b) {
        b.replace(b.indexOf("abcdefg"), 7, QByteArray::fromHex("c8abb1e6b5bf61"));
    });
    QCOMPARE(AccessFile::read(jet3).table("Table1")->records[1][0], "홍길동a");
    QCOMPARE(AccessFile::read(jet3, "CP1252").table("Table1")->records[1][0], "È«±æµ¿a");
    const QString jet4 = copyOf("jet4-access2000.mdb", [](QByteArray& b) {
        b.replace(b.indexOf("One"), 3, QByteArray::fromHex("004dd6"));
    });
    QCOMPARE(AccessFile::read(jet4).table("Table1")->records[0][1], "홍");
    const QString ace = copyOf("ace-access2010.accdb", [](QByteArray& b) {
        b.replace(b.indexOf("abcdefg"), 4, QByteArray::fromHex("004dd600"));
    });
    QCOMPARE(AccessFile::read(ace).table("Table1")->records[1][0], "홍efg");
}

void AccessTest::badFilesChangeNothing() {
    TestSupport::addCustomer({{"seq", "1"}, {"name", "그대로"}});
    const QByteArray book = TestSupport::digest(AppPaths::addressBookPath());
    const auto truncate = [](QByteArray& b) { b.truncate(b.size() / 2); };
    const auto scramble = [](QByteArray& b) { b[0x3e] = char(b[0x3e] ^ 0x5a); };
    const auto overwrite = [](QByteArray& b) {
        b.replace(b.size() / 4, 16384, QByteArray(16384, '\xff'));
    };
    const QList<std::pair<QString, QString>> cases = {
        {copyOf("jet4-access2000.mdb", truncate), "Table1 표를 읽을 수 없습니다"},
        {copyOf("jet3-access97.mdb", truncate), "Table1 표를 읽을 수 없습니다"},
        {copyOf("jet3-access97.mdb", overwrite), "표가 하나도 없습니다"},
        {copyOf("ace-access2010.accdb", scramble), "암호화된) Access 데이터베이스라서"},
        {copyOf("jet4-access2000.mdb", scramble), "표 목록을 읽을 수 없습니다"},
        {sample("README.md"), "Access 데이터베이스(.mdb, .accdb)가 아닙니다"}};
    for (const auto& [path, why] : cases) {
        QVERIFY2(readError(path).contains(why), qPrintable(path + ": " + readError(path)));
        QString said;
        QCOMPARE(tool({"import", path, "--table", "Table1"}, &said), 1);
        QVERIFY2(said.contains(why), qPrintable(said));
    }
    // A reader that dies is a file that could not be read.
    AccessFile::setReaderProgram("/bin/false");
    QCOMPARE(readError(sample("jet4-access2000.mdb")),
             "jet4-access2000.mdb 파일을 읽지 못했습니다.\nAccess 파일이 손상된 것 같습니다");
    initTestCase();
    QCOMPARE(TestSupport::digest(AppPaths::addressBookPath()), book);
}

void AccessTest::ownBookKeepsItsNumbers() {
    TestSupport::addCustomer({{"seq", "2"}, {"name", "먼저 있던 주소"}});
    TestSupport::setSender({{"name", "나"}});
    const AccessFile::Contents contents = ownBook();
    QVERIFY(AccessBook::isOwnBook(contents));
    AccessFile::Contents lacking = contents;
    lacking.tables[1].columns.removeLast();
    QVERIFY(!AccessBook::isOwnBook(lacking));
    const AccessBook::OwnBook own = AccessBook::ownBook(contents);
    QCOMPARE(own.sender, QStringList(11, "보내는 이"));
    const auto book = AddressBook::openOrCreate();
    QVERIFY(AccessBook::hasSender(*book));
    const Preview p = preview(own.addressees, *book, Origin::OwnBook);
    const Added added = *add(*book, p.rows, "2", {}, own.sender);
    QCOMPARE(describe(p.rows, added.renumbered),
             QStringList({"이미 있는 번호: 2 → 3", "같은 번호: 5 → 4", "앞에 0: 0012 → 7"}));
    QCOMPARE(added.lastSeq, "7");
    QCOMPARE(TestSupport::query(AppPaths::addressBookPath(),
                                "select seq, name, printcondition, remark from customer "
                                "order by rowid"),
             QList<QStringList>({{"2", "먼저 있던 주소", "2", ""},
                                 {"3", "이미 있는 번호", "1", " 007 "},
                                 {"5", "홍길동", "x", " 007 "},
                                 {"4", "같은 번호", "2", " 007 "},
                                 {"6", "번호 없음", "2", " 007 "},
                                 {"7", "앞에 0", "1", " 007 "}}));
    QCOMPARE(TestSupport::query(AppPaths::addressBookPath(), "select name, address2 from personal"),
             QList<QStringList>({{"보내는 이", "보내는 이"}}));
}

void AccessTest::conversionKeepsTheOriginal() {
    const QString path = AppPaths::addressBookPath();
    QFile::copy(sample("jet4-access2000.mdb"), path);
    const QByteArray original = TestSupport::digest(path);
    const QDir folder(AppPaths::programFolder());
    // Given up half-way: the Access book stays, nothing else is left.
    const QStringList before = folder.entryList(QDir::Files);
    QVERIFY_THROWS_EXCEPTION(
        StoreError,
        AccessBook::convert(path, ownBook(), [](qsizetype done, qsizetype) { return done == 0; }));
    QCOMPARE(folder.entryList(QDir::Files), before);
    QCOMPARE(TestSupport::digest(path), original);
    const QString kept = AccessBook::convert(path, ownBook());
    QCOMPARE(QFileInfo(kept).fileName(), "orvaneit-access-원본.mdb");
    QCOMPARE(TestSupport::digest(kept), original);
    QCOMPARE(TestSupport::query(path, "select count(*) from customer"), QList<QStringList>{{"5"}});
    QFile::remove(path);
    QFile::copy(sample("jet4-access2000.mdb"), path);
    QCOMPARE(QFileInfo(AccessBook::convert(path, ownBook())).fileName(),
             "orvaneit-access-원본-2.mdb");
}

void AccessTest::tableMappedByNames() {
    using namespace AddresseeFields;
    const QStringList columns = {"ID",  "성명", "직장", "직위", "핸드폰",
                                 "ZIP", "주소", "주소", "비고"};
    QCOMPARE(ColumnMapping::guess(columns),
             ColumnMapping::Mapping({ColumnMapping::Ignored, Name, Company, DepartPosition,
                                     MobilePhone, Zipcode, Address1, Address2, Remark}));
    QCOMPARE(ColumnMapping::guess({"name", "company", "부서", "mobile", "address", "address2"}),
             ColumnMapping::Mapping({Name, Company, Department, MobilePhone, Address1, Address2}));
}

void AccessTest::commandLineTakesATable() {
    AddressBook::openOrCreate();
    QString said;
    QCOMPARE(tool({"import", sample("ace-access2010.accdb")}, &said), 1);
    QVERIFY2(said.contains("--table") && said.contains("Table1, Table2, Table3, Table4"),
             qPrintable(said));
    QCOMPARE(tool({"import", sample("ace-access2010.accdb"), "--table", "Table9"}, &said), 1);
    QVERIFY2(said.contains("Table9 표가 없습니다"), qPrintable(said));
    QCOMPARE(tool({"import", sample("jet4-access2000.mdb"), "--table", "table1"}, &said), 1);
    QVERIFY2(said.contains("Table1 표의 열(ID, Data)"), qPrintable(said));
    QCOMPARE(tool({"import", sample("ace-access2010.accdb"), "--table", "Table4"}, &said), 0);
    QVERIFY2(said.contains("0명을 추가했습니다"), qPrintable(said));
}

QTEST_GUILESS_MAIN(AccessTest)
#include "tst_access.moc"
