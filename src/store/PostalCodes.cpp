#include "PostalCodes.h"

#include "AppPaths.h"
#include "PostalLots.h"
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

const QString placeColumns = QStringLiteral("zipcode, sido, sigungu, town, ");

// The columns of a range after the place's own (%1): its ends.
const QString rangeColumns = QStringLiteral("%1, first_main, first_sub, last_main, last_sub");

// A place from the columns every place query begins with: zipcode, sido,
// sigungu, town, the road (of a lot, the ri), and whether it lies
// underground (of a lot, on a mountain).
PostalPlace placeOf(const QSqlQuery& query, PostalPlace::Kind kind) {
    PostalPlace p;
    p.kind = kind;
    p.zipcode = query.value(0).toString();
    p.sido = query.value(1).toString();
    p.sigungu = query.value(2).toString();
    p.town = query.value(3).toString();
    (kind == PostalPlace::Kind::Lot ? p.ri : p.road) = query.value(4).toString();
    (kind == PostalPlace::Kind::Lot ? p.mountain : p.underground) = query.value(5).toInt() == 1;
    return p;
}

// A range (rangeColumns) and the number the user typed.
PostalPlace rangeOf(const QSqlQuery& query, PostalPlace::Kind kind, qint64 main, qint64 sub) {
    PostalPlace p = placeOf(query, kind);
    p.firstMain = query.value(6).toLongLong();
    p.firstSub = query.value(7).toLongLong();
    p.lastMain = query.value(8).toLongLong();
    p.lastSub = query.value(9).toLongLong();
    p.number = main;
    p.numberSub = sub;
    return p;
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

PostalCodes::PostalCodes(const QString& path)
    : file(Connection::open(path,
                            {QStringLiteral("road"), QStringLiteral("lot"),
                             QStringLiteral("building"), QStringLiteral("meta")},
                            true)) {}

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

QList<PostalPlace> PostalCodes::roads(const QString& key, qint64 main, qint64 sub,
                                      int limit) const {
    QSqlQuery query = select(placeColumns + rangeColumns.arg(QStringLiteral("name, underground")) +
                                 QStringLiteral(", coalesce(kind.parity, -1)"),
                             QStringLiteral(" from road join area on area.id = road.area"
                                            " left join kind on kind.code = road.kind"
                                            " where namekey >= ? and namekey < ?"
                                            " order by namekey, sido, sigungu, town, first_main,"
                                            " first_sub"),
                             {key, pastPrefix(key)});
    QList<PostalPlace> found;
    while (found.size() < limit && query.next()) {
        PostalPlace p = rangeOf(query, PostalPlace::Kind::Road, main, sub);
        p.parity = Parity(query.value(10).toInt());
        if (holds(p, main, sub))
            found << p;
    }
    return found;
}

QList<PostalPlace> PostalCodes::lots(const QString& name, bool mountain, qint64 main,
                                     int limit) const {
    QSqlQuery query = select(placeColumns + rangeColumns.arg(QStringLiteral("ri, mountain")),
                             QStringLiteral(" from lot join area on area.id = lot.area"
                                            " where (lot.area in (select id from area where"
                                            " town = ?) or ri = ?) and mountain = ?"
                                            " order by sido, sigungu, town, ri, first_main,"
                                            " first_sub"),
                             {name, name, mountain ? 1 : 0});
    QList<PostalPlace> found;
    while (found.size() < limit && query.next()) {
        PostalPlace p = rangeOf(query, PostalPlace::Kind::Lot, main, 0);
        p.parity = Parity::All;
        if (holds(p, main, 0))
            found << p;
    }
    return found;
}

QList<PostalPlace> PostalCodes::buildings(const QString& from, const QString& to, qint64 main,
                                          int limit) const {
    QSqlQuery query =
        select(placeColumns + QStringLiteral("road, underground, main, sub, name, dong"),
               QStringLiteral(" from building join area on area.id = building.area"
                              " where namekey between ? and ? and (? = 0 or main = ?)"
                              " order by namekey, sido, sigungu, road, main, sub limit ?"),
               {from, to, main, main, limit});
    QList<PostalPlace> found;
    while (query.next()) {
        PostalPlace p = placeOf(query, PostalPlace::Kind::Building);
        p.number = query.value(6).toLongLong();
        p.numberSub = query.value(7).toLongLong();
        p.building = query.value(8).toString();
        p.dong = query.value(9).toString();
        found << p;
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
    QSqlQuery query = select(QStringLiteral("sido, sigungu, town, roads, lots"),
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
