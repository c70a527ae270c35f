#pragma once

#include "ui/SingleWindow.h"

#include <QWidget>

// Placeholder until the window is built.
class frmSearchPersonal : public QWidget, public SingleWindow<frmSearchPersonal> {
    Q_OBJECT
  public:
    explicit frmSearchPersonal(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("frmSearchPersonal"));
        setWindowTitle(QStringLiteral("개인정보"));
    }
    bool Form_Load() { return true; }
};
