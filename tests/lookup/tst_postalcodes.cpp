// Today's postal codes: the downloads loaded through the zip code dialog and
// the command line, searched by road, lot and building, chosen into the
// windows.

#include "LookupTestSupport.h"
#include "PostalFixtures.h"
#include "addressee/ExchangeMenu.h"
#include "lookup/PostcodeUpdateDialog.h"
#include "store/AddressBook.h"
#include "store/PostalCodes.h"
#include "store/PostalPack.h"
#include "ui/Fonts.h"

#include <QDir>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>
#include <QtTest>

using namespace LookupTest;
using namespace PostalFixtures;

namespace {
const QString nonhyeon =
    QStringLiteral("|서울특별시|Seoul|강남구|Gangnam-gu|||논현로8길|Nonhyeon-ro 8-gil|0|");
// Hand-made rows beside the made-up ones: both sides of 논현로8길, a range
// of every number, a code seen only on one number, lots with 산.
const QStringList roadRows = {
    "06315" + nonhyeon + "61|0|75|0|1", "06316" + nonhyeon + "62|0|80|0|2",
    "06317" + nonhyeon + "77|0|99|0|1",
    "01000|서울특별시|Seoul|강북구|Gangbuk-gu|||삼양로177길|Samyang-ro 177-gil|0|93|0|126|0|3",
    "01001|서울특별시|Seoul|강북구|Gangbuk-gu|||삼양로177길|Samyang-ro 177-gil|0|5|0|5|0|9"};
const QStringList lotRows = {
    "06315|서울특별시|Seoul|강남구|Gangnam-gu|개포동|Gaepo-dong||0|개포4동|1180|0|1190|0",
    "06320|서울특별시|Seoul|강남구|Gangnam-gu|개포동|Gaepo-dong||1|개포4동|12|0|20|0"};
const QStringList buildingRows = {
    "06315|서울특별시|Seoul|강남구|Gangnam-gu|||116804166204|논현로8길|Nonhyeon-ro 8-gil|0|71|0|"
    "1168010300111850010000001||경남아파트|1168010300|개포동||개포4동|0|1185|01|0|135-240|"};

TextFile hand(const QString& name, const QString& header, const QStringList& rows,
              const Generator& more) {
    const auto lines = header == roadHeader  ? &Generator::roadRows
                       : header == lotHeader ? &Generator::lotRows
                                             : &Generator::buildingRows;
    return {name, header, [=](const Generator::Line& line) {
                for (const QString& row : rows)
                    line(row);
                (more.*lines)(line);
            }};
}

// A range DB of two provinces and a few hundred rows, named as the
// download of 28 October 2025 names its files.
QList<TextFile> rangeFiles() {
    return {hand("20251028_도로명범위.txt", roadHeader, roadRows, {0, 200}),
            hand("20251028_지번범위.txt", lotHeader, lotRows, {8, 200}),
            {"20251028_사서함.txt", "우편번호|시도|사서함명|시작번호|끝번호",
             [](const Generator::Line& line) { line("06300|서울특별시|강남우체국사서함|1|100"); }}};
}

QList<TextFile> buildingFiles() {
    return {hand("20251028_서울특별시.txt", buildingHeader, buildingRows, {0, 150}),
            hand("20251028_경기도.txt", buildingHeader, {}, {8, 150})};
}

} // namespace

class tst_postalcodes : public QObject, Fixture {
    Q_OBJECT
  private slots:
    void initTestCase() { Fonts::install(); }
    void init() {
        setUpTest();
        copyZipcodeDb(*folder);
    }
    void cleanup() { tearDownTest(); }

    void loadAndSearch_data();
    void loadAndSearch();
    void sidesOfTheRoad();
    void lotsAndBuildings();
    void choosingFillsTheWindows();
    void noDataYet();
    void earlierLayoutIsLoadedAgain();
    void cancelledLoadKeepsTheOldData();
    void refusedFiles_data();
    void refusedFiles();
    void oneProvinceAsksFirst();
    void commandLine();
    void bringingABookUpToDate();

