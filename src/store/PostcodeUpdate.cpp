#include "PostcodeUpdate.h"

#include "AddresseeBook.h"
#include "AddresseeCsv.h"
#include "AddresseeFields.h"
#include "StoreError.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace {
// What one rule found: the place and the first word of the address that
// stays as the detailed address, or why there is none.
struct Outcome {
    std::optional<PostalPlace> place;
    QString reason;
    qsizetype detailFrom = 0;
};

// The address's words, "번지" taken off the numbers.
QStringList wordsOf(const PostcodeProposal& row) {
    QStringList words = (row.address1 + QLatin1Char(' ') + row.address2)
                            .simplified()
                            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words)
        if (word.size() > 2 && word.endsWith(QStringLiteral("번지")))
            word.chop(2);
    return words;
}

// "역삼1동", the administrative dong, lies in the legal dong "역삼동".
QString legalDong(const QString& dong) {
    static const QRegularExpression numbered(QStringLiteral("\\d+동$"));
    QString legal = dong;
    return legal.replace(numbered, QStringLiteral("동"));
}

bool isTown(const QString& word) {
    return word.size() >= 2 && QStringLiteral("동가읍면").contains(word.back());
}

// The places of the 시군구 the address names, each address once.
QList<PostalPlace> distinctIn(const QList<PostalPlace>& places, const QStringList& words) {
    QList<PostalPlace> kept;
    QStringList seen;
    for (const PostalPlace& p : places) {
        const QStringList sigungu = p.sigungu.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString address = p.zipcode + QLatin1Char(' ') + p.address1();
        if (std::all_of(sigungu.begin(), sigungu.end(),
                        [&](const QString& w) { return words.contains(w); }) &&
            !seen.contains(address)) {
            seen << address;
            kept << p;
        }
    }
    return kept;
}

QString listed(const QList<PostalPlace>& places) {
    QStringList lines;
    for (const PostalPlace& p : places.mid(0, 3))
        lines << p.zipcode + QLatin1Char(' ') + p.address1();
    return lines.join(QStringLiteral(", ")) +
           (places.size() > 3 ? QStringLiteral(" …") : QString());
}

Outcome oneOf(const QList<PostalPlace>& places, const QString& what, qsizetype detailFrom) {
    if (places.size() == 1)
        return {places.first(), what, detailFrom};
    if (places.isEmpty())
        return {std::nullopt, what + QStringLiteral("의 건물이 건물 DB에 없습니다"), 0};
    return {std::nullopt,
            what + QStringLiteral("에 새 주소가 %1곳 있습니다 (%2)")
                       .arg(places.size())
                       .arg(listed(places)),
            0};
}

// Rule 1: "개포동 1183", "개포1동 1183-5번지", "가평읍 읍내리 산 12".
Outcome byLot(const PostalCodes& postal, const QStringList& words) {
    static const QRegularExpression lot(QStringLiteral("^(산)?(\\d+)(?:-(\\d+))?$"));
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QRegularExpressionMatch m = lot.match(words[i]);
        if (!m.hasMatch())
            continue;
        const bool apart = words[i - 1] == QStringLiteral("산");
        const qsizetype at = apart ? i - 2 : i - 1;
        QString dong = words.value(at), ri;
        if (dong.size() >= 2 && dong.endsWith(QStringLiteral("리")) && at > 0) {
            ri = dong;
            dong = words[at - 1];
        }
        if (at < 0 || !isTown(dong))
            continue;
        const bool mountain = apart || !m.captured(1).isEmpty();
        const qint64 main = m.captured(2).toLongLong(), sub = m.captured(3).toLongLong();
        QList<PostalPlace> found = postal.atLot(dong, ri, mountain, main, sub);
        if (found.isEmpty() && legalDong(dong) != dong)
            found = postal.atLot(legalDong(dong), ri, mountain, main, sub);
        const QString what =
            QStringLiteral("지번 %1 %2")
                .arg(QStringList{dong, ri}.join(QLatin1Char(' ')).trimmed(), words[i]);
        return oneOf(distinctIn(found, words), what, i + 1);
    }
    return {std::nullopt, QStringLiteral("주소에 동과 지번이 없습니다"), 0};
}

// Rule 2: a word, or two words together ("경남 아파트"), that names a building.
Outcome byBuilding(const PostalCodes& postal, const QStringList& words) {
    static const QRegularExpression number(QStringLiteral("^[\\d-]"));
    for (qsizetype i = 0; i < words.size(); ++i) {
        for (const qsizetype n : {2, 1}) {
            if (i + n > words.size() || words[i].contains(number) || words[i].size() < 2)
                continue;
            const QString name = words.mid(i, n).join(QString());
            QList<PostalPlace> found = distinctIn(postal.namedBuildings(name), words);
            if (found.isEmpty())
                continue;
            if (found.size() > 1) {
                QList<PostalPlace> inDong;
                for (const PostalPlace& p : std::as_const(found))
                    if (words.contains(p.dong) ||
                        std::any_of(words.begin(), words.end(),
                                    [&](const QString& w) { return legalDong(w) == p.dong; }))
                        inDong << p;
                found = inDong.isEmpty() ? found : inDong;
            }
            return oneOf(found, QStringLiteral("건물 이름 %1").arg(name), i + n);
        }
    }
    return {std::nullopt, QStringLiteral("주소에 건물 DB의 건물 이름이 없습니다"), 0};
}

