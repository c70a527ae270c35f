#include "TestSupport.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/AddresseeExchange.h"
#include "store/AppPaths.h"
#include "store/BookBackup.h"
#include "store/BookLock.h"
#include "store/ColumnMapping.h"
#include "store/StoreError.h"

#include <QProcess>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace AddresseeExchange;

namespace {
const QString everyField = "seq, name, email, mobilephone, printcondition, company, department, "
                           "departposition, hometelephone, companytelephone, extentionnumber, "
                           "facsimile, zipcode, address1, address2, remark";

// Addressees that try every rule of both formats.
void addTrickyAddressees() {
    TestSupport::addCustomer(
        {{"seq", "1"},
         {"name", "홍길동"},
         {"email", "hong@example.kr"},
         {"mobilephone", "010-1234-5678"},
         {"printcondition", "1"},
         {"company", "가나, \"다라\" 상사"},
         {"department", "총무부; 인사과"},
         {"departposition", "과장"},
         {"hometelephone", "02-123-4567"},
         {"companytelephone", "02,987\\6"},
         {"extentionnumber", "007"},
         {"facsimile", "02-555-1212"},
         {"zipcode", "135-080"},
         {"address1", "서울 강남구 역삼동"},
         {"address2", "123-4 가나빌딩 5층"},
         {"remark", "첫 줄\n둘째 줄, \"인용\"; 끝\\ 아주 긴 메모가 여러 번 접혀야 "
                    "하는 줄입니다 가나다라마바사아자차카타파하"}});
    TestSupport::addCustomer({{"seq", "2"}, {"name", "007"}, {"remark", " "}});
    TestSupport::addCustomer(
        {{"seq", "3"}, {"name", "Kim"}, {"companytelephone", ""}, {"extentionnumber", "12"}});
}

QList<QStringList> stored(const QString& folder) {
    return TestSupport::query(QDir(folder).filePath("orvaneit.mdb"),
                              "select " + everyField + " from customer order by rowid");
}

// Imports the bytes into the book of the program folder.
void importAll(const QByteArray& bytes) {
    const auto book = AddressBook::openOrCreate();
    const Preview p = preview(bytes, *book);
    add(*book, p.rows, AddressBook::lastSeqOf(*book));
}

QByteArray exported(Format format) {
    return write(format, readBook(*AddressBook::open()));
}

// Runs orvaneit-data on the book of the folder; the exit code, and what it said.
int tool(const TempProgramFolder& folder, const QStringList& args, QString* said = nullptr) {
    QProcess p;
    p.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"),
            QStringList{"--book", folder.file("orvaneit.mdb")} + args);
    p.waitForFinished();
    if (said)
        *said = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    return p.exitCode();
}

// A book of 300 addressees with a page in the middle zeroed.
void addDamagedBook() {
    AddressBook::openOrCreate();
    TestSupport::query(AppPaths::addressBookPath(),
                       "with recursive n(i) as (select 1 union all select i + 1 from n where i < "
                       "300) insert into customer (seq, name, remark) select i, 'name', "
                       "hex(randomblob(100)) from n");
    TestSupport::damagePage(AppPaths::addressBookPath());
}

QByteArray quotedPrintable(const QByteArray& bytes) {
    QByteArray out;
    for (const char c : bytes)
        out += QByteArray("=") + QByteArray::number(uchar(c), 16).toUpper().rightJustified(2, '0');
    return out.insert(out.size() / 6 * 3, "=\r\n"); // a soft line break, as old phones fold
}
} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTripsKeepEveryField_data();
    void roundTripsKeepEveryField();
    void readsKoreanExcelCsv();
    void readsOldAndNewPhoneCards();
    void readsCommonColumnNames();
    void failureHalfWayAddsNothing();
    void previewShowsLookAlikesAndCuts();
    void previewCountsCharactersAsTheBoxesDo();
    void refusesFilesOfNeitherFormat();
    void backupAndRestoreWhileOpen();
    void commandLineTool();
    void damagedBookIsNeverPassedOffAsWhole();
    void backupNeverGoesOverTheBook();
    void importKeepsEveryCharacter();
    void importRefusesBytesOfNoEncoding();
    void exportedFormulasStayText();
    void messagesSayWhatIsTrue();
};

