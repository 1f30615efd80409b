#include "saveanswersdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <algorithm>

#include "language.h"
#include "observationcheck.h"

namespace quorvel {
namespace {

const char* const SEEINGS[] = {"E", "G", "F", "P", "1", "2", "3", "4", "5"};
const char* const METHODS[] = {QT_TRANSLATE_NOOP("quorvel::SaveAnswersDialog", "projection"),
                               QT_TRANSLATE_NOOP("quorvel::SaveAnswersDialog", "visual"),
                               QT_TRANSLATE_NOOP("quorvel::SaveAnswersDialog", "photographic")};

}  // namespace

SaveAnswersDialog::SaveAnswersDialog(const log::SaveAnswers& answers, const std::vector<std::string>& profiles,
                                     QWidget* parent)
    : QDialog(parent), profiles_(profiles) {
    setObjectName("frmsaveanswers");
    setWindowTitle(tr("Save to Log"));
    cboseeing_ = new QComboBox(this);
    cboseeing_->setObjectName("cboseeing");
    const QString seeingnames[] = {tr("E: excellent"), tr("G: good"), tr("F: fair"), tr("P: poor"), tr("1: best"),
                                   "2", "3", "4", tr("5: worst")};
    for (size_t i = 0; i < std::size(SEEINGS); ++i) cboseeing_->addItem(seeingnames[i], SEEINGS[i]);
    const int seeing = cboseeing_->findData(QString::fromStdString(answers.seeing));
    cboseeing_->setCurrentIndex(seeing >= 0 ? seeing : 1);
    txtobserver_ = new QLineEdit(QString::fromStdString(answers.observer), this);
    txtobserver_->setObjectName("txtobserver");
    txtobserver_->setPlaceholderText(tr("e.g. your AAVSO code"));
    cboequipment_ = new QComboBox(this);
    cboequipment_->setObjectName("cboequipment");
    cboequipment_->setEditable(true);
    cboequipment_->addItem("");
    for (const std::string& p : profiles) cboequipment_->addItem(QString::fromStdString(p));
    cboequipment_->setCurrentText(QString::fromStdString(answers.equipment));
    cbomethod_ = new QComboBox(this);
    cbomethod_->setObjectName("cbomethod");
    for (const char* m : METHODS) cbomethod_->addItem(tr(m), m);
    cbomethod_->setCurrentIndex(std::max(0, cbomethod_->findData(QString::fromStdString(answers.method))));
    lblfault_ = new QLabel(this);
    lblfault_->setObjectName("lblfault");
    lblfault_->setStyleSheet("color: #b00000");
    lblfault_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Seeing:"), cboseeing_);
    form->addRow(tr("&Observer code:"), txtobserver_);
    form->addRow(tr("&Equipment:"), cboequipment_);
    form->addRow(tr("&Method of new equipment:"), cbomethod_);
    form->addRow(lblfault_);
    form->addRow(buttons);
    auto methodshown = [this] { cbomethod_->setEnabled(newprofile()); };
    connect(cboequipment_, &QComboBox::currentTextChanged, this, methodshown);
    methodshown();
    connect(buttons, &QDialogButtonBox::accepted, this, &SaveAnswersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool SaveAnswersDialog::newprofile() const {
    const std::string name = cboequipment_->currentText().trimmed().toStdString();
    return !name.empty() && std::find(profiles_.begin(), profiles_.end(), name) == profiles_.end();
}

log::SaveAnswers SaveAnswersDialog::answers() const {
    return {cboseeing_->currentData().toString().toStdString(), txtobserver_->text().trimmed().toStdString(),
            cboequipment_->currentText().trimmed().toStdString(),
            newprofile() ? cbomethod_->currentData().toString().toStdString() : ""};
}

Outcome SaveAnswersDialog::check() const {
    const log::SaveAnswers a = answers();
    if (!a.observer.empty())
        if (Outcome code = log::checkobservercode(a.observer); !code.done()) return code;
    return Outcome::ok();
}

void SaveAnswersDialog::accept() {
    const Outcome checked = check();
    lblfault_->setText(translatedsentence(checked.message));
    if (checked.done()) QDialog::accept();
}

bool asksaveanswers(QWidget* parent, log::SaveAnswers& answers, const std::vector<std::string>& profiles) {
    SaveAnswersDialog dialog(answers, profiles, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    answers = dialog.answers();
    return true;
}

}  // namespace quorvel
