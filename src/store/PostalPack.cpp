#include "PostalPack.h"

namespace PostalPack {
namespace {
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
qint64 wrapping(qint64 a, qint64 b, int sign) {
    return qint64(quint64(a) + quint64(sign) * quint64(b));
}
} // namespace

QByteArray pack(const std::vector<qint64>& numbers, int columns) {
    QByteArray out;
    for (size_t i = 0; i < numbers.size(); ++i)
        put(out, i < size_t(columns) ? numbers[i] : wrapping(numbers[i], numbers[i - columns], -1));
    return qCompress(out, 9);
}

std::vector<qint64> unpack(const QByteArray& packed, int columns) {
    const QByteArray in = packed.isEmpty() ? QByteArray() : qUncompress(packed);
    std::vector<qint64> numbers;
    qint64 value = 0;
    for (qsizetype at = 0; take(in, at, value);) {
        const size_t i = numbers.size();
        numbers.push_back(i < size_t(columns) ? value : wrapping(numbers[i - columns], value, 1));
    }
    numbers.resize(numbers.size() - numbers.size() % size_t(columns));
    return numbers;
}
} // namespace PostalPack
