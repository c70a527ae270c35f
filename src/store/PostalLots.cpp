#include "PostalLots.h"

#include "PostalPack.h"

#include <algorithm>
#include <tuple>

namespace PostalLots {
namespace {
constexpr int columns = 7;

auto order(const Building& b) {
    return std::tuple(b.mountain, b.lotMain, b.lotSub, b.road, b.underground, b.main, b.sub);
}
} // namespace

QByteArray pack(std::vector<Building> buildings) {
    std::sort(buildings.begin(), buildings.end(),
              [](const Building& a, const Building& b) { return order(a) < order(b); });
    std::vector<qint64> numbers;
    numbers.reserve(buildings.size() * columns);
    for (const Building& b : buildings)
        numbers.insert(numbers.end(), {(b.mountain ? 1 : 0) | (b.underground ? 2 : 0), b.lotMain,
                                       b.lotSub, b.road, b.main, b.sub, b.zipcode});
    return PostalPack::pack(numbers, columns);
}

std::vector<Building> unpack(const QByteArray& packed) {
    const std::vector<qint64> n = PostalPack::unpack(packed, columns);
    std::vector<Building> buildings;
    for (size_t i = 0; i < n.size(); i += columns)
        buildings.push_back({(n[i] & 1) != 0, n[i + 1], n[i + 2], n[i + 3], (n[i] & 2) != 0,
                             n[i + 4], n[i + 5], n[i + 6]});
    return buildings;
}
} // namespace PostalLots
