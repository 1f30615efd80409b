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

#include "desk.h"
#include "graphicswindow.h"
#include "language.h"
#include "logdialog.h"
#include "mainwindow.h"
#include "saveanswersdialog.h"
#include "measurewindow.h"
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
