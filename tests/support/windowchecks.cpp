#include "windowchecks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTabBar>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <cstdlib>
#include <random>

#include "controls.h"

namespace quorvel::test {
namespace {

QString textof(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    return {};
}

QString kindof(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w)) return "label";
    if (qobject_cast<const QCheckBox*>(w)) return "checkbox";
    if (qobject_cast<const QPushButton*>(w)) return "button";
    if (qobject_cast<const QLineEdit*>(w)) return "textbox";
    if (qobject_cast<const QFrame*>(w)) return "frame";
    return "picture";
}

/// The controls a user sees: children inside the window's area (some lie below it on purpose).
QList<const QWidget*> shown(const QWidget& window) {
    QList<const QWidget*> out;
    for (const QWidget* w : window.findChildren<const QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&window) && window.rect().contains(w->geometry())) out << w;
    return out;
}

/// The width a control has for its text, pixels.
int room(const QWidget* w) {
    if (auto* c = qobject_cast<const QCheckBox*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(c);
        return c->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, c).width();
    }
    if (auto* b = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        return b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
    }
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const QMargins m = e->textMargins();
        constexpr int INNER = 2;  // the line edit's own margin each side
        return e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).width() - m.left() - m.right() - 2 * INNER;
    }
    return w->contentsRect().width();
}

QString fitproblem(const QWidget* w) {
    QString text = textof(w);
    if (qobject_cast<const QAbstractButton*>(w)) text.remove('&');  // the mnemonic's mark is not drawn
    if (text.isEmpty() || (qobject_cast<const QFrame*>(w) && !qobject_cast<const QLabel*>(w))) return {};
    const QFontMetrics fm(w->font());
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->wordWrap()) {
        int longest = 0;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) longest = std::max(longest, fm.horizontalAdvance(word));
        if (longest <= room(w) && label->heightForWidth(w->width()) <= w->height()) return {};
    } else if (fm.horizontalAdvance(text) <= room(w) && fm.height() <= w->height()) {
        return {};
    }
    return QString("%1 \"%2\" does not show whole in %3x%4").arg(w->objectName(), text).arg(w->width()).arg(w->height());
}

}  // namespace

QString windowdump(const QWidget& window) {
    QString out;
    for (const QWidget* w : window.findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        const QPalette& p = w->palette();
        out += QString("%1 %2 %3,%4 %5x%6 %7 \"%8\" %9 on %10 %11 %12%13\n")
                   .arg(kindof(w), w->objectName())
                   .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                   .arg(w->isVisibleTo(&window) ? "shown" : "hidden", textof(w).replace('\n', "\\n"),
                        p.color(w->foregroundRole()).name(), p.color(w->backgroundRole()).name(), w->font().family())
                   .arg(w->font().pointSizeF())
                   .arg(w->font().bold() ? " bold" : "");
        if (!w->accessibleName().isEmpty()) out += "  named \"" + w->accessibleName() + "\"\n";
    }
    // The order Tab takes through the controls that take the focus by it.
    out += "tab:";
    for (const QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(&window)) out += " " + w->objectName();
    return out + "\n";
}

QStringList layoutproblems(const QWidget& window) {
    QStringList problems;
    const QList<const QWidget*> controls = shown(window);
    for (const QWidget* w : controls) {
        if (const QString p = fitproblem(w); !p.isEmpty()) problems << p;
        if (qobject_cast<const QAbstractButton*>(w) && !textof(w).contains('&'))
            problems << w->objectName() + " has no Alt+letter";
        if (qobject_cast<const QLineEdit*>(w) && w->accessibleName().isEmpty())
            problems << w->objectName() + " has no name a screen reader announces";
        if (auto* c = qobject_cast<const QCheckBox*>(w)) {
            const QColor corner = const_cast<QCheckBox*>(c)->grab().toImage().pixelColor(c->width() - 1, 0);
            if (corner != FORM_YELLOW) problems << c->objectName() + " stands on " + corner.name();
        }
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            const QWidget *a = controls[i], *b = controls[j];
            if (kindof(a) == "frame" || kindof(b) == "frame") continue;
            if (a->geometry().intersects(b->geometry()))
                problems << a->objectName() + " overlaps " + b->objectName();
        }
    return problems;
}

QStringList textproblems(const QWidget& window) {
    QStringList problems;
    auto cut = [&](const QWidget* w, const QString& text, int need, int have) {
        if (need > have) problems << QString("%1 \"%2\" needs %3 pixels, has %4").arg(w->objectName(), text).arg(need).arg(have);
    };
    for (const QWidget* w : window.findChildren<const QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        const QFontMetrics fm(w->font());
        if (auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty() && l->textFormat() != Qt::RichText) {
            const QString shown = l->buddy() ? QString(l->text()).remove('&') : l->text();  // the mnemonic's mark
            if (l->wordWrap()) cut(w, shown, l->heightForWidth(l->width()), l->height());
            else cut(w, shown, fm.horizontalAdvance(shown), l->contentsRect().width());
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) {
            cut(w, b->text(), b->sizeHint().width(), b->width());
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            cut(w, g->title(), g->minimumSizeHint().width(), g->width());
        } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
            cut(w, c->currentText(), c->sizeHint().width(), c->width());
        } else if (auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                cut(w, t->tabText(i), fm.horizontalAdvance(QString(t->tabText(i)).remove('&')), t->tabRect(i).width() - 8);
        }
    }
    return problems;
}

QString comparestored(const QString& text, const QString& path) {
    QFile f(path);
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) {
        if (!f.open(QIODevice::WriteOnly)) return "cannot write " + path;
        f.write(text.toUtf8());
        return {};
    }
    if (!f.open(QIODevice::ReadOnly)) return path + " is missing: run with QUORVEL_UPDATE_GOLDEN=1";
    const QStringList stored = QString::fromUtf8(f.readAll()).split('\n'), now = text.split('\n');
    for (int i = 0; i < std::max(stored.size(), now.size()); ++i) {
        const QString a = stored.value(i), b = now.value(i);
        if (a != b) return QString("%1:%2\n stored: %3\n now:    %4").arg(path).arg(i + 1).arg(a, b);
    }
    return {};
}

QString mountpairproblem(QWidget& window) {
    auto* altaz = window.findChild<QCheckBox*>("chkaltaz");
    auto* equat = window.findChild<QCheckBox*>("chkequat");
    auto* notice = window.findChild<QLabel*>("lblalter");
    std::mt19937 pick(2006);
    for (int click = 1; click <= 40; ++click) {
        QCheckBox* box = pick() % 2 ? altaz : equat;
        notice->hide();
        QStyleOptionButton opt;
        opt.initFrom(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center());
        if (altaz->isChecked() == equat->isChecked() || notice->isHidden())
            return QString("after click %1 on %2: altaz %3, equat %4, notice %5")
                .arg(click).arg(box->objectName()).arg(altaz->isChecked()).arg(equat->isChecked()).arg(!notice->isHidden());
    }
    return {};
}

}  // namespace quorvel::test
