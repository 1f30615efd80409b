// The questions of Save to Log, asked once and then offered again: the
// seeing, the observer's code and the equipment.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

#include "save.h"

namespace quorvel {

class SaveAnswersDialog : public QDialog {
    Q_OBJECT
public:
    /// Offers `answers`; profiles are the log's equipment profiles.
    SaveAnswersDialog(const log::SaveAnswers& answers, const std::vector<std::string>& profiles, QWidget* parent = nullptr);

    /// The answers as the fields hold them; the method only for a new profile.
    log::SaveAnswers answers() const;
    /// Checks the fields: done, or an input outcome that names the field.
    Outcome check() const;
    /// Closes with the answers when they pass their check; else says why.
    void accept() override;

    QComboBox* seeingbox() const { return cboseeing_; }
    QLineEdit* observerbox() const { return txtobserver_; }
    QComboBox* equipmentbox() const { return cboequipment_; }
    QComboBox* methodbox() const { return cbomethod_; }
    std::string faulttext() const { return lblfault_->text().toStdString(); }

private:
    bool newprofile() const;

    std::vector<std::string> profiles_;
    QComboBox *cboseeing_, *cboequipment_, *cbomethod_;
    QLineEdit* txtobserver_;
    QLabel* lblfault_;
};

/// Asks the answers in a SaveAnswersDialog; false when cancelled.
bool asksaveanswers(QWidget* parent, log::SaveAnswers& answers, const std::vector<std::string>& profiles);

}  // namespace quorvel
