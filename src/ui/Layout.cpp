#include "Layout.h"

using namespace Controls;

QWidget* Layout::make(QGroupBox*, QWidget* parent, const char* name, QRect twips,
                      const QString& caption, double extent) {
    return frame(parent, name, caption, twips.x(), twips.y(), twips.width(), twips.height(),
                 extent > 0 ? extent : 9.75);
}

QWidget* Layout::make(QLabel*, QWidget* parent, const char* name, QRect twips,
                      const QString& caption, double) {
    return label(parent, name, caption, twips.x(), twips.y(), twips.width(), twips.height());
}

QWidget* Layout::make(QLineEdit*, QWidget* parent, const char* name, QRect twips, const QString&,
                      double extent) {
    return textBox(parent, name, twips.x(), twips.y(), twips.width(), twips.height(), int(extent));
}

QWidget* Layout::make(QPushButton*, QWidget* parent, const char* name, QRect twips,
                      const QString& caption, double) {
    return button(parent, name, caption, twips.x(), twips.y(), twips.width(), twips.height());
}

QWidget* Layout::make(QCheckBox*, QWidget* parent, const char* name, QRect twips,
                      const QString& caption, double) {
    return checkBox(parent, name, caption, twips.x(), twips.y(), twips.width(), twips.height());
}

QWidget* Layout::make(QRadioButton*, QWidget* parent, const char* name, QRect twips,
                      const QString& caption, double) {
    return option(parent, name, caption, twips.x(), twips.y(), twips.width(), twips.height());
}

QWidget* Layout::make(QWidget* control, QWidget*, const char* name, QRect twips, const QString&,
                      double) {
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(Fonts::gulim());
    Twips::place(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}
