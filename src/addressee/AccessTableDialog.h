#pragma once

#include "store/AccessFile.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

// Lets the user choose the table of an Access file that holds the
// addresses, showing each table's columns and first rows; for an Access 97
// file also the code page its text is read in, so that Hangul that shows
// wrong can be read again. Announces the table chosen, and a code page
// chosen (the file is then read again and given back by setContents).
// Cancelling announces nothing.
class AccessTableDialog : public QDialog {
    Q_OBJECT
  public:
    AccessTableDialog(const QString& fileName, const AccessFile::Contents& contents,
                      QWidget* parent);
    void setContents(const AccessFile::Contents& contents);

    QListWidget* lstTables;
    QTableWidget* grdSample;
    QLabel* lblCodePage;
    QComboBox* cboCodePage;
    QPushButton* cmdTableOk;
    QPushButton* cmdTableCancel;

  signals:
    void tableChosen(const ForeignTable& table);
    void codePageChosen(const QString& codePage);

  private:
    void showSample();
    AccessFile::Contents contents;
};
