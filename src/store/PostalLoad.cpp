#include "PostalLoad.h"

#include "PostalFiles.h"
#include "PostalLots.h"
#include "PostalPack.h"
#include "PostalSchema.h"
#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <numeric>
#include <sqlite3.h>
#include <unistd.h>

namespace {
// Where the user gets the data, said with every refusal.
const QString whereToGet =
    QStringLiteral("인터넷우체국 › 우편번호 › 우편번호 DB 다운로드에서 받은 범위주소 DB "
                   "(areacd_rangeaddr_DB.zip)나 건물 DB(zipcode_DB.zip)를 고르십시오");
constexpr int provincesOfTheCountry = 17;

enum class Kind { Road, Lot, Box, Building };

// The columns each file must have, by header name (any of the alternatives),
// in the order the reading uses them.
const QList<QStringList> roadColumns = {
    {"우편번호"},       {"시도"},           {"시군구"},           {"읍면"},
    {"도로명"},         {"지하여부"},       {"시작건물번호(주)"}, {"시작건물번호(부)"},
    {"끝건물번호(주)"}, {"끝건물번호(부)"}, {"범위종류"}};
const QList<QStringList> lotColumns = {{"우편번호", "새우편번호"},
                                       {"시도"},
                                       {"시군구"},
                                       {"읍면동"},
                                       {"리명"},
                                       {"산여부"},
                                       {"시작주번지"},
                                       {"시작부번지"},
                                       {"끝주번지"},
                                       {"끝부번지"}};
const QList<QStringList> boxColumns = {{"우편번호", "새우편번호"}, {"사서함명"}};
const QList<QStringList> buildingColumns = {
    {"우편번호"}, {"시도"},         {"시군구"},       {"읍면"},           {"도로명"},
    {"지하여부"}, {"건물번호본번"}, {"건물번호부번"}, {"시군구용건물명"}, {"법정동명"},
    {"리명"},     {"산여부"},       {"지번본번"},     {"지번부번"},       {"구우편번호"}};
enum RoadColumn {
    Zip,
    Sido,
    Sigungu,
    Town,
    RoadName,
    Underground,
    FirstMain,
    FirstSub,
    LastMain,
    LastSub,
    RangeKind
};
enum LotColumn {
    LotZip,
    LotSido,
    LotSigungu,
    LotTown,
    Ri,
    Mountain,
    LotFirstMain,
    LotFirstSub,
    LotLastMain,
    LotLastSub
};
enum BuildingColumn {
    BZip,
    BSido,
    BSigungu,
    BTown,
    BRoad,
    BUnderground,
    BMain,
    BSub,
    BName,
    BDong,
    BRi,
    BMountain,
    BLotMain,
    BLotSub,
    BOldZip
};

// The positions of the wanted columns in a header; empty when one is missing.
QList<int> positions(const QStringList& header, const QList<QStringList>& wanted) {
    QList<int> at;
    for (const QStringList& names : wanted) {
        qsizetype found = -1;
        for (const QString& name : names)
            found = found >= 0 ? found : header.indexOf(name);
        if (found < 0)
            return {};
        at << int(found);
    }
    return at;
}

bool isZipcode(QStringView text) {
    return text.size() == 5 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

// One prepared statement of the file being built.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Statement() { sqlite3_finalize(statement); }
    Statement& text(QStringView value) {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(statement, ++column, utf8.constData(), int(utf8.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& blob(const QByteArray& value) {
        sqlite3_bind_blob(statement, ++column, value.constData(), int(value.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& number(qint64 value) {
        sqlite3_bind_int64(statement, ++column, value);
        return *this;
    }
    void run() {
        const int status = sqlite3_step(statement);
        sqlite3_reset(statement);
        column = 0;
        if (status != SQLITE_DONE)
            throw StoreError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))));
    }

  private:
    sqlite3_stmt* statement = nullptr;
    int column = 0;
};

// The key's number, counted from 0 in the order the keys are first seen.
int numberOf(QHash<QString, int>& numbers, const QString& key) {
    const auto found = numbers.constFind(key);
    return found != numbers.constEnd() ? *found : *numbers.insert(key, int(numbers.size()));
}

// What a range kind code of the road-name ranges means, found from the rows
// that carry it: a code whose every range runs from odd to odd is odd-only,
// from even to even even-only; a code with other ranges covers every number.
// A code seen only on ranges of a single number stays unknown.
struct KindEvidence {
    qint64 odd = 0, even = 0, other = 0;
    PostalSchema::Parity parity() const {
        if (other > 0 || (odd > 0 && even > 0))
            return PostalSchema::Parity::All;
        if (odd > 0)
            return PostalSchema::Parity::Odd;
        return even > 0 ? PostalSchema::Parity::Even : PostalSchema::Parity::Unknown;
    }
};

class Builder : public PostalFiles::Visitor {
  public:
    Builder(sqlite3* db, const std::function<bool(int)>& progress)
        : db(db), report(progress), addArea(db, PostalSchema::insertArea),
          addLot(db, PostalSchema::insertLot), addOldCode(db, PostalSchema::insertOldCode),
          addLotBuilding(db, PostalSchema::insertLotBuilding) {}

    PostalLoad::Summary summary;
    QStringList documents; // notice documents and other files that hold no data

    bool begin(const QString& name, const QStringList& header) override {
        names << name;
        storeLotBlocks();
        if (header.contains(QStringLiteral("이동사유코드")))
            throw StoreError(
                QStringLiteral("%1 파일은 한 달 동안 바뀐 우편번호만 담은 변경 자료입니다. 전체 "
                               "자료가 필요합니다.\n")
                    .arg(name) +
                whereToGet);
        const struct {
            Kind kind;
            const QList<QStringList>& columns;
        } kindsOfFile[] = {{Kind::Building, buildingColumns},
                           {Kind::Road, roadColumns},
                           {Kind::Lot, lotColumns},
                           {Kind::Box, boxColumns}};
        for (const auto& k : kindsOfFile) {
            at = positions(header, k.columns);
            if (!at.isEmpty()) {
                kind = k.kind;
                return true;
            }
        }
        throw StoreError(QStringLiteral("%1 파일은 우편번호 DB가 아닙니다.\n").arg(name) +
                         whereToGet);
    }

    void row(const QList<QStringView>& fields) override {
        this->fields = &fields;
        if (!isZipcode(field(0))) {
            ++summary.skippedRows;
            return;
        }
        if (kind != Kind::Box)
            provinces.insert(field(1).toString());
        switch (kind) {
        case Kind::Road:
            road();
            break;
        case Kind::Lot:
            lot();
            break;
        case Kind::Box:
            ++summary.boxRows;
            break;
        case Kind::Building:
            building();
            break;
        }
    }

    void other(const QString& name) override { documents << name; }

    bool progress(qint64 done, qint64 total) override {
        return report(total > 0 ? int(done * 90 / total) : 0);
    }

    void finish() {
        storeLotBlocks();
        aggregateBuildings();
        storeKinds();
        storeRoads();
        storeBuildings();
        summary.provinces = QStringList(provinces.begin(), provinces.end());
        summary.provinces.sort();
        static const QRegularExpression dated(QStringLiteral("20\\d{6}"));
        for (const QString& name : std::as_const(names)) {
            const QRegularExpressionMatch m = dated.match(name);
            if (m.hasMatch())
                summary.date = std::max(summary.date, m.captured());
        }
    }

  private:
    QStringView field(int column) const { return fields->value(at[column]); }
    qint64 number(int column) const { return field(column).toLongLong(); }

    qint64 area(int sido, int sigungu, int town) {
        const QString key =
            QStringList{field(sido).toString(), field(sigungu).toString(), field(town).toString()}
                .join(QLatin1Char('|'));
        auto found = areas.constFind(key);
        if (found != areas.constEnd())
            return *found;
        addArea.text(field(sido)).text(field(sigungu)).text(field(town)).run();
        return *areas.insert(key, sqlite3_last_insert_rowid(db));
    }

    void road() {
        ++summary.roadRows;
        const qint64 first = number(FirstMain), last = number(LastMain);
        const int kind = kindOf(field(RangeKind).toString());
        KindEvidence& evidence = kinds[kind].evidence;
        if (first == last)
            ;
        else if (first % 2 == 1 && last % 2 == 1)
            ++evidence.odd;
        else if (first % 2 == 0 && last % 2 == 0)
            ++evidence.even;
        else
            ++evidence.other;
        ranges.push_back({roadOf(field(RoadName)), int(area(Sido, Sigungu, Town)), kind,
                          field(Zip).toInt(), int(first), int(number(FirstSub)), int(last),
                          int(number(LastSub)), int(number(Underground))});
    }

    void lot() {
        ++summary.lotRows;
        addLot.text(field(LotZip))
            .number(area(LotSido, LotSigungu, LotTown))
            .text(field(Ri))
            .number(number(Mountain))
            .number(number(LotFirstMain))
            .number(number(LotFirstSub))
            .number(number(LotLastMain))
            .number(number(LotLastSub))
            .run();
    }

    // A building: kept by name when it has one, linked to its old six-digit
    // code, and gathered into the ranges of its road.
    void building() {
        ++summary.buildingRows;
        const int areaId = int(area(BSido, BSigungu, BTown));
        const int road = roadOf(field(BRoad));
        if (const QString name = field(BName).trimmed().toString(); !name.isEmpty())
            named.push_back({numberOf(nameIndex, name), int(named.size()), areaId, road,
                             int(number(BUnderground)), int(number(BMain)), int(number(BSub)),
                             field(BZip).toInt(), int(area(BSido, BSigungu, BDong))});
        QString old = field(BOldZip).toString();
        old.remove(QLatin1Char('-'));
        if (old.size() == 6) {
            const QString link = old + QLatin1Char('|') + field(BZip).toString();
            if (!oldCodes.contains(link)) {
                oldCodes.insert(link);
                addOldCode.text(old).text(field(BZip)).run();
            }
        }
        addToLotBlock();
        const QString sideKey = QString::number(areaId) + QLatin1Char('|') + QString::number(road) +
                                QLatin1Char('|') + field(BUnderground).toString();
        const int side = numberOf(sides, sideKey);
        if (side == int(sideOf.size()))
            sideOf.push_back({road, areaId, int(number(BUnderground))});
        buildings.push_back({side, int(number(BMain)), int(number(BSub)), field(BZip).toInt()});
    }

    int roadOf(QStringView name) {
        const int road = numberOf(roadIndex, name.toString());
        if (road == roadNames.size())
            roadNames << name.toString();
        return road;
    }

    int kindOf(const QString& code) {
        const int kind = numberOf(kindIndex, code);
        if (kind == int(kinds.size()))
            kinds.push_back({code, {}});
        return kind;
    }

    // The buildings of each road become ranges: on each side of the road
    // (odd and even numbers), each run of numbers that share one code.
    void aggregateBuildings() {
        if (buildings.empty() || summary.roadRows > 0)
            return; // ranges of the range DB win over ranges made from buildings
        std::sort(buildings.begin(), buildings.end(), [](const Building& a, const Building& b) {
            return std::tuple(a.side, a.main % 2, a.main, a.sub) <
                   std::tuple(b.side, b.main % 2, b.main, b.sub);
        });
        const int odd = kindOf(PostalSchema::oddKind), even = kindOf(PostalSchema::evenKind);
        kinds[odd].evidence.odd = 1;
        kinds[even].evidence.even = 1;
        for (size_t first = 0, last; first < buildings.size(); first = last + 1) {
            const Building& start = buildings[first];
            for (last = first; last + 1 < buildings.size() &&
                               buildings[last + 1].side == start.side &&
                               buildings[last + 1].main % 2 == start.main % 2 &&
                               buildings[last + 1].zip == start.zip;)
                ++last;
            const Side& side = sideOf[size_t(start.side)];
            const Building& end = buildings[last];
            ranges.push_back({side.road, side.area, start.main % 2 ? odd : even, start.zip,
                              start.main, start.sub, end.main, end.sub, side.underground});
        }
        buildings = {};
    }

    void storeKinds() {
        Statement addKind(db, PostalSchema::insertKind);
        for (size_t k = 0; k < kinds.size(); ++k)
            addKind.number(qint64(k))
                .text(kinds[k].code)
                .number(int(kinds[k].evidence.parity()))
                .run();
    }

    // Every road name once, numbered in the order of the names as SQLite
    // orders text (by their UTF-8 bytes), with its ranges.
    void storeRoads() {
        std::vector<QByteArray> utf8;
        for (const QString& name : std::as_const(roadNames))
            utf8.push_back(name.toUtf8());
        std::vector<int> byName(utf8.size());
        std::iota(byName.begin(), byName.end(), 0);
        std::sort(byName.begin(), byName.end(), [&](int a, int b) { return utf8[a] < utf8[b]; });
        roadIds.resize(byName.size());
        for (size_t i = 0; i < byName.size(); ++i)
            roadIds[size_t(byName[i])] = int(i) + 1;
        for (Range& r : ranges)
            r.road = roadIds[size_t(r.road)];
        std::stable_sort(ranges.begin(), ranges.end(),
                         [](const Range& a, const Range& b) { return a.road < b.road; });
        Statement addRoad(db, PostalSchema::insertRoad);
        auto range = ranges.cbegin();
        for (size_t i = 0; i < byName.size(); ++i) {
            std::vector<qint64> numbers;
            for (; range != ranges.cend() && range->road == int(i) + 1; ++range)
                numbers.insert(numbers.end(), // in RangeColumn's order
                               {range->area, range->underground, range->firstMain, range->firstSub,
                                range->lastMain, range->lastSub, range->kind, range->zipcode});
            addRoad.number(qint64(i) + 1)
                .text(roadNames[byName[i]])
                .blob(PostalPack::pack(numbers, PostalSchema::rangeColumns))
                .run();
        }
        ranges = {};
    }

    // Every building name once, with its buildings in the order read.
    void storeBuildings() {
        std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
            return std::pair(a.name, a.order) < std::pair(b.name, b.order);
        });
        QStringList names(nameIndex.size());
        for (auto n = nameIndex.constBegin(); n != nameIndex.constEnd(); ++n)
            names[n.value()] = n.key();
        Statement addBuilding(db, PostalSchema::insertBuilding);
        for (auto first = named.cbegin(), last = first; first != named.cend(); first = last) {
            std::vector<qint64> numbers;
            for (last = first; last != named.cend() && last->name == first->name; ++last)
                numbers.insert(numbers.end(), // in PlaceColumn's order
                               {last->area, roadIds[size_t(last->road)], last->underground,
                                last->main, last->sub, last->zipcode, last->dong});
            addBuilding.number(first->name + 1)
                .text(names[first->name])
                .blob(PostalPack::pack(numbers, PostalSchema::placeColumns))
                .run();
        }
        named = {};
    }

    // The building under its lot, in the block of its legal dong and ri.
    void addToLotBlock() {
        const QString blockKey = QString::number(area(BSido, BSigungu, BDong)) + QLatin1Char('|') +
                                 field(BRi).toString();
        LotBlock& block = lotBlocks[blockKey];
        const QString road = field(BTown).toString() + QLatin1Char('\t') + field(BRoad).toString();
        const int index = numberOf(block.roadIndex, road);
        if (index == block.roads.size())
            block.roads << road;
        block.buildings.push_back({number(BMountain) == 1, number(BLotMain), number(BLotSub), index,
                                   number(BUnderground) == 1, number(BMain), number(BSub),
                                   number(BZip)});
    }

    // The lot blocks of the file read so far; a province's file holds its
    // dongs whole, so each file's blocks are stored when the next begins.
    void storeLotBlocks() {
        for (auto b = lotBlocks.begin(); b != lotBlocks.end(); ++b)
            addLotBuilding.number(b.key().section(QLatin1Char('|'), 0, 0).toLongLong())
                .text(b.key().section(QLatin1Char('|'), 1))
                .text(b->roads.join(QLatin1Char('\n')))
                .blob(PostalLots::pack(std::move(b->buildings)))
                .run();
        lotBlocks.clear();
    }

    // A building for the ranges made of the building DB, on one side (area,
    // road and underground) of a road.
    struct Building {
        int side, main, sub, zip;
    };
    struct Side {
        int road, area, underground;
    };
    // A road-name range (road: the number in roadNames until stored).
    struct Range {
        int road, area, kind, zipcode, firstMain, firstSub, lastMain, lastSub, underground;
    };
    // A building with a name (road: the number in roadNames).
    struct Named {
        int name, order, area, road, underground, main, sub, zipcode, dong;
    };
    struct KindSeen {
        QString code;
        KindEvidence evidence;
    };
    struct LotBlock {
        QStringList roads;
        QHash<QString, int> roadIndex;
        std::vector<PostalLots::Building> buildings;
    };

    sqlite3* db;
    std::function<bool(int)> report;
    Statement addArea, addLot, addOldCode, addLotBuilding;
    Kind kind = Kind::Road;
    QList<int> at;
    const QList<QStringView>* fields = nullptr;
    QHash<QString, qint64> areas;
    QSet<QString> provinces;
    QSet<QString> oldCodes;
    QStringList names;
    QHash<QString, LotBlock> lotBlocks;
    // Kept whole until the end: deques, which grow without copying.
    QStringList roadNames;
    QHash<QString, int> roadIndex;
    std::vector<int> roadIds; // of each road in roadNames, once stored
    std::deque<Range> ranges;
    QHash<QString, int> nameIndex;
    std::deque<Named> named;
    QHash<QString, int> sides;
    std::vector<Side> sideOf;
    std::deque<Building> buildings;
    std::vector<KindSeen> kinds;
    QHash<QString, int> kindIndex;
};

void execute(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error);
        sqlite3_free(error);
        throw StoreError(text);
    }
}

