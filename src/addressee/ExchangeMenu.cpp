#include "ExchangeMenu.h"

#include "AccessReading.h"
#include "AccessTableDialog.h"
#include "AddresseeWindow.h"
#include "ColumnMappingDialog.h"
#include "ImportPreviewDialog.h"
#include "lookup/PostcodeUpdateDialog.h"
#include "store/AddresseeBook.h"
#include "store/AddresseeCsv.h"
#include "store/BookBackup.h"
#include "store/StoreError.h"
#include "store/VCard.h"
#include "ui/Controls.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QStandardPaths>

using namespace AddresseeExchange;

namespace {
const QString csvFilter = QStringLiteral("CSV 파일 (*.csv)");
const QString vcardFilter = QStringLiteral("vCard 파일 (*.vcf)");
const QString bookFilter = QStringLiteral("주소록 백업 (*.mdb)");
const QString accessFilter = QStringLiteral("Access 데이터베이스 (*.mdb *.accdb);;모든 파일 (*)");

AddresseeBook& addressees() {
    return *AddresseeBook::shared();
}

const Connection& book() {
    return addressees().connection();
}

void tell(QWidget* parent, const QString& text, MessageBox::Icon icon) {
    MessageBox::show(parent, text, icon);
}
} // namespace

std::span<const ExchangeMenu::Action> ExchangeMenu::actions() {
    static const Action table[] = {
        {&ExchangeMenu::actExportCsv, "actExportCsv", "CSV로 내보내기(&C)...",
         QKeySequence(Qt::CTRL | Qt::Key_E),
         [](ExchangeMenu& m) { m.exportChosenFile(m.actExportCsv, Format::Csv, false); }},
        {&ExchangeMenu::actExportVCard, "actExportVCard", "vCard로 내보내기(&V)...",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         [](ExchangeMenu& m) { m.exportChosenFile(m.actExportVCard, Format::VCard, false); }},
        {&ExchangeMenu::actExportChosenCsv,
         "actExportChosenCsv",
         "고른 주소만 CSV로(&S)...",
         {},
         [](ExchangeMenu& m) { m.exportChosenFile(m.actExportChosenCsv, Format::Csv, true); }},
        {&ExchangeMenu::actExportChosenVCard,
         "actExportChosenVCard",
         "고른 주소만 vCard로(&D)...",
         {},
         [](ExchangeMenu& m) { m.exportChosenFile(m.actExportChosenVCard, Format::VCard, true); }},
        {&ExchangeMenu::actImport, "actImport", "가져오기(&I)...",
         QKeySequence(Qt::CTRL | Qt::Key_I),
         [](ExchangeMenu& m) {
             if (m.noTypingInProgress())
                 m.importFrom(m.chooseFile(false, m.actImport->text(), {},
                                           QStringLiteral("주소 파일 (*.csv *.vcf *.vcard);;"
                                                          "모든 파일 (*)")));
         },
         true},
        {&ExchangeMenu::actImportAccess,
         "actImportAccess",
         "Access 주소록 가져오기…",
         {},
         [](ExchangeMenu& m) {
             if (m.noTypingInProgress())
                 m.importAccessFrom(
                     m.chooseFile(false, m.actImportAccess->text(), {}, accessFilter));
         }},
        {&ExchangeMenu::actBackup, "actBackup", "백업(&B)...", QKeySequence(Qt::CTRL | Qt::Key_B),
         [](ExchangeMenu& m) {
             m.backupTo(m.chooseFile(
                 true, m.actBackup->text(),
                 QStringLiteral("orvaneit-%1.mdb").arg(QDate::currentDate().toString(Qt::ISODate)),
                 bookFilter));
         },
         true},
        {&ExchangeMenu::actRestore,
         "actRestore",
         "복원(&R)...",
         {},
         [](ExchangeMenu& m) {
             if (m.noTypingInProgress())
                 m.restoreFrom(m.chooseFile(false, m.actRestore->text(), {}, bookFilter));
         }},
        {&ExchangeMenu::actUpdateZipcodes,
         "actUpdateZipcodes",
         "새 우편번호로 바꾸기(&Z)...",
         {},
         [](ExchangeMenu& m) { m.updateZipcodes(); },
         true},
    };
    return table;
}

ExchangeMenu::ExchangeMenu(AddresseeWindow* w) : QObject(w), window(w) {
    setObjectName(QStringLiteral("ExchangeMenu"));
    menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("mnuData"));
    for (const Action& row : actions()) {
        if (row.apart)
            menu->addSeparator();
        QAction* a = menu->addAction(QString::fromUtf8(row.text), this,
                                     [this, run = row.run] { run(*this); });
        a->setObjectName(QLatin1String(row.name));
        a->setShortcut(row.keys);
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
        this->*row.member = a;
    }
    // Taking in or putting back a book waits until the addressee being
    // typed is stored or dropped, as searching and printing do.
    connect(window, &AddresseeWindow::typingChanged, this, [this](bool typing) {
        actImport->setEnabled(!typing);
        actImportAccess->setEnabled(!typing);
        actRestore->setEnabled(!typing);
    });
    // The boxes of the window would take Ctrl+E, Ctrl+B, ... as editing
    // keys of their own: the menu's shortcuts come first.
    for (QWidget* box : window->findChildren<QWidget*>())
        box->installEventFilter(this);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const bool any = !chosenSeqs().isEmpty();
        actExportChosenCsv->setEnabled(any);
        actExportChosenVCard->setEnabled(any);
    });
    showInWindow();
}

