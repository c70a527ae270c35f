#pragma once

#include <QByteArray>
#include <vector>

// Rows of whole numbers packed small for the postal file: each number kept as
// its difference from the same column of the row before, seven bits a byte,
// the whole compressed.
namespace PostalPack {
// The numbers are the rows one after the other, columns numbers a row.
QByteArray pack(const std::vector<qint64>& numbers, int columns);
// The numbers of the packed rows; of a damaged block, the whole rows read
// before the damage.
std::vector<qint64> unpack(const QByteArray& packed, int columns);
} // namespace PostalPack
