#include "PrintAdjustment.h"

#include <QSettings>
#include <cmath>
#include <memory>

namespace {
// A printer's name holds no "/" (CUPS refuses it), so it makes one group.
QString key(const QString& printer, const char* axis) {
    return QStringLiteral("PrintPosition/") + printer + QLatin1Char('/') + QLatin1String(axis);
}

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Orvane"), QStringLiteral("orvaneit"));
}

double valid(const QVariant& value) {
    bool ok = false;
    const double mm = value.toDouble(&ok);
    return ok && std::isfinite(mm) && std::abs(mm) <= PrintAdjustment::Limit ? mm : 0;
}
} // namespace

QPointF PrintAdjustment::millimetres(const QString& printer) {
    const auto s = settings();
    if (s->status() != QSettings::NoError)
        return {};
    return {valid(s->value(key(printer, "x"))), valid(s->value(key(printer, "y")))};
}

void PrintAdjustment::setMillimetres(const QString& printer, QPointF shift) {
    const auto s = settings();
    s->setValue(key(printer, "x"), valid(shift.x()));
    s->setValue(key(printer, "y"), valid(shift.y()));
}

QPointF PrintAdjustment::twips(const QString& printer) {
    return millimetres(printer) * (1440 / 25.4);
}
