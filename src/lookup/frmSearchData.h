#pragma once

#include "ui/SingleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

// The addressee search: lists the addressees whose whole name is the typed
// text or, failing that, whose name or company begins with it, and brings the
// chosen one into the addressee window through the shared cursor.
class frmSearchData : public QWidget, public SingleWindow<frmSearchData> {
    Q_OBJECT
  public:
    // The text without its trailing blanks (leading ones stay).
    static QString withoutTrailingBlanks(const QString& text);
    // The list line of an addressee: name, company and department, then the
    // key behind 130 blanks, out of sight. A nameless addressee's line starts
    // with 42 blanks.
    static QString ResultLine(const QString& seq, const QString& name, const QString& company,
                              const QString& department);

    explicit frmSearchData(QWidget* parent = nullptr);

    bool Form_Load();

    QLabel* lblSearchData;
    QLineEdit* txtFindSearchData;
    QPushButton* cmdSearchData;
    QListWidget* lstFindCustomerData;

  public slots:
    void txtFindSearchData_Click();
    void cmdSearchData_Click();
    void lstFindCustomerData_DblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Set once a double-click has brought an addressee into the addressee window.
    bool brought = false;
};
