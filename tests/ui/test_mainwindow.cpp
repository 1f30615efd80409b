// The window f1 of quorvel on the offscreen platform, with its links to the
// desktop replaced: start-up, the change notice, the mount pair, "Draw" and its
// save, the input messages, "Now", closing, the repaint rule, Help and Graphics.
#include <QCheckBox>
#include <QExposeEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "mainwindow.h"
#include "runtimefault.h"
#include "settingsrec.h"

using namespace quorvel;
Q_DECLARE_METATYPE(quorvel::SettingsRec)

namespace {

struct RecordingMessages : MessageBoxes {
    std::vector<std::pair<std::string, std::string>> shown;
    void showmessage(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};

struct RecordingEnd : ProgramEnd {
    int ends = 0;
    void endprogram() override { ++ends; }
};

struct FakeShell : ShellService {
    int32_t result = 42;
    int startfault = 0;  // thrown by startprogram when not 0
    std::vector<std::vector<std::string>> calls;
    std::vector<std::string> started;
    int32_t shellexecute(const std::string& file, const std::string& params, const std::string& folder,
                         int32_t show) override {
        calls.push_back({file, params, folder, std::to_string(show)});
        return result;
    }
    void startprogram(const std::string& line, int32_t) override {
        started.push_back(line);
        if (startfault != 0) throw RuntimeFault(startfault, line + " not started");
    }
};

struct FixedClock : Clock {
    QDateTime at{QDate(2006, 6, 21), QTime(12, 0)};
    QDateTime now() const override { return at; }
};

struct CollectedLabels : LabelSink {
    std::map<ResultLabel, std::string> captions;
    void setcaption(ResultLabel label, const std::string& caption) override { captions[label] = caption; }
};

const char* const BOXES[] = {"chksunrot", "chkposang", "chkdrift", "optdst", "chkflip",
                             "chkaltaz",  "chkequat",  "chkgrid",  "chkinvert"};

/// 51.5 N, 0.5 E, zone 0, equatorial, options off; the fields quorvel does not
/// own hold values of their own, so that a save shows whether they pass through.
SettingsRec plainrecord() {
    SettingsRec r;
    r.lat10 = 515, r.long10 = -5, r.flipsign = -1;
    r.reserved10 = 100, r.reserved24 = 9, r.labelinterval = 30, r.diameter = 400, r.sunequator = 1;
    r.reserved40[6] = 77, r.winstate = 2, r.diskcolour = 0x00FFFF, r.reserved100[3] = 123456;
    r.wintop = 7, r.winleft = 8, r.winwidth = 9, r.winheight = 10;
    return r;
}

/// A window in its own program folder, loaded from a prepared "orra.ini".
struct RecordingClipboard : Clipboard {
    void clear() override { texts.clear(); }
    void setimage(const QImage&) override {}
    void settext(const std::string& text) override { texts.push_back(text); }
    void beep() override {}
    std::vector<std::string> texts;
};

struct Rig {
    QTemporaryDir dir;
    RecordingClipboard clipboard;
    RecordingMessages messages;
    RecordingEnd end;
    FakeShell shell;
    FixedClock clock;
    QByteArray stored;
    std::unique_ptr<F1> f1;

