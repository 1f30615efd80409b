// quorvel_g's window f1 on the offscreen platform, with its links to the
// desktop replaced: the settings files, the layout, both views by pixels and
// by recorded operations, the colour dialog, the clipboard capture, and the
// style boxes that hold no usable value.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>
#include <tuple>
#include <vector>

#include "graphicswindow.h"
#include "gridprojection.h"
#include "recordingsurface.h"
#include "settingsrec.h"

using namespace quorvel;

namespace {

struct RecordingMessages : MessageBoxes {
    std::vector<std::pair<std::string, std::string>> shown;
    void showmessage(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};
struct RecordingEnd : ProgramEnd {
    int ends = 0;
    void endprogram() override { ++ends; }
};
struct IdleShell : ShellService {
    int32_t shellexecute(const std::string&, const std::string&, const std::string&, int32_t) override { return 42; }
    void startprogram(const std::string&, int32_t) override {}
};
struct FixedClock : Clock {
    QDateTime now() const override { return {QDate(2006, 6, 21), QTime(12, 0)}; }
};
/// Answers the colour dialog from a script; may change one custom colour first.
struct ScriptedChooser : ColourChooser {
    struct Answer {
        std::optional<Colour> colour;
        int index = -1;  // the custom colour the user redefines, -1 none
        Colour custom = 0;
    };
    std::deque<Answer> answers;
    std::vector<Colour> starts;
    std::vector<CustomColours> offered;
    std::optional<Colour> choose(Colour current, CustomColours& custom) override {
        starts.push_back(current), offered.push_back(custom);
        Answer a;
        if (!answers.empty()) a = answers.front(), answers.pop_front();
        if (a.index >= 0) custom[static_cast<size_t>(a.index)] = a.custom;
        return a.colour;
    }
};
struct RecordingClipboard : Clipboard {
    QStringList calls;
    QImage image;
    void clear() override { calls << "clear", image = QImage(); }
    void setimage(const QImage& i) override { calls << "setimage", image = i; }
    void settext(const std::string&) { calls << "settext"; }  // where the clipboard also takes text
    void beep() override { calls << "beep"; }
};

constexpr Colour BACKC = rgb(20, 20, 90), DISKC = rgb(230, 200, 40), LIMBC = rgb(255, 0, 255),
                 GRIDC = rgb(0, 160, 255), EQUC = rgb(0, 255, 0), PAC = rgb(255, 128, 0),
                 ARROWC = rgb(128, 0, 0), AXISC = rgb(0, 90, 60);

/// London, equatorial, every overlay off; the design sizes and a colour of its own for each element.
SettingsRec stylerecord() {
    SettingsRec r;
    r.lat10 = 515, r.long10 = -5, r.flipsign = -1, r.reserved10 = 100;
    r.labelinterval = 30, r.markinterval = 10, r.fontsize = 14, r.gridspacing = 15, r.diameter = 500;
    r.diskcolour = DISKC, r.backcolour = BACKC, r.limbcolour = LIMBC, r.pacolour = PAC;
    r.gridcolour = GRIDC, r.equatorcolour = EQUC, r.arrowcolour = ARROWC, r.axiscolour = AXISC;
    r.wintop = 100, r.winleft = 300, r.winwidth = 12900, r.winheight = 11100;
    return r;
}
QByteArray bytesof(const SettingsRec& rec) {
    const SettingsBytes b = encoderecord(rec);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

/// A window in its own program folder.
struct Rig {
    QTemporaryDir dir;
    RecordingMessages messages;
    RecordingEnd end;
    IdleShell shell;
    FixedClock clock;
    ScriptedChooser chooser;
    RecordingClipboard clipboard;
    std::unique_ptr<F1G> f1;

    Rig() = default;
    explicit Rig(const char* file) { write(file, stylerecord()), start(); }
    void write(const char* name, const SettingsRec& rec) const {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytesof(rec));
    }
    /// A new start of the program in the same folder.
    void start() {
        f1.reset();
        f1 = std::make_unique<F1G>(WindowServices{messages, end, shell, clock, dir.path().toStdString()},
                                   GraphicsServices{chooser, clipboard});
        f1->Form_Load();
    }
    bool shown() { return f1->show(), QTest::qWaitForWindowExposed(f1.get()); }
    QByteArray file(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    SettingsRec saved() const {
        const QByteArray b = file("orrag.ini");
        return decoderecord(std::span(reinterpret_cast<const uint8_t*>(b.data()), static_cast<size_t>(b.size())));
    }
    template <class T> T* child(const char* name) const { return f1->findChild<T*>(name); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    void settext(const char* name, const QString& t) const { child<QLineEdit>(name)->setText(t); }
    void check(const char* name, bool on = true) const { child<QCheckBox>(name)->setChecked(on); }
    void click(const char* name) const { child<QPushButton>(name)->click(); }
    double tpp() const { return f1->pic1->surface().twipsperpixel(); }
    /// The pixel of pic1 at a point of the picture's scale (origin at its centre, twips).
    QPointF pixel(double x, double y) const {
        QPainterSurface& s = f1->pic1->surface();
        return {(x + s.width() * 0.5) / tpp(), (y + s.height() * 0.5) / tpp()};
    }
    /// A point of latitude phi and longitude l on a disk of radius r, through the view (not flipped).
    QPointF gridpixel(float phi, float l, float r) const {
        const SunState& sun = f1->routine.state.sun;
        float x = 0, y = 0;
        GridProjection(sun.b0, sun.rot, r).project(phi, l, x, y);
        return pixel(-x, y);
    }
};

int distance(QColor a, Colour b) {
    return std::abs(a.red() - redof(b)) + std::abs(a.green() - greenof(b)) + std::abs(a.blue() - blueof(b));
}
bool exact(const QImage& image, QPointF at, Colour colour) {
    const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    return image.valid(p) && distance(image.pixelColor(p), colour) == 0;
}
/// A line drawn through at: some pixel within two of it is nearer to colour
/// than to any of the colours it might be drawn over.
bool shows(const QImage& image, QPointF at, Colour colour, std::initializer_list<Colour> others) {
    const QPoint c(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = c + QPoint(dx, dy);
            if (!image.valid(p)) continue;
            const int d = distance(image.pixelColor(p), colour);
            if (std::all_of(others.begin(), others.end(), [&](Colour o) { return d < distance(image.pixelColor(p), o); }))
                return true;
        }
    return false;
}
int pixelsof(const QImage& image, Colour colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += distance(image.pixelColor(x, y), colour) < 60;
    return n;
}
bool nolines(const RecordingSurface& s, Colour colour) {
    const auto lines = s.ofkind(RecordedOp::line);
    return std::none_of(lines.begin(), lines.end(), [&](const RecordedOp& op) { return op.colour == colour; });
}

const char* const COLOURBUTTONS[8] = {"cmdcolback", "cmddiskcol", "cmdlimbcol", "cmdgridcol",
                                      "cmdeqcol",   "cmdpacols",  "cmdarcol",   "cmdaxescol"};
enum Element { none, grid, ticks, numbers, disk };

}  // namespace

class GraphicsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstrunimports() {
        SettingsRec viewer = stylerecord();
        viewer.diameter = 400, viewer.gridspacing = 20, viewer.reserved10 = 0, viewer.drift = 1;
        Rig rig;
        rig.write("orra.ini", viewer);
        rig.start();
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.end.ends, 0);
        QCOMPARE(rig.file("orrag.ini"), bytesof(viewer));
        QVERIFY(!QFile::exists(rig.dir.filePath("orragold.ini")));
        QCOMPARE(rig.text("txtdia"), QString(" 400"));
        QCOMPARE(rig.text("txtgspace"), QString(" 20"));
        QCOMPARE(rig.f1->styleopts.diskcolour, DISKC);

        rig.settext("txtdia", "320");
        rig.click("comgraph");
        const QByteArray saved = rig.file("orrag.ini");
        QCOMPARE(rig.saved().diameter, int16_t(320));
        rig.start();  // the second start backs up what the first saved
        QCOMPARE(rig.file("orragold.ini"), saved);
        QCOMPARE(rig.file("orrag.ini"), saved);
        QCOMPARE(rig.file("orra.ini"), bytesof(viewer));
        QCOMPARE(rig.text("txtdia"), QString(" 320"));
        QVERIFY(rig.messages.shown.empty());
    }

