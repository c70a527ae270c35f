#pragma once

#include "store/AddresseeBook.h"

#include <QAbstractTableModel>

// The addressee window's grid over the address book: a narrow empty column,
// then seq, company, department, name and the three telephones of each
// addressee, in list order. It reads only the rows on screen and
// follows each stored, changed or deleted row without reading the others.
class AddresseeListModel : public QAbstractTableModel, public RowObserver {
    Q_OBJECT
  public:
    explicit AddresseeListModel(QObject* parent = nullptr);
    ~AddresseeListModel() override;

    // The book shown (nullptr: none).
    void setBook(AddresseeBook* book);
    // Blank headers after every row was deleted; a row stored or the rows
    // read again show them again.
    void setHeadersShown(bool shown);
    // The header text of a column followed by the blanks that give its width.
    static QString widthSample(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void rowsReplacing() override { beginResetModel(); }
    void rowsReplaced() override;
    void rowInserting(int row) override { beginInsertRows(QModelIndex(), row, row); }
    void rowInserted() override;
    void rowRemoving(int row) override { beginRemoveRows(QModelIndex(), row, row); }
    void rowRemoved() override { endRemoveRows(); }
    void rowChanged(int row) override;
    void cursorGone() override { setBook(nullptr); }

  private:
    AddresseeBook* book = nullptr;
    bool headersShown = true;
};