    explicit Rig(const SettingsRec& rec = plainrecord()) {
        const SettingsBytes bytes = encoderecord(rec);
        stored = QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        QFile file(dir.filePath("orra.ini"));
        if (file.open(QIODevice::WriteOnly)) file.write(stored);
        file.close();
        f1 = std::make_unique<F1>(WindowServices{messages, end, shell, clock, dir.path().toStdString(), &clipboard});
        f1->Form_Load();
    }
    /// Shows the window and waits for the first picture.
    bool shown() {
        f1->show();
        return QTest::qWaitFor([this] { return f1->redraws > 0; }) && settle();
    }
    /// Lets every queued event run.
    bool settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        return true;
    }
    template <class T> T* child(const char* name) const { return f1->findChild<T*>(name); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    bool notice() const { return !child<QLabel>("lblalter")->isHidden(); }
    QByteArray settingsfile() const {
        QFile file(dir.filePath("orra.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void click(QWidget* w) const {
        QPoint at = w->rect().center();
        if (auto* box = qobject_cast<QCheckBox*>(w)) {  // on the indicator itself
            QStyleOptionButton opt;
            opt.initFrom(box);
            at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center();
        }
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    void expose() const {
        QExposeEvent e(QRegion(QRect(QPoint(), f1->size())));
        QCoreApplication::sendEvent(f1->windowHandle(), &e);
    }
};

bool allbackground(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(255, 255, 255)) return false;
    return !image.isNull();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void startupfills_data() {
        QTest::addColumn<SettingsRec>("rec");
        QTest::addColumn<QStringList>("texts");  // txtlat, txtlong, txttz
        QTest::addColumn<QStringList>("checked");
        QTest::newRow("north, equatorial, options off")
            << plainrecord() << QStringList{" 51.5", "   -.5", " 0"} << QStringList{"chkequat"};
        SettingsRec on;
        on.lat10 = -335, on.long10 = 1234, on.zonehours = -5, on.dst = 1, on.flipsign = 1, on.mountaltaz = 1;
        on.grid = on.invert = on.rotation = on.posangles = on.drift = 1;
        QTest::newRow("south, altaz, options on")
            << on << QStringList{"-33.5", " 123.4", "-5"}
            << QStringList{"chksunrot", "chkposang", "chkdrift", "optdst", "chkflip", "chkaltaz", "chkgrid", "chkinvert"};
        SettingsRec twos;  // only an exact 1 checks a box
        twos.lat10 = 50, twos.long10 = -1800, twos.zonehours = 12, twos.flipsign = 0;
        twos.rotation = twos.posangles = twos.drift = twos.dst = twos.mountaltaz = 2;
        QTest::newRow("stored 2 and 0 load unchecked")
            << twos << QStringList{"  5.0", "-180.0", " 12"} << QStringList{"chkequat"};
    }
    void startupfills() {
        QFETCH(SettingsRec, rec);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, checked);
        Rig rig(rec);
        QCOMPARE(rig.text("txtlat"), texts[0]);
        QCOMPARE(rig.text("txtlong"), texts[1]);
        QCOMPARE(rig.text("txttz"), texts[2]);
        for (const char* box : BOXES) QCOMPARE(rig.child<QCheckBox>(box)->isChecked(), checked.contains(box));
        const QStringList clockfields{rig.text("txtday"), rig.text("txtmonth"), rig.text("txtyear"),
                                      rig.text("txthour"), rig.text("txtmin")};
        QCOMPARE(clockfields, (QStringList{"21", "6", "2006", "12", "0"}));
        QVERIFY(rig.notice());
        QCOMPARE(rig.f1->redraws, 0);
        QVERIFY(rig.messages.shown.empty());
    }

    void changeshowsnotice_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("notice");
        for (const char* t : {"txtday", "txtmonth", "txtyear", "txthour", "txtmin", "txttz", "txtlat", "txtlong"})
            QTest::newRow(t) << t << true;
        for (const char* b : {"chkflip", "chkgrid", "chkposang", "chksunrot", "chkdrift", "optdst", "chkaltaz",
                              "chkequat"})
            QTest::newRow(b) << b << true;
        QTest::newRow("chkinvert") << "chkinvert" << false;
    }
    void changeshowsnotice() {
        QFETCH(QString, control);
        QFETCH(bool, notice);
        Rig rig;
        QVERIFY(rig.shown());
        QVERIFY(!rig.notice());
        const int redraws = rig.f1->redraws;
        QWidget* w = rig.child<QWidget>(control.toLatin1().constData());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            QTest::keyClicks(edit, "1");
        else
            rig.click(w);
        rig.settle();
        QCOMPARE(rig.notice(), notice);
        QCOMPARE(rig.f1->redraws, redraws);
    }

    void mountpair_data() {
        QTest::addColumn<int>("storedaltaz");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("altaz");
        QTest::newRow("Equat over Altaz") << 1 << "chkequat" << false;
        QTest::newRow("Altaz over Equat") << 0 << "chkaltaz" << true;
        QTest::newRow("checked Altaz again") << 1 << "chkaltaz" << true;
        QTest::newRow("checked Equat again") << 0 << "chkequat" << false;
    }
    void mountpair() {
        QFETCH(int, storedaltaz);
        QFETCH(QString, clicked);
        QFETCH(bool, altaz);
        SettingsRec rec = plainrecord();
        rec.mountaltaz = static_cast<int16_t>(storedaltaz);
        Rig rig(rec);
        QVERIFY(rig.shown());
        rig.click(rig.child<QCheckBox>(clicked.toLatin1().constData()));
        QCOMPARE(rig.child<QCheckBox>("chkaltaz")->isChecked(), altaz);
        QCOMPARE(rig.child<QCheckBox>("chkequat")->isChecked(), !altaz);
        QVERIFY(rig.notice());
    }

    // The readout follows the mouse over the drawn disk; a click copies one line.
    void readoutfollowsthemouseandclickcopies() {
        Rig rig;
        QVERIFY(rig.shown());
        auto* readout = rig.child<QLabel>("lblreadout");
        QVERIFY(readout);
        const QPoint centre = rig.f1->pic1->rect().center();
        QTest::mouseMove(rig.f1->pic1, centre);
        QTRY_VERIFY(readout->text().startsWith("Lat "));
        QTest::mouseMove(rig.f1->pic1, QPoint(2, 2));  // a corner lies outside the disk
        QTRY_VERIFY(readout->text().startsWith("Off the disk"));
        QTest::mouseClick(rig.f1->pic1, Qt::LeftButton, {}, centre);
        QCOMPARE(rig.clipboard.texts.size(), size_t(1));
        QCOMPARE(QString::fromStdString(rig.clipboard.texts[0]).split('\t').size(), 6);
        QTest::mouseClick(rig.f1->pic1, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(rig.clipboard.texts.size(), size_t(1));  // nothing to copy off the disk
    }

    void drawfillslabelsandsaves() {
        Rig rig;
        QVERIFY(rig.shown());
        rig.click(rig.child<QPushButton>("Command1"));
        QVERIFY(rig.notice());
        const int redraws = rig.f1->redraws;
        rig.click(rig.child<QPushButton>("butdraw"));
        QCOMPARE(rig.f1->redraws, redraws + 1);
        QVERIFY(!rig.notice());
        QVERIFY(rig.messages.shown.empty());

        FieldTexts f{"21", "6", "2006", "12", "0", " 0", false, " 51.5", "   -.5"};
        RedrawState state;
        CollectedLabels expected;
        QCOMPARE(drawvalues(f, false, '.', state, expected), InputFault::none);
        QCOMPARE(static_cast<int>(expected.captions.size()), RESULT_LABEL_COUNT);
        for (const auto& [label, caption] : expected.captions)
            QCOMPARE(rig.child<QLabel>(labelname(label))->text(), QString::fromStdString(caption));
        // The solstice of 2006 came at 12:26 UT, so the Sun stands just short of 6h.
        QCOMPARE(rig.child<QLabel>("lblsunrastr")->text(), QStringLiteral("RA           5h 59m "));
        QCOMPARE(rig.child<QLabel>("lblsundecstr")->text(), QStringLiteral("Dec           23º 26' "));

        const QByteArray saved = rig.settingsfile();
        QCOMPARE(saved.size(), 168);
        QCOMPARE(saved.left(10), QByteArray::fromHex("0302fbff00000000ffff"));
        SettingsRec rec = plainrecord();  // quorvel's own fields take their fixed values
        rec.winstate = 0, rec.wintop = 100, rec.winleft = 300, rec.winwidth = 12900, rec.winheight = 11100;
        const SettingsBytes bytes = encoderecord(rec);
        QCOMPARE(saved, QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }

    void inputchecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("savedlat10");
        QTest::addColumn<int>("savedzone");
        QTest::newRow("date") << "txtday" << "32" << int(InputFault::date) << 515 << 0;
        QTest::newRow("time") << "txthour" << "25" << int(InputFault::time) << 515 << 0;
        QTest::newRow("zone") << "txttz" << "13" << int(InputFault::zone) << 515 << 13;
        QTest::newRow("place") << "txtlat" << "95" << int(InputFault::place) << 950 << 0;
    }
    void inputchecks() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, fault);
        QFETCH(int, savedlat10);
        QFETCH(int, savedzone);
        Rig rig;
        QVERIFY(rig.shown());
        QVERIFY(!allbackground(rig.f1->pic1->image()));
        rig.child<QLineEdit>(field.toLatin1().constData())->setText(typed);
        rig.click(rig.child<QPushButton>("butdraw"));
        const std::pair<std::string, std::string> message{"Error", inputmessage(static_cast<InputFault>(fault))};
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QCOMPARE(rig.messages.shown[0], message);
        QVERIFY(allbackground(rig.f1->pic1->image()));
        QVERIFY(!rig.notice());
        QCOMPARE(rig.end.ends, 0);
        // Saved whatever the outcome.
        const QByteArray saved = rig.settingsfile();
        const SettingsRec rec = decoderecord(std::span(reinterpret_cast<const uint8_t*>(saved.data()), saved.size()));
        QCOMPARE(int(rec.lat10), savedlat10);
        QCOMPARE(int(rec.zonehours), savedzone);

        const int redraws = rig.f1->redraws;
        rig.expose();
        rig.settle();
        QCOMPARE(rig.f1->redraws, redraws);
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        rig.click(rig.child<QPushButton>("butdraw"));  // "Draw" reports it again
        QCOMPARE(rig.messages.shown.size(), size_t(2));
        QCOMPARE(rig.messages.shown[1], message);
    }