    void neitherfile() {
        Rig rig;
        rig.start();
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QCOMPARE(rig.messages.shown[0].first, std::string("File Error"));
        QCOMPARE(rig.messages.shown[0].second,
                 std::string("File 'orra.ini' or 'orrag.ini is missing from the program folder.  The program cannot run."));
        QCOMPARE(rig.end.ends, 1);
    }

    void geometryandstyleroundtrip() {
        Rig rig("orrag.ini");
        rig.f1->setgeometry({1500, 900, 9000, 7500});
        const Colour chosen[8] = {rgb(1, 2, 3),    rgb(4, 5, 6),    rgb(7, 8, 9),    rgb(10, 11, 12),
                                  rgb(13, 14, 15), rgb(16, 17, 18), rgb(19, 20, 21), rgb(22, 23, 24)};
        for (size_t i = 0; i < 8; ++i) {
            rig.chooser.answers.push_back({chosen[i]});
            rig.click(COLOURBUTTONS[i]);
        }
        const char* boxes[5] = {"txtdia", "txtgspace", "txtangint", "txtlabint", "txtfont"};
        const char* typed[5] = {"640", "12.9", "5", "45", " 18"};  // 12.9 is kept as its floor
        for (int i = 0; i < 5; ++i) rig.settext(boxes[i], typed[i]);
        rig.check("chksunequator");
        rig.check("chkaxes");
        rig.click("comgraph");

        const SettingsRec rec = rig.saved();
        QCOMPARE((QList<int>{rec.winleft, rec.wintop, rec.winwidth, rec.winheight}), (QList<int>{1500, 900, 9000, 7500}));
        QCOMPARE((QList<int>{rec.diameter, rec.gridspacing, rec.markinterval, rec.labelinterval, rec.fontsize}),
                 (QList<int>{640, 12, 5, 45, 18}));
        QCOMPARE((QList<int>{rec.sunequator, rec.axes}), (QList<int>{1, 1}));
        const std::vector<Colour> stored{rec.backcolour,    rec.diskcolour,  rec.limbcolour,  rec.gridcolour,
                                         rec.equatorcolour, rec.pacolour,    rec.arrowcolour, rec.axiscolour};
        QCOMPARE(stored, std::vector<Colour>(chosen, chosen + 8));

        rig.start();
        const TwipsRect g = rig.f1->geometry();
        QCOMPARE((QList<int>{g.left, g.top, g.width, g.height}), (QList<int>{1500, 900, 9000, 7500}));
        QStringList texts;
        for (const char* box : boxes) texts << rig.text(box);
        QCOMPARE(texts, (QStringList{" 640", " 12", " 5", " 45", " 18"}));
        QVERIFY(rig.child<QCheckBox>("chksunequator")->isChecked());
        QVERIFY(rig.child<QCheckBox>("chkaxes")->isChecked());
        const StyleOpts& s = rig.f1->styleopts;
        const std::vector<Colour> loaded{s.backcolour,    s.diskcolour, s.limbcolour,  s.gridcolour,
                                         s.equatorcolour, s.pacolour,   s.arrowcolour, s.axiscolour};
        QCOMPARE(loaded, stored);
        QCOMPARE(s.showequator, int16_t(1));
    }

