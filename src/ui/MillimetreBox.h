#pragma once

#include <QDoubleSpinBox>

// A box for a length in millimetres within ±limit, to one decimal place. It
// takes "1,5" as well as "1.5", as many people write a decimal. A value
// outside the limit, or with more decimals than the box keeps, is never
// cut to fit: the box keeps its earlier value and announces what was
// refused.
class MillimetreBox : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit MillimetreBox(QWidget* parent, double limit = 0);

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    // Nothing is mended: dropping a "," as a thousands separator would make
    // "0,15" fifteen.
    void fixup(QString&) const override {}

  signals:
    // The typed text could not be taken; the earlier value stays.
    void refused(const QString& typed);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Whether the text is a number the box must refuse rather than take.
    bool refusable(const QString& text) const;
    // Runs the box's own handling of a finished entry, then announces a
    // refused text.
    template <class Finish> void finishEntry(Finish finish);
};
