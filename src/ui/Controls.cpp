#include "Controls.h"

#include "Fonts.h"
#include "Twips.h"

#include "store/TextRules.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QValidator>

namespace {
// Draws a keyed line without its key, however narrow the face or wide the
// list; the line's text keeps the key for the windows to read.
class KeyHidingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = TextRules::shownText(option->text);
    }
};

// Draws a grid's cell as a header section, whatever its state.
class HeaderCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex&) const override {
        QStyleOptionHeader header;
        header.rect = option.rect;
        header.state = QStyle::State_Enabled | QStyle::State_Raised;
        QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        // The header style leaves the painter changed for the next cells.
        painter->save();
        style->drawControl(QStyle::CE_Header, &header, painter, option.widget);
        painter->restore();
    }
};

template <class W> W* create(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFont(Fonts::gulim());
    return widget;
}

// A button of any kind with its caption.
template <class W>
W* captioned(QWidget* parent, const char* name, const QString& caption, int left, int top,
             int width, int height) {
    auto* button = create<W>(parent, name);
    button->setText(caption);
    Twips::place(button, left, top, width, height);
    return button;
}

// Cuts what was just typed or pasted (the text before the cursor) back to
// the limit, a whole character at a time.
class CharacterLimit : public QValidator {
  public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit(limit) {}
    State validate(QString& input, int& cursor) const override {
        for (qsizetype over = TextRules::characters(input) - limit; over > 0 && cursor > 0;
             --over) {
            const bool pair = cursor >= 2 && input[cursor - 1].isLowSurrogate() &&
                              input[cursor - 2].isHighSurrogate();
            const int cut = pair ? 2 : 1;
            input.remove(cursor - cut, cut);
            cursor -= cut;
        }
        return TextRules::characters(input) <= limit ? Acceptable : Invalid;
    }
    const int limit;
};
} // namespace

QLabel* Controls::label(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* l = create<QLabel>(parent, name);
    l->setText(caption);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (width > 0 && height > 0) {
        Twips::place(l, left, top, width, height);
        fitCaption(l);
    } else {
        l->adjustSize();
        l->move(Twips::toPixels(left), Twips::toPixels(top));
    }
    return l;
}

void Controls::fitCaption(QLabel* label) {
    // The Korean faces need more room than the given size may leave; a
    // caption set later has the height of a line at least.
    label->resize(qMax(label->width(), label->sizeHint().width()),
                  qMax(label->height(), label->fontMetrics().height()));
}

QLineEdit* Controls::textBox(QWidget* parent, const char* name, int left, int top, int width,
                             int height, int maxLength) {
    auto* box = create<QLineEdit>(parent, name);
    if (maxLength > 0) {
        // The box itself counts UTF-16 units: room for the longest text.
        box->setMaxLength(2 * maxLength);
        box->setValidator(new CharacterLimit(maxLength, box));
    }
    Twips::place(box, left, top, width, height);
    return box;
}

int Controls::characterLimit(const QLineEdit* box) {
    const auto* limit = dynamic_cast<const CharacterLimit*>(box->validator());
    return limit ? limit->limit : box->maxLength();
}

QPushButton* Controls::button(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height) {
    auto* b = captioned<QPushButton>(parent, name, caption, left, top, width, height);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* Controls::frame(QWidget* parent, const char* name, const QString& caption, int left,
                           int top, int width, int height, double points) {
    auto* f = create<QGroupBox>(parent, name);
    f->setTitle(caption);
    // Only the caption is bold; the controls inside set their own fonts.
    f->setFont(Fonts::gulim(points, true));
    Twips::place(f, left, top, width, height);
    return f;
}

QCheckBox* Controls::checkBox(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height) {
    return captioned<QCheckBox>(parent, name, caption, left, top, width, height);
}

QRadioButton* Controls::option(QWidget* parent, const char* name, const QString& caption, int left,
                               int top, int width, int height) {
    return captioned<QRadioButton>(parent, name, caption, left, top, width, height);
}

QHBoxLayout* Controls::buttonRow(QWidget* dialog, std::initializer_list<RowButton> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const RowButton& b : buttons) {
        *b.button = new QPushButton(b.caption, dialog);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        row->addWidget(*b.button);
    }
    return row;
}

void Controls::tabOrder(const QList<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void Controls::centre(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QListWidget* Controls::keyedList(QWidget* parent, const char* name, int left, int top, int width,
                                 int height) {
    auto* list = create<QListWidget>(parent, name);
    hideKeys(list);
    Twips::place(list, left, top, width, height);
    return list;
}

void Controls::hideKeys(QListWidget* list) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new KeyHidingDelegate(list));
}

void Controls::fixedColumn(QTableView* grid, int column) {
    grid->setItemDelegateForColumn(column, new HeaderCellDelegate(grid));
}

void Controls::nameAfter(QLabel* label, std::initializer_list<QWidget*> controls) {
    // Blanks that spread a short caption over its label ("이        름") are
    // not read out.
    const QString name =
        label->text().replace(QRegularExpression(QStringLiteral(" {2,}")), QString()).trimmed();
    label->setBuddy(*controls.begin());
    for (QWidget* control : controls)
        control->setAccessibleName(name);
}

QString Controls::boxValue(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(box))
        return text->toPlainText();
    return qobject_cast<const QCheckBox*>(box)->isChecked() ? QStringLiteral("1")
                                                            : QStringLiteral("2");
}

void Controls::setBoxValue(QWidget* box, const QString& value) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(value);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        text->setPlainText(value);
    else
        qobject_cast<QCheckBox*>(box)->setChecked(value == QStringLiteral("1"));
}
