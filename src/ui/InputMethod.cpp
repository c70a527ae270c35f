#include "InputMethod.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QPointer>
#include <QWidget>

namespace {
// When the focus moves, Qt puts the syllable being composed into the box
// that is left; ibus-hangul then sends the same syllable once more, and it
// arrives in the box that got the focus. That second copy is dropped.
class SyllableKeeper : public QObject {
  public:
    SyllableKeeper() {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
            if (old && old == lastBox)
                repeat = lastCommit;
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            repeat.clear();
        } else if (event->type() == QEvent::InputMethod) {
            const auto* e = static_cast<QInputMethodEvent*>(event);
            // An event that clears nothing but the shown composition changes nothing here.
            if (e->commitString().isEmpty() && e->preeditString().isEmpty())
                return false;
            const bool commitOnly = e->preeditString().isEmpty();
            if (!repeat.isEmpty() && watched != lastBox && commitOnly &&
                e->commitString() == repeat) {
                repeat.clear();
                return true;
            }
            repeat.clear();
            lastBox = watched;
            lastCommit = commitOnly ? e->commitString() : QString();
        }
        return false;
    }

  private:
    // The box of the last composition event, and what it committed when
    // that event ended a syllable.
    QPointer<QObject> lastBox;
    QString lastCommit;
    // The syllable ibus-hangul is expected to send again.
    QString repeat;
};

// Answers the input method that the box takes no composed text.
class LatinOnly : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::InputMethodQuery)
            return false;
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        if (!(query->queries() & Qt::ImEnabled))
            return false;
        query->setValue(Qt::ImEnabled, false);
        return true;
    }
};
} // namespace

void InputMethod::install() {
    static SyllableKeeper keeper;
    qApp->installEventFilter(&keeper);
}

void InputMethod::latinOnly(QWidget* box) {
    static LatinOnly latin;
    box->installEventFilter(&latin);
}
