#include "VCard.h"

#include "StoreError.h"
#include "TextEncoding.h"

namespace {
using namespace AddresseeFields;

const QByteArray printConditionProperty("X-ORVANEIT-PRINTCONDITION");

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                continue;
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else {
            if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    return out;
}

// Lines longer than 75 octets go on in lines that start with a blank,
// never cutting a character in two.
void appendFolded(QByteArray& out, const QByteArray& line) {
    qsizetype start = 0;
    qsizetype room = 75;
    while (line.size() - start > room) {
        qsizetype end = start + room;
        while ((uchar(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.mid(start, end - start);
        out += "\r\n ";
        start = end;
        room = 74;
    }
    out += line.mid(start);
    out += "\r\n";
}

void appendProperty(QByteArray& out, const char* name, const QString& value) {
    appendFolded(out, QByteArray(name) + ':' + value.toUtf8());
}

// --- reading ---

struct Property {
    QByteArray name;
    QList<QByteArray> types;
    QString value; // decoded, still escaped
};

QString unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += (next == QLatin1Char('n') || next == QLatin1Char('N')) ? QChar(QLatin1Char('\n'))
                                                                          : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Splits at separators that carry no backslash, then unescapes each part.
QStringList components(const QString& value, QChar separator = QLatin1Char(';'), int most = -1) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\')) {
            ++i;
        } else if (value[i] == separator && (most < 0 || parts.size() + 1 < most)) {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << value.mid(start);
    for (QString& part : parts)
        part = unescaped(part);
    return parts;
}

QByteArray quotedPrintableDecoded(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size()) {
            bool ok = false;
            const int byte = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += char(byte);
                i += 2;
                continue;
            }
        }
        out += in[i];
    }
    return out;
}

bool isQuotedPrintable(const QByteArray& head) {
    return head.toUpper().contains("QUOTED-PRINTABLE");
}

// One property as the file holds it, folded lines joined, and the line of
// the file it starts on.
struct LogicalLine {
    qsizetype number;
    QByteArray text;
};

// Joins folded lines: a line starting with a blank or tab continues the one
// before; a QUOTED-PRINTABLE value ending in "=" goes on in the next line.
QList<LogicalLine> logicalLines(const QByteArray& bytes) {
    QList<LogicalLine> lines;
    qsizetype number = 0;
    for (QByteArray line : bytes.split('\n')) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        if (lines.isEmpty()) {
            lines << LogicalLine{number, line};
            continue;
        }
        QByteArray& last = lines.last().text;
        const qsizetype colon = last.indexOf(':');
        if (colon > 0 && last.endsWith('=') && isQuotedPrintable(last.left(colon))) {
            last.chop(1);
            last += line;
        } else if (line.startsWith(' ') || line.startsWith('\t')) {
            last += line.mid(1);
        } else {
            lines << LogicalLine{number, line};
        }
    }
    return lines;
}

bool parse(const QByteArray& line, Property* property) {
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return false;
    QList<QByteArray> params = line.left(colon).split(';');
    QByteArray name = params.takeFirst().trimmed().toUpper();
    name = name.mid(name.lastIndexOf('.') + 1); // without its group
    property->name = name;
    property->types.clear();
    QByteArray value = line.mid(colon + 1);
    QByteArray charset;
    bool quotedPrintable = false;
    for (const QByteArray& param : params) {
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = (eq < 0 ? param : param.left(eq)).trimmed().toUpper();
        const QByteArray values = eq < 0 ? QByteArray() : param.mid(eq + 1);
        if (key == "CHARSET") {
            charset = values.trimmed();
        } else if (key == "ENCODING" || key == "QUOTED-PRINTABLE" || key == "BASE64") {
            const QByteArray encoding = eq < 0 ? key : values.trimmed().toUpper();
            if (encoding == "B" || encoding == "BASE64")
                return false; // pictures and sounds
            quotedPrintable = encoding == "QUOTED-PRINTABLE";
        } else if (key == "TYPE" || eq < 0) {
            for (const QByteArray& type : (eq < 0 ? key : values.toUpper()).split(','))
                property->types << type.trimmed().replace('"', "");
        }
    }
    if (quotedPrintable)
        value = quotedPrintableDecoded(value);
    property->value = TextEncoding::decode(value, charset);
    return true;
}

