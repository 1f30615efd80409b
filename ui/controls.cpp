#include "controls.h"

#include <QStyle>
#include <QStyleOptionButton>

#include "twips.h"

namespace quorvel {

QFont arialfont(double points, bool bold) {
    QFont f("Arial");
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void namefield(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    field->setAccessibleName(caption->text().simplified());
}

QFont smallfont() {
    // The boxes and check boxes are sized for a narrow sans serif at 8.25 pt;
    // Arial (Liberation Sans) fits them on every desktop.
    QFont f("Arial");
    f.setPointSizeF(8.25);
    return f;
}

void ControlFactory::place(QWidget* w, const char* name, TwipsBox box, const QString& tooltip) {
    w->setObjectName(name);
    if (!tooltip.isEmpty()) w->setToolTip(tooltip);
    placetwips(w, box.left, box.top, box.width, box.height, tpp_);
}

void widentofit(QAbstractButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    const QStyle::SubElement contents = qobject_cast<QCheckBox*>(b) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    const int room = b->style()->subElementRect(contents, &opt, b).width();
    const int need = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&'));
    if (need > room) b->resize(b->width() + need - room, b->height());
}

QLabel* ControlFactory::label(const char* name, const QString& caption, TwipsBox box,
                              const QFont& font, const QString& tooltip) {
    auto* l = new QLabel(caption, parent_);
    l->setFont(font);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(l, name, box, tooltip);
    return l;
}

QLineEdit* ControlFactory::textbox(const char* name, TwipsBox box, const QString& tooltip) {
    auto* t = new QLineEdit(parent_);
    t->setFont(smallfont());
    t->setTextMargins(1, 0, 1, 0);
    place(t, name, box, tooltip);
    return t;
}

QCheckBox* ControlFactory::checkbox(const char* name, const QString& caption, TwipsBox box,
                                    const QString& tooltip) {
    auto* c = new QCheckBox(caption, parent_);
    c->setFont(smallfont());
    // A button's background role is the button colour; a check box here has the form's.
    c->setBackgroundRole(QPalette::Window);
    c->setAutoFillBackground(true);
    place(c, name, box, tooltip);
    widentofit(c);
    return c;
}

QPushButton* ControlFactory::button(const char* name, const QString& caption, TwipsBox box,
                                    const QFont& font, const QString& tooltip) {
    auto* b = new QPushButton(caption, parent_);
    b->setFont(font);
    place(b, name, box, tooltip);
    widentofit(b);
    return b;
}

QFrame* ControlFactory::frame(const char* name, TwipsBox box, const QColor& border) {
    auto* f = new QFrame(parent_);
    f->setFrameShape(QFrame::Box);
    QPalette p = f->palette();
    p.setColor(QPalette::WindowText, border);
    f->setPalette(p);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(f, name, box, {});
    f->lower();
    return f;
}

void setformpalette(QWidget* form) {
    QPalette p = form->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Window, FORM_YELLOW);
        p.setColor(g, QPalette::WindowText, Qt::black);
        p.setColor(g, QPalette::Base, Qt::white);
        p.setColor(g, QPalette::Text, Qt::black);
        p.setColor(g, QPalette::PlaceholderText, QColor(110, 110, 110));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, FORM_YELLOW);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    form->setPalette(p);
}

void setbuttoncolour(QPushButton* button, const QColor& colour) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    const double luminance = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue();
    p.setColor(QPalette::ButtonText, luminance < 128 ? Qt::white : Qt::black);
    button->setPalette(p);
}

void settextcolour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

}  // namespace quorvel