  private:
    ZipCodeDialog* loaded(const QList<TextFile>& files, bool cp949 = false) {
        writeZip(folder->file("data.zip"), files, cp949);
        ZipCodeDialog* dialog = ZipCodeDialog::open();
        dialog->loadPostalData({folder->file("data.zip")});
        return dialog;
    }
    void postalSearch(ZipCodeDialog* dialog, const QString& text) {
        dialog->txtPostalSearch->clear();
        TestSupport::type(dialog->txtPostalSearch, text);
        QTest::mouseClick(dialog->cmdPostalSearch, Qt::LeftButton);
    }
};

// The archive as downloaded (names and text in UTF-8 or CP949) or the text
// files taken out of it: the same data, dated from the files' names.
void tst_postalcodes::loadAndSearch_data() {
    QTest::addColumn<bool>("cp949");
    QTest::addColumn<bool>("extracted");
    QTest::newRow("UTF-8 archive") << false << false;
    QTest::newRow("CP949 archive") << true << false;
    QTest::newRow("CP949 text files") << true << true;
}

void tst_postalcodes::loadAndSearch() {
    QFETCH(bool, cp949);
    QFETCH(bool, extracted);
    ZipCodeDialog* dialog = ZipCodeDialog::open();
    QCOMPARE(dialog->lblPostalData->text(), QStringLiteral("새 우편번호 자료 없음"));
    const QStringList files = extracted ? writeTexts(folder->path(), rangeFiles(), cp949)
                                        : (writeZip(folder->file("range.zip"), rangeFiles(), cp949),
                                           QStringList{folder->file("range.zip")});
    dialog->loadPostalData(files);
    // Three provinces are not the country: the user is asked first.
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY2(answers->lastText().contains("17개 시도 가운데 2개 시도(경기도, 서울특별시)"),
             qPrintable(answers->lastText()));
    QVERIFY(dialog->lblPostalData->text().startsWith("2025년 10월 28일 기준"));
    // The date with the warning that the data is old is shown whole.
    dialog->lblPostalData->setText(PostalCodes::asOf("20251028", QDate(2026, 12, 9)));
    const QLabel* date = dialog->lblPostalData;
    QVERIFY(date->contentsRect().contains(
        date->fontMetrics().boundingRect(date->contentsRect(), Qt::TextWordWrap, date->text())));
    postalSearch(dialog, "논현로8길 61");
    QCOMPARE(listLines(dialog), QStringList{"06315  서울특별시 강남구 논현로8길 61~75 (홀수)"});
    // Blanks in the road name, and a name typed only in part.
    postalSearch(dialog, "논현로 8길");
    QCOMPARE(listLines(dialog).size(), 3);
    postalSearch(dialog, "논현");
    QCOMPARE(listLines(dialog).size(), 3);
    QCOMPARE(PostalCodes::asOf("20251028", QDate(2026, 12, 9)),
             "2025년 10월 28일 기준 (1년이 지난 자료입니다. 새로 받아 불러오십시오)");
}

// A number narrows the ranges to the one that holds it, on its side of the
// road; a range of every number and one whose kind is unknown take any.
void tst_postalcodes::sidesOfTheRoad() {
    ZipCodeDialog* dialog = loaded(rangeFiles());
    const QList<QPair<QString, QStringList>> cases = {
        {"논현로8길 62", {"06316  서울특별시 강남구 논현로8길 62~80 (짝수)"}},
        {"논현로8길 63", {"06315  서울특별시 강남구 논현로8길 61~75 (홀수)"}},
        {"논현로8길 79", {"06317  서울특별시 강남구 논현로8길 77~99 (홀수)"}},
        {"논현로8길 76", {"06316  서울특별시 강남구 논현로8길 62~80 (짝수)"}},
        {"논현로8길 101", {"찾는 주소가 없습니다"}},
        {"삼양로177길 100", {"01000  서울특별시 강북구 삼양로177길 93~126"}},
        {"삼양로177길 5", {"01001  서울특별시 강북구 삼양로177길 5"}},
    };
    for (const auto& [text, expected] : cases) {
        postalSearch(dialog, text);
        QCOMPARE(listLines(dialog), expected);
    }
}