    void nowfillsclock() {
        Rig rig;
        QVERIFY(rig.shown());
        const int redraws = rig.f1->redraws;
        rig.clock.at = QDateTime(QDate(2007, 1, 2), QTime(9, 5, 59));
        rig.click(rig.child<QPushButton>("Command1"));
        rig.settle();
        const QStringList fields{rig.text("txtday"), rig.text("txtmonth"), rig.text("txtyear"), rig.text("txthour"),
                                 rig.text("txtmin")};
        QCOMPARE(fields, (QStringList{"2", "1", "2007", "9", "5"}));
        QVERIFY(rig.notice());
        QCOMPARE(rig.f1->redraws, redraws);
    }

    void closingsavesnothing() {
        Rig rig;
        QVERIFY(rig.shown());
        QTest::keyClicks(rig.child<QLineEdit>("txtlat"), "9");
        rig.click(rig.child<QCheckBox>("chkgrid"));
        rig.click(rig.child<QCheckBox>("chkaltaz"));
        QVERIFY(rig.f1->close());
        rig.settle();
        QCOMPARE(rig.settingsfile(), rig.stored);
    }

    void firstshowingdrawsonce() {
        Rig rig;
        rig.f1->show();
        QTRY_COMPARE(rig.f1->redraws, 1);
        rig.settle();
        QCOMPARE(rig.f1->redraws, 1);
        QVERIFY(!rig.notice());
        QVERIFY(!allbackground(rig.f1->pic1->image()));
    }

