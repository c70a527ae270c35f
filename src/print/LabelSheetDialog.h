#pragma once

#include "pages/LabelSheet.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

// Where the user defines a label sheet of their own, or changes one: name,
// paper, columns and rows, label size, the first label's place from the
// paper's corner, the distance from one label to the next, and the margin
// the text keeps inside a label. Lengths are millimetres.
class LabelSheetDialog : public QDialog {
    Q_OBJECT
  public:
    // `taken`: the names of the user's other sheets.
    LabelSheetDialog(QWidget* parent, const LabelSheet& shown, QStringList taken);
    LabelSheet sheet() const;

    QLineEdit* txtSheetName;
    QComboBox* cboSheetPaper;
    QSpinBox* spnSheetColumns;
    QSpinBox* spnSheetRows;
    QDoubleSpinBox* spnSheetWidth;
    QDoubleSpinBox* spnSheetHeight;
    QDoubleSpinBox* spnSheetTop;
    QDoubleSpinBox* spnSheetLeft;
    QDoubleSpinBox* spnSheetAcross;
    QDoubleSpinBox* spnSheetDown;
    QDoubleSpinBox* spnSheetMargin;
    QPushButton* cmdSheetSave;
    QPushButton* cmdSheetCancel;

  public slots:
    // Keeps the sheet when it is sound; otherwise says what is wrong.
    void cmdSheetSaveClick();

  signals:
    void sheetSaved(const LabelSheet& sheet);

  private:
    QStringList taken;
};
