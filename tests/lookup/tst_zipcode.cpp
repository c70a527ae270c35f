// The zip code dialog driven as the user drives it, on the shipped zip data.

#include "LookupTestSupport.h"
#include "store/AddressBook.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace LookupTest;

namespace {
const QString noResultLine = QStringLiteral("해당 동에 대한 우편번호가 없습니다");
const QString blanks90 = QString(90, QLatin1Char(' '));

// sido, gugun, dong, ri, st_bunji and zipcode of the rows that match, by seq.
QMap<QString, QStringList> rowsWhere(const QString& column, const QString& value) {
    QMap<QString, QStringList> rows;
    for (const QStringList& r :
         TestSupport::query(TestSupport::builtZipcodeDb(),
                            QStringLiteral("select seq, sido, gugun, dong, ri, st_bunji, zipcode "
                                           "from zip where %1 = '%2'")
                                .arg(column, value)))
        rows.insert(r[0], r.mid(1));
    return rows;
}

// Runs a statement on a copy of the zip data (the program itself never
// writes to it).
void changeCopy(const QString& file, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "change");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase("change");
}

// The addressee window, open and in the adding state, so its "우편번호" works.
AddresseeWindow* openAddresseeWindow() {
    AddresseeWindow* window = AddresseeWindow::open();
    if (window)
        QTest::mouseClick(window->cmdCustomerAdd, Qt::LeftButton);
    return window;
}

QStringList boxes(const AddresseeWindow* w) {
    return {w->txtCustomerZipcode->text(), w->txtCustomerAddress1->text(),
            w->txtCustomerAddress2->text()};
}

QStringList boxes(const SenderDialog* w) {
    return {w->txtPersonalZipcode->text(), w->txtPersonalAddress1->text(),
            w->txtPersonalAddress2->text()};
}
} // namespace

class tst_zipcode : public QObject, Fixture {
    Q_OBJECT
  private slots:
    void initTestCase() { Fonts::install(); }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void builtData();
    void missingOrUnreadableFile_data();
    void missingOrUnreadableFile();
    void fileBrokenAfterOpening();
    void layout();
    void searchByDistrict();
    void searchByVillage();
    void districtBeforeVillage();
    void noResult_data();
    void noResult();
    void doubleClickFillsAddresseeWindow();
    void lastOpenerIsFilled();
    void cancelChangesNothing();
    void doubleClickWithoutRow();
    void closedOpenerGetsNothing();
};

// The table the build makes from the committed CSV.
void tst_zipcode::builtData() {
    const QString db = TestSupport::builtZipcodeDb();
    QCOMPARE(TestSupport::query(db, "select count(*), count(distinct seq) from zip"),
             (QList<QStringList>{{"51989", "51989"}}));
    QCOMPARE(TestSupport::query(db, "select group_concat(name || ' ' || lower(type), ', ') "
                                    "from pragma_table_info('zip')"),
             (QList<QStringList>{{"seq text, zipcode text, sido text, gugun text, dong text, "
                                  "ri text, st_bunji text, ed_bunji text"}}));
    // Empty parts hold one blank, never nothing.
    QCOMPARE(TestSupport::query(db, "select count(*) from zip where ri = '' or st_bunji = '' "
                                    "or ed_bunji = '' or ri is null or st_bunji is null "
                                    "or ed_bunji is null"),
             (QList<QStringList>{{"0"}}));
    QCOMPARE(TestSupport::query(db, "select count(*) from zip where ri = ' '"),
             (QList<QStringList>{{"32938"}}));
    QCOMPARE(TestSupport::query(db, "select max(length(seq)), max(length(zipcode)), "
                                    "min(length(zipcode)) from zip"),
             (QList<QStringList>{{"5", "7", "7"}}));
    QCOMPARE(TestSupport::query(db, "select * from zip where seq = '1'"),
             (QList<QStringList>{
                 {"1", "135-806", "서울", "강남구", "개포1동", " ", "경남아파트", " "}}));
    // The searches and the lookup by key are served by indexes.
    for (const char* sql : {"explain query plan select * from zip where dong = 'x'",
                            "explain query plan select * from zip where ri = 'x'",
                            "explain query plan select * from zip where seq = 'x'"}) {
        const QList<QStringList> plan = TestSupport::query(db, sql);
        QVERIFY(!plan.isEmpty());
        QVERIFY2(plan.first().last().contains("USING INDEX"), sql);
    }
}

