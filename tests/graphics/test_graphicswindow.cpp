// quorvel_g's window f1 on the offscreen platform with its desktop links faked:
// settings files, layout, both views, colour dialog, clipboard, bad size boxes.
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

#include "graphicswindow.h"
#include "gridprojection.h"
#include "recordingsurface.h"
#include "settingsrec.h"

using namespace quorvel;

namespace {

using Shown = std::vector<std::pair<std::string, std::string>>;
struct RecordingMessages : MessageBoxes {
    Shown shown;
    void showmessage(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};
struct RecordingEnd : ProgramEnd { int ends = 0; void endprogram() override { ++ends; } };
struct IdleShell : ShellService {
    int32_t shellexecute(const std::string&, const std::string&, const std::string&, int32_t) override { return 42; }
    void startprogram(const std::string&, int32_t) override {}
};
struct FixedClock : Clock { QDateTime now() const override { return {QDate(2006, 6, 21), QTime(12, 0)}; } };
/// Answers the colour dialog from a script; may redefine custom colour `index` first.
struct ScriptedChooser : ColourChooser {
    struct Answer { std::optional<Colour> colour; int index = -1; Colour custom = 0; };
    std::deque<Answer> answers;
    std::vector<Colour> starts;
    std::vector<CustomColours> offered;
    std::optional<Colour> choose(Colour current, CustomColours& custom) override {
        starts.push_back(current), offered.push_back(custom);
        const Answer a = answers.empty() ? Answer{} : answers.front();
        if (!answers.empty()) answers.pop_front();
        if (a.index >= 0) custom[static_cast<size_t>(a.index)] = a.custom;
        return a.colour;
    }
};
struct RecordingClipboard : Clipboard {
    QStringList calls;
    QImage image;
    void clear() override { calls << "clear", image = QImage(); }
    void setimage(const QImage& i) override { calls << "setimage", image = i; }
    void beep() override { calls << "beep"; }
};

constexpr Colour BACKC = rgb(20, 20, 90), DISKC = rgb(230, 200, 40), LIMBC = rgb(255, 0, 255),
                 GRIDC = rgb(0, 160, 255), EQUC = rgb(0, 255, 0), PAC = rgb(255, 128, 0),
                 ARROWC = rgb(128, 0, 0), AXISC = rgb(0, 90, 60);

/// London, equatorial, overlays off; the design sizes and a colour of its own for each element.
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

    explicit Rig(const char* file = nullptr, const SettingsRec& rec = stylerecord()) {
        if (QFile f(dir.filePath(file ? file : "")); file && f.open(QIODevice::WriteOnly)) f.write(bytesof(rec));
        start();
    }
    void start() {  // a new start of the program in the same folder
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
    /// Latitude phi, longitude l on a disk of radius r, through the unflipped view.
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
QPoint floorpoint(QPointF at) { return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))}; }
bool exact(const QImage& image, QPointF at, Colour colour) {
    const QPoint p = floorpoint(at);
    return image.valid(p) && distance(image.pixelColor(p), colour) == 0;
}
/// A line through at: some pixel within two of it is nearer to colour than to every colour of others.
bool shows(const QImage& image, QPointF at, Colour colour, std::initializer_list<Colour> others) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = floorpoint(at) + QPoint(dx, dy);
            if (!image.valid(p)) continue;
            const int d = distance(image.pixelColor(p), colour);
            if (std::all_of(others.begin(), others.end(), [&](Colour o) { return d < distance(image.pixelColor(p), o); }))
                return true;
        }
    return false;
}
bool nolines(const RecordingSurface& s, Colour colour) {
    const auto lines = s.ofkind(RecordedOp::line);
    return std::none_of(lines.begin(), lines.end(), [&](const RecordedOp& op) { return op.colour == colour; });
}

const char* const COLOURBUTTONS[8] = {"cmdcolback", "cmddiskcol", "cmdlimbcol", "cmdgridcol",
                                      "cmdeqcol",   "cmdpacols",  "cmdarcol",   "cmdaxescol"};
enum Element { none, grid, ticks, numbers, disk };
struct LatitudeZero { bool gridon, equatorbox; int marked; bool equator; };  // marked: showequator set directly, -1 not
struct BadSize { bool graphicsready; QString box, typed, field; Element missing; int saved; };  // field: "" for no message

}  // namespace
Q_DECLARE_METATYPE(LatitudeZero)
Q_DECLARE_METATYPE(BadSize)

class GraphicsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstrunimports() {
        SettingsRec viewer = stylerecord();
        viewer.diameter = 400, viewer.gridspacing = 20, viewer.reserved10 = 0, viewer.drift = 1;
        Rig rig("orra.ini", viewer);
        QCOMPARE(rig.end.ends, 0);
        QCOMPARE(rig.file("orrag.ini"), bytesof(viewer));
        QVERIFY(!QFile::exists(rig.dir.filePath("orragold.ini")));
        QCOMPARE((QStringList{rig.text("txtdia"), rig.text("txtgspace")}), (QStringList{" 400", " 20"}));
        QCOMPARE(rig.f1->styleopts.diskcolour, DISKC);