void ExchangeMenu::showInWindow() {
    // Below "출력", where the window has room for one more button.
    cmdDataMenu =
        Controls::button(window, "cmdDataMenu", QStringLiteral("자료관리"), 10680, 3600, 1215, 490);
    cmdDataMenu->setMenu(menu);
    QWidget::setTabOrder(window->cmdCustomerSearchData, cmdDataMenu);
    QAbstractItemView* grid = window->grdDataList;
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
}

bool ExchangeMenu::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : window->actions()) {
        if (action->isEnabled() && action->shortcut() == keys) {
            event->ignore();
            return true;
        }
    }
    return false;
}

QString ExchangeMenu::chooseFile(bool save, const QString& caption, const QString& suggested,
                                 const QString& filter) {
    // The documents folder when there is one; an opening dialog starts
    // with no file name in its box.
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    const QString start =
        suggested.isEmpty() ? folder.path() + QLatin1Char('/') : folder.filePath(suggested);
    // The action's caption without its access key and dots.
    static const QRegularExpression decoration(QStringLiteral("\\(&.\\)|\\.\\.\\.|…"));
    const QString title = QString(caption).remove(decoration);
    return save ? QFileDialog::getSaveFileName(window, title, start, filter)
                : QFileDialog::getOpenFileName(window, title, start, filter);
}

QStringList ExchangeMenu::chosenSeqs() const {
    QStringList seqs;
    const QAbstractItemView* grid = window->grdDataList;
    for (const QModelIndex& row : grid->selectionModel()->selectedRows(1)) {
        const QString seq = row.data().toString();
        if (!seq.isEmpty())
            seqs << seq;
    }
    return seqs;
}

bool ExchangeMenu::noTypingInProgress() {
    if (!window->typing())
        return true;
    tell(window,
         QStringLiteral("입력하거나 수정하는 중입니다.\n저장하거나 Esc로 취소한 뒤에 "
                        "하십시오"),
         MessageBox::Icon::Exclamation);
    return false;
}

void ExchangeMenu::exportChosenFile(const QAction* action, Format format, bool chosenOnly) {
    const bool csv = format == Format::Csv;
    exportTo(chooseFile(true, action->text(), csv ? "주소록.csv" : "주소록.vcf",
                        csv ? csvFilter : vcardFilter),
             format, chosenOnly);
}

void ExchangeMenu::exportTo(const QString& path, Format format, bool chosenOnly) {
    if (path.isEmpty())
        return;
    try {
        const qsizetype count =
            exportFile(book(), format, path, chosenOnly ? chosenSeqs() : QStringList());
        MessageBox::done(window, QStringLiteral("%1명을 %2 파일로 내보냈습니다")
                                     .arg(count)
                                     .arg(QFileInfo(path).fileName()));
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
    }
}

void ExchangeMenu::importFrom(const QString& path) {
    if (path.isEmpty() || !noTypingInProgress())
        return;
    const QString name = QFileInfo(path).fileName();
    try {
        const QByteArray bytes = readFile(path);
        if (VCard::looksLikeVCard(bytes))
            showPreview(name, VCard::read(bytes));
        else
            importTable(name, AddresseeCsv::readTable(bytes));
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
    }
}

void ExchangeMenu::importTable(const QString& source, const ForeignTable& table) {
    const ColumnMapping::Mapping guessed = ColumnMapping::guess(table.columns);
    if (!ColumnMapping::anyUnknown(table.columns, guessed)) {
        showPreview(source, ColumnMapping::apply(table, guessed));
        return;
    }
    auto* dialog =
        new ColumnMappingDialog(table.columns, ColumnMapping::samples(table), guessed, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ColumnMappingDialog::chosen, this,
            [this, source, table](const ColumnMapping::Mapping& mapping) {
                showPreview(source, ColumnMapping::apply(table, mapping));
            });
    dialog->open();
}

void ExchangeMenu::importAccessFrom(const QString& path) {
    if (path.isEmpty() || !noTypingInProgress())
        return;
    const std::optional<AccessFile::Contents> contents = AccessReading::read(window, path);
    if (!contents)
        return;
    const QString source = QFileInfo(path).fileName();
    if (AccessBook::isOwnBook(*contents)) {
        importOwnBook(source, AccessBook::ownBook(*contents));
        return;
    }
    auto* dialog = new AccessTableDialog(source, *contents, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &AccessTableDialog::codePageChosen, this,
            [this, dialog, path](const QString& codePage) {
                if (const auto again = AccessReading::read(window, path, codePage))
                    dialog->setContents(*again);
            });
    connect(dialog, &AccessTableDialog::tableChosen, this,
            [this, source](const ForeignTable& table) { importTable(source, table); });
    dialog->open();
}

