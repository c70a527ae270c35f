#pragma once

#include "store/ColumnMapping.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTableWidget>

// Lets the user say where each column of a table from elsewhere goes: one
// line per column with its name, its first values and a choice of the
// addressee fields or "가져오지 않음". It opens on a first mapping and
// announces the mapping the user confirms; cancelling announces nothing.
class ColumnMappingDialog : public QDialog {
    Q_OBJECT
  public:
    ColumnMappingDialog(const QStringList& columns, const QList<QStringList>& samples,
                        const ColumnMapping::Mapping& guessed, QWidget* parent);

    // The mapping the choices make now.
    ColumnMapping::Mapping mapping() const;

    QLabel* lblExplain;
    QTableWidget* grdColumns;
    QList<QComboBox*> cboFields; // one per column
    QPushButton* cmdMappingOk;
    QPushButton* cmdMappingCancel;

  signals:
    void chosen(const ColumnMapping::Mapping& mapping);

  private:
    // A field chosen for two columns, and the user told; Ignored when none.
    int fieldChosenTwice();
};
