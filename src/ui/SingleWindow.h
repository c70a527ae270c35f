#pragma once

#include <QPointer>
#include <QWidget>

// A modeless window that exists at most once. open() creates and loads it
// (load returning false abandons it) or brings the open one to the front.
template <class Window> class SingleWindow {
  public:
    static Window* instance() { return slot().data(); }

    static Window* open() {
        if (Window* window = slot().data()) {
            window->show();
            window->raise();
            window->activateWindow();
            return window;
        }
        auto* window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
        slot() = window;
        if (!window->load()) {
            delete window;
            return nullptr;
        }
        window->show();
        return window;
    }

  private:
    static QPointer<Window>& slot() {
        static QPointer<Window> window;
        return window;
    }
};
