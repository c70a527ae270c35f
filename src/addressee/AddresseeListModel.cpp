#include "AddresseeListModel.h"

namespace {
// The grid's header texts, each followed by the blanks that give its width.
struct GridColumn {
    const char* header;
    int blanks;
    const char* field;
};
const GridColumn gridColumns[] = {{"seq", 1, "seq"},
                                  {"직장/학교", 45, "company"},
                                  {"부서/학과", 37, "department"},
                                  {"이름", 20, "name"},
                                  {"핸드폰", 14, "mobilephone"},
                                  {"전화(집)", 10, "hometelephone"},
                                  {"전화(회사)", 7, "companytelephone"}};
} // namespace

AddresseeListModel::AddresseeListModel(QObject* parent) : QAbstractTableModel(parent) {}

AddresseeListModel::~AddresseeListModel() {
    if (cursor)
        cursor->setObserver(nullptr);
}

void AddresseeListModel::setCursor(Recordset* shown) {
    beginResetModel();
    if (cursor && cursor != shown)
        cursor->setObserver(nullptr);
    cursor = shown;
    if (cursor) {
        cursor->setObserver(this);
        for (int c = 0; c < 7; ++c)
            fields[c] = cursor->columnIndex(QString::fromLatin1(gridColumns[c].field));
    }
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
    return parent.isValid() || !cursor ? 0 : cursor->recordCount();
}

int AddresseeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 8;
}

QVariant AddresseeListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.column() == 0 || !cursor)
        return QVariant();
    return cursor->value(index.row(), fields[index.column() - 1]);
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