    void exposureredraws_data() {
        QTest::addColumn<bool>("rotation");
        QTest::addColumn<bool>("resize");
        QTest::addColumn<int>("exposures");
        QTest::addColumn<int>("redraws");
        QTest::newRow("one exposure") << false << false << 1 << 1;
        QTest::newRow("three exposures in one turn") << false << false << 3 << 1;
        QTest::newRow("resize") << false << true << 1 << 1;
        QTest::newRow("exposures after the rotation arrows") << true << false << 3 << 0;
        QTest::newRow("resize after the rotation arrows") << true << true << 1 << 0;
    }
    void exposureredraws() {
        QFETCH(bool, rotation);
        QFETCH(bool, resize);
        QFETCH(int, exposures);
        QFETCH(int, redraws);
        Rig rig;
        QVERIFY(rig.shown());
        rig.child<QCheckBox>("chksunrot")->setChecked(rotation);
        rig.click(rig.child<QPushButton>("butdraw"));
        rig.settle();
        const int before = rig.f1->redraws;
        for (int i = 0; i < exposures; ++i) {
            if (resize)
                rig.f1->resize(rig.f1->size() + QSize(20, 10));
            else
                rig.expose();
        }
        QTRY_COMPARE(rig.f1->redraws, before + redraws);
        rig.settle();
        QCOMPARE(rig.f1->redraws, before + redraws);
    }

