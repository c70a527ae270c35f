#pragma once

#include "LetterForm.h"
#include "store/Recordset.h"
#include "ui/SingleWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>

// The print window: the addressees to print, the letter form, the font, the
// copies and postscript of letter pages, and the greeting envelopes.
class frmPrintData : public QWidget, public SingleWindow<frmPrintData> {
    Q_OBJECT
  public:
    explicit frmPrintData(QWidget* parent = nullptr);

    // Lists the addressees and the printer's fonts. False when there is no
    // printer or no default printer (the user has been told).
    bool Form_Load();

    void PrintLetterTypeA();
    void PrintLetterTypeB();
    void PrintLetterTypeC();
    void PrintLetterTypeD();

    // The face of horizontal lines and its vertical-writing twin ("@").
    QString HorizontalFontName;
    QString VerticalFontName;

    QGroupBox* fraLetterForm;
    QRadioButton* optLetterTypeQA3801;
    QRadioButton* optLetterTypeQB3802;
    QRadioButton* optLetterTypeQC3803;
    QRadioButton* optLetterTypeQD3805;
    QLabel* lblPrinterFont;
    QComboBox* cboPrinterFont;
    QPushButton* cmdDataPrintExit;
    QTabWidget* tabPrintDataInfo;
    QGroupBox* fraPrintlist;
    QLabel* lblDataAllList;
    QListWidget* lstDataAllList;
    QLabel* lblPrintSelectData;
    QListWidget* lstDataPrintList;
    QPushButton* cmdEachDataSelect;
    QPushButton* cmdAllDataSelect;
    QPushButton* cmdEachDataRemove;
    QPushButton* cmdAllDataRemove;
    QLabel* lblPostScript;
    QLineEdit* txtPostScript;
    QGroupBox* fraOnlyMyInfo;
    QCheckBox* chkPersonInfoPrint;
    QLineEdit* txtNumberOfCopies;
    QLabel* lblNumberOfCopies;
    QPushButton* cmdDataPrint;
    QGroupBox* fraSpecialForm;
    QRadioButton* optMarried_1;
    QRadioButton* optMarried_2;
    QRadioButton* optGrowth;
    QRadioButton* optHundredday;
    QRadioButton* optFirstBirthday;
    QRadioButton* optBirthday;
    QRadioButton* optSixtyBirthday;
    QRadioButton* optSeventyBirthday;
    QRadioButton* optEightyBirthday;
    QRadioButton* optTreatment;
    QRadioButton* optCondolence;
    QPushButton* cmdSpecialFormPrint;

    // The list line of the cursor's current addressee, its key at the end.
    static QString ListLine(const Recordset& customer);

  public slots:
    void cboPrinterFont_Click();
    void chkPersonInfoPrint_Click();
    void cmdEachDataSelect_Click();
    void cmdAllDataSelect_Click();
    void cmdEachDataRemove_Click();
    void cmdAllDataRemove_Click();
    void cmdDataPrint_Click();
    void cmdSpecialFormPrint_Click();
    void cmdDataPrintExit_Click();

  private:
    void printLetters(const LetterForm& form);
    // The sender row, read afresh; nullptr when there is none.
    const Recordset* senderRow();
    void reportPrinterFailure(const QString& detail);
    // The two lists and the four move buttons.
    void enableLists(bool enabled);
    static void moveLines(QListWidget* from, QListWidget* to, bool selectedOnly);

    // The window's own access to the sender row.
    std::unique_ptr<Recordset> PersonalCursor;
};
