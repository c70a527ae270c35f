#pragma once

#include "pages/GreetingEnvelope.h"
#include "pages/LabelRun.h"
#include "pages/LetterForm.h"
#include "store/Recordset.h"
#include "ui/Layout.h"
#include "ui/MillimetreBox.h"
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
#include <functional>
#include <memory>
#include <optional>

class LabelTab;

// The print window: the addressees to print, the letter form, the font, the
// copies and postscript of letter pages, and the greeting envelopes.
class PrintWindow : public QWidget, public SingleWindow<PrintWindow> {
    Q_OBJECT
  public:
    explicit PrintWindow(QWidget* parent = nullptr);
    // The window's controls and their places.
    static std::span<const Layout::Control<PrintWindow>> layout();
    // The controls in the order the Tab key walks them.
    QList<QWidget*> keyboardOrder() const;

    // Lists the addressees and the printer's fonts. Without a printer or a
    // default printer the user is told, and may go on to preview and save
    // PDF files only; false when they do not.
    bool load();

    void printLetterTypeA();
    void printLetterTypeB();
    void printLetterTypeC();
    void printLetterTypeD();

    // The face of horizontal lines and its vertical-writing twin ("@").
    QString horizontalFontName;
    QString verticalFontName;

    QGroupBox* fraLetterForm;
    QRadioButton* optLetterTypeQA3801;
    QRadioButton* optLetterTypeQB3802;
    QRadioButton* optLetterTypeQC3803;
    QRadioButton* optLetterTypeQD3805;
    QLabel* lblPrinterFont;
    QComboBox* cboPrinterFont;
    QPushButton* cmdDataPrintExit;
    QLabel* lblPrinterName;
    QLabel* lblPrintPosition;
    QLabel* lblPrintPositionX;
    MillimetreBox* spnPrintPositionX;
    QLabel* lblPrintPositionY;
    MillimetreBox* spnPrintPositionY;
    QPushButton* cmdPrintPreview;
    QTabWidget* tabPrintDataInfo;
    QWidget* letterTab;
    QWidget* specialTab;
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
    LabelTab* labelTab;

  public slots:
    void cboPrinterFontClick();
    void chkPersonInfoPrintClick();
    void cmdEachDataSelectClick();
    void cmdAllDataSelectClick();
    void cmdEachDataRemoveClick();
    void cmdAllDataRemoveClick();
    void cmdDataPrintClick();
    void cmdSpecialFormPrintClick();
    // Prints the labels of the label tab, sheet by sheet.
    void cmdLabelPrintClick();
    void cmdDataPrintExitClick();
    // Shows the pages the shown tab's "인쇄" would print now.
    void cmdPrintPreviewClick();
    // Keeps the adjustment for the printer it is shown for.
    void spnPrintPositionChanged();

  private:
    void connectControls();
    const LetterForm& chosenForm() const;
    void printLetters(const LetterForm& form);
    // Lays out the pages "인쇄" prints now, entry by entry: one page per
    // print list line (none for an addressee deleted meanwhile), or one per
    // copy. After each entry `done` is told its number and says whether to
    // go on.
    void layOutLetters(Printer& printer, const LetterForm& form,
                       const std::function<bool(int entry)>& done);
    // The pages of a letter run: lines of the print list or copies.
    int letterEntries() const;
    // The greeting envelope of the chosen greeting on the chosen form, or
    // false when the user was told why there is none. A failure of the
    // printer or of the sender row goes to `fail`.
    bool layOutGreeting(Printer& printer, const std::function<void(const QString&)>& fail);
    // False, and the user told, when an addressee run has nothing to print.
    bool lettersChosen();
    // The labels the label tab's "인쇄" prints now, or none when the user
    // was told why not. `linesThrough` tells, for each label, how many
    // lines of the print list it and the labels before it account for
    // (addressees deleted meanwhile included). A row that cannot be read is
    // a StoreError.
    std::optional<LabelRun> layOutLabels(QList<int>& linesThrough);
    // The same, and where its sheets land on the default printer; a
    // failure of the printer or of the address book goes to `fail`.
    std::optional<LabelRun> labelsAndSheet(QList<int>& linesThrough, Sheet& where,
                                           const std::function<void(const QString&)>& fail);
    // Lists the labels that overflow or reach where the printer cannot
    // print, and asks whether to print all the same; true when there are
    // none or the user says yes.
    bool labelsApproved(const LabelRun& run, const Sheet& where);
    void previewLabels();
    void showPreview(const QList<Printer::Page>& pages, const Sheet& sheet);
    // The sender row, read afresh; none when there is none. A row that
    // cannot be read is a StoreError.
    std::optional<Sender> sender();
    // Shows the print position adjustment of the default printer, or that
    // there is none to print to.
    void showPrintPosition();
    // The sheet previews of pages on the paper are drawn on: the default
    // printer's, or without a printer the whole paper.
    Sheet previewSheet(const Paper& paper = Paper());
    void reportFailure(const QString& detail);
    // The two lists and the four move buttons.
    void enableLists(bool enabled);
    static void moveLines(QListWidget* from, QListWidget* to, bool selectedOnly);

    // The window's own access to the sender row.
    std::unique_ptr<Recordset> personalCursor;
    // Opened without a printer: pages can be previewed and saved as PDF
    // only.
    bool pdfOnly = false;
};
