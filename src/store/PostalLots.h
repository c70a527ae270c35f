#pragma once

#include <QByteArray>
#include <vector>

// The buildings of one dong or ri by their lot numbers, packed small for the
// postal file: sorted by lot, each number kept as the difference from the
// one before, the whole compressed. Roads are numbered within the block.
namespace PostalLots {
struct Building {
    bool mountain = false;
    qint64 lotMain = 0, lotSub = 0;
    qint64 road = 0; // which of the block's roads
    bool underground = false;
    qint64 main = 0, sub = 0;
    qint64 zipcode = 0;
};

QByteArray pack(std::vector<Building> buildings);
// The buildings of a packed block; those read before the damage when the
// block is damaged.
std::vector<Building> unpack(const QByteArray& packed);
} // namespace PostalLots