QString thousands(qint64 n) {
    return QLocale(QLocale::Korean).toString(n);
}
} // namespace

QString PostalLoad::Summary::text() const {
    QStringList parts;
    if (roadRows > 0)
        parts << QStringLiteral("도로명 범위 %1건").arg(thousands(roadRows));
    if (lotRows > 0)
        parts << QStringLiteral("지번 범위 %1건").arg(thousands(lotRows));
    if (boxRows > 0)
        parts << QStringLiteral("사서함 %1건").arg(thousands(boxRows));
    if (buildingRows > 0)
        parts << QStringLiteral("건물 %1곳").arg(thousands(buildingRows));
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" (%1개 시도)").arg(provinces.size());
}

QString PostalLoad::Summary::shortfall() const {
    // A national range DB holds over 300,000 road and 250,000 lot ranges,
    // the building DB over 6 million buildings: half of that is not the
    // whole country.
    if (provinces.size() < provincesOfTheCountry)
        return QStringLiteral("전국 %1개 시도 가운데 %2개 시도(%3)의 자료만 있습니다.")
            .arg(provincesOfTheCountry)
            .arg(provinces.size())
            .arg(provinces.join(QStringLiteral(", ")));
    if (roadRows < 150000 && buildingRows < 3000000)
        return QStringLiteral("전국 자료보다 훨씬 적습니다 (%1).").arg(text());
    return {};
}

