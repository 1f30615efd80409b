// The window f1 of quorvel on the offscreen platform, with its links to the
// desktop replaced: the window as laid out and captioned (stored in windows/),
// under a dark palette, the readout, and a user's session stored whole in
// sessions/. After a deliberate change: QUORVEL_UPDATE_GOLDEN=1.
#include <QCheckBox>
#include <QExposeEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "desk.h"
#include "mainwindow.h"
#include "measurewindow.h"
#include "readout.h"
#include "settingsrec.h"
#include "windowchecks.h"

using namespace quorvel;
using namespace quorvel::test;
Q_DECLARE_METATYPE(quorvel::SettingsRec)

namespace {

const QString STORED = QStringLiteral(QUORVEL_TEST_DATA);

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
struct Rig : Desk {
    QByteArray stored;
    std::unique_ptr<MainWindow> f1;

    explicit Rig(const SettingsRec& rec = plainrecord()) : stored(recordbytes(rec)) {
        writefile("orra.ini", stored);
        f1 = std::make_unique<MainWindow>(services());
        f1->Form_Load();
    }
    /// Shows the window and waits for the first picture.
    bool shown() {
        f1->show();
        return QTest::qWaitFor([this] { return f1->redraws > 0; }) && settle();
    }
    bool settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        return true;
    }
    template <class T> T* child(const char* name) const { return test::child<T>(*f1, name); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    bool notice() const { return !child<QLabel>("lblalter")->isHidden(); }
    QByteArray settingsfile() const { return file("orra.ini"); }
    void click(const char* name) const { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
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

    // The whole window after its first redraw, and after a first redraw that
    // fails on a stored latitude: placeholders never show, the tilt follows
    // the mount, every text shows whole and no control covers another.
    void window_data() {
        QTest::addColumn<SettingsRec>("rec");
        QTest::addColumn<QString>("stored");
        QTest::newRow("drawn") << plainrecord() << "quorvel_drawn.txt";
        SettingsRec bad = plainrecord();
        bad.lat10 = 950, bad.long10 = 1234, bad.zonehours = -5, bad.dst = 1, bad.flipsign = 1;
        bad.grid = bad.invert = bad.rotation = bad.posangles = bad.drift = 1;
        QTest::newRow("bad stored latitude, options on") << bad << "quorvel_badplace.txt";
    }
    void window() {
        QFETCH(SettingsRec, rec);
        QFETCH(QString, stored);
        Rig rig(rec);
        if (rig.f1->pic1->surface().twipsperpixel() != 15) QSKIP("the stored window is laid out at 96 dpi");
        QVERIFY(rig.shown());
        const QString problem = comparestored(windowdump(*rig.f1), STORED + "/windows/" + stored);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        // The longest texts a user meets, in place.
        rig.child<QLineEdit>("txtlong")->setText("-179.95");
        rig.child<QLabel>("lblreadout")->setText(QString::fromStdString(
            readouttext({true, -88.88, -178.88, 358.88, 358.88, 0.99})));
        const QStringList problems = layoutproblems(*rig.f1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const QString mount = mountpairproblem(*rig.f1);  // after any clicks, exactly one mount
        QVERIFY2(mount.isEmpty(), qPrintable(mount));
    }

    // Under a dark desktop palette every caption, field and value still reads
    // against what lies behind it.
    void darkpalette() {
        const QPalette desktop = QApplication::palette();
        QPalette dark;
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                    {QPalette::Base, QColor(42, 42, 42)}, {QPalette::Text, Qt::white},
                                    {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white}})
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        Rig rig;
        QVERIFY(rig.shown());
        for (const char* name : {"Label7", "Label2", "Label23", "lblcarrot", "lblp", "txtlat", "chkgrid", "optdst", "lblalter"}) {
            auto* w = rig.child<QWidget>(name);
            w->show();
            const QImage image = w->grab().toImage();
            const int behind = qGray(image.pixel(image.width() - 1, image.height() - 1));
            int contrast = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - behind));
            QVERIFY2(contrast > 100, name);
        }
        QApplication::setPalette(desktop);
    }

    // The readout follows the mouse over the drawn disk; a click copies one line.
    void readoutfollowsthemouseandclickcopies() {
        Rig rig;
        QVERIFY(rig.shown());
        auto* readout = rig.child<QLabel>("lblreadout");
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

    // "Measure Image..." opens the measuring window on this window's desktop
    // links: its messages and copies reach the same stand-ins.
    void measuringwindowtakesthestandins() {
        Rig rig;
        QVERIFY(rig.shown());
        rig.click("cmdmeasure");
        MeasureWindow* measure = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<MeasureWindow*>(w)) measure = m;
        QVERIFY(measure);
        QCOMPARE(measure->openimage(rig.dir.filePath("missing.png").toStdString()).kind, OutcomeKind::io);
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        measure->copyrows();
        QCOMPARE(rig.clipboard.texts.size(), size_t(1));
        measure->close();
    }

    // A user's session, each step stored with what it brought (stored in
    // sessions/): redraws, the notice, messages, launches and the bytes saved.
    // Every input but "Invert" shows the notice on its own and draws nothing; "Draw" and Enter redraw
    // and save; a failed check clears the picture, shows its message, and
    // the repaints that follow draw nothing until "Draw" reports it again;
    // repaints draw once a turn and never after the rotation arrows; closing
    // saves nothing.
    void session() {
        Rig rig;
        QVERIFY(rig.shown());
        Transcript t(rig, *rig.f1, "orra.ini");
        t.step("shown");
        for (const char* field : {"txtday", "txtmonth", "txtyear", "txthour", "txtmin", "txttz", "txtlat", "txtlong"}) {
            QTest::keyClicks(rig.child<QLineEdit>(field), "1");
            t.step(QString("typed 1 in ") + field);
        }
        rig.click("butdraw");
        t.step("Draw");
        for (const char* box : {"chkflip", "chkgrid", "chkposang", "chksunrot", "chkdrift", "optdst", "chkinvert",
                                "chkaltaz", "chkequat"}) {
            rig.child<QLabel>("lblalter")->hide();  // as a redraw hides it: each click shows it anew, or not
            rig.child<QCheckBox>(box)->click();
            t.step(QString("clicked ") + box);
        }
        for (auto [field, typed] : {std::pair{"txtday", "21"}, {"txtmonth", "6"}, {"txtyear", "2006"}, {"txthour", "12"},
                                    {"txtmin", "0"}, {"txttz", "5,5"}, {"txtlat", "-0.15"}, {"txtlong", "0"}}) {
            rig.child<QLineEdit>(field)->setText(typed);
        }
        QTest::keyClick(rig.child<QLineEdit>("txttz"), Qt::Key_Return);
        t.step("Enter in txttz after typing zone 5,5, latitude -0.15");
        rig.child<QLineEdit>("txttz")->setText("-3.5");
        rig.click("butdraw");
        t.step("Draw with zone -3.5");
        for (int i = 0; i < 3; ++i) rig.expose();
        t.step("three repaints after the rotation arrows");
        rig.child<QCheckBox>("chksunrot")->click();
        rig.click("butdraw");
        for (int i = 0; i < 3; ++i) rig.expose();
        t.step("Draw without the arrows, then three repaints");
        for (auto [field, bad] : {std::pair{"txtday", "32"}, {"txttz", "13"}, {"txtlat", "95"}}) {
            const QString good = rig.text(field);
            rig.child<QLineEdit>(field)->setText(bad);
            rig.click("butdraw");
            rig.expose();
            t.step(QString("Draw with ") + field + " " + bad + ", then a repaint; the picture is "
                   + (allbackground(rig.f1->pic1->image()) ? "cleared" : "drawn"));
            rig.child<QLineEdit>(field)->setText(good);
        }
        rig.clock.at = QDateTime(QDate(2007, 1, 2), QTime(9, 5, 59));
        rig.click("Command1");
        t.step("Now at 2007-01-02 09:05:59: " + QStringList{rig.text("txtday"), rig.text("txtmonth"), rig.text("txtyear"),
                                                             rig.text("txthour"), rig.text("txtmin")}.join(' '));
        const struct { const char* button; int result, startfault; const char* what; } launches[] = {
            {"cmdhelp", 0, 0, "Help, the guide opens"},
            {"cmdhelp", FAULT_FILE_NOT_FOUND, FAULT_FILE_NOT_FOUND, "Help, the guide missing"},
            {"cmdhelp", FAULT_DEVICE_IO, FAULT_PERMISSION_DENIED, "Help, no viewer for it"},
            {"Command2", 0, 0, "Graphics, quorvel_g starts"},
            {"Command2", FAULT_FILE_NOT_FOUND, FAULT_FILE_NOT_FOUND, "Graphics, quorvel_g missing"}};
        for (const auto& l : launches) {
            rig.shell.result = l.result, rig.shell.startfault = l.startfault;
            rig.click(l.button);
            t.step(l.what);
        }
        // A settings file that cannot be written is said once a run; the title says it until a save succeeds.
        QFile::remove(rig.dir.filePath("orra.ini"));
        QVERIFY(QDir(rig.dir.path()).mkdir("orra.ini"));
        for (const char* when : {"Draw, the settings file a folder", "Draw again"}) {
            rig.click("butdraw");
            t.step(QString(when) + "; title \"" + rig.f1->windowTitle() + "\"");
        }
        QVERIFY(QDir(rig.dir.path()).rmdir("orra.ini"));
        rig.click("butdraw");
        t.step("Draw, the folder gone; title \"" + rig.f1->windowTitle() + "\"");
        QTest::keyClicks(rig.child<QLineEdit>("txtlat"), "9");
        QVERIFY(rig.f1->close());
        t.step("typed 9 in txtlat and closed");
        QCOMPARE(rig.end.ends, 0);
        QCOMPARE(rig.f1->size(), rig.f1->maximumSize());  // the window keeps its design size
        const QString problem = comparestored(t.lines.join('\n') + '\n', STORED + "/sessions/quorvel.txt");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The desktop's own shell: an opener that fails is reported once the
    // events run; a program that may not be run is not handed to the opener.
    void desktopshell() {
        QTemporaryDir dir;
        QFile pdf(dir.filePath("helpqv.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly) && pdf.write("%PDF-1.4\n") > 0);
        pdf.close();
        DesktopShell shell("false");
        std::vector<std::string> reports;
        shell.failed = [&](const std::string& why) { reports.push_back(why); };
        QVERIFY(shell.open("helpqv.pdf", "", dir.path().toStdString()).done());
        QTRY_COMPARE(reports.size(), size_t(1));
        QVERIFY(QString::fromStdString(reports[0]).contains("helpqv.pdf"));

        QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath("quorvel_g"));  // an ELF file
        QFile::setPermissions(dir.filePath("quorvel_g"), QFile::ReadOwner);                 // not executable
        std::string command = "quorvel_g";
        const Outcome refused = launch(shell, command, dir.path().toStdString());
        QCOMPARE(refused.fault, FAULT_PERMISSION_DENIED);
        QVERIFY(QString::fromStdString(refused.message).contains("not executable"));
        QTest::qWait(50);
        QCOMPARE(reports.size(), size_t(1));  // nothing went to the opener
    }


    // A message box opens centred over its window.
    void messagecentred() {
        QWidget window;
        window.setGeometry(300, 200, 640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPoint centre;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) centre = box->frameGeometry().center(), box->close();
        });
        QtMessageBoxes(&window).showmessage("Title", "Text");
        QVERIFY((centre - window.frameGeometry().center()).manhattanLength() <= 4);
    }

    // The keyboard: Alt+D presses "Draw" (which saves), Alt+H and F1 open the
    // guide, Ctrl+Q closes the window; `quorvel IMAGE` opens the measuring
    // window on the image.
    void keyboardandimage() {
        Rig rig;
        QVERIFY(rig.shown());
        rig.f1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.f1.get()));
        rig.child<QLineEdit>("txtlat")->setText("10");
        const int before = rig.f1->redraws;
        QTest::keyClick(rig.child<QLineEdit>("txtday"), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(rig.f1->redraws, before + 1);  // a mnemonic clicks the button a moment later
        QCOMPARE(rig.settingsfile().left(2), QByteArray("\x64\x00", 2));
        QTest::keyClick(rig.child<QLineEdit>("txtday"), Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(rig.f1.get(), Qt::Key_F1);
        QTRY_COMPARE(rig.shell.calls.size(), size_t(2));
        QCOMPARE(rig.text("txtday"), QString("21"));  // no letter typed into the field

        QImage sun(240, 200, QImage::Format_RGB32);
        sun.fill(Qt::black);
        {
            QPainter p(&sun);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(120, 100), 80, 80);
        }
        const QString path = rig.dir.filePath("sun.png");
        QVERIFY(sun.save(path));
        rig.f1->measureimage(path.toStdString());
        MeasureWindow* measuring = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<MeasureWindow*>(w)) measuring = m;
        QVERIFY(measuring);
        QVERIFY(measuring->limb());
        QVERIFY(std::abs(measuring->limb()->circle.r - 80) < 1.5);
        QCOMPARE(rig.messages.shown.size(), size_t(0));
        QStringList unreachable;  // by Alt+letter, or by a screen reader's name
        for (const QAbstractButton* b : measuring->findChildren<QAbstractButton*>())
            if (!b->text().contains(QChar(38)) && !b->text().isEmpty()) unreachable << b->objectName();
        for (const QLineEdit* t : measuring->findChildren<QLineEdit*>())
            if (t->accessibleName().isEmpty() && t->objectName() != "qt_spinbox_lineedit") unreachable << t->objectName();
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(' ')));

        QTest::keyClick(rig.f1.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!rig.f1->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