    void layout_data() {
        QTest::addColumn<QSize>("client");  // pixels; the outer size adds 120 x 420 twips of frame
        QTest::addColumn<QSize>("pictwips");
        QTest::newRow("design size") << QSize(852, 712) << QSize(9880, 9300);
        QTest::newRow("3015 twips wide") << QSize(193, 712) << QSize(1, 1);
        QTest::newRow("3030 twips wide") << QSize(194, 712) << QSize(10, 9300);
        QTest::newRow("1620 twips high") << QSize(852, 80) << QSize(9880, 1);
        QTest::newRow("1800 twips high") << QSize(852, 92) << QSize(9880, 1);
        QTest::newRow("1920 twips high") << QSize(852, 100) << QSize(9880, 120);
        QTest::newRow("narrow and short") << QSize(100, 50) << QSize(1, 1);
    }
    void layout() {
        QFETCH(QSize, client);
        QFETCH(QSize, pictwips);
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        if (rig.tpp() != 15) QSKIP("the rows are worked out for 15 twips a pixel");
        auto pixels = [](int twips) { return std::max(1, static_cast<int>(std::lround(twips / 15.0))); };
        for (QSize size : {client, QSize(852, 712)}) {  // and widened again
            rig.f1->resize(size);
            QTRY_COMPARE(rig.f1->size(), size);
            const QSize pic = size == client ? pictwips : QSize(9880, 9300);
            QCOMPARE(rig.f1->pic1->geometry(), QRect(168, 16, pixels(pic.width()), pixels(pic.height())));
            // Outer height H = 15 h + 420 twips: values at H - 1230, captions at H - 1470, credits at H - 800.
            const int h = size.height();
            QCOMPARE(rig.child<QLabel>("lbllosun")->y(), h - 54);
            QCOMPARE(rig.child<QLabel>("Label11")->y(), h - 70);
            QCOMPARE(rig.child<QLabel>("lblauthor")->y(), h - 25);
            // cmdhelp: 570 twips wide, 450 in from the outer right edge.
            QCOMPARE(rig.child<QPushButton>("cmdhelp")->pos(), QPoint(size.width() - 60, h - 54));
            QVERIFY(rig.child<QLabel>("lblsunrastr")->isHidden());
        }
    }