// Rule 3.
QString byOldCode(const PostalCodes& postal, PostcodeProposal& row) {
    const QStringList codes = postal.newCodesOf(row.zipcode);
    if (codes.size() == 1) {
        row.newZipcode = codes.first();
        row.newAddress1 = row.address1;
        row.newAddress2 = row.address2;
        return QStringLiteral("옛 우편번호 %1의 건물은 모두 새 우편번호 %2입니다 (주소는 그대로)")
            .arg(row.zipcode, codes.first());
    }
    if (codes.isEmpty())
        return QStringLiteral("옛 우편번호 %1의 건물이 건물 DB에 없습니다").arg(row.zipcode);
    return QStringLiteral("옛 우편번호 %1은 새 우편번호 %2개로 나뉘었습니다 (%3)")
        .arg(row.zipcode)
        .arg(codes.size())
        .arg(codes.mid(0, 5).join(QStringLiteral(", ")));
}

// The road-name address of the place, the rest of the old address as the
// detailed address, and the reference; false when it would not fit.
bool takePlace(PostcodeProposal& row, const PostalPlace& place, const QStringList& detail) {
    const QString address1 = place.address1();
    const QString address2 = QStringList{detail.join(QLatin1Char(' ')), place.reference()}
                                 .join(QLatin1Char(' '))
                                 .trimmed();
    const int width = AddresseeFields::width(AddresseeFields::Address1);
    if (address1.size() > width || address2.size() > width)
        return false;
    row.newZipcode = place.zipcode;
    row.newAddress1 = address1;
    row.newAddress2 = address2;
    return true;
}

// Moves the sender as AddresseeBook::moveAddress moves an addressee.
bool moveSender(const Connection& book, const AddresseeBook::Address& from,
                const AddresseeBook::Address& to) {
    QSqlQuery query(book.db());
    query.prepare(QStringLiteral("update personal set zipcode = ?, address1 = ?, address2 = ?"
                                 " where zipcode = ? and address1 = ? and address2 = ?"));
    for (const QString& value :
         {to.zipcode, to.address1, to.address2, from.zipcode, from.address1, from.address2})
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(book.describe(query.lastError()));
    return query.numRowsAffected() == 1;
}
} // namespace

bool PostcodeUpdate::isOldCode(const QString& zipcode) {
    static const QRegularExpression six(QStringLiteral("^\\d{3}-?\\d{3}$"));
    return six.match(zipcode).hasMatch();
}

void PostcodeUpdate::propose(const PostalCodes& postal, PostcodeProposal& row) {
    const QStringList words = wordsOf(row);
    QStringList reasons;
    for (const auto rule : {&byLot, &byBuilding}) {
        const Outcome outcome = rule(postal, words);
        if (outcome.place && takePlace(row, *outcome.place, words.mid(outcome.detailFrom))) {
            row.reason = outcome.reason;
            return;
        }
        reasons << (outcome.place ? outcome.reason + QStringLiteral("의 새 주소가 너무 깁니다")
                                  : outcome.reason);
    }
    reasons << byOldCode(postal, row);
    row.reason = row.proposes() ? reasons.last() : reasons.join(QStringLiteral("; "));
}

QList<PostcodeProposal> PostcodeUpdate::proposals(const Connection& book,
                                                  const PostalCodes& postal) {
    QList<PostcodeProposal> rows;
    for (const QString& sql :
         {QStringLiteral("select '', name, zipcode, address1, address2 from personal"),
          QStringLiteral("select seq, name, zipcode, address1, address2 from customer"
                         " order by name, company")}) {
        QSqlQuery query(book.db());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw StoreError(book.describe(query.lastError()));
        while (query.next()) {
            PostcodeProposal row;
            row.seq = query.value(0).toString();
            row.name = query.value(1).toString();
            row.zipcode = query.value(2).toString();
            row.address1 = query.value(3).toString();
            row.address2 = query.value(4).toString();
            if (!isOldCode(row.zipcode))
                continue;
            propose(postal, row);
            rows << row;
        }
    }
    return rows;
}

void PostcodeUpdate::apply(AddresseeBook& book, const QList<PostcodeProposal>& accepted) {
    QSqlDatabase db = book.connection().db();
    if (!db.transaction())
        throw StoreError(book.connection().describe(db.lastError()));
    auto rollback = qScopeGuard([&] { db.rollback(); });
    for (const PostcodeProposal& row : accepted) {
        const AddresseeBook::Address from{row.zipcode, row.address1, row.address2};
        const AddresseeBook::Address to{row.newZipcode, row.newAddress1, row.newAddress2};
        if (!(row.isSender() ? moveSender(book.connection(), from, to)
                             : book.moveAddress(row.seq, from, to)))
            throw StoreError(QStringLiteral("%1의 주소가 그사이에 바뀌어 아무것도 바꾸지 "
                                            "않았습니다. 다시 찾아 보십시오")
                                 .arg(row.name));
    }
    if (!db.commit())
        throw StoreError(book.connection().describe(db.lastError()));
    rollback.dismiss();
}

QByteArray PostcodeUpdate::csv(const QList<PostcodeProposal>& proposals) {
    QList<QStringList> lines{
        {QStringLiteral("번호"), QStringLiteral("이름"), QStringLiteral("우편번호"),
         QStringLiteral("주소1"), QStringLiteral("주소2"), QStringLiteral("새 우편번호"),
         QStringLiteral("새 주소1"), QStringLiteral("새 주소2"), QStringLiteral("까닭")}};
    for (const PostcodeProposal& p : proposals)
        lines << QStringList{p.isSender() ? QStringLiteral("보내는 사람") : p.seq,
                             p.name,
                             p.zipcode,
                             p.address1,
                             p.address2,
                             p.newZipcode,
                             p.newAddress1,
                             p.newAddress2,
                             p.reason};
    return AddresseeCsv::table(lines);
}
