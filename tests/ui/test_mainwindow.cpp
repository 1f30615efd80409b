// The window f1 of quorvel on the offscreen platform, with its links to the
// desktop replaced: the window as laid out and captioned (stored in windows/),
// the notice, "Draw" and the bytes it saves (stored in
// saved/), the input messages, "Now", Enter, closing, the repaint rule, and
// the launches of Help and Graphics.
#include <QCheckBox>
#include <QExposeEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "desk.h"
#include "mainwindow.h"
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

/// A file of the program folder standing in for a program: a copy of an ELF file.
QString programfile(const QTemporaryDir& dir, const char* name, bool executable) {
    const QString path = dir.filePath(name);
    QFile::copy(QCoreApplication::applicationFilePath(), path);
    QFile::setPermissions(path, executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return path;
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

    void changeshowsnotice_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("notice");
        for (const char* t : {"txtday", "txtmonth", "txtyear", "txthour", "txtmin", "txttz", "txtlat", "txtlong"})
            QTest::newRow(t) << t << true;
        for (const char* b : {"chkflip", "chkgrid", "chkposang", "chksunrot", "chkdrift", "optdst"})
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
        if (auto* edit = qobject_cast<QLineEdit*>(w)) QTest::keyClicks(edit, "1");
        else static_cast<QCheckBox*>(w)->click();
        rig.settle();
        QCOMPARE(rig.notice(), notice);
        QCOMPARE(rig.f1->redraws, redraws);
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

    // "Draw", or Enter in a field, redraws and saves; the saved bytes are stored.
    void drawsaves_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Draw") << "" << "" << false << "orra_draw.ini";
        // The zone is read as the redraw reads it: "5,5" is 5, and 5 is kept.
        QTest::newRow("zone 5,5, Enter") << "txttz" << "5,5" << true << "orra_zone55.ini";
        QTest::newRow("zone -3.5, Enter") << "txttz" << "-3.5" << true << "orra_zonem35.ini";
        QTest::newRow("latitude -0.15, Draw") << "txtlat" << "-0.15" << false << "orra_lat015.ini";
    }
    void drawsaves() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, stored);
        Rig rig;
        QVERIFY(rig.shown());
        QLineEdit* edit = rig.child<QLineEdit>(field.isEmpty() ? "txtlat" : field.toLatin1().constData());
        if (!field.isEmpty()) edit->setText(typed);
        const int redraws = rig.f1->redraws;
        if (enter) QTest::keyClick(edit, Qt::Key_Return);
        else rig.click("butdraw");
        QCOMPARE(rig.f1->redraws, redraws + 1);
        QVERIFY(!rig.notice());
        QVERIFY(rig.messages.shown.empty());
        const QString problem = comparestored(QString::fromLatin1(rig.settingsfile().toHex(' ')),
                                              STORED + "/saved/" + stored);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void inputchecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("fault");
        QTest::newRow("date") << "txtday" << "32" << int(InputFault::date);
        QTest::newRow("time") << "txthour" << "25" << int(InputFault::time);
        QTest::newRow("zone") << "txttz" << "13" << int(InputFault::zone);
        QTest::newRow("place") << "txtlat" << "95" << int(InputFault::place);
    }
    void inputchecks() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, fault);
        Rig rig;
        QVERIFY(rig.shown());
        QVERIFY(!allbackground(rig.f1->pic1->image()));
        rig.child<QLineEdit>(field.toLatin1().constData())->setText(typed);
        rig.click("butdraw");
        const Shown message{{"Error", inputmessage(static_cast<InputFault>(fault))}};
        QCOMPARE(rig.messages.shown, message);
        QVERIFY(allbackground(rig.f1->pic1->image()));
        QVERIFY(!rig.notice());
        QCOMPARE(rig.end.ends, 0);
        QVERIFY(rig.settingsfile() != rig.stored);  // saved whatever the outcome

        const int redraws = rig.f1->redraws;
        rig.expose();
        rig.settle();
        QCOMPARE(rig.f1->redraws, redraws);
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        rig.click("butdraw");  // "Draw" reports it again
        QCOMPARE(rig.messages.shown.size(), size_t(2));
    }

    void nowfillsclock() {
        Rig rig;
        QVERIFY(rig.shown());
        const int redraws = rig.f1->redraws;
        rig.clock.at = QDateTime(QDate(2007, 1, 2), QTime(9, 5, 59));
        rig.click("Command1");
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
        rig.child<QCheckBox>("chkgrid")->click();
        QVERIFY(rig.f1->close());
        rig.settle();
        QCOMPARE(rig.settingsfile(), rig.stored);
    }

    void exposureredraws_data() {
        QTest::addColumn<bool>("rotation");
        QTest::addColumn<int>("exposures");
        QTest::addColumn<int>("redraws");
        QTest::newRow("one exposure") << false << 1 << 1;
        QTest::newRow("three exposures in one turn") << false << 3 << 1;
        QTest::newRow("exposures after the rotation arrows") << true << 3 << 0;
    }
    void exposureredraws() {
        QFETCH(bool, rotation);
        QFETCH(int, exposures);
        QFETCH(int, redraws);
        Rig rig;
        QVERIFY(rig.shown());
        QCOMPARE(rig.f1->redraws, 1);  // the first showing draws once
        rig.child<QCheckBox>("chksunrot")->setChecked(rotation);
        rig.click("butdraw");
        rig.settle();
        const int before = rig.f1->redraws;
        for (int i = 0; i < exposures; ++i) rig.expose();
        QTRY_COMPARE(rig.f1->redraws, before + redraws);
        rig.settle();
        QCOMPARE(rig.f1->redraws, before + redraws);
        QCOMPARE(rig.f1->size(), rig.f1->minimumSize());
        QCOMPARE(rig.f1->size(), rig.f1->maximumSize());  // the window keeps its design size
    }

    void launches_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("startfault");
        QTest::addColumn<QStringList>("message");  // title and the start of the text; none when empty
        QTest::newRow("help opens") << "cmdhelp" << 42 << 0 << QStringList();
        QTest::newRow("help missing")
            << "cmdhelp" << 2 << 53
            << QStringList{"File Error", "File 'helpqv.pdf' is missing from the program folder.   Help cannot open."};
        QTest::newRow("help without a viewer")
            << "cmdhelp" << 31 << 5
            << QStringList{"Help Error", "ERROR 5 occurred in HELP.  HELP needs Adobe Acrobat reader installed.   "
                                         "Please go to Adobe site for a free download."};
        QTest::newRow("graphics starts") << "Command2" << 42 << 0 << QStringList();
        QTest::newRow("graphics missing")
            << "Command2" << 2 << 53
            << QStringList{"Graphics", "The graphics program quorvel_g could not be started"};
    }
    void launches() {
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(int, startfault);
        QFETCH(QStringList, message);
        Rig rig;
        QVERIFY(rig.shown());
        rig.shell.result = result;
        rig.shell.startfault = startfault;
        rig.click(button.toLatin1().constData());
        QCOMPARE(rig.shell.calls.size(), size_t(1));
        QCOMPARE(rig.shell.calls[0][0], std::string(button == "cmdhelp" ? "helpqv.pdf" : "quorvel_g"));
        QCOMPARE(rig.shell.started.size(), size_t(result < 32 ? 1 : 0));
        QCOMPARE(rig.messages.shown.size(), size_t(message.size() / 2));
        if (!message.isEmpty()) {
            QCOMPARE(QString::fromStdString(rig.messages.shown[0].first), message[0]);
            QVERIFY(QString::fromStdString(rig.messages.shown[0].second).startsWith(message[1]));
        }
        rig.settle();
        QCOMPARE(rig.end.ends, 0);
        QVERIFY(rig.f1->isVisible());
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
        QCOMPARE(shell.open("helpqv.pdf", "", dir.path().toStdString(), 1), 42);
        QTRY_COMPARE(reports.size(), size_t(1));
        QVERIFY(QString::fromStdString(reports[0]).contains("helpqv.pdf"));

        programfile(dir, "quorvel_g", false);
        std::string command = "quorvel_g";
        try {
            launch(shell, command, 1, dir.path().toStdString());
            QFAIL("a program that may not be run was started");
        } catch (const RuntimeFault& e) {
            QCOMPARE(e.number, 5);
            QVERIFY(QString(e.what()).contains("not executable"));
        }
        QTest::qWait(50);
        QCOMPARE(reports.size(), size_t(1));  // nothing went to the opener
    }

    // A message box opens centred over its window.
    void messagecentred() {
        QWidget window;
        window.setGeometry(300, 200, 640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtMessageBoxes boxes(&window);
        QPoint centre;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                centre = box->frameGeometry().center();
                box->close();
            }
        });
        boxes.showmessage("Title", "Text");
        QVERIFY2((centre - window.frameGeometry().center()).manhattanLength() <= 4,
                 qPrintable(QString("box centre %1,%2").arg(centre.x()).arg(centre.y())));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
