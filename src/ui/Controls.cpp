#include "Controls.h"

#include "Fonts.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
template <class W> W* create(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFont(Fonts::gulim());
    return widget;
}
} // namespace

QLabel* Controls::label(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* l = create<QLabel>(parent, name);
    l->setText(caption);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (width > 0 && height > 0) {
        Twips::place(l, left, top, width, height);
    } else {
        l->adjustSize();
        l->move(Twips::toPixels(left), Twips::toPixels(top));
    }
    return l;
}

QLineEdit* Controls::textBox(QWidget* parent, const char* name, int left, int top, int width,
                             int height, int maxLength) {
    auto* box = create<QLineEdit>(parent, name);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    Twips::place(box, left, top, width, height);
    return box;
}

QPushButton* Controls::button(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height) {
    auto* b = create<QPushButton>(parent, name);
    b->setText(caption);
    b->setAutoDefault(false);
    Twips::place(b, left, top, width, height);
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
    auto* c = create<QCheckBox>(parent, name);
    c->setText(caption);
    Twips::place(c, left, top, width, height);
    return c;
}

QRadioButton* Controls::option(QWidget* parent, const char* name, const QString& caption, int left,
                               int top, int width, int height) {
    auto* o = create<QRadioButton>(parent, name);
    o->setText(caption);
    Twips::place(o, left, top, width, height);
    return o;
}

void Controls::tabOrder(std::initializer_list<QWidget*> widgets) {
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
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setUniformItemSizes(true);
    Twips::place(list, left, top, width, height);
    return list;
}

QString Controls::lineKey(const QString& line) {
    QString key = line.right(5);
    while (key.startsWith(QLatin1Char(' ')))
        key.remove(0, 1);
    return key;
}
