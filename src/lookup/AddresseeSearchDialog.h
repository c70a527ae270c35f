#pragma once

#include "ui/SingleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

// The addressee search: lists the addressees whose whole name is the typed
// text or, failing that, whose name or company begins with it, and announces
// the one the user double-clicks.
class AddresseeSearchDialog : public QWidget, public SingleWindow<AddresseeSearchDialog> {
    Q_OBJECT
  public:
    // The list line of an addressee: name, company and department, then the
    // key behind 130 blanks, out of sight. A nameless addressee's line starts
    // with 42 blanks.
    static QString resultLine(const QString& seq, const QString& name, const QString& company,
                              const QString& department);

    explicit AddresseeSearchDialog(QWidget* parent = nullptr);

    bool load();

    QLabel* lblSearchData;
    QLineEdit* txtFindSearchData;
    QPushButton* cmdSearchData;
    QListWidget* lstFindCustomerData;

  signals:
    // The seq of the chosen addressee; empty when no line was chosen.
    void chosen(const QString& seq);

  public slots:
    void txtFindSearchDataClick();
    void cmdSearchDataClick();
    void lstFindCustomerDataDoubleClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
