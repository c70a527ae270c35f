#pragma once

#include "ui/SingleWindow.h"

#include <QWidget>

// Placeholder until the window is built.
class frmSearchData : public QWidget, public SingleWindow<frmSearchData> {
    Q_OBJECT
  public:
    explicit frmSearchData(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("frmSearchData"));
        setWindowTitle(QStringLiteral("데이타 검색"));
    }
    bool Form_Load() { return true; }
};
