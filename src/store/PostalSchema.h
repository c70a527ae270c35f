#pragma once

#include <QString>
#include <QStringView>

// The program's own postal file, postcode.mdb, beside the address book:
//   meta(name, value)            "date" of the data (20YYMMDD), "summary"
//   area(id, sido, sigungu, town) town: 읍면 of a road, 읍면동 of a lot, the
//                                legal dong of a building
//   road(id, name, ranges)       every road name once, numbered in the order
//                                of the names; ranges: its road-name ranges
//                                packed (PostalPack), RangeColumn a row (none
//                                for a road only buildings name)
//   kind(id, code, parity)       the range kind codes (RangeKind is the id)
//                                and what each covers
//   lot(zipcode, area, ri, mountain, first_main, first_sub, last_main,
//       last_sub)                lot-number ranges
//   building(id, name, places)   every building name once; places: the
//                                buildings of that name packed, PlaceColumn
//                                a row, in the order they were read
//   oldcode(old, zipcode)        six-digit codes (digits only) and the
//                                five-digit codes of the buildings that had
//                                them, clustered by the old code
//   lotbuilding(area, ri, roads, lots)  the buildings of the building DB by
//                                their lot numbers, one row a dong (area,
//                                its town the legal dong) or ri: roads, the
//                                block's "읍면<tab>도로명" a line; lots, the
//                                buildings packed (PostalLots)
// Road and building names are searched by their key, the name without
// blanks (nameKey), through an index on it. The file's user_version is the
// layout's number; a file of another layout is loaded again, not read.
namespace PostalSchema {
enum class Parity { Unknown = -1, All = 0, Odd = 1, Even = 2 };

// The columns of a packed road-name range; zipcode as a number.
enum RangeColumn {
    RangeArea,
    RangeUnderground,
    RangeFirstMain,
    RangeFirstSub,
    RangeLastMain,
    RangeLastSub,
    RangeKind,
    RangeZipcode,
    rangeColumns
};
// The columns of a packed building: its road's area and road (road.id), its
// number, code and legal dong (an area whose town is the dong).
enum PlaceColumn {
    PlaceArea,
    PlaceRoad,
    PlaceUnderground,
    PlaceMain,
    PlaceSub,
    PlaceZipcode,
    PlaceDong,
    placeColumns
};

// The range kinds of ranges made from the building DB.
inline const QString oddKind = QStringLiteral("odd");
inline const QString evenKind = QStringLiteral("even");

inline const QString fileName = QStringLiteral("postcode.mdb");
inline constexpr int layout = 2;
inline const QString nameKey = QStringLiteral("replace(name, ' ', '')");
inline const QString tables =
    QStringLiteral("pragma user_version = %1;").arg(layout) +
    QStringLiteral(
        "create table meta(name text primary key, value text);"
        "create table area(id integer primary key, sido text, sigungu text, town text);"
        "create table road(id integer primary key, name text, ranges blob);"
        "create table kind(id integer primary key, code text, parity integer);"
        "create table lot(zipcode text, area integer, ri text, mountain integer, first_main "
        "integer,"
        " first_sub integer, last_main integer, last_sub integer);"
        "create table building(id integer primary key, name text, places blob);"
        "create table oldcode(old text, zipcode text, primary key(old, zipcode)) without rowid;"
        "create table lotbuilding(area integer, ri text, roads text, lots blob);");
inline const QString indexes =
    QStringLiteral("create index road_by_name on road(%1);"
                   "create index area_by_town on area(town);"
                   "create index lot_by_area on lot(area);"
                   "create index lot_by_ri on lot(ri);"
                   "create index building_by_name on building(%1);"
                   "create index lotbuilding_by_area on lotbuilding(area);")
        .arg(nameKey);
inline const char* const insertArea = "insert into area(sido, sigungu, town) values(?, ?, ?)";
inline const char* const insertRoad = "insert into road values(?, ?, ?)";
inline const char* const insertKind = "insert into kind values(?, ?, ?)";
inline const char* const insertLot = "insert into lot values(?, ?, ?, ?, ?, ?, ?, ?)";
inline const char* const insertBuilding = "insert into building values(?, ?, ?)";
inline const char* const insertOldCode = "insert into oldcode values(?, ?)";
inline const char* const insertLotBuilding = "insert into lotbuilding values(?, ?, ?, ?)";
inline const char* const insertMeta = "insert into meta values(?, ?)";

// The text a name is searched by: without blanks (nameKey in SQL).
inline QString searchKey(QStringView name) {
    QString key = name.toString();
    key.remove(QLatin1Char(' '));
    return key;
}
} // namespace PostalSchema
