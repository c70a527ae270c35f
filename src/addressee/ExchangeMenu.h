#pragma once

#include "store/AddresseeExchange.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPushButton>

class AddresseeWindow;

// The addressee window's "자료관리" menu: export to CSV or vCard (every
// addressee or the ones chosen in the grid), import with a preview, backup
// and restore. It opens from a button in the free place below "출력", from
// the grid's context menu and by its shortcuts; no control of the window
// moves for it.
class ExchangeMenu : public QObject {
    Q_OBJECT
  public:
    explicit ExchangeMenu(AddresseeWindow* window);

    QPushButton* cmdDataMenu;
    QMenu* menu;
    QAction* actExportCsv;
    QAction* actExportVCard;
    QAction* actExportChosenCsv;
    QAction* actExportChosenVCard;
    QAction* actImport;
    QAction* actBackup;
    QAction* actRestore;

    // What the actions do once the file is chosen.
    void exportTo(const QString& path, AddresseeExchange::Format format, bool chosenOnly);
    void importFrom(const QString& path);
    void backupTo(const QString& path);
    void restoreFrom(const QString& path);

  private:
    QStringList chosenSeqs() const;
    // False, after telling the user, while an addressee is being typed.
    bool noTypingInProgress();
    void addRows(const QList<QStringList>& rows);
    void showBookAgain();
    QString chooseFile(bool save, const QString& caption, const QString& suggested,
                       const QString& filter);

    AddresseeWindow* window;
};