void tst_zipcode::missingOrUnreadableFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("says");
    const QString notOurs = "zipcode.mdb 파일을 열 수 없습니다.\n이 프로그램의 데이타 파일이 "
                            "아니거나 손상되었습니다";
    QTest::newRow("missing") << QByteArray() << QString() << "zipcode.mdb 파일이 없습니다";
    QTest::newRow("empty") << QByteArray("") << QString() << "zipcode.mdb 파일이 비어 있습니다";
    QTest::newRow("not a database")
        << QByteArray("seq,zipcode\n1,123-456\n") << QString() << notOurs;
    QTest::newRow("no zip table") << QByteArray() << "create table other(a text)" << notOurs;
    QTest::newRow("zip without columns")
        << QByteArray() << "create table zip(seq text, code text)"
        << "zipcode.mdb 파일의 zip 테이블이 올바르지 않습니다.\nno such column";
}

void tst_zipcode::missingOrUnreadableFile() {
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    QFETCH(QString, says);
    const QString file = folder->file("zipcode.mdb");
    if (!content.isNull()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    if (!sql.isEmpty())
        changeCopy(file, sql);
    const QByteArray before = QFile::exists(file) ? TestSupport::digest(file) : QByteArray();

    QCOMPARE(ZipCodeDialog::open(), nullptr);
    QCOMPARE(ZipCodeDialog::instance(), nullptr);
    QCOMPARE(answers->messages.size(), 1);
    const MessageBox::Message& m = answers->messages.first();
    QCOMPARE(m.title, QStringLiteral("경고"));
    QCOMPARE(m.icon, MessageBox::Icon::Stop);
    QVERIFY2(m.text.startsWith("우편번호를 검색할 수 없습니다.\n") && m.text.contains(says),
             qPrintable(m.text));
    // The table comes with the program: deleting it would not bring it back.
    QVERIFY(!m.text.contains("지우면"));
    // Nothing is created or changed.
    QCOMPARE(QFile::exists(file), !before.isEmpty());
    if (!before.isEmpty())
        QCOMPARE(TestSupport::digest(file), before);
}

// A file spoilt while the dialog is open is reported; nothing crashes.
void tst_zipcode::fileBrokenAfterOpening() {
    copyZipcodeDb(*folder);
    ZipCodeDialog* dialog = ZipCodeDialog::open();
    QVERIFY(dialog);
    QFile f(folder->file("zipcode.mdb"));
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.write(QByteArray(4096, 'x'));
    f.close();
    search(dialog, QStringLiteral("송정동"));
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY(
        answers->lastText().startsWith(QStringLiteral("zipcode.mdb 파일을 읽을 수 없습니다.\n")));
    QCOMPARE(answers->messages.first().icon, MessageBox::Icon::Stop);
    QCOMPARE(dialog->lstSearchDataList->count(), 0);
    QVERIFY(dialog->isVisible());
}

void tst_zipcode::layout() {
    copyZipcodeDb(*folder);
    ZipCodeDialog* d = ZipCodeDialog::open();
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QCOMPARE(d->windowTitle(), QStringLiteral("우편번호검색"));
    QCOMPARE(d->size(), QSize(Twips::toPixels(7995), Twips::toPixels(8505)));

    struct Expected {
        QWidget* widget;
        const char* name;
        QString caption;
        QRect twips;
    };
    const QList<Expected> expected = {
        {d->Label1, "Label1", "찾을 우편번호", {600, 480, 1230, 195}},
        {d->txtSearchData, "txtSearchData", "", {2160, 360, 3855, 375}},
        {d->Label2, "Label2", "예)찾고자 하는 지역에 해당하는", {2160, 840, 2790, 195}},
        {d->Label3, "Label3", "  동, 면, 읍, 리를 입력하시면 됩니다", {2280, 1080, 3135, 195}},
        {d->lstSearchDataList, "lstSearchDataList", "", {480, 1800, 7215, 4740}},
        {d->cmdSearchData, "cmdSearchData", "검색", {6240, 240, 1215, 490}},
        {d->cmdCencel, "cmdCencel", "취소", {6360, 6720, 1215, 490}},
        {d->lblZipcode, "lblZipcode", "우편번호", {480, 1440, 1095, 255}},
        {d->lblAptStbunji,
         "lblAptStbunji",
         "사서함, 아파트명 및 시작번지~종료번지",
         {3600, 1440, 3615, 255}},
    };
    for (const Expected& e : expected) {
        QCOMPARE(e.widget->objectName(), QString::fromLatin1(e.name));
        checkPlace(e.widget, e.twips);
        QCOMPARE(e.widget->font().family(), QStringLiteral("굴림"));
        QCOMPARE(e.widget->font().pointSizeF(), 9.75);
        QString caption;
        if (auto* l = qobject_cast<QLabel*>(e.widget))
            caption = l->text();
        else if (auto* b = qobject_cast<QPushButton*>(e.widget))
            caption = b->text();
        else if (auto* t = qobject_cast<QLineEdit*>(e.widget))
            caption = t->text();
        QCOMPARE(caption, e.caption);
    }
    QCOMPARE(d->txtSearchData->maxLength(), 32767);
    QCOMPARE(d->lstSearchDataList->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!d->lstSearchDataList->isSortingEnabled());
    QCOMPARE(d->lstSearchDataList->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!d->cmdSearchData->isDefault() && !d->cmdSearchData->autoDefault());
    QVERIFY(!d->cmdCencel->isDefault() && !d->cmdCencel->autoDefault());

    // Keyboard order: the box, the list, "검색", "취소", then the search of
    // today's codes and its loading.
    QCOMPARE(d->focusWidget(), d->txtSearchData);
    const QList<QWidget*> order = {d->txtSearchData,     d->lstSearchDataList, d->cmdSearchData,
                                   d->cmdCencel,         d->txtPostalSearch,   d->cmdPostalSearch,
                                   d->cmdLoadPostalData, d->txtSearchData};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
}

// 송정동: the 84 rows of that district, in 10 provinces, in list order.
void tst_zipcode::searchByDistrict() {
    copyZipcodeDb(*folder);
    ZipCodeDialog* d = ZipCodeDialog::open();
    QVERIFY(d);
    search(d, QStringLiteral("송정동"));

    const QStringList lines = listLines(d);
    const QMap<QString, QStringList> rows = rowsWhere("dong", "송정동");
    QCOMPARE(rows.size(), 84);
    QCOMPARE(lines.size(), 84);
    QSet<QString> keys;
    QStringList provinces;
    QStringList previous;
    for (const QString& line : lines) {
        const QString key = TextRules::lineKey(line);
        QVERIFY2(rows.contains(key), qPrintable(line));
        keys << key;
        const QStringList row = rows[key]; // sido, gugun, dong, ri, st_bunji, zipcode
        QVERIFY(line.startsWith(QStringList{row[5], row[0], row[1], row[2]}.join(' ') + ' '));
        QVERIFY(line.endsWith(blanks90 + key));
        QVERIFY2(previous <= row.mid(0, 5), qPrintable(line));
        previous = row.mid(0, 5);
        if (provinces.isEmpty() || provinces.last() != row[0])
            provinces << row[0];
    }
    QCOMPARE(keys.size(), 84);
    QCOMPARE(provinces, (QStringList{"강원", "경기", "경북", "광주", "대구", "대전", "부산", "서울",
                                     "울산", "충북"}));

    // The three shapes of the house-number part.
    QCOMPARE(lines[rowOfKey(d, "19530")], "240-130 강원 동해시 송정동  " + blanks90 + "19530");
    QCOMPARE(lines[rowOfKey(d, "19525")], "240-805 강원 동해시 송정동   849" + blanks90 + "19525");
    QCOMPARE(lines[rowOfKey(d, "19524")],
             "240-806 강원 동해시 송정동   1 ~ 848" + blanks90 + "19524");
    QCOMPARE(lines[rowOfKey(d, "19529")],
             "240-806 강원 동해시 송정동   산1 ~ 8" + blanks90 + "19529");
    QCOMPARE(lines[rowOfKey(d, "22902")], "464-794 경기 광주시 송정동   송정금강펜테리움아파트 "
                                          "(101∼209동)" +
                                              blanks90 + "22902");
    // The first lines, as the user sees them.
    QCOMPARE(lines.first(), "210-140 강원 강릉시 송정동  " + blanks90 + "19230");
    QCOMPARE(lines[1],
             "210-713 강원 강릉시 송정동   국민건강보험공단강릉지사" + blanks90 + "19229");

    // A successful search keeps the typed text.
    QCOMPARE(d->txtSearchData->text(), QStringLiteral("송정동"));
}

// 송곡리 is no district: the second pass finds it as a village.
void tst_zipcode::searchByVillage() {
    copyZipcodeDb(*folder);
    ZipCodeDialog* d = ZipCodeDialog::open();
    QVERIFY(d);
    search(d, QStringLiteral("송정동"));
    QCOMPARE(d->lstSearchDataList->count(), 84);

    // A second search first clears the list.
    search(d, QStringLiteral("송곡리"));
    QVERIFY(rowsWhere("dong", "송곡리").isEmpty());
    const QMap<QString, QStringList> rows = rowsWhere("ri", "송곡리");
    QCOMPARE(rows.size(), 20);
    const QStringList lines = listLines(d);
    QCOMPARE(lines.size(), 20);
    QStringList previous;
    for (const QString& line : lines) {
        const QStringList row = rows.value(TextRules::lineKey(line));
        QCOMPARE(row.value(3), QStringLiteral("송곡리"));
        QVERIFY2(previous <= row.mid(0, 5), qPrintable(line));
        previous = row.mid(0, 5);
    }
    QCOMPARE(lines.first(), "467-872 경기 이천시 모가면 송곡리" + blanks90 + "28446");
    QCOMPARE(lines[rowOfKey(d, "47625")],
             "336-785 충남 아산시 염치읍 송곡리 신일아파트 (101∼103동)" + blanks90 + "47625");
    QCOMPARE(d->txtSearchData->text(), QStringLiteral("송곡리"));
}

// A name that is a district of some rows and a village of others lists the
// district rows only.
void tst_zipcode::districtBeforeVillage() {
    copyZipcodeDb(*folder);
    changeCopy(folder->file("zipcode.mdb"),
               "insert into zip values ('90001', '999-999', '경기', '가상군', '가상면', '송정동', "
               "' ', ' ')");
    changeCopy(folder->file("zipcode.mdb"),
               "insert into zip values ('90002', '999-998', '경기', '가상군', '송곡리', ' ', ' ', "
               "' ')");
    ZipCodeDialog* d = ZipCodeDialog::open();
    QVERIFY(d);
    search(d, QStringLiteral("송정동"));
    QCOMPARE(d->lstSearchDataList->count(), 84);
    QCOMPARE(rowOfKey(d, "90001"), -1);
    search(d, QStringLiteral("송곡리"));
    QCOMPARE(listLines(d), QStringList{"999-998 경기 가상군 송곡리  " + blanks90 + "90002"});

    // However wide the list, the short line does not show its key at the right.
    d->lstSearchDataList->resize(1000, d->lstSearchDataList->height());
    d->lstSearchDataList->doItemsLayout();
    const QImage drawn = d->lstSearchDataList->viewport()->grab().toImage();
    d->lstSearchDataList->item(0)->setText(listLines(d).first().chopped(5));
    QCOMPARE(d->lstSearchDataList->viewport()->grab().toImage(), drawn);
}

void tst_zipcode::noResult_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("first syllable") << QStringLiteral("송");
    QTest::newRow("blank before") << QStringLiteral(" 송정동");
    QTest::newRow("blank after") << QStringLiteral("송정동 ");
    QTest::newRow("village with blank") << QStringLiteral("송곡리 ");
    QTest::newRow("nothing typed") << QString();
    // One blank is how the table marks "no village": it names no place.
    QTest::newRow("one blank") << QStringLiteral(" ");
}

