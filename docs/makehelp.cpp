// Builds a help document: an HTML text of docs/ printed to PDF, with the
// example picture and the figure of the counting rule drawn by the program itself.
//
// usage: makehelp INPUT.html OUTPUT.pdf
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "countingfigure.h"
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
    doc.addResource(QTextDocument::ImageResource, QUrl("counting.png"), countingfigure());
    doc.setHtml(QString::fromUtf8(in.readAll()));

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
        pdf.setCreator("Quorvel");
        doc.print(&pdf);
    }
    QFile::remove(outdir + "/helpexample.png");
    stampdate(bytes);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makehelp: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