    void help_data() {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("startfault");
        QTest::addColumn<QStringList>("message");  // title and text; none when empty
        QTest::newRow("document opens") << 42 << 0 << QStringList();
        QTest::newRow("document missing")
            << 2 << 53
            << QStringList{"File Error", "File 'helpqv.pdf' is missing from the program folder.   Help cannot open."};
        QTest::newRow("no application for it")
            << 31 << 5
            << QStringList{"Help Error", "ERROR 5 occurred in HELP.  HELP needs Adobe Acrobat reader installed.   "
                                         "Please go to Adobe site for a free download."};
    }
    void help() {
        QFETCH(int, result);
        QFETCH(int, startfault);
        QFETCH(QStringList, message);
        Rig rig;
        QVERIFY(rig.shown());
        rig.shell.result = result;
        rig.shell.startfault = startfault;
        rig.click(rig.child<QPushButton>("cmdhelp"));
        const std::vector<std::vector<std::string>> calls{{"helpqv.pdf", "", rig.dir.path().toStdString(), "1"}};
        QCOMPARE(rig.shell.calls, calls);
        QCOMPARE(rig.shell.started.size(), size_t(result < 32 ? 1 : 0));
        QStringList shown;
        for (const auto& [title, text] : rig.messages.shown)
            shown << QString::fromStdString(title) << QString::fromStdString(text);
        QCOMPARE(shown, message);
        rig.settle();
        QCOMPARE(rig.end.ends, 0);
        QVERIFY(rig.f1->isVisible());
    }

    void graphicsfailurekeepsrunning() {
        Rig rig;
        QVERIFY(rig.shown());
        rig.shell.result = 2;
        rig.shell.startfault = 53;
        rig.click(rig.child<QPushButton>("Command2"));
        QCOMPARE(rig.shell.calls.size(), size_t(1));
        QCOMPARE(rig.shell.calls[0][0], std::string("quorvel_g"));
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QVERIFY(!rig.messages.shown[0].first.empty());
        QVERIFY(QString::fromStdString(rig.messages.shown[0].second).contains("quorvel_g"));
        rig.settle();
        QCOMPARE(rig.end.ends, 0);
        QVERIFY(rig.f1->isVisible());
    }

    void noticeliesoverdraw() {
        Rig rig;
        QVERIFY(rig.shown());
        QTest::keyClicks(rig.child<QLineEdit>("txtmin"), "1");
        auto* notice = rig.child<QLabel>("lblalter");
        const QRect overlap = notice->geometry().intersected(rig.child<QPushButton>("butdraw")->geometry());
        QVERIFY(!overlap.isEmpty());
        QCOMPARE(rig.f1->childAt(overlap.center()), notice);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