void ExchangeTest::roundTripsKeepEveryField_data() {
    QTest::addColumn<Format>("format");
    QTest::newRow("csv") << Format::Csv;
    QTest::newRow("vcard") << Format::VCard;
}

void ExchangeTest::roundTripsKeepEveryField() {
    QFETCH(Format, format);
    QByteArray first;
    QList<QStringList> original;
    {
        TempProgramFolder folder;
        addTrickyAddressees();
        original = stored(folder.path());
        first = exported(format);
    }
    TempProgramFolder folder;
    importAll(first);
    QCOMPARE(stored(folder.path()), original);
    QCOMPARE(exported(format), first);
    // Spreadsheets take a file without the byte-order mark for their local code page.
    if (format == Format::Csv)
        QVERIFY(first.startsWith("\xEF\xBB\xBFseq,") && first.count("\xEF\xBB\xBF") == 1);
    if (format == Format::VCard) {
        for (const QByteArray& line : first.split('\n'))
            QVERIFY2(line.size() <= 76, line); // 75 octets and the CR
    }
}

void ExchangeTest::readsKoreanExcelCsv() {
    TempProgramFolder folder;
    // Korean Excel: CP949, no byte-order mark, its own column order, extra columns.
    const QString text = "비고,메모,이름,Company,휴대폰\r\n\"x\",\"두 줄\r\n메모\",홍길동,가나상사,"
                         "010\r\n,,,,\r\n,,똠방각하,,\r\n";
    QStringEncoder cp949("windows-949");
    const QByteArray bytes = cp949.encode(text);
    QVERIFY(!cp949.hasError());
    const auto book = AddressBook::openOrCreate();
    const Preview p = preview(bytes, *book);
    QCOMPARE(p.format, QString("CSV, CP949"));
    QCOMPARE(p.ignored, QStringList{"비고"});
    QCOMPARE(p.rows.size(), 2);
    add(*book, p.rows, "0");
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select seq, name, company, mobilephone, remark, printcondition "
                                "from customer"),
             (QList<QStringList>{{"1", "홍길동", "가나상사", "010", "두 줄\r\n메모", "2"},
                                 {"2", "똠방각하", "", "", "", "2"}}));
}

// Names Korean spreadsheets give the columns find their fields; a
// look-alike is then found by its company and department too.
void ExchangeTest::readsCommonColumnNames() {
    using namespace AddresseeFields;
    const QList<std::pair<QStringList, int>> names = {
        {{"이름", "성명"}, Name},
        {{"회사", "직장", "소속"}, Company},
        {{"부서", "학과"}, Department},
        {{"직위", "직급", "직책"}, DepartPosition},
        {{"휴대폰", "핸드폰", "휴대전화"}, MobilePhone},
        {{"집전화", "전화(집)"}, HomeTelephone},
        {{"회사전화", "직장전화", "전화(회사)"}, CompanyTelephone},
        {{"내선", "내선번호"}, ExtentionNumber},
        {{"팩스"}, Facsimile},
        {{"우편번호"}, Zipcode},
        {{"주소"}, Address1},
        {{"상세주소", "나머지주소", "나머지 주소"}, Address2},
        {{"이메일", "전자우편", "E-mail", "e-mail"}, Email},
        {{"메모", "비고"}, Remark}};
    for (const auto& [synonyms, field] : names) {
        for (const QString& name : synonyms)
            QVERIFY2(ColumnMapping::fieldFor(name) == field, qPrintable(name));
    }
    // The caption wins over a synonym named before it.
    QCOMPARE(ColumnMapping::guess({"비고", "나이", "메모"}),
             (ColumnMapping::Mapping{ColumnMapping::Ignored, ColumnMapping::Ignored, Remark}));

    TempProgramFolder folder;
    TestSupport::addCustomer(
        {{"seq", "1"}, {"name", "가"}, {"company", "회사"}, {"department", "부"}});
    const auto book = AddressBook::open();
    const Preview p = preview(QByteArray("성명,회사,부서,직위,회사전화,상세주소\n"
                                         "가,회사,부,과장,02-1,5층\n"),
                              *book);
    QCOMPARE(p.ignored, QStringList());
    QCOMPARE(p.lookAlikes, QList<int>{0});
    QCOMPARE(p.rows[0][DepartPosition] + p.rows[0][CompanyTelephone] + p.rows[0][Address2],
             QString("과장02-15층"));
    // Whether the company is printed: exported as the window's box reads
    // it, and taken in that form or as a code.
    QVERIFY(exported(Format::Csv).contains(",미사용,회사,"));
    const Preview flags =
        preview(QByteArray("이름,출력시 사용\n가,사용\n나,1\n다,미사용\n"), *book);
    QCOMPARE(flags.rows[0][PrintCondition] + flags.rows[1][PrintCondition] +
                 flags.rows[2][PrintCondition],
             QString("112"));
}

