#pragma once

#include <QPointF>
#include <QString>

// The print position adjustment of each printer: millimetres to the right
// and down, kept in the user's settings file under the printer's name. A
// missing or damaged file means no adjustment.
namespace PrintAdjustment {
constexpr double Limit = 20; // millimetres either way
QPointF millimetres(const QString& printer);
void setMillimetres(const QString& printer, QPointF shift);
// The same in twips.
QPointF twips(const QString& printer);
} // namespace PrintAdjustment
