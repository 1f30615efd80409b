#include "reachable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QStackedWidget>
#include <QWidget>
#include <functional>

namespace quorvel {
namespace {

using Owners = QMap<QChar, QAbstractButton*>;  // nullptr: a letter chosen in the caption itself

/// The letters and digits of a caption, each once, in order.
QList<QChar> candidates(const QString& text) {
    QList<QChar> out;
    for (QChar c : text)
        if (c.isLetterOrNumber() && !out.contains(c.toLower())) out << c.toLower();
    return out;
}

/// The tab page (a page of a stacked widget) a control lies on; nullptr outside any.
const QWidget* pageof(const QWidget* w) {
    for (; w && w->parentWidget(); w = w->parentWidget())
        if (qobject_cast<const QStackedWidget*>(w->parentWidget())) return w;
    return nullptr;
}

/// Matches the open buttons to free letters by augmenting paths, each trying its caption's letters in order.
void match(const QList<QAbstractButton*>& open, Owners& owner) {
    std::function<bool(QAbstractButton*, QList<QChar>&)> place = [&](QAbstractButton* b, QList<QChar>& seen) {
        for (QChar c : candidates(b->text())) {
            if (seen.contains(c)) continue;
            seen << c;
            const auto it = owner.find(c);
            if (it != owner.end() && (!*it || !place(*it, seen))) continue;
            owner[c] = b;
            return true;
        }
        return false;
    };
    for (QAbstractButton* b : open) {
        QList<QChar> seen;
        place(b, seen);
    }
}

void mark(const Owners& owner) {
    for (auto it = owner.begin(); it != owner.end(); ++it) {
        if (!*it || (*it)->text().contains('&')) continue;
        QString text = (*it)->text();
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].toLower() == it.key()) {
                (*it)->setText(text.insert(i, '&'));
                break;
            }
    }
}

void givemnemonics(QWidget& window) {
    QMap<const QWidget*, QList<QAbstractButton*>> open;  // by page; nullptr outside any
    QMap<const QWidget*, Owners> chosen;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        const QString text = b->text();
        const qsizetype at = text.indexOf('&');
        if (at >= 0 && at + 1 < text.size()) chosen[pageof(b)][text[at + 1].toLower()] = nullptr;
        else if (!text.isEmpty()) open[pageof(b)] << b;
    }
    Owners outside = chosen.value(nullptr);
    match(open.value(nullptr), outside);
    mark(outside);
    for (auto it = open.begin(); it != open.end(); ++it) {
        if (!it.key()) continue;
        Owners page = chosen.value(it.key());  // the page's own letters, and every letter outside it, are fixed
        for (auto c = outside.begin(); c != outside.end(); ++c) page[c.key()] = nullptr;
        match(it.value(), page);
        mark(page);
        // Where the letters run out, one shared with a control outside the
        // page: Alt+letter then moves the focus between the two.
        QList<QAbstractButton*> left;
        Owners own;
        for (QAbstractButton* b : it.value()) {
            const qsizetype at = b->text().indexOf('&');
            if (at < 0) left << b;
            else own[b->text()[at + 1].toLower()] = nullptr;
        }
        match(left, own);
        mark(own);
    }
}

/// The label just before field in its layout, if any.
QLabel* labelbefore(QLineEdit* field) {
    QLayout* layout = field->parentWidget() ? field->parentWidget()->layout() : nullptr;
    if (!layout) return nullptr;
    QList<QLayout*> layouts{layout};
    for (qsizetype k = 0; k < layouts.size(); ++k) {
        QLayout* l = layouts[k];
        for (int i = 0; i < l->count(); ++i) {
            if (QLayout* inner = l->itemAt(i)->layout()) layouts << inner;
            if (l->itemAt(i)->widget() == field && i > 0) return qobject_cast<QLabel*>(l->itemAt(i - 1)->widget());
        }
    }
    return nullptr;
}

void namefields(QWidget& window) {
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (!field->accessibleName().isEmpty() || qobject_cast<QWidget*>(field->parent()) != field->parentWidget())
            continue;
        if (QLabel* label = labelbefore(field)) {
            label->setBuddy(field);
            field->setAccessibleName(label->text().remove('&').simplified());
        } else if (!field->toolTip().isEmpty()) {
            field->setAccessibleName(field->toolTip().section(';', 0, 0));
        }
    }
}

}  // namespace

void makereachable(QWidget& window) {
    givemnemonics(window);
    namefields(window);
}

}  // namespace quorvel
