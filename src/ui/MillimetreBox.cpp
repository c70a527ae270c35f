#include "MillimetreBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
// A sign, digits, and a decimal point or comma with digits after it.
const QRegularExpression number(QStringLiteral("^[+-]?\\d*([.,]\\d*)?$"));

QString withPoint(const QString& text) {
    return text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
}

int decimalsOf(const QString& text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(text.size() - point - 1);
}
} // namespace

MillimetreBox::MillimetreBox(QWidget* parent, double limit) : QDoubleSpinBox(parent) {
    setRange(-limit, limit);
    setDecimals(1);
    setSingleStep(0.1);
    // The value changes once an entry is finished, not at each key: "25"
    // never passes through 2.
    setKeyboardTracking(false);
}

QValidator::State MillimetreBox::validate(QString& text, int&) const {
    if (!number.match(text.trimmed()).hasMatch())
        return QValidator::Invalid;
    bool ok = false;
    withPoint(text).toDouble(&ok);
    if (!ok)
        return QValidator::Intermediate; // "", "-", "1." on the way to a number
    return refusable(text) ? QValidator::Intermediate : QValidator::Acceptable;
}

double MillimetreBox::valueFromText(const QString& text) const {
    return withPoint(text).toDouble();
}

bool MillimetreBox::refusable(const QString& text) const {
    bool ok = false;
    const double mm = withPoint(text).toDouble(&ok);
    return ok && (mm < minimum() || mm > maximum() || decimalsOf(withPoint(text)) > decimals());
}

template <class Finish> void MillimetreBox::finishEntry(Finish finish) {
    const QString typed = lineEdit()->text();
    const bool refuse = refusable(typed);
    finish();
    if (refuse)
        emit refused(typed);
}

void MillimetreBox::focusOutEvent(QFocusEvent* event) {
    finishEntry([&] { QDoubleSpinBox::focusOutEvent(event); });
}

void MillimetreBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        finishEntry([&] { QDoubleSpinBox::keyPressEvent(event); });
    else
        QDoubleSpinBox::keyPressEvent(event);
}