PostalLoad::PostalLoad(const QString& target)
    : target(target), part(target + QStringLiteral(".part")) {}

PostalLoad::~PostalLoad() {
    if (!part.isEmpty())
        QFile::remove(part);
}

std::optional<PostalLoad::Summary> PostalLoad::build(const QStringList& paths,
                                                     const std::function<bool(int)>& progress) {
    QFile::remove(part);
    built = false;
    sqlite3* db = nullptr;
    const auto close = qScopeGuard([&] { sqlite3_close(db); });
    if (sqlite3_open_v2(QFile::encodeName(part).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw StoreError(
            QStringLiteral("%1 파일을 만들 수 없습니다: %2")
                .arg(QDir::toNativeSeparators(part), QString::fromUtf8(sqlite3_errmsg(db))));
    execute(db, QStringLiteral("pragma journal_mode = off; pragma synchronous = off; "
                               "pragma cache_size = -65536; begin;") +
                    PostalSchema::tables);
    Builder builder(db, progress);
    if (!PostalFiles::read(paths, builder))
        return std::nullopt;
    builder.finish();
    const Summary& summary = builder.summary;
    if (summary.roadRows + summary.lotRows + summary.buildingRows == 0)
        throw StoreError(
            (builder.documents.isEmpty()
                 ? QStringLiteral("고른 파일에 우편번호 자료가 없습니다.\n")
                 : QStringLiteral("%1: 우편번호 DB의 안내 문서이거나 자료가 아닌 파일입니다.\n")
                       .arg(builder.documents.join(QStringLiteral(", ")))) +
            whereToGet);
    Statement addMeta(db, PostalSchema::insertMeta);
    addMeta.text(u"date").text(summary.date).run();
    addMeta.text(u"summary").text(summary.text()).run();
    if (!progress(92))
        return std::nullopt;
    execute(db, PostalSchema::indexes + QStringLiteral("commit;"));
    if (!progress(100))
        return std::nullopt;
    built = true;
    return summary;
}

void PostalLoad::commit() {
    if (!built)
        return;
    // On the disk in full before it replaces the old file.
    QFile file(part);
    if (file.open(QIODevice::ReadWrite))
        ::fsync(file.handle());
    file.close();
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) !=
        0)
        throw StoreError(
            QStringLiteral("%1 파일을 바꿀 수 없습니다: %2")
                .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(strerror(errno))));
    built = false;
}
