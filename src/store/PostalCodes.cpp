#include "PostalCodes.h"

#include "AppPaths.h"
#include "PostalLots.h"
#include "PostalPack.h"
#include "Statement.h"
#include "StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {
using PostalSchema::Parity;

QString numberText(qint64 main, qint64 sub) {
    return sub > 0 ? QStringLiteral("%1-%2").arg(main).arg(sub) : QString::number(main);
}

QString joined(const QStringList& words) {
    QStringList present;
    for (const QString& w : words)
        if (!w.trimmed().isEmpty())
            present << w.trimmed();
    return present.join(QLatin1Char(' '));
}

// Whether a range holds the number: within its ends, on its side of the road.
bool holds(const PostalPlace& p, qint64 main, qint64 sub) {
    if (main == 0 || (p.firstMain == 0 && p.lastMain == 0))
        return true;
    const auto key = [](qint64 m, qint64 s) { return m * 100000 + s; };
    const qint64 last = p.lastMain == 0 ? p.firstMain : p.lastMain;
    if (key(main, sub) < key(p.firstMain, p.firstSub) || main > last ||
        (main == last && p.lastSub > 0 && sub > p.lastSub))
        return false;
    return p.parity == Parity::Odd    ? main % 2 == 1
           : p.parity == Parity::Even ? main % 2 == 0
                                      : true;
}

// The bound below which every text that starts with the key lies.
QString pastPrefix(const QString& key) {
    return key + QChar(0xFFFF);
}

// A place's range of numbers, and the number the user typed.
void setRange(PostalPlace& p, const std::array<qint64, 4>& ends, qint64 main, qint64 sub) {
    p.firstMain = ends[0];
    p.firstSub = ends[1];
    p.lastMain = ends[2];
    p.lastSub = ends[3];
    p.number = main;
    p.numberSub = sub;
}

QString zipcodeText(qint64 zipcode) {
    return QStringLiteral("%1").arg(zipcode, 5, 10, QLatin1Char('0'));
}
} // namespace

QString PostalPlace::line() const {
    QString range;
    if (kind == Kind::Building) {
        range = numberText(number, numberSub);
    } else if (firstMain > 0 || lastMain > 0) {
        range = numberText(firstMain, firstSub);
        if (lastMain > 0 && (lastMain != firstMain || lastSub != firstSub))
            range += QLatin1Char('~') + numberText(lastMain, lastSub);
    }
    if (mountain)
        range.prepend(QStringLiteral("산"));
    if (underground)
        range.prepend(QStringLiteral("지하 "));
    QString where = kind == Kind::Lot ? joined({sido, sigungu, town, ri, range})
                                      : joined({sido, sigungu, town, road, range});
    if (parity == Parity::Odd)
        where += QStringLiteral(" (홀수)");
    else if (parity == Parity::Even)
        where += QStringLiteral(" (짝수)");
    if (kind == Kind::Building)
        where += QLatin1Char(' ') + reference();
    return zipcode + QStringLiteral("  ") + where;
}

QString PostalPlace::address1() const {
    QString at = number > 0 ? numberText(number, numberSub) : QString();
    if (kind == Kind::Lot)
        return joined(
            {sido, sigungu, town, ri, mountain && number > 0 ? QStringLiteral("산") + at : at});
    if (underground && number > 0)
        at.prepend(QStringLiteral("지하 "));
    return joined({sido, sigungu, town, road, at});
}

QString PostalPlace::reference() const {
    const QString inside = QStringList{dong, building}
                               .filter(QRegularExpression(QStringLiteral("\\S")))
                               .join(QStringLiteral(", "));
    return inside.isEmpty() ? QString() : QLatin1Char('(') + inside + QLatin1Char(')');
}

QString PostalCodes::path() {
    return QFileInfo(AppPaths::addressBookPath()).dir().filePath(PostalSchema::fileName);
}

std::unique_ptr<PostalCodes> PostalCodes::open(const QString& path) {
    if (!QFileInfo::exists(path))
        return nullptr;
    return std::make_unique<PostalCodes>(path);
}

