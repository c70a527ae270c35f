#pragma once

#include "store/AccessBook.h"
#include "store/AddresseeExchange.h"
#include "store/ColumnMapping.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <span>

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
    QAction* actImportAccess;
    QAction* actBackup;
    QAction* actRestore;
    QAction* actUpdateZipcodes;

    // What the actions do once the file is chosen.
    void exportTo(const QString& path, AddresseeExchange::Format format, bool chosenOnly);
    void importFrom(const QString& path);
    // Takes in the records of a table from elsewhere (named by `source`):
    // columns whose names say no field are first given one or left out in
    // the column mapping dialog, then the preview shows what would be added.
    void importTable(const QString& source, const ForeignTable& table);
    // An Access book of this program comes in whole; from any other Access
    // file the user chooses a table, which comes in as above.
    void importAccessFrom(const QString& path);
    void backupTo(const QString& path);
    void restoreFrom(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One action of the menu, in the menu's order: its member, object name,
    // text and shortcut, what it does, and whether a separator stands before
    // it.
    struct Action {
        QAction* ExchangeMenu::*member;
        const char* name;
        const char* text;
        QKeySequence keys;
        void (*run)(ExchangeMenu& menu);
        bool apart = false;
    };
    static std::span<const Action> actions();
    // Exports to a file the user chooses under the action's caption.
    void exportChosenFile(const QAction* action, AddresseeExchange::Format format, bool chosenOnly);
    // The menu's button and the grid's context menu.
    void showInWindow();
    QStringList chosenSeqs() const;
    // The preview of what comes in; the rows the user takes are added, and
    // a sender row given replaces the book's.
    void showPreview(const QString& source, const AddresseeFields::FileRows& rows,
                     AddresseeExchange::Origin origin = AddresseeExchange::Origin::Elsewhere,
                     const QStringList& sender = {});
    void importOwnBook(const QString& source, const AccessBook::OwnBook& own);
    // False, after telling the user, while an addressee is being typed.
    bool noTypingInProgress();
    void addRows(const QList<QStringList>& rows, const QStringList& sender);
    // "새 우편번호로 바꾸기": the book shown again once addresses change.
    void updateZipcodes();
    void showBookAgain();
    QString chooseFile(bool save, const QString& caption, const QString& suggested,
                       const QString& filter);

    AddresseeWindow* window;
};
