#pragma once

#include "ui/SingleWindow.h"

#include <QWidget>

// Placeholder until the window is built.
class frmPrintData : public QWidget, public SingleWindow<frmPrintData> {
    Q_OBJECT
  public:
    explicit frmPrintData(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("frmPrintData"));
        setWindowTitle(QStringLiteral("Letter Form 출력"));
    }
    bool Form_Load() { return true; }
};