void ExchangeTest::readsOldAndNewPhoneCards() {
    TempProgramFolder folder;
    QStringEncoder euckr("EUC-KR");
    const QByteArray card21 =
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=EUC-KR;ENCODING=QUOTED-PRINTABLE:" +
        quotedPrintable(euckr.encode(QString("홍;길동"))).replace("=3B", ";") +
        ";;;\r\nTEL;CELL;VOICE:010-1111-2222\r\nTEL;WORK:02-333-4444,55\r\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=EUC-KR:" +
        quotedPrintable(euckr.encode(QString("오래된 전화기에서 온 메모입니다\r\n둘째 줄"))) +
        "\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQ\r\n AAAA\r\n\r\nEND:VCARD\r\n";
    const QByteArray card40 =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:이영희\r\nORG:다라학교;국어\r\n "
        "과\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+82-10-9\r\n"
        "TEL;TYPE=work;VALUE=uri:tel:+82-2-1;ext=9\r\n"
        "ADR;TYPE=home:;;역삼로 1;강남구;서울;06234;대한민국\r\nEND:VCARD\r\n";
    importAll(card21 + card40);
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select seq, name, mobilephone, companytelephone, extentionnumber, "
                                "remark, company, department, address1, zipcode from customer"),
             (QList<QStringList>{{"1", "홍길동", "010-1111-2222", "02-333-4444", "55",
                                  "오래된 전화기에서 온 메모입니다\r\n둘째 줄", "", "", "", ""},
                                 {"2", "이영희", "+82-10-9", "+82-2-1", "9", "", "다라학교",
                                  "국어과", "서울 강남구 역삼로 1", "06234"}}));
}

void ExchangeTest::failureHalfWayAddsNothing() {
    TempProgramFolder folder;
    const auto book = AddressBook::openOrCreate();
    QList<QStringList> rows(3, AddresseeFields::emptyRow());
    rows[1][AddresseeFields::Name] = "실패";
    QSqlQuery(book->db())
        .exec("create trigger refuse before insert on customer when "
              "new.name = '실패' begin select raise(abort, 'disk full'); end");
    QVERIFY_THROWS_EXCEPTION(StoreError, add(*book, rows, "0"));
    // Running out of numbers: 99998 and 99999 are left for three rows.
    rows[1][AddresseeFields::Name] = "성공";
    try {
        add(*book, rows, "99997");
        QFAIL("three rows after 99997 were added");
    } catch (const StoreError& e) {
        QVERIFY2(e.message().contains("99999"), qPrintable(e.message()));
    }
    // A cancel half-way leaves nothing either.
    QVERIFY(!add(*book, QList<QStringList>(300, rows[0]), "0",
                 [](qsizetype done, qsizetype) { return done < 200; }));
    QCOMPARE(stored(folder.path()).size(), 0);
    QCOMPARE(add(*book, rows, "99996")->lastSeq, QString("99999"));
    QCOMPARE(stored(folder.path()).last().first(), QString("99999"));
}