    void graphicsreadycolours() {
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        QCOMPARE(rig.f1->redraws, 0);  // nothing is drawn until a view button is pressed
        rig.click("comgraph");
        const double r = 500 * rig.tpp() * 0.5;
        QCOMPARE(rig.f1->routine.state.sun.radius, static_cast<float>(r));
        QImage image = rig.f1->pic1->image();
        QVERIFY(exact(image, {1, 1}, BACKC));
        QVERIFY(exact(image, rig.pixel(0, 0), DISKC));
        for (auto [dx, dy] : {std::pair(1, 0), {-1, 0}, {0, 1}, {0, -1}}) {
            QVERIFY(exact(image, rig.pixel(0.95 * r * dx, 0.95 * r * dy), DISKC));
            QVERIFY(exact(image, rig.pixel(1.05 * r * dx, 1.05 * r * dy), BACKC));
            QVERIFY(shows(image, rig.pixel(r * dx, r * dy), LIMBC, {DISKC, BACKC}));
        }
        // The solar equator, at two of its segment ends.
        const SunState& sun = rig.f1->routine.state.sun;
        auto equatorpoint = [&](double i) {
            const double c = std::cos(sun.rot * DEG), s = std::sin(sun.rot * DEG), k = -r * std::sin(sun.b0 * DEG);
            const double a = r * std::cos(i * DEG), b = k * std::sin(i * DEG);
            return rig.pixel(-(a * c + s * b), a * s - c * b);
        };
        for (double i : {60.0, 120.0}) QVERIFY(!shows(image, equatorpoint(i), EQUC, {DISKC}));
        const int redraws = rig.f1->redraws;
        rig.check("chksunequator");
        QCOMPARE(rig.f1->styleopts.showequator, int16_t(1));
        QCOMPARE(rig.f1->redraws, redraws);
        rig.click("comgraph");
        image = rig.f1->pic1->image();
        for (double i : {60.0, 120.0}) QVERIFY(shows(image, equatorpoint(i), EQUC, {DISKC}));
    }

    void latitudezero_data() {
        QTest::addColumn<bool>("gridon");
        QTest::addColumn<bool>("equatorbox");
        QTest::addColumn<int>("marked");  // styleopts.showequator set directly; -1 as the box leaves it
        QTest::addColumn<bool>("equator");
        QTest::newRow("grid, Equator unchecked") << true << false << -1 << false;
        QTest::newRow("grid, Equator checked") << true << true << -1 << true;
        QTest::newRow("grid, parallel marked without the overlay") << true << false << 1 << true;
        QTest::newRow("Equator checked, no grid") << false << true << -1 << true;
        QTest::newRow("parallel marked, no grid, Equator unchecked") << false << false << 1 << false;
    }
    void latitudezero() {
        QFETCH(bool, gridon);
        QFETCH(bool, equatorbox);
        QFETCH(int, marked);
        QFETCH(bool, equator);
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.check("chkgrid", gridon);
        rig.check("chksunequator", equatorbox);
        if (marked >= 0) rig.f1->styleopts.showequator = static_cast<int16_t>(marked);
        rig.click("comgraph");
        const QImage image = rig.f1->pic1->image();
        const float r = rig.f1->routine.state.sun.radius;
        const QPointF zero = rig.gridpixel(0, 32, r), fifteen = rig.gridpixel(15, 32, r);
        QCOMPARE(shows(image, zero, EQUC, {DISKC, GRIDC}), equator);
        QCOMPARE(shows(image, zero, GRIDC, {DISKC, EQUC}), gridon && !equator);
        if (gridon) QVERIFY(shows(image, fifteen, GRIDC, {DISKC, EQUC}));
        else QVERIFY(exact(image, fifteen, DISKC));
    }

