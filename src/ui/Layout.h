#pragma once

#include "Controls.h"
#include "Fonts.h"
#include "MillimetreBox.h"
#include "Twips.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <span>
#include <variant>

// A window's controls as one table: each control's member, kind, the frame
// it stands in, its place in twips and its caption. The window's
// constructor builds the table; the layout tests read the same table.
namespace Layout {
template <class W>
using Member =
    std::variant<QGroupBox * W::*, QLabel * W::*, QLineEdit * W::*, QPushButton * W::*,
                 QCheckBox * W::*, QRadioButton * W::*, QListWidget * W::*, QComboBox * W::*,
                 QTableView * W::*, QPlainTextEdit * W::*, QTabWidget * W::*, QStatusBar * W::*,
                 QSpinBox * W::*, MillimetreBox * W::*, QWidget * W::*>;

template <class W> struct Control {
    Member<W> member;
    // The object name, as the member is called.
    const char* name;
    // The control it stands in (a frame or a page); nullptr: the window.
    const char* in;
    // Left, top, width, height. A label without a width and height takes
    // the size of its caption.
    QRect twips;
    const char* caption = "";
    // A text box: the most characters it takes (0: no limit). A frame: the
    // size of its caption in points.
    double extent = 0;
};

// Makes the control of one row inside `parent` and returns it.
QWidget* make(QGroupBox*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
QWidget* make(QLabel*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
QWidget* make(QLineEdit*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
QWidget* make(QPushButton*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
QWidget* make(QCheckBox*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
QWidget* make(QRadioButton*, QWidget* parent, const char* name, QRect twips, const QString& caption,
              double extent);
// Any other control: its name, the usual font and its place.
QWidget* make(QWidget* control, QWidget* parent, const char* name, QRect twips, const QString&,
              double);

// Builds every control of the table into `window`, in the table's order,
// and sets the window's members to them.
template <class W> void build(W* window, std::span<const Control<W>> table) {
    for (const Control<W>& row : table) {
        QWidget* parent =
            row.in ? window->template findChild<QWidget*>(QString::fromLatin1(row.in)) : window;
        std::visit(
            [&](auto member) {
                using T = std::remove_pointer_t<std::remove_reference_t<decltype(window->*member)>>;
                T* control = nullptr;
                if constexpr (std::is_same_v<T, QGroupBox> || std::is_same_v<T, QLabel> ||
                              std::is_same_v<T, QLineEdit> || std::is_same_v<T, QPushButton> ||
                              std::is_same_v<T, QCheckBox> || std::is_same_v<T, QRadioButton>)
                    control =
                        static_cast<T*>(make(static_cast<T*>(nullptr), parent, row.name, row.twips,
                                             QString::fromUtf8(row.caption), row.extent));
                else
                    control = static_cast<T*>(
                        make(new T(parent), parent, row.name, row.twips, QString(), 0));
                window->*member = control;
            },
            row.member);
    }
}
} // namespace Layout