PostalCodes::PostalCodes(const QString& path) : file(Connection::open(path, {}, true)) {
    QSqlQuery layout =
        select(QStringLiteral("user_version"), QStringLiteral(" from pragma_user_version"), {});
    if (!layout.next() || layout.value(0).toInt() != PostalSchema::layout) {
        file->requireColumns(QStringLiteral("meta"), {});
        throw StoreError(
            QStringLiteral("%1 파일은 이 프로그램의 다른 판이 만든 우편번호 자료라 읽지 않습니다.\n"
                           "우편번호 검색의 \"우편번호 DB 불러오기…\"로 우편번호 DB를 다시 "
                           "불러오십시오")
                .arg(QDir::toNativeSeparators(path)));
    }
    for (const char* table : {"road", "kind", "lot", "building", "meta"})
        file->requireColumns(QString::fromLatin1(table), {});
    readAreas();
}

void PostalCodes::readAreas() {
    // Ranked as SQLite orders their names, which the lists follow.
    Statement query(*file, QStringLiteral("select id, sido, sigungu, town from area"
                                          " order by sido, sigungu, town"));
    Area last;
    while (query.next()) {
        Area a{query.text(1), query.text(2), query.text(3), last.districtRank, last.townRank};
        a.districtRank += int(a.sido != last.sido || a.sigungu != last.sigungu);
        a.townRank += int(a.districtRank != last.districtRank || a.town != last.town);
        areas.insert(query.text(0).toLongLong(), a);
        last = a;
    }
    Statement kinds(*file, QStringLiteral("select id, parity from kind"));
    while (kinds.next())
        parities.insert(kinds.text(0).toLongLong(), Parity(kinds.text(1).toInt()));
}

