#include "logfigure.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "diskpicture.h"
#include "figurelayout.h"
#include "logdb.h"
#include "observationcheck.h"
#include "reportrequest.h"
#include "save.h"

namespace {

using namespace quorvel::log;

constexpr int YEAR = 2026, MONTH = 11;
constexpr double DEG_PER_DAY = 13.2;  // a group's westward motion across the disk
constexpr double PLOT_W = 500;        // a plot's width, logical pixels

/// A group followed across the disk: its latitude, the day it appears at the
/// east limb's side, its days of life and its largest area (millionths of the hemisphere).
struct Track {
    double lat;
    int first, days;
    double area;
};
constexpr Track TRACKS[] = {{18, 1, 11, 420}, {-12, 4, 9, 180}, {8, 9, 12, 650}, {-24, 14, 10, 260}, {27, 20, 8, 90}};

/// The groups seen on a day of the month, east to west.
std::vector<GroupRecord> groupsofday(int day) {
    std::vector<GroupRecord> groups;
    for (const Track& t : TRACKS) {
        const int age = day - t.first;
        if (age < 0 || age >= t.days) continue;
        GroupRecord g;
        g.lat_deg = t.lat;
        g.cmd_deg_west = -70 + DEG_PER_DAY * age;
        g.carrington_deg = std::fmod(300 - 13.2 * t.first + 360, 360);
        g.spots = 2 + (age * 7) % 9;
        g.area_msh = t.area * std::sin(3.14159 * (age + 1) / (t.days + 1));
        g.zurich = g.spots > 6 ? "D" : "C";
        groups.push_back(g);
    }
    std::sort(groups.begin(), groups.end(),
              [](const GroupRecord& a, const GroupRecord& b) { return a.cmd_deg_west < b.cmd_deg_west; });
    for (size_t i = 0; i < groups.size(); ++i) groups[i].number = static_cast<int64_t>(i + 1);
    return groups;
}

/// The month observed on most days, the seeing changing with the weather.
quorvel::Outcome writelog(LogDb& db) {
    for (int day = 1; day <= 30; ++day) {
        if (day % 7 == 3 || day % 11 == 5) continue;  // clouded out
        SaveRequest r;
        r.observername = "A. Observer";
        r.observation.observer = "QVEX";
        r.observation.time = {YEAR, MONTH, day, 8 + day % 4, 5 * (day % 12)};
        r.observation.seeing = std::string(1, "EGGFP"[day % 5]);
        r.observation.groups = groupsofday(day);
        r.observation.counts = countsofgroups(r.observation.groups);
        SaveResult saved;
        if (quorvel::Outcome o = saveobservation(db, r, saved); !o.done()) return o;
    }
    return quorvel::Outcome::ok();
}

/// An SVG plot drawn at FIGURE_SCALE.
QImage plot(const std::string& svg, double widthpx) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    const QSizeF size = renderer.defaultSize();
    const double scale = widthpx / size.width() * FIGURE_SCALE;
    QImage image(static_cast<int>(size.width() * scale), static_cast<int>(size.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

/// The report's text in a fixed-width font, at FIGURE_SCALE.
QImage textpicture(const std::string& text) {
    QFont font("Liberation Mono");
    font.setPixelSize(static_cast<int>(9 * FIGURE_SCALE));
    const QStringList lines = QString::fromStdString(text).split('\n');
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    QImage image(width + metrics.height(), metrics.lineSpacing() * static_cast<int>(lines.size()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    for (qsizetype i = 0; i < lines.size(); ++i)
        p.drawText(metrics.height() / 2, metrics.ascent() + metrics.lineSpacing() * static_cast<int>(i), lines[i]);
    return image;
}

/// The month's reports, from a log written in folder and removed; false when it could not be written or read.
bool monthreports(const QString& folder, std::string& aavso, std::string& daily, std::string& butterfly) {
    const std::string path = (folder + "/figurelog.sqlite").toStdString();
    quorvel::Outcome done;
    {
        LogDb db;
        done = db.open(path, LogPurpose::write);
        if (done.done()) done = writelog(db);
        const Span month{logminutes({YEAR, MONTH, 1, 0, 0}), logminutes({YEAR, MONTH + 1, 1, 0, 0})};
        if (done.done()) done = reporttext(db, {"aavso", "", month, true, false}, aavso);
        if (done.done()) done = reporttext(db, {"daily", "", month, true, false}, daily);
        if (done.done()) done = reporttext(db, {"butterfly", "", month, false, false}, butterfly);
    }
    for (const char* end : {"", "-wal", "-shm"}) QFile::remove(QString::fromStdString(path + end));
    return done.done();
}

}  // namespace

QImage reportsfigure(const FigureLabels& labels, const QString& folder) {
    std::string aavso, daily, butterfly;
    if (!monthreports(folder, aavso, daily, butterfly)) return {};
    return sidebyside({{textpicture(aavso), labels.aavso}});
}

QImage plotsfigure(const FigureLabels& labels, const QString& folder) {
    std::string aavso, daily, butterfly;
    if (!monthreports(folder, aavso, daily, butterfly)) return {};
    return abovebelow(sidebyside({{plot(daily, PLOT_W), labels.daily}}),
                      sidebyside({{plot(butterfly, PLOT_W), labels.butterfly}}));
}
