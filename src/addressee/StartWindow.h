#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The start screen: the title picture and one button, "시작" and later "종료".
class StartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StartWindow(QWidget* parent = nullptr);

    QLabel* Image1;
    QPushButton* cmdStartOrvaneit;

  public slots:
    void cmdStartOrvaneitClick();
};
