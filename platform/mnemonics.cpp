#include "mnemonics.h"

#include <QAbstractButton>
#include <QMap>
#include <QWidget>
#include <functional>

namespace quorvel {
namespace {

/// The letters and digits of a caption, each once, in order.
QList<QChar> candidates(const QString& text) {
    QList<QChar> out;
    for (QChar c : text)
        if (c.isLetterOrNumber() && !out.contains(c.toLower())) out << c.toLower();
    return out;
}

}  // namespace

void givemnemonics(QWidget& window) {
    QList<QAbstractButton*> open;  // the buttons still without a mnemonic
    QMap<QChar, QAbstractButton*> owner;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        const QString text = b->text();
        const qsizetype at = text.indexOf('&');
        if (at >= 0 && at + 1 < text.size()) owner[text[at + 1].toLower()] = nullptr;  // kept as chosen
        else if (!text.isEmpty()) open << b;
    }
    // As many buttons as the letters allow get one: a matching by augmenting
    // paths, each button trying its caption's letters in order.
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
    for (auto it = owner.begin(); it != owner.end(); ++it) {
        if (!*it) continue;
        QString text = (*it)->text();
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].toLower() == it.key()) {
                (*it)->setText(text.insert(i, '&'));
                break;
            }
    }
}

}  // namespace quorvel
