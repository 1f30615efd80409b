#include "truescaledialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QPrintDialog>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "desktopstart.h"
#include "pictureexport.h"

namespace quorvel {

QtTrueScaleQuestions::QtTrueScaleQuestions(QWidget* parent)
    : parent_(parent), folder_(QString::fromStdString(picturesfolder())) {}

bool QtTrueScaleQuestions::ask(TrueScaleRequest& r, bool printing) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(printing ? QCoreApplication::translate("TrueScaleDialog", "Print") : QCoreApplication::translate("TrueScaleDialog", "Save Image"));
    auto* form = new QFormLayout(&dialog);
    QDoubleSpinBox* px = nullptr;  // pixels matter to images only
    if (!printing) {
        px = new QDoubleSpinBox(&dialog);
        px->setRange(10, 20000);
        px->setDecimals(0);
        px->setValue(r.diameterpx);
    }
    auto* mm = new QDoubleSpinBox(&dialog);
    mm->setRange(10, 1000);
    mm->setDecimals(1);
    mm->setValue(r.diametermm);
    auto* caption = new QCheckBox(QCoreApplication::translate("TrueScaleDialog", "Date, time, place, P, B0, L0 and rotation below the disk"), &dialog);
    caption->setChecked(r.caption);
    if (px) form->addRow(QCoreApplication::translate("TrueScaleDialog", "Disk diameter, pixels (PNG, SVG)"), px);
    form->addRow(printing ? QCoreApplication::translate("TrueScaleDialog", "Disk diameter, mm") : QCoreApplication::translate("TrueScaleDialog", "Disk diameter, mm (PDF)"), mm);
    form->addRow(QCoreApplication::translate("TrueScaleDialog", "Caption"), caption);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (px) r.diameterpx = px->value();
    r.diametermm = mm->value();
    r.caption = caption->isChecked();
    if (printing) return true;
    const QString path = QFileDialog::getSaveFileName(parent_, QCoreApplication::translate("TrueScaleDialog", "Save Image"), QDir(folder_).filePath("disk.png"),
                                                      QCoreApplication::translate("TrueScaleDialog", "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) return false;
    folder_ = QFileInfo(path).absolutePath();
    r.path = path.toStdString();
    return true;
}

Outcome QtTrueScaleQuestions::print(const TrueScaleRequest& r) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("disk");
    QDir::setCurrent(folder_);  // where the print dialog proposes its file
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted) return Outcome::ok();
    if (!printer.outputFileName().isEmpty()) folder_ = QFileInfo(printer.outputFileName()).absolutePath();
    return printpage(printer, r);
}

Outcome printpage(QPrinter& printer, const TrueScaleRequest& r) {
    const QRectF page = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const std::string file = printer.outputFileName().toStdString();
    if (file.empty()) return drawtruescale(printer, page.size(), printer.resolution(), r);
    QByteArray data;
    Outcome drawn;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        drawn = drawtruescale(writer, page.size(), writer.resolution(), r);
    }
    return drawn.done() ? savefile(file, data) : drawn;
}

}  // namespace quorvel
