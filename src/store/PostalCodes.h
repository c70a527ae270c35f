#pragma once

#include "Connection.h"
#include "PostalSchema.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

// One place the postal data knows: a range of building numbers on a road, a
// range of lot numbers in a dong or ri, or a named building.
struct PostalPlace {
    enum class Kind { Road, Lot, Building };
    Kind kind = Kind::Road;
    QString zipcode, sido, sigungu;
    QString town;     // 읍면 of a road; 읍면동 of a lot
    QString road, ri; // the road's name; the lot's ri
    bool underground = false, mountain = false;
    qint64 firstMain = 0, firstSub = 0, lastMain = 0, lastSub = 0;
    PostalSchema::Parity parity = PostalSchema::Parity::Unknown;
    QString building, dong; // a building's name and its legal dong
    // The building's number, or the number the user typed; 0 when none.
    qint64 number = 0, numberSub = 0;

    // The result line: "06315  서울특별시 강남구 논현로8길 61~75 (홀수)".
    QString line() const;
    // The first address line: the road-name address (of a lot range, the
    // lot address), with the number when one is known.
    QString address1() const;
    // The reference that follows the detailed address: "(개포동, 경남아파트)";
    // empty when the data does not tell it.
    QString reference() const;
};

// The postal data loaded from the postal service's downloads, searched by
// road name, by dong or ri with a lot number, and by building name.
class PostalCodes {
  public:
    // Where the data lives: beside the address book.
    static QString path();
    // The loaded data; null when none has been loaded yet. A damaged file is
    // a StoreError.
    static std::unique_ptr<PostalCodes> open(const QString& path = PostalCodes::path());
    explicit PostalCodes(const QString& path);

    // The date of the data, "20251028"; empty when unknown.
    QString date() const;
    // What the dialog says of the data's date: "2025년 10월 28일 기준", and
    // that it is old once a year has passed.
    static QString asOf(const QString& date, const QDate& today);
    // "논현로 8길 61", "개포동 1183", "산 12", "경남아파트": the places the text
    // names, at most limit of them; roads first, then lots, then buildings.
    QList<PostalPlace> search(const QString& text, int limit = 500) const;

    // Whether the building DB has been loaded: what bringing a book up to
    // date looks buildings up in.
    bool hasBuildingData() const;
    // The buildings at a lot of a legal dong (and ri): each one's road-name
    // address, code and legal dong.
    QList<PostalPlace> atLot(const QString& dong, const QString& ri, bool mountain, qint64 main,
                             qint64 sub) const;
    // The buildings whose name is the name, blanks aside.
    QList<PostalPlace> namedBuildings(const QString& name, int limit = 50) const;
    // The five-digit codes of the buildings that had the six-digit code
    // ("135-806" or "135806").
    QStringList newCodesOf(const QString& oldCode) const;

  private:
    // An area's names, and its rank among the areas as the lists order them:
    // by 시도 and 시군구 (districtRank), and by its town as well (townRank).
    struct Area {
        QString sido, sigungu, town;
        int districtRank = 0, townRank = 0;
    };
    // A place found and what it is listed by.
    struct Ranked {
        std::array<qint64, 4> order;
        PostalPlace place;
    };
    // Adds the places of a row (its name and packed places) that are wanted.
    using PlacesOf = std::function<void(const QString& name, const QByteArray& packed,
                                        std::vector<Ranked>& into)>;

    void readAreas();
    const Area& area(qint64 id) const;
    void placeIn(PostalPlace& place, qint64 area) const;
    // The places of the table's (road's or building's) rows whose name key
    // lies within the bounds (the condition after the key), at most limit of
    // them: by key, and the places of each key in their order.
    std::vector<Ranked> byKey(const QString& table, const QString& within,
                              const QVariantList& bounds, int limit,
                              const PlacesOf& placesOf) const;
    QList<PostalPlace> roads(const QString& key, qint64 main, qint64 sub, int limit) const;
    QList<PostalPlace> lots(const QString& name, bool mountain, qint64 main, int limit) const;
    // Buildings whose name key lies between from and to.
    QList<PostalPlace> buildings(const QString& from, const QString& to, qint64 main,
                                 int limit) const;
    QString meta(const QString& name) const;
    // Runs "select <columns><rest>" with the values.
    QSqlQuery select(const QString& columns, const QString& rest, const QVariantList& values) const;

    std::shared_ptr<Connection> file;
    QHash<qint64, Area> areas;
    QHash<qint64, PostalSchema::Parity> parities; // of the range kinds
};
