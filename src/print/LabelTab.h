#pragma once

#include "ui/Layout.h"

#include "pages/LabelSheet.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

// The print window's label tab: the label sheet, whom the labels are for
// (the print list's addressees or the sender), how many sender labels, and
// the label a partly used sheet starts at. The print window prints.
class LabelTab : public QWidget {
    Q_OBJECT
  public:
    explicit LabelTab(QWidget* parent = nullptr);
    // The tab's controls and their places.
    static std::span<const Layout::Control<LabelTab>> layout();

    // Offers the user's sheets and those of the glabels folder; done when
    // the tab is first shown unless done before.
    void loadSheets(const QString& templateFolder = LabelSheets::templateFolder());
    // The chosen sheet, or nullptr.
    const LabelSheet* chosenSheet() const;
    // The first label to print on the first sheet, 0-based.
    int startLabel() const { return spnLabelStart->value() - 1; }
    // Shows how many addressees the print list holds.
    void showAddresseeCount(int count);

    QGroupBox* fraLabelSheet;
    QLabel* lblLabelFind;
    QLineEdit* txtLabelFind;
    QListWidget* lstLabelSheets;
    QLabel* lblLabelSheetInfo;
    QPushButton* cmdLabelSheetAdd;
    QPushButton* cmdLabelSheetEdit;
    QPushButton* cmdLabelSheetDelete;
    QGroupBox* fraLabelPrint;
    QRadioButton* optLabelAddressees;
    QLabel* lblLabelAddresseeCount;
    QRadioButton* optLabelSender;
    QLabel* lblLabelSenderCount;
    QSpinBox* spnLabelSenderCount;
    QPushButton* cmdLabelSenderSheet;
    QLabel* lblLabelStart;
    QSpinBox* spnLabelStart;
    QLabel* lblLabelStartPlace;
    QPushButton* cmdLabelPrint;

  public slots:
    void txtLabelFindChange();
    void lstLabelSheetsClick();
    void cmdLabelSheetAddClick();
    void cmdLabelSheetEditClick();
    void cmdLabelSheetDeleteClick();
    // As many sender labels as the first sheet has from the start label on.
    void cmdLabelSenderSheetClick();
    void spnLabelStartChange();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showSheets(const QString& chosen);
    void keepUserSheet(const LabelSheet& sheet, const QString& replacing);
    QStringList userSheetNames() const;

    QList<LabelSheet> sheets;
    QString templateFolder;
    bool loaded = false;
};
