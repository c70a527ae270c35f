#pragma once

#include "store/Connection.h"
#include "ui/SingleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QWidget>
#include <memory>

// The zip code search: finds the rows of zipcode.mdb whose district (dong)
// or, failing that, village (ri) is the typed name, and copies the chosen
// row into the window named by Module1::ZipSearchCaller.
class frmSearchZipcode : public QWidget, public SingleWindow<frmSearchZipcode> {
    Q_OBJECT
  public:
    // One row of table zip, every column as text.
    struct ZipRow {
        QString seq, zipcode, sido, gugun, dong, ri, st_bunji, ed_bunji;
    };
    // The list line of a row: the address, the house-number part, and the
    // key behind 90 blanks, out of sight.
    static QString ResultLine(const ZipRow& row);
    // The key a list line ends with: its last five characters without the
    // An empty ri, st_bunji or ed_bunji holds a single blank.
    static bool IsPresent(const QString& value);

    explicit frmSearchZipcode(QWidget* parent = nullptr);

    // Opens zipcode.mdb. False when it is missing or cannot be read (the user
    // has been told).
    bool Form_Load();

    QLabel* Label1;
    QLineEdit* txtSearchData;
    QLabel* Label2;
    QLabel* Label3;
    QListWidget* lstSearchDataList;
    QPushButton* cmdSearchData;
    QPushButton* cmdCencel;
    QLabel* lblZipcode;
    QLabel* lblAptStbunji;

  public slots:
    void cmdSearchData_Click();
    void lstSearchDataList_DblClick();
    void cmdCencel_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs one of the prepared queries with its value; false (the user has
    // been told) when the file cannot be read.
    bool run(QSqlQuery& query, const QString& value);
    // Appends a result line for every row the query returned.
    void appendRows(QSqlQuery& query, QStringList& lines);
    static ZipRow rowOf(const QSqlQuery& query);

    // Read-only: nothing here writes to the zip code file.
    std::shared_ptr<Connection> ZipDb;
    QSqlQuery byDong;
    QSqlQuery byRi;
    QSqlQuery bySeq;
};