void tst_postalcodes::lotsAndBuildings() {
    ZipCodeDialog* dialog = loaded(rangeFiles() + buildingFiles());
    postalSearch(dialog, "개포동 1183");
    QCOMPARE(listLines(dialog), QStringList{"06315  서울특별시 강남구 개포동 1180~1190"});
    postalSearch(dialog, "개포동 산 15");
    QCOMPARE(listLines(dialog), QStringList{"06320  서울특별시 강남구 개포동 산12~20"});
    postalSearch(dialog, "경남 아파트");
    QCOMPARE(listLines(dialog),
             QStringList{"06315  서울특별시 강남구 논현로8길 71 (개포동, 경남아파트)"});
    // The building DB alone: its buildings gathered into ranges.
    writeZip(folder->file("buildings.zip"), buildingFiles(), false);
    dialog->loadPostalData({folder->file("buildings.zip")});
    postalSearch(dialog, "논현로8길 71");
    QCOMPARE(listLines(dialog), QStringList{"06315  서울특별시 강남구 논현로8길 71 (홀수)"});
    size_t ranges = 0;
    for (const QStringList& road :
         TestSupport::query(PostalCodes::path(), "select hex(ranges) from road"))
        ranges +=
            PostalPack::unpack(QByteArray::fromHex(road[0].toLatin1()), PostalSchema::rangeColumns)
                .size();
    QCOMPARE(ranges, size_t(25 * PostalSchema::rangeColumns));
    QCOMPARE(TestSupport::query(PostalCodes::path(), "select count(*) from oldcode"),
             QList<QStringList>{{"13"}});
}

// A chosen line gives the five digits and the road-name address with the
// number typed; the caret waits in the second line, before the reference.
void tst_postalcodes::choosingFillsTheWindows() {
    writeZip(folder->file("data.zip"), rangeFiles() + buildingFiles(), false);
    AddresseeWindow* window = AddresseeWindow::open();
    QTest::mouseClick(window->cmdCustomerAdd, Qt::LeftButton);
    window->txtCustomerAddress2->setText("예전 주소");
    QTest::mouseClick(window->cmdSearchZipcode, Qt::LeftButton);
    ZipCodeDialog* dialog = ZipCodeDialog::instance();
    dialog->loadPostalData({folder->file("data.zip")});
    postalSearch(dialog, "논현로 8길 61");
    doubleClickRow(dialog, 0);
    QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);
    QCOMPARE(window->txtCustomerZipcode->text(), "06315");
    QCOMPARE(window->txtCustomerAddress1->text(), "서울특별시 강남구 논현로8길 61");
    QCOMPARE(window->txtCustomerAddress2->text(), "");
    QCOMPARE(QApplication::focusWidget(), window->txtCustomerAddress2);

    SenderDialog* sender = SenderDialog::open();
    QTest::mouseClick(sender->cmdSearchZipcode, Qt::LeftButton);
    postalSearch(ZipCodeDialog::instance(), "경남아파트");
    doubleClickRow(ZipCodeDialog::instance(), 0);
    QCOMPARE(sender->txtPersonalZipcode->text(), "06315");
    QCOMPARE(sender->txtPersonalAddress1->text(), "서울특별시 강남구 논현로8길 71");
    QCOMPARE(sender->txtPersonalAddress2->text(), " (개포동, 경남아파트)");
    QCOMPARE(sender->txtPersonalAddress2->cursorPosition(), 0);
    QCOMPARE(window->txtCustomerZipcode->text(), "06315");
}

void tst_postalcodes::noDataYet() {
    ZipCodeDialog* dialog = ZipCodeDialog::open();
    postalSearch(dialog, "논현로");
    QVERIFY(listLines(dialog).join(' ').contains("인터넷우체국 › 우편번호 › 우편번호 DB 다운로드"));
    doubleClickRow(dialog, 0);
    QVERIFY(dialog->isVisible());
}

