#include "AddresseeFields.h"

const AddresseeFields::Field AddresseeFields::fields[Count] = {
    {"seq", "seq", 5},
    {"name", "이름", 40},
    {"email", "이메일", 40},
    {"mobilephone", "휴대폰", 20},
    {"printcondition", "출력시 사용", 1},
    {"company", "직장/학교", 40},
    {"department", "부서/학과", 40},
    {"departposition", "직급/학년", 20},
    {"hometelephone", "전화(집)", 20},
    {"companytelephone", "전화(회사)", 20},
    {"extentionnumber", "내선번호", 10},
    {"facsimile", "팩스", 20},
    {"zipcode", "우편번호", 7},
    {"address1", "주소", 50},
    {"address2", "나머지 주소", 50},
    {"remark", "메모", 0},
};

QString AddresseeFields::column(int index) {
    return QString::fromLatin1(fields[index].column);
}

int AddresseeFields::width(Index index) {
    return fields[index].width;
}

QString AddresseeFields::caption(int index) {
    return QString::fromUtf8(fields[index].caption);
}

QString AddresseeFields::printConditionWord(const QString& code) {
    return code == QLatin1String("1") ? QStringLiteral("사용") : QStringLiteral("미사용");
}

QString AddresseeFields::printConditionCode(const QString& value) {
    const QString text = value.trimmed();
    return text == QLatin1String("1") || text == QStringLiteral("사용") ? QStringLiteral("1")
                                                                        : QStringLiteral("2");
}

QStringList AddresseeFields::emptyRow() {
    QStringList row;
    for (int i = 0; i < Count; ++i)
        row << QString(QLatin1String(""));
    return row;
}

const SenderFields::Field SenderFields::fields[Count] = {
    {"name", 40},   {"company", 40},   {"department", 40}, {"departposition", 20},
    {"email", 40},  {"telephone", 20}, {"facsimile", 20},  {"mobilephone", 20},
    {"zipcode", 7}, {"address1", 50},  {"address2", 50},
};

int SenderFields::width(Index index) {
    return fields[index].width;
}