void tst_zipcode::noResult() {
    QFETCH(QString, text);
    copyZipcodeDb(*folder);
    ZipCodeDialog* d = ZipCodeDialog::open();
    QVERIFY(d);
    search(d, QStringLiteral("송곡리"));
    QCOMPARE(d->lstSearchDataList->count(), 20);
    d->cmdSearchData->setFocus();
    search(d, text);
    QCOMPARE(listLines(d), QStringList{noResultLine});
    QCOMPARE(d->txtSearchData->text(), QString());
    QCOMPARE(d->focusWidget(), d->txtSearchData);
}

// Chosen from the addressee window: zip code, first address line with two
// blanks before the district, and the village only when there is one.
void tst_zipcode::doubleClickFillsAddresseeWindow() {
    copyZipcodeDb(*folder);
    AddresseeWindow* w = openAddresseeWindow();
    QVERIFY(w);
    TestSupport::type(w->txtCustomerAddress2, QStringLiteral("본가 12번지"));
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    ZipCodeDialog* d = ZipCodeDialog::instance();
    QVERIFY(d && d->isVisible());

    // A row without a village keeps the second line; the focus stays.
    QWidget* focus = w->focusWidget();
    choose(d, QStringLiteral("송정동"), "19524");
    QCOMPARE(w->focusWidget(), focus);
    QCOMPARE(boxes(w), (QStringList{"240-806", "강원 동해시  송정동", "본가 12번지"}));
    QVERIFY(!d->isVisible());
    QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);

    // A row with a village overwrites it.
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    d = ZipCodeDialog::instance();
    QVERIFY(d);
    QCOMPARE(d->txtSearchData->text(), QString());
    QCOMPARE(d->lstSearchDataList->count(), 0);
    choose(d, QStringLiteral("송곡리"), "28446");
    QCOMPARE(boxes(w), (QStringList{"467-872", "경기 이천시  모가면", "송곡리"}));
    QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);

    // Nothing is stored by the dialog: the addressee window saves.
    QCOMPARE(TestSupport::query(folder->file("orvaneit.mdb"), "select count(*) from customer"),
             (QList<QStringList>{{"0"}}));
}

