#include "controls.h"

#include "twips.h"

namespace quorvel {

QFont arialfont(double points, bool bold) {
    QFont f("Arial");
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont smallfont() {
    // The design's small face is a narrow bitmap sans serif that this desktop
    // lacks (it would fall back to a wider face); Arial's metrics come closest.
    QFont f("Arial");
    f.setPointSizeF(8.25);
    return f;
}

void ControlFactory::place(QWidget* w, const char* name, TwipsBox box, const QString& tooltip) {
    w->setObjectName(name);
    if (!tooltip.isEmpty()) w->setToolTip(tooltip);
    placetwips(w, box.left, box.top, box.width, box.height, tpp_);
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
    c->setAutoFillBackground(true);
    QPalette p = c->palette();
    p.setColor(QPalette::Window, FORM_YELLOW);
    c->setPalette(p);
    place(c, name, box, tooltip);
    return c;
}

QPushButton* ControlFactory::button(const char* name, const QString& caption, TwipsBox box,
                                    const QFont& font, const QString& tooltip) {
    auto* b = new QPushButton(caption, parent_);
    b->setFont(font);
    place(b, name, box, tooltip);
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

void settextcolour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

}  // namespace quorvel