void ExchangeMenu::importOwnBook(const QString& source, const AccessBook::OwnBook& own) {
    QStringList sender = own.sender;
    try {
        if (!sender.isEmpty() && AccessBook::hasSender(book()) &&
            !MessageBox::ask(window, QStringLiteral("%1 파일에 보내는 사람 정보(%2)가 있습니다.\n"
                                                    "지금의 보내는 사람 정보를 이것으로 "
                                                    "바꾸시겠습니까?")
                                         .arg(source, sender.first())))
            sender.clear();
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
        return;
    }
    showPreview(source, own.addressees, Origin::OwnBook, sender);
}

void ExchangeMenu::showPreview(const QString& source, const AddresseeFields::FileRows& rows,
                               Origin origin, const QStringList& sender) {
    Preview found;
    try {
        found = preview(rows, book(), origin);
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
        return;
    }
    auto* dialog = new ImportPreviewDialog(source, found, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ImportPreviewDialog::chosen, this,
            [this, found, sender](ImportPreviewDialog::Choice choice) {
                addRows(choice == ImportPreviewDialog::Choice::AddAll ? found.rows
                                                                      : withoutLookAlikes(found),
                        sender);
            });
    dialog->open();
}

void ExchangeMenu::addRows(const QList<QStringList>& rows, const QStringList& sender) {
    QProgressDialog progress(QStringLiteral("주소를 추가하고 있습니다..."), QStringLiteral("취소"),
                             0, int(rows.size()), window);
    progress.setWindowTitle(QStringLiteral("가져오기"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::optional<Added> last;
    try {
        last = addressees().addAll(
            rows,
            [&](qsizetype done, qsizetype) {
                progress.setValue(int(done));
                return !progress.wasCanceled();
            },
            sender);
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
        return;
    }
    if (!last) {
        MessageBox::done(window,
                         QStringLiteral("가져오기를 취소했습니다. 아무것도 추가하지 않았습니다"));
        return;
    }
    showBookAgain();
    QString summary = QStringLiteral("%1명을 추가했습니다").arg(rows.size());
    if (!last->renumbered.isEmpty())
        summary += QStringLiteral("\n이미 있는 번호여서 번호를 바꾼 주소 %1명:\n%2")
                       .arg(last->renumbered.size())
                       .arg(describe(rows, last->renumbered).join(QLatin1Char('\n')));
    if (!sender.isEmpty())
        summary += QStringLiteral("\n보내는 사람 정보를 바꿨습니다");
    MessageBox::done(window, summary);
}

void ExchangeMenu::backupTo(const QString& path) {
    if (path.isEmpty())
        return;
    try {
        // A copy of a damaged book is worth keeping, but only when the user
        // knows what it is.
        const QString damage = BookBackup::damage(book());
        if (!damage.isEmpty() &&
            MessageBox::show(window,
                             QStringLiteral("주소록 파일 %1 이(가) 손상되었습니다.\n(%2)\n손상된 "
                                            "그대로 %3 파일로 복사해 둡니까?\n이 복사본은 "
                                            "복원할 수 없습니다")
                                 .arg(book().path(), damage.section(QLatin1Char('\n'), 0, 0),
                                      QFileInfo(path).fileName()),
                             MessageBox::Icon::Exclamation,
                             MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
            return;
        BookBackup::backup(book(), path);
        if (damage.isEmpty())
            MessageBox::done(
                window,
                QStringLiteral("주소록을 %1 파일로 백업했습니다").arg(QFileInfo(path).fileName()));
        else
            tell(window,
                 QStringLiteral("손상된 주소록을 %1 파일로 복사했습니다. 이 복사본도 손상되어 "
                                "있습니다")
                     .arg(QFileInfo(path).fileName()),
                 MessageBox::Icon::Exclamation);
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
    }
}

void ExchangeMenu::restoreFrom(const QString& path) {
    if (path.isEmpty() || !noTypingInProgress())
        return;
    QString kept;
    try {
        BookBackup::check(path);
        if (!MessageBox::ask(window,
                             QStringLiteral("지금 주소록의 내용을 %1 파일의 내용으로 "
                                            "바꾸시겠습니까?\n지금 주소록은 옆에 따로 남겨 둡니다")
                                 .arg(QFileInfo(path).fileName())))
            return;
        kept = addressees().restore(path);
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
        return;
    }
    showBookAgain();
    MessageBox::done(
        window,
        QStringLiteral("주소록을 복원했습니다.\n바뀌기 전의 주소록은 %1에 있습니다").arg(kept));
}

void ExchangeMenu::updateZipcodes() {
    if (!noTypingInProgress())
        return;
    if (PostcodeUpdateDialog* dialog = PostcodeUpdateDialog::open())
        connect(dialog, &PostcodeUpdateDialog::applied, this, &ExchangeMenu::showBookAgain,
                Qt::UniqueConnection);
}

void ExchangeMenu::showBookAgain() {
    try {
        addressees().reload();
    } catch (const StoreError& e) {
        tell(window, e.message(), MessageBox::Icon::Stop);
        return;
    }
    window->browseFromFirst();
}