    void pascale_data() {
        QTest::addColumn<int>("mark");
        QTest::addColumn<int>("label");
        QTest::newRow("marks 10, numbers 30") << 10 << 30;
        QTest::newRow("marks 7, numbers 30") << 7 << 30;
        QTest::newRow("marks 30, numbers 7") << 30 << 7;
    }
    void pascale() {
        QFETCH(int, mark);
        QFETCH(int, label);
        constexpr float R = 3000;
        constexpr double h = 14, rt = 1.16 * R + 16 * h + 0.01 * R;
        RecordingSurface s(12000, 12000);
        quorvel::pascale(s, R, 0, -1, 0, PaScale{float(mark), float(label), 14, PAC});

        std::vector<int> expected, angles;
        for (int i = 0; i <= 359; i += mark) expected.push_back(i);
        for (const RecordedOp& tick : s.ofkind(RecordedOp::line)) {
            QCOMPARE(tick.colour, PAC);
            QVERIFY(std::abs(std::hypot(tick.x1, tick.y1) - 1.14 * R) < 0.5);
            QVERIFY(std::abs(std::hypot(tick.x2, tick.y2) - 1.16 * R) < 0.5);
            // Unflipped, x is mirrored: angle i is at t = i - 90 from +x.
            const double t = std::atan2(tick.y1, -tick.x1) / DEG + 90;
            angles.push_back(static_cast<int>(std::lround(std::fmod(t + 360, 360))) % 360);
        }
        QCOMPARE(angles, expected);

        QStringList texts, wanted;
        for (int i = 0; i <= 359; i += label) wanted << " " + QString::number(i);
        for (const RecordedOp& n : s.ofkind(RecordedOp::print)) {
            texts << QString::fromStdString(n.text);
            const int i = std::stoi(n.text);
            QCOMPARE(n.colour, PAC);
            QCOMPARE(QString::fromStdString(n.font.face), QString("Arial"));
            QCOMPARE((QList<int>{n.font.height, n.font.weight, n.font.escapement}), (QList<int>{14, 400, i * 10}));
            // 0 and 180 sit 2.4 h nearer the disk; 90 does not.
            const double k = i < 10 ? 1.4 : i < 100 ? 2.4 : 3.0;
            if (i == 0) QVERIFY(std::hypot(n.x1 + h * 5 * k, n.y1 + (rt - 2.4 * h)) < 0.5);
            if (i == 90) QVERIFY(std::hypot(n.x1 + rt, n.y1 - h * 5 * k) < 0.5);
            if (i == 180) QVERIFY(std::hypot(n.x1 - h * 5 * k, n.y1 - (rt - 2.4 * h)) < 0.5);
        }
        QCOMPARE(texts, wanted);
    }