QString joined(const QStringList& parts) {
    QStringList present;
    for (const QString& part : parts) {
        if (!part.isEmpty())
            present << part;
    }
    return present.join(QLatin1Char(' '));
}

// Puts a telephone number into the field its types name.
bool readTelephone(const Property& p, QStringList& row) {
    QString number = p.value;
    QString extension;
    if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        number = number.mid(4);
        const qsizetype ext = number.indexOf(QLatin1String(";ext="), 0, Qt::CaseInsensitive);
        if (ext >= 0) {
            extension = number.mid(ext + 5);
            number = number.left(ext);
        }
    }
    const auto has = [&](const char* type) { return p.types.contains(QByteArray(type)); };
    if (has("WORK") && !has("FAX")) {
        if (!row[CompanyTelephone].isEmpty())
            return false;
        if (extension.isEmpty()) {
            const QStringList parts = components(number, QLatin1Char(','), 2);
            number = parts.value(0);
            extension = parts.value(1);
        }
        row[CompanyTelephone] = number;
        row[ExtentionNumber] = extension;
        return true;
    }
    const int field = has("FAX")                                   ? Facsimile
                      : has("CELL")                                ? MobilePhone
                      : has("HOME") || !row[MobilePhone].isEmpty() ? HomeTelephone
                                                                   : MobilePhone;
    if (!row[field].isEmpty())
        return false;
    row[field] = unescaped(number);
    return true;
}

// Places one property; false when it has no field to go to.
bool readProperty(const Property& p, QStringList& row, QStringList& nameParts) {
    const auto setOnce = [&](int field, const QString& value) {
        if (!row[field].isEmpty())
            return false;
        row[field] = value;
        return true;
    };
    if (p.name == "FN")
        return setOnce(Name, unescaped(p.value));
    if (p.name == "N") {
        nameParts = components(p.value);
        return true;
    }
    if (p.name == "ORG") {
        const QStringList parts = components(p.value);
        return setOnce(Company, parts.value(0)) | setOnce(Department, parts.value(1));
    }
    if (p.name == "TITLE")
        return setOnce(DepartPosition, unescaped(p.value));
    if (p.name == "EMAIL")
        return setOnce(Email, unescaped(p.value));
    if (p.name == "TEL")
        return readTelephone(p, row);
    if (p.name == "ADR") {
        const QStringList parts = components(p.value);
        return setOnce(Address2, joined({parts.value(0), parts.value(1)})) |
               setOnce(Address1, joined({parts.value(4), parts.value(3), parts.value(2)})) |
               setOnce(Zipcode, parts.value(5));
    }
    if (p.name == "NOTE")
        return setOnce(Remark, unescaped(p.value));
    if (p.name == printConditionProperty)
        return setOnce(PrintCondition, unescaped(p.value));
    return p.name == "VERSION" || p.name == "PRODID" || p.name == "REV" || p.name == "UID";
}

// A name from N when the card has no FN: family name first, as Korean
// names are written; Latin names as given name, blank, family name.
QString nameFrom(const QStringList& parts) {
    const QString family = parts.value(0);
    const QString given = parts.value(1);
    if (family.isEmpty() || given.isEmpty())
        return family + given;
    const bool hangul = family.at(0).unicode() >= 0xAC00 && family.at(0).unicode() <= 0xD7A3;
    return hangul ? family + given : given + QLatin1Char(' ') + family;
}
} // namespace

