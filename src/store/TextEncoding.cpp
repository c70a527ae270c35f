#include "TextEncoding.h"

#include "StoreError.h"

#include <QStringDecoder>

namespace {
const QByteArray bom("\xEF\xBB\xBF");

bool isKorean(const QByteArray& charset) {
    const QByteArray name = charset.toUpper();
    return name == "EUC-KR" || name == "EUCKR" || name == "CP949" || name == "UHC" ||
           name == "KS_C_5601-1987" || name == "KSC5601" || name == "WINDOWS-949";
}

// Strict decoding: any byte sequence the encoding does not have is a failure.
bool tryDecode(QStringDecoder decoder, const QByteArray& bytes, QString* text) {
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

QStringDecoder cp949() {
    // ICU's name for the Microsoft code page; its "CP949" is IBM's variant.
    return QStringDecoder("windows-949", QStringConverter::Flag::Stateless);
}
} // namespace

TextEncoding::Decoded TextEncoding::decode(const QByteArray& bytes) {
    Decoded result;
    const QByteArray body = bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes;
    if (tryDecode(QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless), body,
                  &result.text)) {
        result.encoding = QStringLiteral("UTF-8");
        return result;
    }
    if (tryDecode(cp949(), body, &result.text)) {
        result.encoding = QStringLiteral("CP949");
        return result;
    }
    throw StoreError(QStringLiteral("파일의 글자를 읽을 수 없습니다.\nUTF-8이나 CP949(EUC-KR)로 "
                                    "저장된 파일만 읽을 수 있습니다"));
}

QString TextEncoding::decode(const QByteArray& bytes, const QByteArray& charset) {
    if (charset.isEmpty())
        return decode(bytes).text;
    QString text;
    if (tryDecode(isKorean(charset) ? cp949() : QStringDecoder(charset.constData()), bytes, &text))
        return text;
    throw StoreError(
        QStringLiteral("%1 글자를 읽을 수 없습니다").arg(QString::fromLatin1(charset)));
}