// A file of the earlier layout (names as text in every row) is not read: the
// dialog says to load the data again, and the load replaces it.
void tst_postalcodes::earlierLayoutIsLoadedAgain() {
    for (const char* sql :
         {"create table meta(name text primary key, value text)",
          "create table road(zipcode text, area integer, name text, namekey text, underground"
          " integer, first_main integer, first_sub integer, last_main integer, last_sub integer,"
          " kind text)",
          "create table lot(zipcode text, area integer, ri text)",
          "create table building(name text, namekey text, zipcode text, area integer)",
          "insert into road values('06315', 1, '논현로8길', '논현로8길', 0, 61, 0, 75, 0, '1')"})
        TestSupport::query(PostalCodes::path(), sql);
    ZipCodeDialog* dialog = ZipCodeDialog::open();
    QVERIFY2(answers->lastText().contains("우편번호 DB를 다시 불러오십시오"),
             qPrintable(answers->lastText()));
    QCOMPARE(dialog->lblPostalData->text(), "새 우편번호 자료 없음");
    postalSearch(dialog, "논현로8길");
    QVERIFY(listLines(dialog).join(' ').contains("\"우편번호 DB 불러오기…\"로 불러오십시오"));
    postalSearch(loaded(rangeFiles()), "논현로8길 63");
    QCOMPARE(listLines(dialog), QStringList{"06315  서울특별시 강남구 논현로8길 61~75 (홀수)"});
}

void tst_postalcodes::cancelledLoadKeepsTheOldData() {
    ZipCodeDialog* dialog = loaded(rangeFiles());
    const QByteArray before = TestSupport::digest(PostalCodes::path());
    writeZip(folder->file("other.zip"), buildingFiles(), false);
    QTimer::singleShot(0, dialog, [dialog] { dialog->findChild<QProgressDialog*>()->cancel(); });
    answers->clear();
    dialog->loadPostalData({folder->file("other.zip")});
    QCOMPARE(answers->lastText(), "불러오기를 취소했습니다. 쓰던 자료는 그대로입니다");
    QCOMPARE(TestSupport::digest(PostalCodes::path()), before);
    QVERIFY(!QFile::exists(PostalCodes::path() + ".part"));
    postalSearch(dialog, "논현로8길 63");
    QCOMPARE(listLines(dialog), QStringList{"06315  서울특별시 강남구 논현로8길 61~75 (홀수)"});
}

void tst_postalcodes::refusedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    QTest::newRow("other text") << "주소록.txt" << QByteArray("이름|전화\n김|010\n")
                                << "주소록.txt 파일은 우편번호 DB가 아닙니다.\n인터넷우체국 › "
                                   "우편번호 › 우편번호 DB 다운로드";
    QTest::newRow("change file") << "20251028_변경분.txt"
                                 << QByteArray("우편번호|시도|이동사유코드\n06315|서울|1\n")
                                 << "한 달 동안 바뀐 우편번호만 담은 변경 자료";
    QTest::newRow("notice") << "우편번호DB_안내.pdf" << QByteArray("%PDF-1.4")
                            << "우편번호DB_안내.pdf: 우편번호 DB의 안내 문서";
    QTest::newRow("damaged archive") << "areacd_rangeaddr_DB.zip" << QByteArray()
                                     << "압축 파일이 손상되었거나 다 받아지지 않았습니다";
}

