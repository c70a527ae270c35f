#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of a file from elsewhere into text. Korean files come as
// UTF-8 (with or without a byte-order mark) or in the Korean Windows code
// page CP949, of which EUC-KR is a part.
namespace TextEncoding {
struct Decoded {
    QString text;
    QString encoding; // "UTF-8" or "CP949"
};
// A whole file. A byte-order mark at its very start is dropped and means
// UTF-8; without one, UTF-8 when the bytes are valid UTF-8, otherwise CP949.
// Every other character is kept, U+FEFF included. Bytes the encoding does
// not have are refused, naming the line they are in (StoreError).
Decoded decode(const QByteArray& bytes);
// A value in a named character set (a Korean set is read as CP949); without
// a name UTF-8 when valid, otherwise CP949. Nothing is dropped.
QString decode(const QByteArray& bytes, const QByteArray& charset);
} // namespace TextEncoding
