#pragma once

#include <QString>
#include <QStringView>

// The program's own postal file, postcode.mdb, beside the address book:
//   meta(name, value)            "date" of the data (20YYMMDD), "summary"
//   area(id, sido, sigungu, town) town: 읍면 of a road, 읍면동 of a lot
//   road(zipcode, area, name, namekey, underground, first_main, first_sub,
//        last_main, last_sub, kind)       road-name ranges
//   kind(code, parity)           what each range kind code covers
//   lot(zipcode, area, ri, mountain, first_main, first_sub, last_main,
//       last_sub)                lot-number ranges
//   building(name, namekey, zipcode, area, road, underground, main, sub,
//            dong)               buildings that have a name
//   oldcode(old, zipcode)        six-digit codes (digits only) and the
//                                five-digit codes of the buildings that had
//                                them
//   lotbuilding(area, ri, roads, lots)  the buildings of the building DB by
//                                their lot numbers, one row a dong (area,
//                                its town the legal dong) or ri: roads, the
//                                block's "읍면<tab>도로명" a line; lots, the
//                                buildings packed (PostalLots)
// namekey is the name without blanks, which road and building names are
// searched by.
namespace PostalSchema {
enum class Parity { Unknown = -1, All = 0, Odd = 1, Even = 2 };

// The range kinds of ranges made from the building DB.
inline const QString oddKind = QStringLiteral("odd");
inline const QString evenKind = QStringLiteral("even");

inline const QString fileName = QStringLiteral("postcode.mdb");
inline const QString tables = QStringLiteral(
    "create table meta(name text primary key, value text);"
    "create table area(id integer primary key, sido text, sigungu text, town text);"
    "create table road(zipcode text, area integer, name text, namekey text, underground integer,"
    " first_main integer, first_sub integer, last_main integer, last_sub integer, kind text);"
    "create table kind(code text primary key, parity integer);"
    "create table lot(zipcode text, area integer, ri text, mountain integer, first_main integer,"
    " first_sub integer, last_main integer, last_sub integer);"
    "create table building(name text, namekey text, zipcode text, area integer, road text,"
    " underground integer, main integer, sub integer, dong text);"
    "create table oldcode(old text, zipcode text);"
    "create table lotbuilding(area integer, ri text, roads text, lots blob);");
inline const QString indexes = QStringLiteral("create index road_by_name on road(namekey);"
                                              "create index area_by_town on area(town);"
                                              "create index lot_by_area on lot(area);"
                                              "create index lot_by_ri on lot(ri);"
                                              "create index building_by_name on building(namekey);"
                                              "create index oldcode_by_old on oldcode(old);"
                                              "create index lotbuilding_by_area on "
                                              "lotbuilding(area);");
inline const char* const insertArea = "insert into area(sido, sigungu, town) values(?, ?, ?)";
inline const char* const insertRoad = "insert into road values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline const char* const insertKind = "insert into kind values(?, ?)";
inline const char* const insertLot = "insert into lot values(?, ?, ?, ?, ?, ?, ?, ?)";
inline const char* const insertBuilding = "insert into building values(?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline const char* const insertOldCode = "insert into oldcode values(?, ?)";
inline const char* const insertLotBuilding = "insert into lotbuilding values(?, ?, ?, ?)";
inline const char* const insertMeta = "insert into meta values(?, ?)";

// The text a name is searched by: without blanks.
inline QString searchKey(QStringView name) {
    QString key = name.toString();
    key.remove(QLatin1Char(' '));
    return key;
}
} // namespace PostalSchema
