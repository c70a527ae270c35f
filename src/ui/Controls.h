#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

// Builders for the controls of the windows: each control gets its name as
// object name, the usual font (굴림 9.75 points) and its place in twips.
namespace Controls {
// A label; without a width and height it takes the size of its caption.
QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width = 0, int height = 0);
QLineEdit* textBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                   int maxLength = 0);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height, double points = 9.75);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
QRadioButton* option(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height);
// A list whose lines end, out of sight, with the key of their row: no
// sideways scrolling and no shortening of the lines.
QListWidget* keyedList(QWidget* parent, const char* name, int left, int top, int width, int height);
// The key a keyed list line ends with: its last five characters without
// their leading blanks.
QString lineKey(const QString& line);
// Opens a window in the middle of the screen.
void centre(QWidget* window);
// The keyboard order of a window, first to last.
void tabOrder(std::initializer_list<QWidget*> widgets);
} // namespace Controls
