// Counting in the measuring window, as an observer does it: Find Spots on a
// sun drawn by the test, corrections through the buttons and the tree, undo
// and redo, a spot added by a click, Copy on the counting tab, and a changed time. Each
// step's tree, counts line and status are compared with a stored session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "fakes.h"
#include "measurewindow.h"
#include "spotpanel.h"
#include "spotsky.h"
#include "windowchecks.h"

namespace quorvel {
namespace {

/// The tree of groups and spots, a line an item, then the counts and the status.
std::string session(const MeasureWindow& w, const std::string& step) {
    const auto* tree = w.findChild<QTreeWidget*>("treespots");
    std::string t = "== " + step + "\n";
    auto line = [](const QTreeWidgetItem* item) {
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c) cells << item->text(c);
        return cells.join(" | ").toStdString() + "\n";
    };
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        t += line(tree->topLevelItem(g));
        for (int s = 0; s < tree->topLevelItem(g)->childCount(); ++s) t += "    " + line(tree->topLevelItem(g)->child(s));
    }
    return t + w.spotpanel()->countsline() + "\n" + w.statustext() + "\n";
}

/// Selects the tree's items whose first column is one of names.
void choose(MeasureWindow& w, const QStringList& names) {
    auto* tree = w.findChild<QTreeWidget*>("treespots");
    tree->clearSelection();
    for (QTreeWidgetItem* item : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive))
        item->setSelected(names.contains(item->text(0)));
}

void press(MeasureWindow& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }

TEST(SpotPanel, AnObserversSession) {
    QTemporaryDir dir;
    const test::Sky sky{700, 660, 350.3, 329.6, 300, 5, 0.01, 0.06, -0.04, 40000};
    std::vector<test::DrawnRegion> regions;
    for (const test::DrawnGroup& g : test::kDay) regions.insert(regions.end(), g.regions.begin(), g.regions.end());
    const GrayImage img = test::drawsky(sky, regions);
    QImage png(img.width, img.height, QImage::Format_Grayscale8);
    for (int32_t y = 0; y < img.height; ++y)
        for (int32_t x = 0; x < img.width; ++x) png.scanLine(y)[x] = static_cast<uchar>(std::min(255.0f, img.at(x, y) / 160));
    ASSERT_TRUE(png.save(dir.filePath("sun.png")));

    test::RecordingClipboard clipboard;
    MeasureServices services;
    services.clipboard = &clipboard;
    std::vector<std::string> questions;
    services.confirm = [&](const std::string& q) { return questions.push_back(q), false; };
    MeasureStart start;
    start.fields = FieldTexts{"21", "6", "2006", "15", "30", "0", false, "51.5", "-10"};
    MeasureWindow w(start, services);
    w.findChild<QComboBox*>("cboorient")->setCurrentIndex(2);  // solar north up, as drawn
    ASSERT_TRUE(w.openimage(dir.filePath("sun.png").toStdString()).done());
    w.keepdate();  // a PNG holds no date: the fields' date kept
    std::string t;
    press(w, "cmdfindspots");
    t += session(w, "Find Spots");
    choose(w, {"spot 5"});
    press(w, "cmdsplit");
    t += session(w, "the pore of the bipolar group split off");
    choose(w, {"1", "2"});
    press(w, "cmdmerge");
    t += session(w, "groups 1 and 2 merged");
    press(w, "cmdundo"), press(w, "cmdundo");
    t += session(w, "undone twice");
    press(w, "cmdredo");
    t += session(w, "redone once");
    auto* tree = w.findChild<QTreeWidget*>("treespots");
    tree->topLevelItem(0)->setText(7, "K");
    t += session(w, "Zurich class K refused");
    tree->topLevelItem(0)->setText(7, "H");
    tree->topLevelItem(0)->setText(8, "Hsx");
    t += session(w, "group 1 set H, Hsx");
    press(w, "cmdaddspot");
    emit w.view()->clicked(450, 150);
    t += session(w, "a point added by a click on the photosphere");
    choose(w, {"spot 8"});
    press(w, "cmddeletespot");
    t += session(w, "the point deleted");
    w.findChild<QTabWidget*>("tabspots")->setCurrentIndex(1);
    press(w, "cmdcopy");
    t += "== Copy on the Count Spots tab\n" + clipboard.texts.back();
    t += "== the CSV file of the Count Spots tab\n" + w.csvtext();
    EXPECT_TRUE(w.openimage(dir.filePath("sun.png").toStdString()).done());  // declined: the count stays
    t += "== another image asked for\n" + questions.at(0) + "\n";
    ASSERT_TRUE(w.savecsv(dir.filePath("count.csv").toStdString()).done());
    EXPECT_TRUE(w.openimage(dir.filePath("sun.png").toStdString()).done());  // saved: no question
    EXPECT_EQ(questions.size(), 1u);
    t += session(w, "saved, and the image opened again");
    w.keepdate();
    press(w, "cmdfindspots");
    w.findChild<QLineEdit*>("txtmonth")->setText("");  // typed over: for a moment no date at all
    w.findChild<QLineEdit*>("txtmonth")->setText("6");
    w.findChild<QLineEdit*>("txthour")->setText("17");
    t += session(w, "found again, the month typed over, two hours later: the spots measured again");
    EXPECT_EQ(test::comparestored(QString::fromStdString(t), QUORVEL_SOURCE "/panel_session.txt").toStdString(), "");
}

}  // namespace
}  // namespace quorvel
