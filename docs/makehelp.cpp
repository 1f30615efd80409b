// Builds a help document: an HTML text of docs/ printed to PDF, with the
// example picture drawn by the program itself.
//
// usage: makehelp INPUT.html OUTPUT.pdf
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "pictureexport.h"

namespace {

/// The example of the guide: 2006 June 21, 12:00 UT at 51.5 N, 0, every overlay on.
QImage examplepicture(const QString& dir) {
    quorvel::ExportRequest r;
    r.fields = {"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
    r.checked = {quorvel::CheckBox::chkgrid, quorvel::CheckBox::chkposang, quorvel::CheckBox::chkdrift,
                 quorvel::CheckBox::chksunrot};
    r.path = (dir + "/helpexample.png").toStdString();
    return quorvel::exportpicture(r).done() ? QImage(QString::fromStdString(r.path)) : QImage();
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makehelp INPUT.html OUTPUT.pdf\n");
        return 2;
    }
    QFile in(argv[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makehelp: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument doc;
    doc.setDefaultFont(QFont("Arial", 10));
    const QString outdir = QFileInfo(QString::fromLocal8Bit(argv[2])).absolutePath();
    doc.addResource(QTextDocument::ImageResource, QUrl("example.png"), examplepicture(outdir));
    doc.setHtml(QString::fromUtf8(in.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator("Quorvel");
    doc.print(&pdf);
    QFile::remove(outdir + "/helpexample.png");
    return 0;
}
