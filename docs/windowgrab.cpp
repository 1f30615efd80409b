#include "windowgrab.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <utility>

void MessagesFail::showmessage(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s: %s\n", program_, title.c_str(), text.c_str());
    failed = true;
}

bool drawexample(QWidget& window, const char* button) {
    const std::pair<const char*, const char*> fields[] = {
        {"txtday", "21"}, {"txtmonth", "6"}, {"txtyear", "2006"}, {"txthour", "12"},
        {"txtmin", "0"},  {"txttz", "0"},    {"txtlat", "51.5"},  {"txtlong", "0"}};
    for (const auto& [name, text] : fields) {
        auto* field = window.findChild<QLineEdit*>(name);
        if (!field) return false;
        field->setText(text);
    }
    for (const char* name : {"chkgrid", "chkposang", "chkdrift", "chksunrot"})
        if (auto* box = window.findChild<QCheckBox*>(name)) box->setChecked(true);
    auto* press = window.findChild<QPushButton*>(button);
    if (!press) return false;
    press->setFocus();  // as a click of the mouse leaves it
    press->click();
    return true;
}

QImage grabexample(QWidget& window, const char* button) {
    window.show();
    QApplication::processEvents();
    if (!drawexample(window, button)) return {};
    QApplication::processEvents();
    return window.grab().toImage();
}
