#include "PostalLots.h"

#include <algorithm>
#include <tuple>

namespace PostalLots {
namespace {
auto order(const Building& b) {
    return std::tuple(b.mountain, b.lotMain, b.lotSub, b.road, b.underground, b.main, b.sub);
}

void put(QByteArray& out, qint64 value) {
    // Signed numbers folded to unsigned ones, then seven bits a byte.
    quint64 u = (quint64(value) << 1) ^ quint64(value >> 63);
    while (u >= 0x80) {
        out += char((u & 0x7F) | 0x80);
        u >>= 7;
    }
    out += char(u);
}

bool take(const QByteArray& in, qsizetype& at, qint64& value) {
    quint64 u = 0;
    for (int shift = 0; shift < 64 && at < in.size(); shift += 7) {
        const auto byte = quint8(in[at++]);
        u |= quint64(byte & 0x7F) << shift;
        if (byte < 0x80) {
            value = qint64(u >> 1) ^ -qint64(u & 1);
            return true;
        }
    }
    return false;
}
// A damaged block may hold any numbers: they wrap instead of overflowing.
qint64 plus(qint64 a, qint64 b) {
    return qint64(quint64(a) + quint64(b));
}
} // namespace

QByteArray pack(std::vector<Building> buildings) {
    std::sort(buildings.begin(), buildings.end(),
              [](const Building& a, const Building& b) { return order(a) < order(b); });
    QByteArray out;
    Building last;
    for (const Building& b : buildings) {
        put(out, (b.mountain ? 1 : 0) | (b.underground ? 2 : 0));
        for (const auto& [now, before] :
             {std::pair(b.lotMain, last.lotMain), std::pair(b.lotSub, qint64(0)),
              std::pair(b.road, qint64(0)), std::pair(b.main, last.main),
              std::pair(b.sub, qint64(0)), std::pair(b.zipcode, last.zipcode)})
            put(out, now - before);
        last = b;
    }
    return qCompress(out, 9);
}

std::vector<Building> unpack(const QByteArray& packed) {
    const QByteArray in = packed.isEmpty() ? QByteArray() : qUncompress(packed);
    std::vector<Building> buildings;
    Building last;
    for (qsizetype at = 0; at < in.size();) {
        qint64 flags = 0, lotMain = 0, lotSub = 0, road = 0, main = 0, sub = 0, zip = 0;
        if (!(take(in, at, flags) && take(in, at, lotMain) && take(in, at, lotSub) &&
              take(in, at, road) && take(in, at, main) && take(in, at, sub) && take(in, at, zip)))
            break;
        Building b{(flags & 1) != 0, plus(last.lotMain, lotMain), lotSub, road,
                   (flags & 2) != 0, plus(last.main, main),       sub,    plus(last.zipcode, zip)};
        buildings.push_back(b);
        last = b;
    }
    return buildings;
}
} // namespace PostalLots
