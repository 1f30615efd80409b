// Builds a guide: an HTML text of docs/ printed to PDF, with the figures
// the text names drawn by the programs' own code, labelled in its language.
//
// usage: makehelp [--language CODE] INPUT.html OUTPUT.pdf
#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <functional>

#include "countingfigure.h"
#include "diskfigures.h"
#include "figurelabels.h"
#include "language.h"
#include "logfigure.h"
#include "windowfigures.h"

namespace {

/// With SOURCE_DATE_EPOCH set, the document's creation date is that moment
/// (written in the same number of bytes), so that builds repeat byte for byte.
void stampdate(QByteArray& pdf) {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (!ok) return;
    const QByteArray stamp = "/CreationDate (D:" +
                             QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).toString("yyyyMMddHHmmss").toLatin1() + "Z)";
    static const QRegularExpression date(R"(/CreationDate \(D:\d{14}Z\))");
    const QRegularExpressionMatch m = date.match(QString::fromLatin1(pdf));
    if (m.hasMatch() && m.capturedLength() == stamp.size()) pdf.replace(m.capturedStart(), stamp.size(), stamp);
}

/// A figure a guide may name, and how it is made in the guide's language,
/// the files of its making going to a folder of their own (builds run side by side).
struct Figure {
    const char* name;
    std::function<QImage(const FigureLabels&, const QString& folder)> make;
};

const Figure FIGURES[] = {
    {"counting.png", [](const FigureLabels& l, const QString&) { return countingfigure(l); }},
    {"disknamed.png", [](const FigureLabels& l, const QString&) { return nameddisk(l); }},
    {"mounts.png", [](const FigureLabels& l, const QString&) { return mountsfigure(l); }},
    {"views.png", [](const FigureLabels& l, const QString&) { return viewsfigure(l); }},
    {"graphicswindow.png", [](const FigureLabels&, const QString&) { return graphicswindowfigure(); }},
    {"measurewindow.png", [](const FigureLabels&, const QString& folder) { return measurewindowfigure(folder); }},
    {"reports.png", reportsfigure},
    {"plots.png", plotsfigure},
};

/// Adds the figures the text names to the document; false, after saying
/// which, when one could not be made.
bool addfigures(QTextDocument& doc, const QString& html, const QString& language, const QString& folder) {
    for (const Figure& f : FIGURES) {
        if (!html.contains(QString("src=\"%1\"").arg(f.name))) continue;
        const QImage figure = f.make(figurelabels(language), folder);
        if (figure.isNull()) {
            std::fprintf(stderr, "makehelp: the figure %s could not be made\n", f.name);
            return false;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(f.name), figure);
    }
    return true;
}

/// The document printed to PDF bytes.
QByteArray printed(const QTextDocument& doc) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator("Quorvel");
    doc.print(&pdf);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");  // the windows' pictures at twice their pixels, sharp on paper
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // Qt's notes on the session
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    QString language = "en";
    if (args.size() == 4 && args[0] == "--language") language = args.takeAt(1), args.removeFirst();
    if (args.size() != 2 || !figurelanguages().contains(language)) {
        std::fprintf(stderr, "usage: makehelp [--language en|de|fr|es|it] INPUT.html OUTPUT.pdf\n");
        return 2;
    }
    QApplication::setFont(QFont("Liberation Sans", 9));
    quorvel::installtranslations(QLocale(language));  // the windows' pictures in the guide's language
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makehelp: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString html = QString::fromUtf8(in.readAll());
    QTextDocument doc;
    doc.setDefaultFont(QFont("Liberation Sans", 10));
    const QTemporaryDir work;
    if (!work.isValid() || !addfigures(doc, html, language, work.path())) return 1;
    doc.setHtml(html);
    QByteArray bytes = printed(doc);
    stampdate(bytes);
    QFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makehelp: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