    void gridfifteen() {
        SunState sun;
        sun.b0 = 3, sun.rot = 20, sun.radius = 3750;
        const ViewMap v{-1, 1};
        RecordingSurface s(12000, 12000);
        gridgraphic(s, v, sun, 15, true, EQUC, GRIDC);

        // Every visible point but the first of its line ends a segment.
        using End = std::tuple<float, float, Colour>;
        std::vector<End> expected, drawn;
        const GridProjection proj(sun.b0, sun.rot, sun.radius);
        auto line = [&](Colour colour, auto&& point) {
            bool first = true;
            for (int k = 0;; ++k) {
                float phi, l, x, y;
                if (!point(k, phi, l)) break;
                if (proj.project(phi, l, x, y) && !first) expected.push_back({v.sx(x), v.sy(y), colour});
                first = false;
            }
        };
        for (int l = 0; l <= 345; l += 15)
            line(GRIDC, [&](int k, float& phi, float& lon) { return phi = -89.0f + 4 * k, lon = float(l), phi <= 89; });
        for (int phi : {0, -15, -30, -45, -60, -75, 0, 15, 30, 45, 60, 75})
            line(phi == 0 ? EQUC : GRIDC,
                 [&](int k, float& lat, float& lon) { return lat = float(phi), lon = -120.0f + 4 * k, lon <= 120; });
        for (const RecordedOp& op : s.ofkind(RecordedOp::line)) drawn.push_back({op.x2, op.y2, op.colour});
        std::sort(expected.begin(), expected.end()), std::sort(drawn.begin(), drawn.end());
        QCOMPARE(drawn.size(), expected.size());
        QVERIFY(drawn == expected);
    }

    void normalafterready() {
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.check("chkposang");
        rig.click("comgraph");
        rig.click("butdraw");
        const QImage image = rig.f1->pic1->image();
        const float r = rig.f1->routine.state.sun.radius;
        QVERIFY(qFuzzyCompare(r, static_cast<float>(1.5 * rig.f1->pic1->surface().height() * 0.25 * 0.982)));
        QVERIFY(exact(image, {1, 1}, WHITE));
        QVERIFY(exact(image, rig.pixel(0.35 * r, -0.35 * r), YELLOW));
        QVERIFY(exact(image, rig.pixel(-0.35 * r, 0.35 * r), YELLOW));
        // The tick at 30 degrees, unflipped: x mirrored, t = -60.
        const QPointF tick = rig.pixel(-1.15 * r * 0.5, -1.15 * r * std::sqrt(0.75));
        QVERIFY(shows(image, tick, PAC, {WHITE, YELLOW, SCALE_GREY, BLUE}));
    }

    void clipboardcapture() {
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.click("comgraph");
        rig.click("cmdcapture");
        QCOMPARE(rig.clipboard.calls, (QStringList{"clear", "setimage", "beep"}));
        const QImage& shot = rig.clipboard.image;
        QCOMPARE(shot.size(), rig.f1->size() * rig.f1->devicePixelRatio());
        const PictureBox* pic = rig.f1->pic1;
        QVERIFY(exact(shot, pic->pos() + QPointF(pic->width() / 2, pic->height() / 2), DISKC));
    }

    void colourdialog() {
        Rig rig("orrag.ini");
        const CustomColours table{rgb(0, 159, 245),   rgb(0, 136, 238),   rgb(51, 122, 170),  rgb(45, 100, 150),
                                  rgb(40, 90, 125),   rgb(40, 80, 100),   rgb(210, 210, 210), rgb(210, 210, 210),
                                  rgb(210, 210, 210), rgb(210, 210, 210), rgb(40, 80, 100),   rgb(40, 90, 125),
                                  rgb(45, 100, 150),  rgb(50, 122, 170),  rgb(0, 136, 238),   rgb(0, 159, 245)};
        const Colour mine = rgb(1, 2, 3), dropped = rgb(9, 8, 7), picked = rgb(200, 10, 10);
        rig.chooser.answers = {{picked, 5, mine}, {std::nullopt, 6, dropped}, {rgb(3, 3, 3)}};
        rig.click("cmddiskcol");
        rig.click("cmdlimbcol");  // a colour redefined, then cancelled
        rig.click("cmdgridcol");
        CustomColours kept = table;
        kept[5] = mine;
        QCOMPARE(rig.chooser.starts, (std::vector<Colour>{DISKC, LIMBC, GRIDC}));
        QVERIFY(rig.chooser.offered == (std::vector<CustomColours>{table, kept, kept}));
        QCOMPARE(rig.f1->styleopts.diskcolour, picked);
        QCOMPARE(rig.f1->styleopts.limbcolour, LIMBC);
        QCOMPARE(rig.f1->styleopts.gridcolour, rgb(3, 3, 3));
        QCOMPARE(rig.f1->redraws, 0);

        rig.start();  // custom colours last only while the program runs
        rig.click("cmdaxescol");
        QVERIFY(rig.chooser.offered.back() == table);
        QCOMPARE(rig.f1->styleopts.axiscolour, AXISC);
    }

