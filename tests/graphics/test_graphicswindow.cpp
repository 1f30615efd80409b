// quorvel_g's window f1 on the offscreen platform with its desktop links
// faked: the window as laid out (stored in ../ui/windows/), its settings
// files, its layout rule, both views, resizing, the clipboard, the colour
// dialog and the size boxes' bounds.
#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
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

/// "Print..." answered at once: the printer's outcome as given.
struct StandInPrinter : TrueScaleQuestions {
    Outcome outcome;
    bool ask(TrueScaleRequest&, bool) override { return true; }
    Outcome print(const TrueScaleRequest&) override { return outcome; }
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
    StandInPrinter printer;
    std::unique_ptr<GraphicsWindow> f1;

    explicit Rig(const char* file = nullptr, const SettingsRec& rec = stylerecord()) {
        if (file) writefile(file, recordbytes(rec));
        start();
    }
    void start() {  // a new start of the program in the same folder
        f1.reset();
        f1 = std::make_unique<GraphicsWindow>(services(), GraphicsServices{chooser, clipboard, &printer});
        f1->Form_Load();
    }
    bool shown() { return f1->show(), QTest::qWaitForWindowExposed(f1.get()); }
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

QString hexcolour(Colour c) { return QColor(redof(c), greenof(c), blueof(c)).name(); }

bool exact(const QImage& image, QPointF at, Colour colour) {
    const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    return image.valid(p) && image.pixelColor(p) == QColor(redof(colour), greenof(colour), blueof(colour));
}

const char* const COLOURBUTTONS[8] = {"cmdcolback", "cmddiskcol", "cmdlimbcol", "cmdgridcol",
                                      "cmdeqcol",   "cmdpacols",  "cmdarcol",   "cmdaxescol"};

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

    // A new user's first start, without any settings file: the design's
    // style, no message, the graphics-ready view drawn and saved at once.
    // A record of noise is said once and set aside; the backup stays as it was.
    void firststartandnoise() {
        {
            Rig rig;
            QVERIFY(rig.shown());
            QTRY_COMPARE(rig.f1->redraws, 1);
            QCOMPARE(rig.messages.shown, Shown{});
            QCOMPARE(rig.end.ends, 0);
            QCOMPARE(rig.texts(), (QStringList{"500", "15", "10", "30", "14"}));
            QCOMPARE(rig.file("orrag.ini").size(), 168);
        }
        Rig rig;
        const QByteArray noise = QByteArray(168, '\x5a'), backup = recordbytes(stylerecord());
        rig.writefile("orrag.ini", noise);
        rig.writefile("orragold.ini", backup);
        rig.start();
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QCOMPARE(rig.messages.shown[0].first, std::string("Settings"));
        QCOMPARE(rig.end.ends, 0);
        QCOMPARE(rig.texts(), (QStringList{"500", "15", "10", "30", "14"}));
        QCOMPARE(rig.file("orragold.ini"), backup);
        QCOMPARE(rig.file("orrag.ini.bad"), noise);
    }

