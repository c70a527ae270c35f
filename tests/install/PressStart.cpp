#include <QApplication>
#include <QGenericPlugin>
#include <QPushButton>
#include <QTimer>

// Loaded into the installed program by the install test
// (QT_QPA_GENERIC_PLUGINS=pressstart): once the start window is up it presses
// "시작", as a user would, so the addressee window opens the address book.
class PressStart : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "PressStart.json")

  public:
    QObject* create(const QString&, const QString&) override {
        auto* presser = new QObject;
        QTimer::singleShot(0, presser, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* start = window->findChild<QPushButton*>("cmdStartOrvaneit"))
                    start->click();
        });
        return presser;
    }
};

#include "PressStart.moc"