// Both windows open: the one whose zip code button was pressed last is filled.
void tst_zipcode::lastOpenerIsFilled() {
    copyZipcodeDb(*folder);
    const QByteArray zipData = TestSupport::digest(folder->file("zipcode.mdb"));
    AddresseeWindow* w = openAddresseeWindow();
    QVERIFY(w);
    QTest::mouseClick(w->cmdSearchPersonal, Qt::LeftButton);
    SenderDialog* p = SenderDialog::instance();
    QVERIFY(p);

    QTest::mouseClick(p->cmdSearchZipcode, Qt::LeftButton);
    ZipCodeDialog* d = ZipCodeDialog::instance();
    QVERIFY(d);
    search(d, QStringLiteral("송곡리"));
    // Pressed again, the open dialog comes to the front as it is.
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    QCOMPARE(ZipCodeDialog::instance(), d);
    QCOMPARE(d->txtSearchData->text(), QStringLiteral("송곡리"));
    QCOMPARE(d->lstSearchDataList->count(), 20);
    doubleClickRow(d, rowOfKey(d, "28446"));
    QCOMPARE(boxes(w), (QStringList{"467-872", "경기 이천시  모가면", "송곡리"}));
    QCOMPARE(boxes(p), (QStringList{"", "", ""}));
    QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);

    // And the other way round.
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    QTest::mouseClick(p->cmdSearchZipcode, Qt::LeftButton);
    choose(ZipCodeDialog::instance(), QStringLiteral("송정동"), "4984");
    QCOMPARE(boxes(p), (QStringList{"133-836", "서울 성동구  송정동", ""}));
    QCOMPARE(boxes(w), (QStringList{"467-872", "경기 이천시  모가면", "송곡리"}));
    // The zip code file is only ever read.
    QCOMPARE(TestSupport::digest(folder->file("zipcode.mdb")), zipData);
}

