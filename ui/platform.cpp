#include "platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace quorvel {

void QtMessageBoxes::showmessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

void QtProgramEnd::endprogram() {
    ended_ = true;
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

}  // namespace quorvel
