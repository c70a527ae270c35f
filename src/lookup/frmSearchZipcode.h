#pragma once

#include "ui/SingleWindow.h"

#include <QWidget>

// Placeholder until the window is built.
class frmSearchZipcode : public QWidget, public SingleWindow<frmSearchZipcode> {
    Q_OBJECT
  public:
    explicit frmSearchZipcode(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("frmSearchZipcode"));
        setWindowTitle(QStringLiteral("우편번호검색"));
    }
    bool Form_Load() { return true; }
};