void tst_zipcode::cancelChangesNothing() {
    copyZipcodeDb(*folder);
    AddresseeWindow* w = openAddresseeWindow();
    QVERIFY(w);
    TestSupport::type(w->txtCustomerZipcode, QStringLiteral("111-222"));
    TestSupport::type(w->txtCustomerAddress1, QStringLiteral("서울 어딘가"));
    TestSupport::type(w->txtCustomerAddress2, QStringLiteral("3번지"));
    QTest::mouseClick(w->cmdSearchPersonal, Qt::LeftButton);
    SenderDialog* p = SenderDialog::instance();
    QVERIFY(p);
    TestSupport::type(p->txtPersonalAddress2, QStringLiteral("그대로"));
    const QStringList addressee = boxes(w);
    const QStringList sender = boxes(p);

    for (QPushButton* opener : {w->cmdSearchZipcode, p->cmdSearchZipcode}) {
        QTest::mouseClick(opener, Qt::LeftButton);
        ZipCodeDialog* d = ZipCodeDialog::instance();
        QVERIFY(d);
        search(d, QStringLiteral("송곡리"));
        d->lstSearchDataList->setCurrentRow(0);
        QTest::mouseClick(d->cmdCencel, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);
        QCOMPARE(boxes(w), addressee);
        QCOMPARE(boxes(p), sender);
    }
}