// Refused with a message that says what the file is; the data loaded
// before stays as it was.
void tst_postalcodes::refusedFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    ZipCodeDialog* dialog = loaded(rangeFiles());
    const QByteArray before = TestSupport::digest(PostalCodes::path());
    if (content.isEmpty()) {
        QFile whole(folder->file("data.zip"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        content = whole.read(whole.size() / 2);
    }
    QFile file(folder->file(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    answers->clear();
    dialog->loadPostalData({file.fileName()});
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->messages.first().icon, MessageBox::Icon::Stop);
    QVERIFY2(answers->lastText().contains(says), qPrintable(answers->lastText()));
    QCOMPARE(TestSupport::digest(PostalCodes::path()), before);
    postalSearch(dialog, "논현로8길 63");
    QCOMPARE(listLines(dialog).size(), 1);
}

void tst_postalcodes::oneProvinceAsksFirst() {
    ZipCodeDialog* dialog = loaded(rangeFiles());
    const QByteArray before = TestSupport::digest(PostalCodes::path());
    writeZip(folder->file("seoul.zip"), {buildingFiles().first()}, true);
    answers->clear();
    answers->answers = {MessageBox::Answer::No};
    dialog->loadPostalData({folder->file("seoul.zip")});
    QVERIFY2(answers->lastText().startsWith("전국 17개 시도 가운데 1개 시도(서울특별시)의 자료만"),
             qPrintable(answers->lastText()));
    QCOMPARE(TestSupport::digest(PostalCodes::path()), before);
}

void tst_postalcodes::commandLine() {
    writeZip(folder->file("range.zip"), rangeFiles(), true);
    AddressBook::openOrCreate(folder->file("orvaneit.mdb"));
    QProcess tool;
    tool.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"),
               {"--book", folder->file("orvaneit.mdb"), "zipcodes", folder->file("range.zip")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(QString::fromUtf8(tool.readAllStandardError())
                .startsWith("경고: 전국 17개 시도 가운데 2개"));
    QVERIFY(QString::fromUtf8(tool.readAllStandardOutput()).contains("2025"));
    QVERIFY(!PostalCodes(folder->file("postcode.mdb")).search("논현로8길").isEmpty());
}

// Two more buildings on one lot, 개포동 1187: a lot that names no one address.
const QString lot1187 =
    QStringLiteral("|서울특별시|Seoul|강남구|Gangnam-gu|||116804166204|"
                   "논현로8길|Nonhyeon-ro 8-gil|0|%1|0|1168010300111870010000001"
                   "|||1168010300|개포동||개포4동|0|1187|01|0|135-241|");

// Each rule in turn, a row no rule answers, and rows that change only when
// ticked, together or not at all.
void tst_postalcodes::bringingABookUpToDate() {
    writeZip(folder->file("data.zip"),
             buildingFiles() << hand("20251028_추가.txt", buildingHeader,
                                     {"06316" + lot1187.arg(62), "06316" + lot1187.arg(64)}, {}),
             false);
    AddresseeWindow* window = AddresseeWindow::open();
    ZipCodeDialog::open()->loadPostalData({folder->file("data.zip")});
    TestSupport::setSender({{"name", "나"},
                            {"zipcode", "135-240"},
                            {"address1", "서울 강남구  개포1동"},
                            {"address2", "1185번지 3동 201호"}});
    const QList<QStringList> book = {{"1", "가", "135-999", "서울 강남구 경남 아파트 5동 101호"},
                                     {"2", "다", "100-001", "서울 강남구  개포동", "1187"},
                                     {"3", "라", "135-241", "서울 강남구 개포동 1187"},
                                     {"4", "마", "06315", "서울특별시 강남구 논현로8길 71"}};
    for (const QStringList& row : book)
        TestSupport::addCustomer({{"seq", row[0]},
                                  {"name", row[1]},
                                  {"zipcode", row[2]},
                                  {"address1", row[3]},
                                  {"address2", row.value(4)}});
    window->findChild<ExchangeMenu*>()->actUpdateZipcodes->trigger();
    PostcodeUpdateDialog* dialog = PostcodeUpdateDialog::instance();
    QVERIFY(dialog);
    QTableWidget* grid = dialog->grdProposals;
    const auto column = [grid](int c) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            texts << grid->item(r, c)->text().replace('\n', " | ");
        return texts;
    };
    QCOMPARE(column(PostcodeUpdateDialog::Proposed),
             (QStringList{"06315  서울특별시 강남구 논현로8길 71 | 3동 201호 (개포동)",
                          "06315  서울특별시 강남구 논현로8길 71 | 5동 101호 (개포동, 경남아파트)",
                          "", "06316  서울 강남구 개포동 1187 | "}));
    const QStringList reasons = column(PostcodeUpdateDialog::Reason);
    QCOMPARE(reasons[0], "지번 개포1동 1185");
    QCOMPARE(reasons[1], "건물 이름 경남아파트");
    QVERIFY2(reasons[2].contains("지번 개포동 1187에 새 주소가 2곳 있습니다 (06316 서울특별시 "
                                 "강남구 논현로8길 62, 06316 서울특별시 강남구 논현로8길 64)") &&
                 reasons[2].contains("옛 우편번호 100-001은 새 우편번호 2개로 나뉘었습니다 "
                                     "(00001, 24001)"),
             qPrintable(reasons[2]));
    QCOMPARE(reasons[3],
             "옛 우편번호 135-241의 건물은 모두 새 우편번호 06316입니다 (주소는 그대로)");
    QCOMPARE(grid->item(2, PostcodeUpdateDialog::Take)->flags() & Qt::ItemIsUserCheckable, 0);

    // Nothing is written unticked; a row changed meanwhile stops them all.
    const QString bookFile = folder->file("orvaneit.mdb");
    const QString customers = "select seq, zipcode, address1, address2 from customer order by seq";
    const QList<QStringList> before = TestSupport::query(bookFile, customers);
    QTest::mouseClick(dialog->cmdApply, Qt::LeftButton);
    QCOMPARE(answers->lastText(), "바꿀 줄을 고르십시오");
    QTest::mouseClick(dialog->cmdTakeAll, Qt::LeftButton);
    TestSupport::query(bookFile, "update customer set address2 = '2층' where seq = '3'");
    QTest::mouseClick(dialog->cmdApply, Qt::LeftButton);
    QVERIFY(answers->lastText().startsWith("라의 주소가 그사이에 바뀌어 아무것도 바꾸지"));
    TestSupport::query(bookFile, "update customer set address2 = '' where seq = '3'");
    QCOMPARE(TestSupport::query(bookFile, customers), before);
    QCOMPARE(TestSupport::query(bookFile, "select zipcode from personal"),
             QList<QStringList>{{"135-240"}});

    // Row by row: the one ticked changes, and the window shows it.
    grid->item(1, PostcodeUpdateDialog::Take)->setCheckState(Qt::Checked);
    QTest::mouseClick(dialog->cmdApply, Qt::LeftButton);
    QCOMPARE(answers->lastText(), "1곳의 우편번호와 주소를 바꿨습니다");
    QCOMPARE(TestSupport::query(bookFile, customers),
             (QList<QStringList>{
                 {"1", "06315", "서울특별시 강남구 논현로8길 71", "5동 101호 (개포동, 경남아파트)"},
                 before[1],
                 before[2],
                 before[3]}));
    QCOMPARE(window->txtCustomerZipcode->text(), "06315");
    // All that is proposed; the row no rule answers stays.
    QTest::mouseClick(dialog->cmdTakeAll, Qt::LeftButton);
    QTest::mouseClick(dialog->cmdApply, Qt::LeftButton);
    QCOMPARE(
        TestSupport::query(bookFile, "select zipcode, address1, address2 from personal"),
        (QList<QStringList>{{"06315", "서울특별시 강남구 논현로8길 71", "3동 201호 (개포동)"}}));
    QCOMPARE(TestSupport::query(bookFile, customers).mid(1, 2),
             (QList<QStringList>{before[1], {"3", "06316", "서울 강남구 개포동 1187", ""}}));
    QCOMPARE(grid->rowCount(), 1);

    // The command line lists what is left as CSV.
    QProcess tool;
    tool.start(QDir(PROGRAM_DIR).filePath("orvaneit-data"), {"--book", bookFile, "new-zipcodes"});
    QVERIFY(tool.waitForFinished());
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split("\r\n");
    QCOMPARE(lines.value(0), "번호,이름,우편번호,주소1,주소2,새 우편번호,새 주소1,새 주소2,까닭");
    QVERIFY2(
        lines.value(1).startsWith("2,다,100-001,서울 강남구  개포동,1187,,,,\"지번 개포동 1187에"),
        qPrintable(lines.join('\n')));
    QCOMPARE(lines.size(), 3);
    delete dialog;
}

QTEST_MAIN(tst_postalcodes)
#include "tst_postalcodes.moc"
