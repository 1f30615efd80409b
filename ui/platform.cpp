#include "platform.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

namespace quorvel {

void QtMessageBoxes::showmessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
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
