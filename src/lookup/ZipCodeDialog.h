#pragma once

#include "store/PostalCodes.h"
#include "store/ZipCodes.h"
#include "ui/SingleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <memory>

// The zip code search: lists the rows of zipcode.mdb whose district (dong)
// or, failing that, village (ri) is the typed name, and announces the row
// the user double-clicks. Below, the search of today's five-digit codes and
// road-name addresses in the postal data the user has loaded.
class ZipCodeDialog : public QWidget, public SingleWindow<ZipCodeDialog> {
    Q_OBJECT
  public:
    // The boxes of a window that a chosen row fills.
    struct AddressBoxes {
        QLineEdit* zipcode;
        QLineEdit* address1;
        QLineEdit* address2;
    };
    // Opens the dialog for a window: a chosen row goes into its boxes, and
    // into no other window's, so the window whose zip code button was
    // pressed last is the one filled. The second address line changes only
    // when the row has a village.
    static void openFor(QWidget* window, AddressBoxes boxes);

    explicit ZipCodeDialog(QWidget* parent = nullptr);

    // Opens zipcode.mdb. False when it is missing or cannot be read (the user
    // has been told).
    bool load();

    QLabel* Label1;
    QLineEdit* txtSearchData;
    QLabel* Label2;
    QLabel* Label3;
    QListWidget* lstSearchDataList;
    QPushButton* cmdSearchData;
    QPushButton* cmdCencel;
    QLabel* lblZipcode;
    QLabel* lblAptStbunji;
    QLabel* lblPostalSearch;
    QLineEdit* txtPostalSearch;
    QPushButton* cmdPostalSearch;
    QLabel* lblPostalData;
    QPushButton* cmdLoadPostalData;

    // Loads the postal service's downloads in place of the postal data
    // loaded before, showing progress and asking before it puts data that
    // looks like less than the whole country in place.
    void loadPostalData(const QStringList& files);

  signals:
    void chosen(const ZipRow& row);
    void placeChosen(const PostalPlace& place);

  public slots:
    void cmdSearchDataClick();
    void lstSearchDataListDoubleClick();
    void cmdCencelClick();
    void cmdPostalSearchClick();
    void cmdLoadPostalDataClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Opens the loaded postal data, if any, and tells its date.
    void openPostalData();
    void listLines(const QStringList& lines);

    std::unique_ptr<ZipCodes> zipCodes;
    std::unique_ptr<PostalCodes> postal;
    QList<PostalPlace> places; // of the list's lines, while they are listed
};
