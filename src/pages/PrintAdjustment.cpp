#include "PrintAdjustment.h"

#include "SettingsFile.h"

#include <cmath>

namespace {
// A printer's name holds no "/" (CUPS refuses it), so it makes one group.
QString key(const QString& printer, const char* axis) {
    return QStringLiteral("PrintPosition/") + printer + QLatin1Char('/') + QLatin1String(axis);
}

double valid(const QVariant& value) {
    bool ok = false;
    const double mm = value.toDouble(&ok);
    return ok && std::isfinite(mm) && std::abs(mm) <= PrintAdjustment::Limit ? mm : 0;
}
} // namespace

QPointF PrintAdjustment::millimetres(const QString& printer) {
    const auto s = SettingsFile::open();
    if (s->status() != QSettings::NoError)
        return {};
    return {valid(s->value(key(printer, "x"))), valid(s->value(key(printer, "y")))};
}

void PrintAdjustment::setMillimetres(const QString& printer, QPointF shift) {
    const auto s = SettingsFile::open();
    s->setValue(key(printer, "x"), valid(shift.x()));
    s->setValue(key(printer, "y"), valid(shift.y()));
}

QPointF PrintAdjustment::twips(const QString& printer) {
    return millimetres(printer) * (1440 / 25.4);
}