    void unusablesizes_data() {
        QTest::addColumn<bool>("graphicsready");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");  // named in the message; empty for none
        QTest::addColumn<int>("missing");
        QTest::addColumn<int>("saved");
        QTest::newRow("grid interval empty") << true << "txtgspace" << "" << "grid interval" << int(grid) << 0;
        QTest::newRow("grid interval abc") << true << "txtgspace" << "abc" << "grid interval" << int(grid) << 0;
        QTest::newRow("grid interval 0") << true << "txtgspace" << "0" << "grid interval" << int(grid) << 0;
        QTest::newRow("grid interval -5") << true << "txtgspace" << "-5" << "grid interval" << int(grid) << -5;
        QTest::newRow("mark interval 0") << true << "txtangint" << "0" << "angle mark interval" << int(ticks) << 0;
        QTest::newRow("number interval -30") << true << "txtlabint" << "-30" << "angle label interval" << int(numbers)
                                             << -30;
        QTest::newRow("font abc") << true << "txtfont" << "abc" << "label font size" << int(numbers) << 0;
        QTest::newRow("font 0.5") << true << "txtfont" << "0.5" << "label font size" << int(numbers) << 0;
        QTest::newRow("diameter empty") << true << "txtdia" << "" << "solar diameter" << int(disk) << 0;
        QTest::newRow("diameter x") << true << "txtdia" << "x" << "solar diameter" << int(disk) << 0;
        QTest::newRow("normal view, mark interval 0") << false << "txtangint" << "0" << "angle mark interval"
                                                      << int(ticks) << 0;
        QTest::newRow("normal view, diameter x") << false << "txtdia" << "x" << "" << int(none) << 0;
    }
    void unusablesizes() {
        QFETCH(bool, graphicsready);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(int, missing);
        QFETCH(int, saved);
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.check("chkgrid");
        rig.check("chkposang");
        rig.settext(box.toLatin1().constData(), typed);
        rig.click(graphicsready ? "comgraph" : "butdraw");
        QCOMPARE(rig.end.ends, 0);
        QCOMPARE(rig.f1->redraws, 1);
        QCOMPARE(rig.messages.shown.size(), size_t(field.isEmpty() ? 0 : 1));
        if (!field.isEmpty())
            QVERIFY2(QString::fromStdString(rig.messages.shown[0].second).contains(field, Qt::CaseInsensitive),
                     rig.messages.shown[0].second.c_str());
        const SettingsRec rec = rig.saved();
        const std::map<QString, int16_t> stored{{"txtgspace", rec.gridspacing}, {"txtangint", rec.markinterval},
                                                {"txtlabint", rec.labelinterval}, {"txtfont", rec.fontsize},
                                                {"txtdia", rec.diameter}};
        QCOMPARE(int(stored.at(box)), saved);
        if (!graphicsready) return;

        // The picture stands, without that element.
        const QImage image = rig.f1->pic1->image();
        QVERIFY(exact(image, {1, 1}, BACKC));
        const QPointF cell = rig.gridpixel(7.5f, 7.5f, static_cast<float>(500 * rig.tpp() * 0.5));
        QVERIFY(exact(image, cell, missing == disk ? BACKC : DISKC));
        QCOMPARE(pixelsof(image, GRIDC) == 0, missing == grid || missing == disk);

        RedrawState state = rig.f1->routine.state;
        RecordingSurface s(rig.f1->pic1->surface().width(), rig.f1->pic1->surface().height(), rig.tpp());
        ArrowPoints points{};
        drawgraphicpicture(s, state, *rig.f1, rig.f1->styleopts, readstylesizes(*rig.f1), points);
        QVERIFY(!s.ofkind(RecordedOp::cls).empty());
        QCOMPARE(s.ofkind(RecordedOp::circle).empty(), missing == disk);
        if (missing == disk) return;
        QCOMPARE(nolines(s, GRIDC), missing == grid);
        QCOMPARE(nolines(s, PAC), missing == ticks);
        QCOMPARE(s.ofkind(RecordedOp::print).empty(), missing == numbers);
    }
};

QTEST_MAIN(GraphicsWindowTest)
#include "test_graphicswindow.moc"
