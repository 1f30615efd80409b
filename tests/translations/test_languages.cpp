// Every window and dialog in each language, at 96 dpi on the offscreen
// platform: the catalogue of the language is chosen and used, and every
// caption shows whole. German and French windows are kept as pictures in
// artefacts/ of the build folder, for a look.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "compassletters.h"
#include "desk.h"
#include "fitsheader.h"
#include "graphicswindow.h"
#include "imageload.h"
#include "inputfile.h"
#include "language.h"
#include "logdialog.h"
#include "logtime.h"
#include "mainwindow.h"
#include "observationcheck.h"
#include "saveanswersdialog.h"
#include "measurewindow.h"
#include "spotcounts.h"
#include "spottext.h"
#include "truescaledialog.h"
#include "twips.h"
#include "windowchecks.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct NoColours : ColourChooser {
    std::optional<Colour> choose(Colour, CustomColours&) override { return std::nullopt; }
};

/// Keeps a picture of the window for the languages a developer looks at.
void keep(QWidget& w, const QString& language, const char* name) {
    if (language == "de" || language == "fr")
        w.grab().save(QString("%1/%2_%3.png").arg(QUORVEL_ARTEFACTS, name, language));
}

/// The problems of a dialog that runs modally, found while it is open.
QStringList modalproblems(const std::function<void()>& open, const QString& language, const char* name) {
    QStringList problems;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        keep(*dialog, language, name);
        problems = textproblems(*dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    open();
    return problems;
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (twipsperpixel(nullptr) != 15) QSKIP("the windows are checked at 96 dpi");
    }

    // A desktop in English, or in a language without a catalogue, keeps the source texts.
    void english() {
        QCOMPARE(installtranslations(QLocale("en_GB")), QString());
        QCOMPARE(installtranslations(QLocale("pt_BR")), QString());
        QCOMPARE(translatemessage("Print"), QString("Print"));
    }

    void windows_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("draw");      // the caption of quorvel's "Draw" in it
        QTest::addColumn<QString>("altitude");  // the word of the altitude's result caption
        QTest::newRow("German") << "de" << "&Zeichnen" << "Höhe ";
        QTest::newRow("French") << "fr" << "&Dessiner" << "Hauteur ";
        QTest::newRow("Spanish") << "es" << "&Dibujar" << "Altura ";
        QTest::newRow("Italian") << "it" << "&Disegna" << "Altezza ";
    }

    void windows() {
        QFETCH(QString, language);
        QFETCH(QString, draw);
        QFETCH(QString, altitude);
        QCOMPARE(installtranslations(QLocale(language)), language);
        Desk desk;
        MainWindow f1(desk.services());
        f1.Form_Load();
        f1.show();
        QCOMPARE(f1.findChild<QPushButton*>("butdraw")->text(), draw);
        f1.findChild<QPushButton*>("butdraw")->click();
        QVERIFY2(f1.findChild<QLabel*>("lblalt")->text().startsWith(altitude), qPrintable(f1.findChild<QLabel*>("lblalt")->text()));
        keep(f1, language, "quorvel");
        QStringList problems = layoutproblems(f1);

        NoColours colours;
        GraphicsWindow g(desk.services(), {colours, desk.clipboard});
        g.Form_Load();
        g.show();
        keep(g, language, "quorvel_g");
        problems << layoutproblems(g);

        QtTrueScaleQuestions questions(&g);
        TrueScaleRequest request;
        problems << modalproblems([&] { questions.ask(request, false); }, language, "savedialog");
        problems << modalproblems([&] { questions.ask(request, true); }, language, "printdialog");

        MeasureWindow measure(MeasureStart{});
        // A 1366 x 768 screen less a title bar and a panel of 60 pixels holds it.
        const QSize least = measure.minimumSizeHint();
        if (least.width() > 1366 || least.height() > 708)
            problems << QString("the measuring window needs %1 x %2").arg(least.width()).arg(least.height());
        measure.resize(1366, 708);
        measure.show();
        keep(measure, language, "measure");
        problems << textproblems(measure);
        measure.findChild<QTabWidget*>("tabspots")->setCurrentIndex(1);
        problems << textproblems(measure);
        keep(measure, language, "measure_count");

        LogDialog log(desk.dir.filePath("log.sqlite").toStdString(), {});
        log.show();
        keep(log, language, "log");
        problems << textproblems(log);
        log.findChild<QTabWidget*>("tablog")->setCurrentIndex(1);
        problems << textproblems(log);
        keep(log, language, "log_tracks");
        SaveAnswersDialog answers({}, {"C8 Herschel wedge"});
        answers.show();
        keep(answers, language, "saveanswers");
        problems << textproblems(answers);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // A message from a layer below the windows, with its values, and a title.
    // The messages the layers below the windows write, made by those layers
    // from their own inputs, in every language: a message not marked, a
    // translation missing, or a message read as another one shows in the
    // stored text.
    void lowerlayermessages() {
        std::vector<std::string> english;
        const HeaderCards cards = {{"CTYPE1", "HPLN-TAN"}, {"CTYPE2", "HPLT-TAN"}, {"CDELT1", "2.0"}, {"CDELT2", "2.0"},
                                   {"CROTA2", "-12.5"},    {"CRPIX1", "100.5"},    {"CRPIX2", "100.5"}, {"CRVAL1", "0"},
                                   {"CRVAL2", "0"},        {"RSUN_OBS", "160"},    {"DATE-OBS", "2024-13-40"}};
        const FitsHeader header = readheader(cards, 200, 200);
        const FitsHeader far = readheader({{"CDELT1", "2"}, {"CDELT2", "2"}, {"SOLAR_R", "900"}}, 200, 200);
        std::string near = header.disknote, apart = header.disknote, ring;
        agreeingdisk(header, LimbFit{{100, 100, 81}, 0.1, 800, false}, near);
        agreeingdisk(header, LimbFit{{100, 100, 50}, 0.1, 800, true}, apart);
        agreeingdisk(far, LimbFit{{100, 100, 90}, 0.1, 800, true}, ring);
        SpotSurvey left;
        left.ignoredlimb = 3, left.ignoredsmall = 1;
        log::GroupRecord group;
        group.number = 4, group.zurich = "K";
        log::ObservationRecord observation;
        observation.observer = "ABC", observation.seeing = "G", observation.counts = {2, 7, false, 0, 0, 0, 0};
        observation.groups = {group};
        log::LogTime when;
        InputFile folder;
        english = {header.orientationnote, header.disknote, header.date.fault, near, apart, ring, far.disknote,
                   countstext({3, 1, 31, 1, 0, 2, 1, 1234.4}), ignoredtext(left, 0.2, 4),
                   checkimagesize("tiny.png", 3, 5).message, log::checkobservation(observation).message,
                   log::parselogmonth("2026-13", MESSAGE_TEXT("Message", "month"), when).message,
                   log::parselogtime("2026-02-30T10:00Z", "date to place the tracks on", when).message,
                   folder.open(".").message};
        QString text;
        for (const char* language : {"en", "de", "fr", "es", "it"}) {
            installtranslations(QLocale(language));
            text += QString("[%1]\n").arg(language);
            for (const std::string& m : english) text += translatemessage(m) + "\n";
            const CompassLetters c = translatedcompass();
            text += QString::fromStdString("compass " + c.north + " " + c.east + " " + c.south + " " + c.west + "\n");
        }
        installtranslations(QLocale("en"));
        const QString problem = comparestored(text, QUORVEL_SOURCE "/messages.txt");
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void messages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("lines");  // of a message of two lines, names and units translated in turn
        QTest::newRow("German") << "de" << "Das Bild wurde nicht gespeichert: Bitte das eingegebene Datum prüfen."
                                << "Sonnendurchmesser: 'x' ist keine ganze Zahl von 1 bis 4368 (Pixel).\n"
                                   "Gitterabstand: '0' ist keine ganze Zahl von 1 bis 360 (Grad).";
        QTest::newRow("French") << "fr" << "L'image n'a pas été enregistrée : Veuillez vérifier la date saisie."
                                << "diamètre solaire : 'x' n'est pas un nombre entier de pixels de 1 à 4368.\n"
                                   "intervalle de la grille : '0' n'est pas un nombre entier de degrés de 1 à 360.";
    }

    void messages() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        QCOMPARE(installtranslations(QLocale(language)), language);
        const std::string english = fillin(MESSAGE_TEXT("Message", "The image was not saved: %1"),
                                           {MESSAGE_TEXT("Message", "Please check the date entered.")});
        QCOMPARE(translatemessage(english), message);
        const char* size = MESSAGE_TEXT("Message", "The %1 %2 is not a whole number of %3 from 1 to %4.");
        const std::string two = fillin(size, {MESSAGE_TEXT("Message", "solar diameter"), "'x'", MESSAGE_TEXT("Message", "pixels"), "4368"}) +
                                "\n" + fillin(size, {MESSAGE_TEXT("Message", "grid interval"), "'0'", MESSAGE_TEXT("Message", "degrees"), "360"});
        QFETCH(QString, lines);
        QCOMPARE(translatemessage(two), lines);
        QCOMPARE(translatemessage("a text of no catalogue"), QString("a text of no catalogue"));
        installtranslations(QLocale("en"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
