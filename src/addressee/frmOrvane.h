#pragma once

#include "ui/SingleWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

// The addressee window: one addressee in the boxes, every addressee in the
// grid below, and the buttons that add, change, delete, search and print.
class frmOrvane : public QWidget, public SingleWindow<frmOrvane> {
    Q_OBJECT
  public:
    explicit frmOrvane(QWidget* parent = nullptr);

    // Opens the address book and shows the first addressee. False when the
    // file cannot be used (the user has been told).
    bool Form_Load();

    void CustomerDataDisplay();
    void CustomerDataClear();
    void UpdateRecord();
    void AllDataGridDisplay();

    // The seq of the addressee the boxes show ("" when none): change and
    // delete act on this row wherever other windows left the shared cursor.
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
    QTableWidget* grdDataList;
    QStatusBar* stbStatusbar;
    // The status bar's panels, left to right: record text, Insert, Num Lock,
    // Caps Lock, clock.
    QLabel* stbPanels[5];
    QTimer* tmrTimer;

  signals:
    void closed();

  public slots:
    void cmdCustomerAdd_Click();
    void cmdCustomerUpdate_Click();
    void cmdCustomerDelete_Click();
    void cmdCustomerPrint_Click();
    void cmdCustomerSearchData_Click();
    void cmdSearchPersonal_Click();
    void cmdSearchZipcode_Click();
    void cmdCustomerExit_Click();
    void chkPrintCondition_Click();
    void grdDataList_DblClick(int row);
    void tmrTimer_Timer();

    // Input checks and keys (frmOrvaneKeys.cpp).
    void DataDoubleCheck();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Keys and mouse presses seen before the control that gets them; true
    // when the event is used up.
    bool previewInput(QObject* watched, QEvent* event);
    // Escape: asks whether to drop the work in progress and, on Yes, shows
    // the first addressee in the Browse state.
    void cancelWork();
    bool standOnShownRecord();
    // Stores the boxes as a new row (while adding is possible) or into the
    // shown row, then shows the stored row and refreshes the grid. False
    // when nothing could be stored (the user has been told).
    bool storeBoxes();
    void showFailure(const QString& what, const QString& detail);
    void updateKeyPanels(quint32 nativeModifiers);

    QString shown;
    bool insertMode = true;
};