QByteArray VCard::write(const QList<QStringList>& rows) {
    QByteArray out;
    for (const QStringList& row : rows) {
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        appendProperty(out, "FN", escaped(row[Name]));
        appendProperty(out, "N", escaped(row[Name]) + QLatin1String(";;;;"));
        const auto optional = [&](const char* name, const QString& value) {
            if (!value.isEmpty())
                appendProperty(out, name, value);
        };
        if (!row[Company].isEmpty() || !row[Department].isEmpty())
            appendProperty(out, "ORG", escaped(row[Company]) + ';' + escaped(row[Department]));
        optional("TITLE", escaped(row[DepartPosition]));
        optional("EMAIL;TYPE=INTERNET", escaped(row[Email]));
        optional("TEL;TYPE=CELL", escaped(row[MobilePhone]));
        optional("TEL;TYPE=HOME,VOICE", escaped(row[HomeTelephone]));
        if (!row[CompanyTelephone].isEmpty() || !row[ExtentionNumber].isEmpty())
            appendProperty(out, "TEL;TYPE=WORK,VOICE",
                           escaped(row[CompanyTelephone]) +
                               (row[ExtentionNumber].isEmpty()
                                    ? QString()
                                    : QLatin1Char(',') + escaped(row[ExtentionNumber])));
        optional("TEL;TYPE=WORK,FAX", escaped(row[Facsimile]));
        if (!row[Zipcode].isEmpty() || !row[Address1].isEmpty() || !row[Address2].isEmpty())
            appendProperty(out, "ADR",
                           QLatin1Char(';') + escaped(row[Address2]) + QLatin1Char(';') +
                               escaped(row[Address1]) + QLatin1String(";;;") +
                               escaped(row[Zipcode]) + QLatin1Char(';'));
        optional("NOTE", escaped(row[Remark]));
        optional(printConditionProperty.constData(), escaped(row[PrintCondition]));
        out += "END:VCARD\r\n";
    }
    return out;
}

bool VCard::looksLikeVCard(const QByteArray& bytes) {
    const QByteArray start = bytes.left(64).trimmed().toUpper();
    return start.startsWith("BEGIN:VCARD") || start.startsWith("\xEF\xBB\xBF"
                                                               "BEGIN:VCARD");
}

AddresseeFields::FileRows VCard::read(const QByteArray& bytes) {
    FileRows result;
    QByteArray version;
    bool inCard = false;
    bool anyCard = false;
    QStringList row;
    QStringList nameParts;
    Property property;
    // Only the file's own byte-order mark goes; one inside a value stays.
    const QByteArray bom("\xEF\xBB\xBF");
    for (const auto& [number, line] : logicalLines(bytes.startsWith(bom) ? bytes.mid(3) : bytes)) {
        try {
            if (line.trimmed().isEmpty() || !parse(line, &property))
                continue;
        } catch (const StoreError& e) {
            throw StoreError(QStringLiteral("%1번째 줄: %2").arg(number).arg(e.message()));
        }
        const QString value = property.value.trimmed();
        if (property.name == "BEGIN" &&
            value.compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            inCard = anyCard = true;
            row = emptyRow();
            nameParts.clear();
        } else if (property.name == "END" && inCard) {
            inCard = false;
            if (row[Name].isEmpty())
                row[Name] = nameFrom(nameParts);
            if (row != emptyRow())
                result.rows << row;
        } else if (inCard) {
            if (property.name == "VERSION" && version.isEmpty())
                version = value.toLatin1();
            if (!readProperty(property, row, nameParts) &&
                !result.ignored.contains(QString::fromLatin1(property.name)))
                result.ignored << QString::fromLatin1(property.name);
        }
    }
    if (!anyCard)
        throw StoreError(QStringLiteral("vCard 파일에서 주소(BEGIN:VCARD ... END:VCARD)를 "
                                        "찾지 못했습니다"));
    result.format = QStringLiteral("vCard %1").arg(QString::fromLatin1(version)).trimmed();
    return result;
}