        rig.settext("txtdia", "320");
        rig.click("comgraph");
        const QByteArray saved = rig.file("orrag.ini");
        QVERIFY(saved != bytesof(viewer));
        rig.start();  // backs up what the first start saved
        QCOMPARE(rig.file("orragold.ini"), saved);
        QCOMPARE(rig.file("orrag.ini"), saved);
        QCOMPARE(rig.file("orra.ini"), bytesof(viewer));
        QVERIFY(rig.messages.shown.empty());
    }

    void neitherfile() {
        Rig rig;
        QCOMPARE(rig.messages.shown, (Shown{{"File Error",
                 "File 'orra.ini' or 'orrag.ini is missing from the program folder.  The program cannot run."}}));
        QCOMPARE(rig.end.ends, 1);
    }

    void geometryandstyleroundtrip() {
        Rig rig("orrag.ini");
        rig.f1->setgeometry({1500, 900, 9000, 7500});
        std::vector<Colour> chosen;
        for (int i = 0; i < 8; ++i) {
            chosen.push_back(rgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
            rig.chooser.answers.push_back({chosen.back()});
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
        QCOMPARE((QList<int>{rec.diameter, rec.gridspacing, rec.markinterval, rec.labelinterval, rec.fontsize,
                             rec.sunequator, rec.axes}), (QList<int>{640, 12, 5, 45, 18, 1, 1}));
        QCOMPARE((std::vector<Colour>{rec.backcolour, rec.diskcolour, rec.limbcolour, rec.gridcolour,
                                      rec.equatorcolour, rec.pacolour, rec.arrowcolour, rec.axiscolour}), chosen);

        rig.start();
        const TwipsRect g = rig.f1->geometry();
        QCOMPARE((QList<int>{g.left, g.top, g.width, g.height}), (QList<int>{1500, 900, 9000, 7500}));
        QStringList texts;
        for (const char* box : boxes) texts << rig.text(box);
        QCOMPARE(texts, (QStringList{" 640", " 12", " 5", " 45", " 18"}));
        QVERIFY(rig.child<QCheckBox>("chksunequator")->isChecked() && rig.child<QCheckBox>("chkaxes")->isChecked());
        const StyleOpts& s = rig.f1->styleopts;
        QCOMPARE((std::vector<Colour>{s.backcolour, s.diskcolour, s.limbcolour, s.gridcolour, s.equatorcolour,
                                      s.pacolour, s.arrowcolour, s.axiscolour}), chosen);
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
            QCOMPARE((QList<int>{rig.child<QLabel>("lbllosun")->y(), rig.child<QLabel>("Label11")->y(),
                                 rig.child<QLabel>("lblauthor")->y()}), (QList<int>{h - 54, h - 70, h - 25}));
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

        rig.click("cmdcapture");
        QCOMPARE(rig.clipboard.calls, (QStringList{"clear", "setimage", "beep"}));
        const QImage& shot = rig.clipboard.image;
        QCOMPARE(shot.size(), rig.f1->size() * rig.f1->devicePixelRatio());
        const PictureBox* pic = rig.f1->pic1;
        QVERIFY(exact(shot, pic->pos() + QPointF(pic->width() / 2, pic->height() / 2), DISKC));

        rig.check("chkposang");  // a box changes the option, draws nothing
        QCOMPARE(rig.f1->redraws, 1);
        rig.click("butdraw");  // the normal view after graphics-ready
        image = rig.f1->pic1->image();
        const float rn = rig.f1->routine.state.sun.radius;
        QVERIFY(qFuzzyCompare(rn, static_cast<float>(1.5 * rig.f1->pic1->surface().height() * 0.25 * 0.982)));
        QVERIFY(exact(image, {1, 1}, WHITE));
        QVERIFY(exact(image, rig.pixel(0.35 * rn, -0.35 * rn), YELLOW));
        QVERIFY(exact(image, rig.pixel(-0.35 * rn, 0.35 * rn), YELLOW));
        const QPointF tick = rig.pixel(-1.15 * rn * 0.5, -1.15 * rn * std::sqrt(0.75));  // 30 degrees, unflipped
        QVERIFY(shows(image, tick, PAC, {WHITE, YELLOW, SCALE_GREY, BLUE}));
    }

    void latitudezero_data() {
        QTest::addColumn<LatitudeZero>("row");
        QTest::newRow("grid, Equator unchecked") << LatitudeZero{true, false, -1, false};
        QTest::newRow("grid, Equator checked") << LatitudeZero{true, true, -1, true};
        QTest::newRow("grid, parallel marked without the overlay") << LatitudeZero{true, false, 1, true};
        QTest::newRow("Equator checked, no grid") << LatitudeZero{false, true, -1, true};
        QTest::newRow("parallel marked, no grid, Equator unchecked") << LatitudeZero{false, false, 1, false};
    }
    void latitudezero() {
        QFETCH(LatitudeZero, row);
        const auto [gridon, equatorbox, marked, equator] = row;
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.check("chkgrid", gridon);
        rig.check("chksunequator", equatorbox);
        QCOMPARE(rig.f1->styleopts.showequator, int16_t(equatorbox));
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
            const double t = std::atan2(tick.y1, -tick.x1) / DEG + 90;  // unflipped: x mirrored, t = i - 90
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
            float phi, l, x, y;
            for (int k = 0; point(k, phi, l); ++k)
                if (proj.project(phi, l, x, y) && k > 0) expected.push_back({v.sx(x), v.sy(y), colour});
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

    void colourdialog() {
        Rig rig("orrag.ini");
        const Colour grey = rgb(210, 210, 210);
        const CustomColours table{rgb(0, 159, 245),  rgb(0, 136, 238),  rgb(51, 122, 170), rgb(45, 100, 150),
                                  rgb(40, 90, 125),  rgb(40, 80, 100),  grey, grey, grey, grey,
                                  rgb(40, 80, 100),  rgb(40, 90, 125),  rgb(45, 100, 150), rgb(50, 122, 170),
                                  rgb(0, 136, 238),  rgb(0, 159, 245)};
        const Colour mine = rgb(1, 2, 3), picked = rgb(200, 10, 10);
        rig.chooser.answers = {{picked, 5, mine}, {std::nullopt, 6, rgb(9, 8, 7)}, {rgb(3, 3, 3)}};
        rig.click("cmddiskcol");
        rig.click("cmdlimbcol");  // a colour redefined, then cancelled
        rig.click("cmdgridcol");
        CustomColours kept = table;
        kept[5] = mine;
        QCOMPARE(rig.chooser.starts, (std::vector<Colour>{DISKC, LIMBC, GRIDC}));
        QVERIFY(rig.chooser.offered == (std::vector<CustomColours>{table, kept, kept}));
        const StyleOpts& s = rig.f1->styleopts;
        QCOMPARE((std::vector<Colour>{s.diskcolour, s.limbcolour, s.gridcolour}),
                 (std::vector<Colour>{picked, LIMBC, rgb(3, 3, 3)}));
        QCOMPARE(rig.f1->redraws, 0);

        rig.start();  // custom colours last only while the program runs
        rig.click("cmdaxescol");
        QVERIFY(rig.chooser.offered.back() == table);
        QCOMPARE(rig.f1->styleopts.axiscolour, AXISC);
    }

    void unusablesizes_data() {
        QTest::addColumn<BadSize>("row");
        auto row = [](const char* name, bool ready, const char* box, const char* typed, const char* field,
                      Element missing, int saved) {
            QTest::newRow(name) << BadSize{ready, box, typed, field, missing, saved};
        };
        row("grid interval empty", true, "txtgspace", "", "grid interval", grid, 0);
        row("grid interval abc", true, "txtgspace", "abc", "grid interval", grid, 0);
        row("grid interval 0", true, "txtgspace", "0", "grid interval", grid, 0);
        row("grid interval -5", true, "txtgspace", "-5", "grid interval", grid, -5);
        row("mark interval 0", true, "txtangint", "0", "angle mark interval", ticks, 0);
        row("number interval -30", true, "txtlabint", "-30", "angle label interval", numbers, -30);
        row("font abc", true, "txtfont", "abc", "label font size", numbers, 0);
        row("font 0.5", true, "txtfont", "0.5", "label font size", numbers, 0);
        row("diameter empty", true, "txtdia", "", "solar diameter", disk, 0);
        row("diameter x", true, "txtdia", "x", "solar diameter", disk, 0);
        row("normal view, mark interval 0", false, "txtangint", "0", "angle mark interval", ticks, 0);
        row("normal view, diameter x", false, "txtdia", "x", "", none, 0);
    }
    void unusablesizes() {
        QFETCH(BadSize, row);
        const auto& [graphicsready, box, typed, field, missing, saved] = row;
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
        if (missing == disk) return;
        RedrawState state = rig.f1->routine.state;
        RecordingSurface s(rig.f1->pic1->surface().width(), rig.f1->pic1->surface().height(), rig.tpp());
        ArrowPoints points{};
        drawgraphicpicture(s, state, *rig.f1, rig.f1->styleopts, readstylesizes(*rig.f1), points);
        QVERIFY(!s.ofkind(RecordedOp::circle).empty());
        QCOMPARE(nolines(s, GRIDC), missing == grid);
        QCOMPARE(nolines(s, PAC), missing == ticks);
        QCOMPARE(s.ofkind(RecordedOp::print).empty(), missing == numbers);
    }
};

QTEST_MAIN(GraphicsWindowTest)
#include "test_graphicswindow.moc"
