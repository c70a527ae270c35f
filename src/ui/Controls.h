#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <initializer_list>

class QHBoxLayout;

// Builders for the controls of the windows: each control gets its name as
// object name, the usual font (굴림 9.75 points) and its place in twips.
namespace Controls {
// A label; without a width and height it takes the size of its caption,
// and with them it grows where its caption needs more room.
QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width = 0, int height = 0);
// Grows a label of a given size where its caption needs more room.
void fitCaption(QLabel* label);
// A text box; maxLength counts characters as the user sees them (a character
// outside the BMP, such as an emoji, is one), and text that does not fit is
// cut before the first character that does not fit, never inside one.
QLineEdit* textBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                   int maxLength = 0);
// The most characters a box accepts.
int characterLimit(const QLineEdit* box);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height, double points = 9.75);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QRadioButton* option(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height);
// A dialog's buttons at the right end of a row, made in the order given,
// each with its object name and caption.
struct RowButton {
    QPushButton** button;
    const char* name;
    QString caption;
};
QHBoxLayout* buttonRow(QWidget* dialog, std::initializer_list<RowButton> buttons);
// A list whose lines end, out of sight, with the key of their row: no
// sideways scrolling, no shortening of the lines, and the key never drawn.
QListWidget* keyedList(QWidget* parent, const char* name, int left, int top, int width, int height);
// Makes a list one of keyed lines.
void hideKeys(QListWidget* list);
// Names controls after the label that stands for them, for screen readers
// and the desktop's accessibility interface; the first is the label's buddy.
void nameAfter(QLabel* label, std::initializer_list<QWidget*> controls);
// Makes a grid's column a fixed one: drawn like a header and never shown
// selected.
void fixedColumn(QTableView* grid, int column);
// A box that shows and stores one column of a row.
struct BoundBox {
    QWidget* box;
    const char* column;
};
// What a text box holds, or for a check box "1" when ticked and "2" when not.
QString boxValue(const QWidget* box);
// Shows a stored value: a check box is ticked for "1" only.
void setBoxValue(QWidget* box, const QString& value);
// Opens a window in the middle of the screen.
void centre(QWidget* window);
// The keyboard order of a window, first to last.
void tabOrder(const QList<QWidget*>& widgets);
} // namespace Controls