void ExchangeTest::previewShowsLookAlikesAndCuts() {
    TempProgramFolder folder;
    TestSupport::addCustomer(
        {{"seq", "4"}, {"name", "가"}, {"company", "회사"}, {"department", "부"}});
    const QByteArray file = "이름,직장/학교,부서/학과,우편번호\n가,회사,부,\n가,회사,다른 부,\n" +
                            QString(45, QChar(0xAC00)).toUtf8() + ",,,123-4567\n";
    const auto book = AddressBook::open();
    const Preview p = preview(file, *book);
    QCOMPARE(p.lookAlikes, QList<int>{0});
    QCOMPARE(p.cuts.size(), 2);
    QCOMPARE(p.cuts[0].row, 2);
    QCOMPARE(p.cuts[0].field, int(AddresseeFields::Name));
    QCOMPARE(p.cuts[0].length, 45);
    QCOMPARE(p.rows[2][AddresseeFields::Name].size(), 40);
    QCOMPARE(p.rows[2][AddresseeFields::Zipcode], QString("123-456"));
    const QList<QStringList> fresh = withoutLookAlikes(p);
    QCOMPARE(fresh.size(), 2);
    add(*book, fresh, "3"); // 4 is taken: numbering goes past it
    QCOMPARE(
        TestSupport::query(folder.file("orvaneit.mdb"), "select seq, department from customer"),
        (QList<QStringList>{{"4", "부"}, {"5", "다른 부"}, {"6", ""}}));
}

void ExchangeTest::previewCountsCharactersAsTheBoxesDo() {
    TempProgramFolder folder;
    // An emoji is one character, as typed into the name box, but two code units.
    const QString fits = QString(39, QChar(0xAC00)) + QString::fromUtf8("\U0001F600");
    const QString over = QString(39, QChar(0xAC00)) + QString::fromUtf8("나\U0001F600");
    const Preview p =
        preview(("이름\n" + fits + "\n" + over + "\n").toUtf8(), *AddressBook::openOrCreate());
    QCOMPARE(p.rows[0][AddresseeFields::Name], fits);
    QCOMPARE(p.cuts.size(), 1);
    QCOMPARE(p.cuts[0].length, 41);
    QCOMPARE(p.rows[1][AddresseeFields::Name], over.left(40));
}

void ExchangeTest::refusesFilesOfNeitherFormat() {
    TempProgramFolder folder;
    const auto book = AddressBook::openOrCreate();
    for (const QByteArray& bytes : {QByteArray("just some words\nmore words"),
                                    QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01", 12),
                                    QByteArray("이름,메모\n\"닫히지 않은 따옴표\n")}) {
        try {
            preview(bytes, *book);
            QFAIL(bytes.constData());
        } catch (const StoreError& e) {
            QVERIFY2(e.message().contains("CSV") || e.message().contains("따옴표"),
                     qPrintable(e.message()));
        }
    }
}

void ExchangeTest::backupAndRestoreWhileOpen() {
    TempProgramFolder folder;
    addTrickyAddressees();
    AddresseeBook::startUp(); // the program holds the book open
    AddresseeBook& book = *AddresseeBook::shared();
    const QList<QStringList> before = stored(folder.path());
    BookBackup::backup(book.connection(), folder.file("copy.mdb"));
    QCOMPARE(QFile::permissions(folder.file("copy.mdb")) & 0x0077, QFile::Permissions());
    QSqlQuery(book.connection().db()).exec("delete from customer");
    QFile::remove(folder.file("not-a-book.mdb"));
    QFile text(folder.file("not-a-book.mdb"));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("hello") == 5);
    text.close();
    QVERIFY_THROWS_EXCEPTION(StoreError, BookBackup::restore(book.connection(), text.fileName()));
    QCOMPARE(QDir(folder.path()).entryList({"*복원전*"}).size(), 0);
    const QString kept = BookBackup::restore(book.connection(), folder.file("copy.mdb"));
    QCOMPARE(stored(folder.path()), before);
    book.reload();
    QCOMPARE(book.count(), 3);
    QCOMPARE(TestSupport::query(kept, "select count(*) from customer"), QList<QStringList>{{"0"}});
}