// The message line, an empty selection, or a row gone from the file: nothing
// is copied and the dialog stays open.
void tst_zipcode::doubleClickWithoutRow() {
    copyZipcodeDb(*folder);
    AddresseeWindow* w = openAddresseeWindow();
    QVERIFY(w);
    TestSupport::type(w->txtCustomerAddress2, QStringLiteral("그대로"));
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    ZipCodeDialog* d = ZipCodeDialog::instance();
    QVERIFY(d);
    const QStringList before = boxes(w);
    const qsizetype shown = answers->messages.size();

    search(d, QStringLiteral("없는동"));
    QCOMPARE(listLines(d), QStringList{noResultLine});
    doubleClickRow(d, 0);
    QVERIFY(d->isVisible());
    QCOMPARE(boxes(w), before);

    // Below the last line, with nothing selected.
    search(d, QStringLiteral("가현동"));
    QCOMPARE(d->lstSearchDataList->count(), 3);
    QVERIFY(d->lstSearchDataList->selectedItems().isEmpty());
    QTest::mouseDClick(d->lstSearchDataList->viewport(), Qt::LeftButton, {},
                       QPoint(20, d->lstSearchDataList->viewport()->height() - 3));
    QVERIFY(d->lstSearchDataList->selectedItems().isEmpty());
    QVERIFY(d->isVisible());
    QCOMPARE(boxes(w), before);

    // A row that left the file after the search.
    search(d, QStringLiteral("송곡리"));
    changeCopy(folder->file("zipcode.mdb"), "delete from zip where seq = '28446'");
    doubleClickRow(d, rowOfKey(d, "28446"));
    QVERIFY(d->isVisible());
    QCOMPARE(boxes(w), before);
    QCOMPARE(answers->messages.size(), shown);

    // Another line still works.
    doubleClickRow(d, rowOfKey(d, "29719"));
    QCOMPARE(boxes(w), (QStringList{"445-921", "경기 화성시  향남읍", "송곡리"}));
}

// The window that asked has been closed meanwhile: nothing is written.
void tst_zipcode::closedOpenerGetsNothing() {
    copyZipcodeDb(*folder);
    AddresseeWindow* w = openAddresseeWindow();
    QVERIFY(w);
    TestSupport::type(w->txtCustomerAddress2, QStringLiteral("그대로"));
    QTest::mouseClick(w->cmdSearchPersonal, Qt::LeftButton);
    SenderDialog* p = SenderDialog::instance();
    QVERIFY(p);
    QTest::mouseClick(p->cmdSearchZipcode, Qt::LeftButton);
    ZipCodeDialog* d = ZipCodeDialog::instance();
    QVERIFY(d);
    p->close(); // the close box
    QTRY_COMPARE(SenderDialog::instance(), nullptr);

    const QStringList before = boxes(w);
    choose(d, QStringLiteral("송곡리"), "28446");
    QCOMPARE(boxes(w), before);
    QVERIFY(d->isVisible());

    // Reopened, the sender dialog asks again and gets the row.
    QTest::mouseClick(w->cmdSearchPersonal, Qt::LeftButton);
    p = SenderDialog::instance();
    QVERIFY(p);
    QTest::mouseClick(p->cmdSearchZipcode, Qt::LeftButton);
    QCOMPARE(ZipCodeDialog::instance(), d);
    doubleClickRow(d, rowOfKey(d, "28446"));
    QCOMPARE(boxes(p), (QStringList{"467-872", "경기 이천시  모가면", "송곡리"}));
    QCOMPARE(boxes(w), before);
    QTRY_COMPARE(ZipCodeDialog::instance(), nullptr);

    // The addressee window gone, the dialog it opened fills no window.
    QTest::mouseClick(w->cmdSearchZipcode, Qt::LeftButton);
    d = ZipCodeDialog::instance();
    delete w;
    choose(d, QStringLiteral("송곡리"), "28446");
    QVERIFY(d->isVisible());
    QCOMPARE(boxes(p), (QStringList{"467-872", "경기 이천시  모가면", "송곡리"}));
}

QTEST_MAIN(tst_zipcode)
#include "tst_zipcode.moc"
