// The measuring window's undo: each row added or deleted and each change of
// the limb is a step that puts back the rows and the limb as they were.
#include <QPushButton>

#include "measurewindow.h"
#include "spotpanel.h"

namespace quorvel {

class MeasureStep : public QUndoCommand {
public:
    MeasureStep(MeasureWindow& w, const QString& what, Measured before, Measured after)
        : QUndoCommand(what), w_(w), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { w_.restore(before_); }
    void redo() override {
        if (!done_) done_ = true;  // pushed after it was done
        else w_.restore(after_);
    }

private:
    MeasureWindow& w_;
    Measured before_, after_;
    bool done_ = false;
};

Measured MeasureWindow::measured() const { return {spots_, numbers_, limb_, lbllimb_->text()}; }

void MeasureWindow::restore(const Measured& m) {
    spots_ = m.spots;
    numbers_ = m.numbers;
    limb_ = m.limb;
    lbllimb_->setText(m.limbtext);
    view_->setlimb(limb_ ? std::optional(limb_->circle) : std::nullopt);
    recompute();
}

void MeasureWindow::remember(const QString& what, const Measured& before) {
    undo_.push(new MeasureStep(*this, what, before, measured()));
}

void MeasureWindow::undoclick(bool again) {
    auto* counts = countingshown() ? spotpanel_->findChild<QPushButton*>(again ? "cmdredo" : "cmdundo") : nullptr;
    if (counts && counts->isEnabled()) return counts->click();  // the count's own corrections
    if (counts || (again ? !undo_.canRedo() : !undo_.canUndo()))
        return status((again ? tr("Nothing to redo.") : tr("Nothing to undo.")).toStdString());
    const QString what = again ? undo_.redoText() : undo_.undoText();
    if (again) undo_.redo();
    else undo_.undo();
    status((again ? tr("Done again: %1.") : tr("Undone: %1.")).arg(what).toStdString());
}

}  // namespace quorvel
