// quorvel_g's window f1 on the offscreen platform with its desktop links
// faked: the window as laid out (stored in ../ui/windows/), its settings
// files, its layout rule, both views, resizing, the clipboard, the colour
// dialog and the size boxes' bounds.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <deque>
#include <memory>

#include "desk.h"
#include "graphicswindow.h"
#include "readout.h"
#include "settingsrec.h"
#include "windowchecks.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

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
/// A window in its own program folder.
struct Rig : Desk {
    ScriptedChooser chooser;
    std::unique_ptr<GraphicsWindow> f1;

    explicit Rig(const char* file = nullptr, const SettingsRec& rec = stylerecord()) {
        if (file) writefile(file, recordbytes(rec));
        start();
    }
    void start() {  // a new start of the program in the same folder
        f1.reset();
        f1 = std::make_unique<GraphicsWindow>(services(), GraphicsServices{chooser, clipboard});
        f1->Form_Load();
    }
    bool shown() { return f1->show(), QTest::qWaitForWindowExposed(f1.get()); }
    SettingsRec saved() const {
        const QByteArray b = file("orrag.ini");
        return decoderecord(std::span(reinterpret_cast<const uint8_t*>(b.data()), static_cast<size_t>(b.size())));
    }
    template <class T> T* child(const char* name) const { return test::child<T>(*f1, name); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    void settext(const char* name, const QString& t) const { child<QLineEdit>(name)->setText(t); }
    void check(const char* name, bool on = true) const { child<QCheckBox>(name)->setChecked(on); }
    void click(const char* name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    double tpp() const { return f1->pic1->surface().twipsperpixel(); }
    /// The pixel of pic1's image at a point of the picture's scale (origin at its centre, twips).
    QPointF pixel(double x, double y) const {
        QPainterSurface& s = f1->pic1->surface();
        return {(x + s.width() * 0.5) / tpp(), (y + s.height() * 0.5) / tpp()};
    }
    QStringList texts() const {
        QStringList t;
        for (const char* box : {"txtdia", "txtgspace", "txtangint", "txtlabint", "txtfont"}) t << text(box);
        return t;
    }
    std::vector<Colour> colours() const {
        const StyleOpts& s = f1->styleopts;
        return {s.backcolour, s.diskcolour, s.limbcolour, s.gridcolour, s.equatorcolour, s.pacolour, s.arrowcolour, s.axiscolour};
    }
};

bool exact(const QImage& image, QPointF at, Colour colour) {
    const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    return image.valid(p) && image.pixelColor(p) == QColor(redof(colour), greenof(colour), blueof(colour));
}

const char* const COLOURBUTTONS[8] = {"cmdcolback", "cmddiskcol", "cmdlimbcol", "cmdgridcol",
                                      "cmdeqcol",   "cmdpacols",  "cmdarcol",   "cmdaxescol"};
const QStringList DESIGN_SIZES{"500", "15", "10", "30", "14"};
const std::vector<Colour> DESIGN_COLOURS{0, rgb(255, 255, 255), rgb(255, 255, 255), 0, 0, rgb(70, 70, 70), 0, 0};

}  // namespace

class GraphicsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The whole window after a graphics-ready view, stored; every text shows whole.
    void window() {
        Rig rig("orrag.ini");
        if (rig.tpp() != 15) QSKIP("the stored window is laid out at 96 dpi");
        QVERIFY(rig.shown());
        rig.check("chkgrid");
        rig.click("comgraph");
        const QString problem =
            comparestored(windowdump(*rig.f1), QStringLiteral(QUORVEL_TEST_DATA) + "/windows/quorvel_g_drawn.txt");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        rig.settext("txtdia", "100000");
        rig.child<QLabel>("lblreadout")->setText(QString::fromStdString(readouttext({true, -88.88, -178.88, 358.88, 358.88, 0.99})));
        rig.f1->showchanged();
        const QStringList problems = layoutproblems(*rig.f1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const QString mount = mountpairproblem(*rig.f1);
        QVERIFY2(mount.isEmpty(), qPrintable(mount));
    }

    // A first run imports quorvel's file: place and options from it, the
    // design's style; "Default style" puts that style back after changes.
    void firstrun() {
        SettingsRec viewer = stylerecord();
        viewer.diameter = 400, viewer.gridspacing = 20, viewer.reserved10 = 0, viewer.drift = 1, viewer.grid = 1;
        Rig rig("orra.ini", viewer);
        QCOMPARE(rig.texts(), DESIGN_SIZES);
        QVERIFY(rig.colours() == DESIGN_COLOURS);
        QVERIFY(rig.child<QCheckBox>("chksunequator")->isChecked() && rig.child<QCheckBox>("chkaxes")->isChecked());
        QVERIFY(rig.child<QCheckBox>("chkgrid")->isChecked());
        QCOMPARE(rig.text("txtlat"), QString(" 51.5"));

        rig.chooser.answers.push_back({rgb(1, 2, 3)});
        rig.click("cmddiskcol");
        rig.settext("txtdia", "320");
        rig.check("chkaxes", false);
        rig.click("cmddefaultstyle");
        QCOMPARE(rig.texts(), DESIGN_SIZES);
        QVERIFY(rig.colours() == DESIGN_COLOURS);
        QVERIFY(rig.child<QCheckBox>("chkaxes")->isChecked());
        QCOMPARE(rig.f1->redraws, 0);
        QCOMPARE(rig.file("orrag.ini"), recordbytes(viewer));  // saved at the next view button
        rig.click("comgraph");
        QCOMPARE(rig.saved().diameter, int16_t(500));
        QCOMPARE(rig.saved().reserved10, int16_t(100));
        QVERIFY(rig.messages.shown.empty());

        rig.start();  // the style saved is the next start's
        QCOMPARE(rig.texts(), (QStringList{" 500", " 15", " 10", " 30", " 14"}));
    }

    void neitherfile() {
        Rig rig;
        QCOMPARE(rig.messages.shown, (Shown{{"File Error",
                 "File 'orra.ini' or 'orrag.ini is missing from the program folder.  The program cannot run."}}));
        QCOMPARE(rig.end.ends, 1);
    }

    // The window's place, colours, sizes and boxes reach the file (its bytes stored) and the next start.
    void geometryandstyleroundtrip() {
        Rig rig("orrag.ini");
        rig.f1->setgeometry({1500, 900, 9000, 7500});
        std::vector<Colour> chosen;
        for (int i = 0; i < 8; ++i) {
            chosen.push_back(rgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
            rig.chooser.answers.push_back({chosen.back()});
            rig.click(COLOURBUTTONS[i]);
        }
        const QStringList typed{"640", "12", "5", "45", " 18"};
        const char* boxes[5] = {"txtdia", "txtgspace", "txtangint", "txtlabint", "txtfont"};
        for (int i = 0; i < 5; ++i) rig.settext(boxes[i], typed[i]);
        rig.check("chksunequator");
        rig.check("chkaxes");
        QTest::keyClick(rig.child<QLineEdit>("txtfont"), Qt::Key_Return);  // Enter presses "Graphics Ready View"
        QCOMPARE(rig.f1->redraws, 1);
        QCOMPARE(rig.f1->routine.state.sun.radius, static_cast<float>(640 * rig.tpp() * 0.5));

        const QString problem = comparestored(QString::fromLatin1(rig.file("orrag.ini").toHex(' ')),
                                              QStringLiteral(QUORVEL_TEST_DATA) + "/saved/orrag_styled.ini");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        rig.start();
        const TwipsRect g = rig.f1->geometry();
        QCOMPARE((QList<int>{g.left, g.top, g.width, g.height}), (QList<int>{1500, 900, 9000, 7500}));
        QCOMPARE(rig.texts(), (QStringList{" 640", " 12", " 5", " 45", " 18"}));
        QVERIFY(rig.colours() == chosen);
        QCOMPARE(rig.f1->styleopts.showequator, int16_t(1));
    }

    void layout_data() {
        QTest::addColumn<QSize>("client");  // pixels; the outer size adds 120 x 420 twips of frame
        QTest::addColumn<QSize>("pictwips");
        QTest::newRow("design size") << QSize(852, 712) << QSize(9880, 9300);
        QTest::newRow("3015 twips wide") << QSize(193, 712) << QSize(1, 1);
        QTest::newRow("3030 twips wide") << QSize(194, 712) << QSize(10, 9300);
        QTest::newRow("1800 twips high") << QSize(852, 92) << QSize(9880, 1);
        QTest::newRow("1920 twips high") << QSize(852, 100) << QSize(9880, 120);
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
        }
    }

    // The picture survives any resize whole and centred; the clipboard gets it whole.
    void resizekeepsthepicture() {
        Rig rig("orrag.ini");
        QVERIFY(rig.shown());
        rig.click("comgraph");
        const QImage drawn = rig.f1->pic1->image();
        QVERIFY(exact(drawn, rig.pixel(0, 0), DISKC));
        for (QSize size : {QSize(300, 200), QSize(100, 712), QSize(1000, 800), QSize(852, 712)}) {
            rig.f1->resize(size);
            QTRY_COMPARE(rig.f1->size(), size);
        }
        const QImage now = rig.f1->pic1->image();
        const QPoint offset((now.width() - drawn.width()) / 2, (now.height() - drawn.height()) / 2);
        QCOMPARE(now.copy(QRect(offset, drawn.size())), drawn);
        QVERIFY(exact(now, {1, 1}, BACKC));  // the new area in the background colour
        const QImage shown = rig.f1->pic1->grab().toImage();
        QVERIFY(exact(shown, QPointF(shown.width() / 2.0, shown.height() / 2.0), DISKC));
        rig.click("cmdcapture");
        QCOMPARE(rig.clipboard.calls, (QStringList{"clear", "setimage", "beep"}));
        QCOMPARE(rig.clipboard.image, now);
    }

    // What a box takes is what its message says and what the record holds;
    // anything else is refused before drawing, and nothing is saved.
    void sizebounds_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");  // a word of the message, "" when taken
        for (const char* box : {"txtgspace", "txtangint", "txtlabint"}) {
            for (const char* taken : {"1", " 360 "}) QTest::newRow(qPrintable(QString(box) + " " + taken)) << box << taken << "";
            for (const char* refused : {"0.1", "0", "361", "-5", "12.5", "abc", ""})
                QTest::newRow(qPrintable(QString(box) + " " + refused)) << box << refused << "interval";
        }
        QTest::newRow("font 500") << "txtfont" << "500" << "";
        QTest::newRow("font 0") << "txtfont" << "0" << "font size";
        QTest::newRow("font 501") << "txtfont" << "501" << "font size";
        QTest::newRow("diameter 4368") << "txtdia" << "4368" << "";
        QTest::newRow("diameter 4369") << "txtdia" << "4369" << "diameter";
        QTest::newRow("diameter 32768") << "txtdia" << "32768" << "diameter";
        QTest::newRow("diameter 500px") << "txtdia" << "500px" << "diameter";
    }
    void sizebounds() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        Rig rig("orrag.ini");
        if (rig.tpp() != 15) QSKIP("the largest diameter is worked out for 15 twips a pixel");
        QVERIFY(rig.shown());
        rig.settext(qPrintable(box), typed);
        for (const char* view : {"butdraw", "comgraph"}) {
            rig.click(view);
            QCOMPARE(rig.f1->redraws, refusal.isEmpty() ? 1 + (view[0] == 'c') : 0);
        }
        QCOMPARE(rig.end.ends, 0);
        if (refusal.isEmpty()) {
            QVERIFY(rig.messages.shown.empty());
            QVERIFY(rig.file("orrag.ini") != recordbytes(stylerecord()));
            return;
        }
        QCOMPARE(rig.messages.shown.size(), size_t(2));
        QVERIFY(QString::fromStdString(rig.messages.shown[0].second).contains(refusal));
        QCOMPARE(rig.file("orrag.ini"), recordbytes(stylerecord()));  // nothing saved
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
        QCOMPARE(rig.child<QPushButton>("cmddiskcol")->palette().color(QPalette::Button), QColor(200, 10, 10));
        QCOMPARE(rig.f1->redraws, 0);

        rig.start();  // custom colours last only while the program runs
        rig.click("cmdaxescol");
        QVERIFY(rig.chooser.offered.back() == table);
        QCOMPARE(rig.f1->styleopts.axiscolour, AXISC);
    }
};

QTEST_MAIN(GraphicsWindowTest)
#include "test_graphicswindow.moc"