    // A user's session, each step stored (sessions/quorvel_g.txt): the first
    // run from quorvel's file with the design's style and "Default style" after
    // changes; what each size box takes (anything else is refused before
    // drawing, and nothing is saved); "Print..." printed and refused; the
    // colour dialog and its custom colours, which last while the program runs;
    // the place, colours, sizes and boxes that reach the file and the next start.
    void session() {
        SettingsRec viewer = stylerecord();
        viewer.diameter = 400, viewer.gridspacing = 20, viewer.reserved10 = 0, viewer.drift = 1, viewer.grid = 1;
        Rig rig("orra.ini", viewer);
        if (rig.tpp() != 15) QSKIP("the largest diameter is worked out for 15 twips a pixel");
        QVERIFY(rig.shown());
        Transcript t(rig, *rig.f1, "orrag.ini");
        auto style = [&] {
            QString text = "sizes " + rig.texts().join(' ') + ", colours";
            for (Colour c : rig.colours()) text += " " + hexcolour(c);
            for (const char* box : {"chkgrid", "chksunequator", "chkaxes"})
                text += QString(" ") + box + (rig.child<QCheckBox>(box)->isChecked() ? "=1" : "=0");
            return text;
        };
        auto restart = [&] {
            rig.start();
            t.follow(*rig.f1);
        };
        t.step("first start from quorvel's file: " + style());
        rig.chooser.answers.push_back({rgb(1, 2, 3)});
        rig.click("cmddiskcol");
        rig.settext("txtdia", "320");
        rig.check("chkaxes", false);
        t.step("disk colour, diameter 320, no axes: " + style());
        rig.click("cmddefaultstyle");
        t.step("Default style: " + style());
        rig.click("comgraph");
        t.step("Graphics Ready View");
        restart();
        t.step("next start: " + style());

        const std::pair<const char*, const char*> typed[] = {
            {"txtgspace", "1"},   {"txtgspace", " 360 "}, {"txtgspace", "0.1"}, {"txtgspace", "361"}, {"txtgspace", ""},
            {"txtangint", "0"},   {"txtangint", "-5"},    {"txtlabint", "12.5"}, {"txtlabint", "abc"}, {"txtfont", "500"},
            {"txtfont", "0"},     {"txtfont", "501"},     {"txtdia", "4368"},    {"txtdia", "4369"},   {"txtdia", "32768"},
            {"txtdia", "500px"}};
        for (const auto& [box, text] : typed) {
            const QString was = rig.text(box);
            rig.settext(box, text);
            rig.click("butdraw");
            rig.click("comgraph");
            t.step(QString("both views with %1 \"%2\"").arg(box, text));
            rig.settext(box, was);
        }

        for (const Outcome& printed : {Outcome::ok(), Outcome::input("the picture does not fit the page")}) {
            rig.printer.outcome = printed;
            rig.click("cmdprint");
            t.step("Print... " + QString::fromStdString(printed.done() ? "printed" : printed.message));
        }

        const Colour mine = rgb(1, 2, 3), picked = rgb(200, 10, 10);
        rig.chooser.answers = {{picked, 5, mine}, {std::nullopt, 6, rgb(9, 8, 7)}, {rgb(3, 3, 3)}};
        for (const char* button : {"cmddiskcol", "cmdlimbcol", "cmdgridcol", "", "cmdaxescol"}) {
            if (!*button) {  // custom colours last only while the program runs
                restart();
                continue;
            }
            rig.click(button);
            QString offered;
            for (Colour c : rig.chooser.offered.back()) offered += " " + hexcolour(c);
            t.step(QString("%1 from %2, custom colours%3: %4").arg(button, hexcolour(rig.chooser.starts.back()), offered, style()));
        }

        rig.f1->setgeometry({1500, 900, 9000, 7500});
        for (int i = 0; i < 8; ++i) {
            rig.chooser.answers.push_back({rgb(3 * i + 1, 3 * i + 2, 3 * i + 3)});
            rig.click(COLOURBUTTONS[i]);
        }
        const char* boxes[5] = {"txtdia", "txtgspace", "txtangint", "txtlabint", "txtfont"};
        for (int i = 0; i < 5; ++i) rig.settext(boxes[i], QStringList{"640", "12", "5", "45", " 18"}[i]);
        rig.check("chksunequator");
        rig.check("chkaxes");
        QTest::keyClick(rig.child<QLineEdit>("txtfont"), Qt::Key_Return);  // presses "Graphics Ready View"
        t.step("moved, eight colours, five sizes, Enter: " + style());
        restart();
        const TwipsRect g = rig.f1->geometry();
        t.step(QString("next start at %1 %2 %3 %4: ").arg(g.left).arg(g.top).arg(g.width).arg(g.height) + style());
        QCOMPARE(rig.end.ends, 0);
        const QString problem = comparestored(t.lines.join('\n') + '\n', QStringLiteral(QUORVEL_TEST_DATA) + "/sessions/quorvel_g.txt");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
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

    // Printing to a file writes it as every output: a planted link is replaced, never written through.
    void printtofilereplacesalink() {
        Rig rig("orrag.ini");
        QTemporaryDir dir;
        const QString victim = dir.filePath("victim"), link = dir.filePath("disk.pdf");
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly) && v.write("secret") == 6);
        v.close();
        QVERIFY(QFile::link(victim, link));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(link);
        QVERIFY(printpage(printer, rig.f1->truescalerequest()).done());
        QVERIFY(!QFileInfo(link).isSymLink());
        QFile pdf(link), again(victim);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        QCOMPARE(again.readAll(), QByteArray("secret"));
    }
};

QTEST_MAIN(GraphicsWindowTest)
#include "test_graphicswindow.moc"
