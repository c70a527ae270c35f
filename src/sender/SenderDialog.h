#pragma once

#include "store/Connection.h"
#include "store/Recordset.h"
#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/SingleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>
#include <span>

// The sender's own details: the single row of table personal, printed as
// the sender on the letter forms. "확인" stores the boxes; the close box
// discards them.
class SenderDialog : public QWidget, public SingleWindow<SenderDialog> {
    Q_OBJECT
  public:
    explicit SenderDialog(QWidget* parent = nullptr);
    // The controls, each with its place in twips, in the order they are made.
    static std::span<const Layout::Control<SenderDialog>> layout();
    // The controls in the order the Tab key walks them.
    QList<QWidget*> keyboardOrder() const;

    // Reads the row into the boxes. False when the address book cannot be
    // opened (the user has been told).
    bool load();

    QLabel* lblPersonalName;
    QLineEdit* txtPersonalName;
    QLabel* lblPersonalCompany;
    QLineEdit* txtPersonalCompany;
    QLabel* lblPersonalDepartment;
    QLineEdit* txtPersonalDepartment;
    QLabel* lblPersonalDepartPosition;
    QLineEdit* txtPersonalDepartPosition;
    QLabel* lblPersonalEmail;
    QLineEdit* txtPersonalEmail;
    QLabel* lblTelephone;
    QLineEdit* txtPersonalTelephone;
    QLabel* lblFacsimile;
    QLineEdit* txtPersonalFacsimile;
    QLabel* lblMobilePhone;
    QLineEdit* txtPersonalMobilePhone;
    QLabel* lblPersonalAddress;
    QPushButton* cmdSearchZipcode;
    QLineEdit* txtPersonalZipcode;
    QLineEdit* txtPersonalAddress1;
    QLineEdit* txtPersonalAddress2;
    QPushButton* cmdExit;

  public slots:
    void cmdExitClick();
    void cmdSearchZipcodeClick();
    void txtPersonalZipcodeClick();
    void txtPersonalAddress1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The boxes and their columns, in the order they are read and written.
    std::array<Controls::BoundBox, 11> fields() const;
    void warnManualAddress();

    // A connection and cursor of this dialog's own: the print window keeps
    // its own access to the same row.
    std::shared_ptr<Connection> personalDb;
    std::unique_ptr<Recordset> personalCursor;
};
