#include "AddresseeListModel.h"

namespace {
// The grid's header texts, each followed by the blanks that give its width.
struct GridColumn {
    const char* header;
    int blanks;
    AddresseeFields::Index field;
};
using enum AddresseeFields::Index;
const GridColumn gridColumns[] = {{"seq", 1, Seq},
                                  {"직장/학교", 45, Company},
                                  {"부서/학과", 37, Department},
                                  {"이름", 20, Name},
                                  {"핸드폰", 14, MobilePhone},
                                  {"전화(집)", 10, HomeTelephone},
                                  {"전화(회사)", 7, CompanyTelephone}};
} // namespace

AddresseeListModel::AddresseeListModel(QObject* parent) : QAbstractTableModel(parent) {}

AddresseeListModel::~AddresseeListModel() {
    if (book)
        book->setObserver(nullptr);
}

void AddresseeListModel::setBook(AddresseeBook* shown) {
    beginResetModel();
    if (book && book != shown)
        book->setObserver(nullptr);
    book = shown;
    if (book)
        book->setObserver(this);
    endResetModel();
}

void AddresseeListModel::setHeadersShown(bool shown) {
    if (shown == headersShown)
        return;
    headersShown = shown;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QString AddresseeListModel::widthSample(int column) {
    const GridColumn& c = gridColumns[column - 1];
    return QString::fromUtf8(c.header) + QString(c.blanks, QLatin1Char(' '));
}

int AddresseeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !book ? 0 : book->count();
}

int AddresseeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 8;
}

QVariant AddresseeListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.column() == 0 || !book)
        return QVariant();
    return book->value(index.row(), gridColumns[index.column() - 1].field);
}

QVariant AddresseeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0 || !headersShown)
        return QString();
    return QString::fromUtf8(gridColumns[section - 1].header);
}

void AddresseeListModel::rowsReplaced() {
    headersShown = true;
    endResetModel();
}

void AddresseeListModel::rowInserted() {
    endInsertRows();
    setHeadersShown(true);
}

void AddresseeListModel::rowChanged(int row) {
    emit dataChanged(index(row, 1), index(row, 7));
}
