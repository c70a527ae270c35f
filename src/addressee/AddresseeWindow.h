#pragma once

#include "store/AddresseeFields.h"
#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/SingleWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <array>

class AddresseeListModel;

// The addressee window: one addressee in the boxes, every addressee in the
// grid below, and the buttons that add, change, delete, search and print.
class AddresseeWindow : public QWidget, public SingleWindow<AddresseeWindow> {
    Q_OBJECT
  public:
    explicit AddresseeWindow(QWidget* parent = nullptr);
    // The window's controls and their places.
    static std::span<const Layout::Control<AddresseeWindow>> layout();
    // The controls in the order the Tab key walks them.
    QList<QWidget*> keyboardOrder() const;

    // Opens the address book and shows the first addressee. False when the
    // file cannot be used (the user has been told).
    bool load();

    // Shows the addressee at the place in the list (the nearest one when
    // the place is past either end), or says that there is none.
    void showRecord(int place);
    void clearBoxes();

    // Drops any typing and shows the first addressee in the Browse state.
    void browseFromFirst();

    // Whether a new addressee is being typed ("입력" pressed, "저장" not
    // yet) and whether the shown one is being changed ("수정" pressed,
    // "확인" not yet). The buttons' captions follow from them.
    struct EditState {
        bool adding = false;
        bool changing = false;
    };

    // The seq of the addressee the boxes show ("" when none): change and
    // delete act on this row.
    QString shownSeq() const { return shown; }

    QGroupBox* fraOrvane;
    QLabel* lblCustomerName;
    QLineEdit* txtCustomerName;
    QLabel* lblCustomerEmail;
    QLineEdit* txtCustomerEmail;
    QLabel* lblCustomerMobilePhone;
    QLineEdit* txtCustomerMobilePhone;
    QGroupBox* FraCustomerInpomation;
    QLabel* lblCustomerCompany;
    QLineEdit* txtCustomerCompany;
    QLabel* lblCustomerDepartment;
    QLineEdit* txtCustomerDepartment;
    QLabel* lblCustomerDepartPosition;
    QLineEdit* txtCustomerDepartPosition;
    QCheckBox* chkPrintCondition;
    QLabel* lblCustomerHomeTelephone;
    QLineEdit* txtCustomerHomeTelephone;
    QLabel* lblCompanyTelephone;
    QLineEdit* txtCustomerCompanyTelephone;
    QLabel* lblExtentionNumber;
    QLineEdit* txtCustomerExtentionNumber;
    QLabel* lblFacsimile;
    QLineEdit* txtCustomerFacsimile;
    QLabel* lblAddr;
    QPushButton* cmdSearchZipcode;
    QLineEdit* txtCustomerZipcode;
    QLineEdit* txtCustomerAddress1;
    QLineEdit* txtCustomerAddress2;
    QLabel* lblRemark;
    QPlainTextEdit* txtCustomerRemark;
    QPushButton* cmdCustomerExit;
    QPushButton* cmdCustomerAdd;
    QPushButton* cmdCustomerUpdate;
    QPushButton* cmdCustomerDelete;
    QPushButton* cmdCustomerSearchData;
    QPushButton* cmdCustomerPrint;
    QPushButton* cmdSearchPersonal;
    QGroupBox* fraDataList;
    QTableView* grdDataList;
    QStatusBar* stbStatusbar;
    // The status bar's panels, left to right: record text, Insert, Num Lock,
    // Caps Lock, clock.
    QLabel* stbPanels[5];
    QTimer* tmrTimer;

    // Whether an addressee is being added or changed.
    bool typing() const;

  signals:
    void closed();
    // An addressee began or ended being added or changed.
    void typingChanged(bool typing);

  public slots:
    void cmdCustomerAddClick();
    void cmdCustomerUpdateClick();
    void cmdCustomerDeleteClick();
    void cmdCustomerPrintClick();
    void cmdCustomerSearchDataClick();
    void cmdSearchPersonalClick();
    void cmdSearchZipcodeClick();
    void cmdCustomerExitClick();
    void chkPrintConditionClick();
    void grdDataListDoubleClick(int row);
    void tmrTimerTick();
    // The addressee chosen in the search dialog (seq empty: none).
    void showChosen(const QString& seq);

    // Input checks and keys (AddresseeWindowInput.cpp).
    void checkDuplicateName();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The events that change the buttons; what each changes is in one table.
    enum class Event {
        StartUp,
        AddStarted,
        Added,
        RowSelected,
        SearchOpened,
        RowChosen,
        EditStarted,
        Edited,
        DeleteAnswered,
        Cancelled
    };
    void setButtons(Event event);
    void setUpGrid();
    void setUpStatusBar();
    void setUpKeyboard();
    void connectControls();
    // The boxes and their fields, in the order a row is shown.
    struct BoundBox {
        QWidget* box;
        AddresseeFields::Index field;
    };
    std::array<BoundBox, 15> fields() const;
    // What the boxes hold, as the values of a row without its seq.
    QStringList boxValues() const;
    // Keys and mouse presses seen before the control that gets them; true
    // when the event is used up.
    bool previewInput(QObject* watched, QEvent* event);
    // Escape: asks whether to drop the work in progress and, on Yes,
    // browses from the first addressee.
    void cancelWork();
    // False, and the user told, when the shown addressee is gone.
    bool shownRecordFound();
    // Stores the boxes as a new row or into the shown row, then shows the
    // stored row and refreshes the grid. False when nothing could be stored
    // (the user has been told).
    bool storeBoxes(bool adding);
    void showFailure(const QString& what, const QString& detail);
    void updateKeyPanels(quint32 nativeModifiers);

    QString shown;
    EditState editing;
    AddresseeListModel* gridRows;
    bool insertMode = true;
};
