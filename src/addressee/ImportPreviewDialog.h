#pragma once

#include "store/AddresseeExchange.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// Shows what a file would add before anything is written: how many
// addressees, which look like ones already in the book, which fields are cut
// to their column's width and which columns are left out. Announces the
// user's choice; cancelling announces nothing.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { AddAll, SkipLookAlikes };
    ImportPreviewDialog(const QString& fileName, const AddresseeExchange::Preview& preview,
                        QWidget* parent);

    QLabel* lblSummary;
    QListWidget* lstLookAlikes;
    QListWidget* lstCuts;
    QLabel* lblIgnored;
    QPushButton* cmdAddAll;
    QPushButton* cmdSkipLookAlikes;
    QPushButton* cmdCancel;

  signals:
    void chosen(ImportPreviewDialog::Choice choice);
};
