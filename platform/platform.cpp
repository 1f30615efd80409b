#include "platform.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "language.h"

namespace quorvel {

void QtMessageBoxes::showmessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, translatemessage(title), translatemessage(text),
                    QMessageBox::Ok, parent_);
    // Centred over its window once that is on the screen (the desktop may not
    // have placed it yet at its first showing), else on the screen.
    box.adjustSize();
    QRect over = parent_ && parent_->isVisible() ? parent_->frameGeometry() : QRect();
    if (over.isEmpty()) {
        QScreen* screen = parent_ && parent_->screen() ? parent_->screen() : QGuiApplication::primaryScreen();
        if (screen) over = screen->availableGeometry();
    }
    if (!over.isEmpty()) box.move(over.center() - box.rect().center());
    box.exec();
}

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setimage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

void QtClipboard::settext(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::beep() { QApplication::beep(); }

void QtProgramEnd::endprogram() {
    ended_ = true;
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

}  // namespace quorvel