void ExchangeTest::commandLineTool() {
    TempProgramFolder folder;
    addTrickyAddressees();
    const auto tool = [&](const QStringList& args, QString* said = nullptr) {
        return ::tool(folder, args, said);
    };
    QCOMPARE(tool({"export", "--vcard", folder.file("a.vcf")}), 0);
    QCOMPARE(tool({"import", folder.file("a.vcf")}), 0);
    QCOMPARE(stored(folder.path()).size(), 6);
    QCOMPARE(tool({"backup", folder.file("b.mdb")}), 0);
    QString said;
    QFile csv(folder.file("c.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write("성명,나이,키\n가,3,4\n") > 0);
    csv.close();
    QCOMPARE(tool({"import", csv.fileName()}, &said), 0);
    QVERIFY2(said.contains("1명을 추가했습니다") && said.contains("\n가져오지 않은 열: 나이, 키"),
             qPrintable(said));
    QCOMPARE(tool({"import", folder.file("b.mdb")}, &said), 1);
    QVERIFY2(said.contains("vCard"), qPrintable(said));
    // Held open by the program: exports and backups go on, imports are refused.
    BookLock program(folder.file("orvaneit.mdb"));
    QCOMPARE(program.take(), BookLock::State::Taken);
    AddresseeBook::startUp();
    QCOMPARE(tool({"import", folder.file("a.vcf")}, &said), 1);
    QVERIFY2(said.contains("프로그램을 닫은 뒤에"), qPrintable(said));
    QCOMPARE(tool({"backup", folder.file("b.mdb")}), 0);
    QCOMPARE(TestSupport::query(folder.file("b.mdb"), "select count(*) from customer"),
             QList<QStringList>{{"7"}});
    QCOMPARE(tool({"export", "--pdf", "x"}, &said), 2);
    QVERIFY2(said.contains("\n사용법"), qPrintable(said));
    QCOMPARE(tool({"exprot"}, &said), 2);
    QVERIFY2(said.startsWith("알 수 없는 명령입니다: exprot\n"), qPrintable(said));
    QCOMPARE(stored(folder.path()).size(), 7);
    // The full usage goes to standard output.
    QProcess help;
    help.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"), {"--help"});
    QVERIFY(help.waitForFinished());
    QCOMPARE(help.exitCode(), 0);
    QVERIFY(QString::fromUtf8(help.readAllStandardOutput()).contains("export --vcard 파일"));
    // A mistyped book is refused, not created.
    const QStringList mistyped{"--book", folder.file("orvaneit.mbd"), "import",
                               folder.file("a.vcf")};
    QProcess import;
    import.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"), mistyped);
    QVERIFY(import.waitForFinished());
    QCOMPARE(import.exitCode(), 1);
    QVERIFY(!QFile::exists(folder.file("orvaneit.mbd")));
}

void ExchangeTest::damagedBookIsNeverPassedOffAsWhole() {
    TempProgramFolder folder;
    addDamagedBook();
    QString said;
    QCOMPARE(tool(folder, {"export", "--csv", folder.file("a.csv")}, &said), 1);
    QVERIFY2(said.contains("orvaneit.mdb 파일이 손상되었습니다.\n(database disk image is "
                           "malformed)\n주소를 ") &&
                 said.contains("명 읽은 뒤로는 더 읽지 못했습니다"),
             qPrintable(said));
    QVERIFY(!QFile::exists(folder.file("a.csv")));
    QCOMPARE(tool(folder, {"backup", folder.file("b.mdb")}, &said), 1);
    QVERIFY2(said.contains("손상되어 백업하지 않았습니다") && said.contains("--damaged"),
             qPrintable(said));
    QVERIFY(!QFile::exists(folder.file("b.mdb")));
    // Asked for, the copy is made, and neither the tool nor a restore calls it good.
    QCOMPARE(tool(folder, {"backup", "--damaged", folder.file("b.mdb")}, &said), 3);
    QVERIFY2(said.contains("이 복사본도 손상되어"), qPrintable(said));
    try {
        BookBackup::restore(*AddressBook::open(), folder.file("b.mdb"));
        QFAIL("a damaged copy was restored");
    } catch (const StoreError& e) {
        QVERIFY2(e.message().startsWith(folder.file("b.mdb") + " 파일은 손상된 백업입니다"),
                 qPrintable(e.message()));
    }
}

void ExchangeTest::backupNeverGoesOverTheBook() {
    TempProgramFolder folder;
    addTrickyAddressees();
    const QString book = folder.file("orvaneit.mdb");
    QVERIFY(QFile::link(book, folder.file("link.mdb")));
    QVERIFY(::link(qPrintable(book), qPrintable(folder.file("hard.mdb"))) == 0);
    BookLock lock(book);
    QCOMPARE(lock.take(), BookLock::State::Taken);
    const QByteArray before = TestSupport::digest(book);
    QString said;
    for (const char* name : {"orvaneit.mdb", "link.mdb", "hard.mdb", "orvaneit.mdb.lock"}) {
        QCOMPARE(tool(folder, {"backup", folder.file(name)}, &said), 1);
        QVERIFY2(said.contains("자신입니다"), qPrintable(said));
    }
    QCOMPARE(tool(folder, {"backup", folder.path()}, &said), 1);
    QVERIFY2(said.contains(folder.path() + " 은(는) 폴더입니다"), qPrintable(said));
    QCOMPARE(tool(folder, {"backup", folder.file("no/such/folder.mdb")}, &said), 1);
    QVERIFY2(said.contains("그런 파일이나 폴더가 없습니다 (No such file or directory)"),
             qPrintable(said));
    QCOMPARE(TestSupport::digest(book), before);
    QCOMPARE(stored(folder.path()).size(), 3);
}

void ExchangeTest::importKeepsEveryCharacter() {
    const QString odd = QString(QChar(0xFEFF)) + "a" + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0) +
                        QChar(0x80) + QChar(0xE000) + "😀";
    for (const Format format : {Format::Csv, Format::VCard}) {
        TempProgramFolder folder;
        QList<QStringList> rows = {AddresseeFields::emptyRow(), AddresseeFields::emptyRow()};
        rows[0][AddresseeFields::Name] = odd;
        rows[1][AddresseeFields::Name] = QString(QChar(0xFFFE)) + "x";
        rows[1][AddresseeFields::Remark] = QString(QChar(0xFEFF));
        for (int r = 0; r < 2; ++r) {
            rows[r][AddresseeFields::Seq] = QString::number(r + 1);
            rows[r][AddresseeFields::PrintCondition] = "2";
        }
        const QByteArray file = write(format, rows);
        importAll(file);
        QCOMPARE(exported(format), file);
        QCOMPARE(readBook(*AddressBook::open()).value(0).value(AddresseeFields::Name), odd);
    }
}

void ExchangeTest::importRefusesBytesOfNoEncoding() {
    TempProgramFolder folder;
    const auto book = AddressBook::openOrCreate();
    const QList<QPair<QByteArray, QString>> files = {
        {"BEGIN:VCARD\r\nFN;CHARSET=EUC-KR:\xb0\xa1\r\nNOTE;CHARSET=EUC-KR:\x80\r\nEND:VCARD",
         "3번째 줄: EUC-KR 글자를 읽을 수 없습니다"},
        {"BEGIN:VCARD\r\nFN;CHARSET=EUC-KR:\xc9\xa1\r\nEND:VCARD", "2번째 줄"},
        {"\xef\xbb\xbf이름\n가\n\xb0\xa1\n", "3번째 줄에 UTF-8에 없는 바이트"},
        {"name\n\xb0\xa1\n\xc9\xa1\n", "3번째 줄에 CP949에 없는 바이트"}};
    for (const auto& [bytes, says] : files) {
        try {
            preview(bytes, *book);
            QFAIL(qPrintable(says));
        } catch (const StoreError& e) {
            QVERIFY2(e.message().contains(says), qPrintable(e.message()));
        }
    }
}

void ExchangeTest::exportedFormulasStayText() {
    TempProgramFolder folder;
    const QStringList values = {"=HYPERLINK(\"http://x\")",
                                "=cmd|' /C calc'!A0",
                                "+82-10-1234-5678",
                                "-1",
                                "@SUM(A1)",
                                "\tx",
                                "'=1",
                                "''+2",
                                "'plain",
                                "a=b"};
    for (int i = 0; i < values.size(); ++i)
        TestSupport::addCustomer({{"seq", QString::number(i + 1)}, {"name", values[i]}});
    const QString csv = QString::fromUtf8(exported(Format::Csv));
    for (const char* line :
         {"\r\n1,\"'=HYPERLINK(\"\"http://x\"\")\",", "\r\n2,'=cmd|' /C calc'!A0,",
          "\r\n3,'+82-10-1234-5678,", "\r\n5,'@SUM(A1),", "\r\n6,\"'\tx\",", "\r\n7,''=1,",
          "\r\n8,'''+2,", "\r\n9,'plain,", "\r\n10,a=b,"})
        QVERIFY2(csv.contains(QString::fromUtf8(line)), line);
    const QList<QStringList> original = stored(folder.path());
    TempProgramFolder other;
    importAll(csv.toUtf8());
    QCOMPARE(stored(other.path()), original);
}

void ExchangeTest::messagesSayWhatIsTrue() {
    TempProgramFolder folder;
    const QString book = folder.file("orvaneit.mdb");
    QString said;
    QVERIFY(mkfifo(qPrintable(book), 0600) == 0);
    QCOMPARE(tool(folder, {"export", "--csv", folder.file("a.csv")}, &said), 1);
    QVERIFY2(said.contains("장치나 파이프 같은 특수 파일입니다"), qPrintable(said));
    QFile::remove(book);
    QVERIFY(QDir(folder.path()).mkdir("orvaneit.mdb"));
    QCOMPARE(tool(folder, {"export", "--csv", folder.file("a.csv")}, &said), 1);
    QVERIFY2(said.contains(book + " 은(는) 파일이 아니라 폴더입니다"), qPrintable(said));
    QVERIFY(QDir(folder.path()).rmdir("orvaneit.mdb"));
    // A book the user may only read is exported all the same.
    addTrickyAddressees();
    QFile::setPermissions(book, QFile::ReadOwner);
    QCOMPARE(tool(folder, {"export", "--csv", folder.file("a.csv")}, &said), 0);
    QFile::setPermissions(book, QFile::ReadOwner | QFile::WriteOwner);
    // Held by another import, not by the program.
    QCoreApplication::setApplicationName("orvaneit-data");
    BookLock otherImport(book);
    QCOMPARE(otherImport.take(), BookLock::State::Taken);
    QCoreApplication::setApplicationName("tst_exchange");
    QCOMPARE(tool(folder, {"import", folder.file("a.csv")}, &said), 1);
    QVERIFY2(said.contains("다른 가져오기(orvaneit-data)가 주소를 더하고 있어"), qPrintable(said));
}

QTEST_GUILESS_MAIN(ExchangeTest)
#include "tst_exchange.moc"