QString PostalCodes::meta(const QString& name) const {
    QSqlQuery query(file->db());
    query.prepare(QStringLiteral("select value from meta where name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

QString PostalCodes::date() const {
    return meta(QStringLiteral("date"));
}

QString PostalCodes::asOf(const QString& date, const QDate& today) {
    const QDate day = QDate::fromString(date, QStringLiteral("yyyyMMdd"));
    if (!day.isValid())
        return QStringLiteral("기준일을 알 수 없는 자료");
    QString text =
        QStringLiteral("%1년 %2월 %3일 기준").arg(day.year()).arg(day.month()).arg(day.day());
    if (day.addYears(1) < today)
        text += QStringLiteral(" (1년이 지난 자료입니다. 새로 받아 불러오십시오)");
    return text;
}

QList<PostalPlace> PostalCodes::search(const QString& text, int limit) const {
    static const QRegularExpression numbered(
        QStringLiteral("^(.*?)\\s+(산\\s*)?(\\d+)(?:\\s*-\\s*(\\d+))?$"));
    const QString simplified = text.simplified();
    QString name = simplified;
    bool mountain = false;
    qint64 main = 0, sub = 0;
    const QRegularExpressionMatch m = numbered.match(simplified);
    if (m.hasMatch() && !m.captured(1).isEmpty()) {
        name = m.captured(1);
        mountain = m.hasCaptured(2) && !m.captured(2).isEmpty();
        main = m.captured(3).toLongLong();
        sub = m.captured(4).toLongLong();
    }
    const QString key = PostalSchema::searchKey(name);
    if (key.isEmpty())
        return {};
    QList<PostalPlace> found = roads(key, main, sub, limit);
    if (found.size() < limit)
        found += lots(key, mountain, main, limit - int(found.size()));
    if (found.size() < limit)
        found += buildings(key, pastPrefix(key), main, limit - int(found.size()));
    return found;
}

QSqlQuery PostalCodes::select(const QString& columns, const QString& rest,
                              const QVariantList& values) const {
    QSqlQuery query(file->db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select ") + columns + rest);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(file->describe(query.lastError()));
    return query;
}

std::vector<PostalCodes::Ranked> PostalCodes::byKey(const QString& table, const QString& within,
                                                    const QVariantList& bounds, int limit,
                                                    const PlacesOf& placesOf) const {
    const QString& key = PostalSchema::nameKey;
    QSqlQuery query = select(
        key + QStringLiteral(", name, ") +
            (table == QLatin1String("road") ? QStringLiteral("ranges") : QStringLiteral("places")),
        QStringLiteral(" from %1 where %2 %3 order by %2").arg(table, key, within), bounds);
    std::vector<Ranked> found, group;
    QString groupKey;
    const auto takeGroup = [&] {
        std::stable_sort(group.begin(), group.end(),
                         [](const Ranked& a, const Ranked& b) { return a.order < b.order; });
        for (size_t i = 0; i < group.size() && found.size() < size_t(limit); ++i)
            found.push_back(std::move(group[i]));
        group.clear();
    };
    while (found.size() < size_t(limit) && query.next()) {
        if (query.value(0).toString() != groupKey)
            takeGroup();
        groupKey = query.value(0).toString();
        placesOf(query.value(1).toString(), query.value(2).toByteArray(), group);
    }
    takeGroup();
    return found;
}

const PostalCodes::Area& PostalCodes::area(qint64 id) const {
    static const Area none;
    const auto found = areas.constFind(id);
    return found == areas.constEnd() ? none : *found;
}

void PostalCodes::placeIn(PostalPlace& p, qint64 areaId) const {
    const Area& a = area(areaId);
    p.sido = a.sido;
    p.sigungu = a.sigungu;
    p.town = a.town;
}

QList<PostalPlace> PostalCodes::roads(const QString& key, qint64 main, qint64 sub,
                                      int limit) const {
    using namespace PostalSchema;
    const auto rangesOf = [&](const QString& name, const QByteArray& packed,
                              std::vector<Ranked>& into) {
        const std::vector<qint64> n = PostalPack::unpack(packed, rangeColumns);
        for (size_t i = 0; i < n.size(); i += rangeColumns) {
            PostalPlace p;
            placeIn(p, n[i + RangeArea]);
            p.zipcode = zipcodeText(n[i + RangeZipcode]);
            p.road = name;
            p.underground = n[i + RangeUnderground] == 1;
            setRange(p,
                     {n[i + RangeFirstMain], n[i + RangeFirstSub], n[i + RangeLastMain],
                      n[i + RangeLastSub]},
                     main, sub);
            p.parity = parities.value(n[i + RangeKind], Parity::Unknown);
            if (holds(p, main, sub))
                into.push_back({{area(n[i + RangeArea]).townRank, p.firstMain, p.firstSub, 0}, p});
        }
    };
    QList<PostalPlace> found;
    for (Ranked& r :
         byKey(QStringLiteral("road"), QStringLiteral(">= ? and %1 < ?").arg(PostalSchema::nameKey),
               {key, pastPrefix(key)}, limit, rangesOf))
        found << std::move(r.place);
    return found;
}

QList<PostalPlace> PostalCodes::lots(const QString& name, bool mountain, qint64 main,
                                     int limit) const {
    QSqlQuery query = select(QStringLiteral("zipcode, sido, sigungu, town, ri, mountain,"
                                            " first_main, first_sub, last_main, last_sub"),
                             QStringLiteral(" from lot join area on area.id = lot.area"
                                            " where (lot.area in (select id from area where"
                                            " town = ?) or ri = ?) and mountain = ?"
                                            " order by sido, sigungu, town, ri, first_main,"
                                            " first_sub"),
                             {name, name, mountain ? 1 : 0});
    QList<PostalPlace> found;
    while (found.size() < limit && query.next()) {
        PostalPlace p;
        p.kind = PostalPlace::Kind::Lot;
        p.zipcode = query.value(0).toString();
        p.sido = query.value(1).toString();
        p.sigungu = query.value(2).toString();
        p.town = query.value(3).toString();
        p.ri = query.value(4).toString();
        p.mountain = query.value(5).toInt() == 1;
        setRange(p,
                 {query.value(6).toLongLong(), query.value(7).toLongLong(),
                  query.value(8).toLongLong(), query.value(9).toLongLong()},
                 main, 0);
        p.parity = Parity::All;
        if (holds(p, main, 0))
            found << p;
    }
    return found;
}

QList<PostalPlace> PostalCodes::buildings(const QString& from, const QString& to, qint64 main,
                                          int limit) const {
    using namespace PostalSchema;
    const auto placesOf = [&](const QString& name, const QByteArray& packed,
                              std::vector<Ranked>& into) {
        const std::vector<qint64> n = PostalPack::unpack(packed, placeColumns);
        for (size_t i = 0; i < n.size(); i += placeColumns) {
            if (main != 0 && n[i + PlaceMain] != main)
                continue;
            PostalPlace p;
            p.kind = PostalPlace::Kind::Building;
            placeIn(p, n[i + PlaceArea]);
            p.zipcode = zipcodeText(n[i + PlaceZipcode]);
            p.underground = n[i + PlaceUnderground] == 1;
            p.number = n[i + PlaceMain];
            p.numberSub = n[i + PlaceSub];
            p.building = name;
            p.dong = area(n[i + PlaceDong]).town;
            into.push_back(
                {{area(n[i + PlaceArea]).districtRank, n[i + PlaceRoad], p.number, p.numberSub},
                 p});
        }
    };
    Statement road(*file, QStringLiteral("select name from road where id = ?"));
    QList<PostalPlace> found;
    for (Ranked& r : byKey(QStringLiteral("building"), QStringLiteral("between ? and ?"),
                           {from, to}, limit, placesOf)) {
        road.bind(1, r.order[1]);
        if (road.next())
            r.place.road = road.text(0);
        road.reset();
        found << std::move(r.place);
    }
    return found;
}

QList<PostalPlace> PostalCodes::namedBuildings(const QString& name, int limit) const {
    const QString key = PostalSchema::searchKey(name);
    return key.isEmpty() ? QList<PostalPlace>() : buildings(key, key, 0, limit);
}

bool PostalCodes::hasBuildingData() const {
    QSqlQuery query = select(QStringLiteral("count(*)"),
                             QStringLiteral(" from sqlite_master where name = 'lotbuilding'"), {});
    if (!query.next() || query.value(0).toInt() == 0)
        return false;
    query = select(QStringLiteral("count(*)"),
                   QStringLiteral(" from (select 1 from lotbuilding"
                                  " union all select 1 from oldcode"
                                  " limit 1)"),
                   {});
    return query.next() && query.value(0).toInt() > 0;
}

QList<PostalPlace> PostalCodes::atLot(const QString& dong, const QString& ri, bool mountain,
                                      qint64 main, qint64 sub) const {
    QSqlQuery query =
        select(QStringLiteral("sido, sigungu, town, roads, lots"),
               QStringLiteral(" from lotbuilding join area on area.id ="
                              " lotbuilding.area where town = ? and ri = coalesce(?, '')"),
               {dong, ri});
    QList<PostalPlace> found;
    while (query.next()) {
        const QStringList roads = query.value(3).toString().split(QLatin1Char('\n'));
        for (const PostalLots::Building& b : PostalLots::unpack(query.value(4).toByteArray())) {
            if (b.mountain != mountain || b.lotMain != main || b.lotSub != sub || b.road < 0 ||
                b.road >= roads.size())
                continue;
            PostalPlace p;
            p.kind = PostalPlace::Kind::Building;
            p.zipcode = QStringLiteral("%1").arg(b.zipcode, 5, 10, QLatin1Char('0'));
            p.sido = query.value(0).toString();
            p.sigungu = query.value(1).toString();
            p.dong = query.value(2).toString();
            p.town = roads[b.road].section(QLatin1Char('\t'), 0, 0);
            p.road = roads[b.road].section(QLatin1Char('\t'), 1);
            p.underground = b.underground;
            p.number = b.main;
            p.numberSub = b.sub;
            found << p;
        }
    }
    return found;
}

QStringList PostalCodes::newCodesOf(const QString& oldCode) const {
    QString digits = oldCode;
    digits.remove(QLatin1Char('-'));
    QSqlQuery query =
        select(QStringLiteral("distinct zipcode"),
               QStringLiteral(" from oldcode where old = ? order by zipcode"), {digits});
    QStringList codes;
    while (query.next())
        codes << query.value(0).toString();
    return codes;
}
