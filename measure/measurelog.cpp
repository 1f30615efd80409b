// Save to Log: the measuring window's count kept as the day's observation.
#include <QInputDialog>

#include "measurewindow.h"
#include "observationcheck.h"
#include "savecounted.h"
#include "spotpanel.h"

namespace quorvel {

Outcome MeasureWindow::savetolog(const std::string& seeing, const std::string& observer) {
    const std::optional<CountSettings> settings = spotpanel_->foundwith();
    if (!frame_ || !limb_ || !settings) return Outcome::input("Find the spots first: Save to Log keeps the count of an image");
    if (!log::validseeing(seeing))
        return Outcome::input("the seeing '" + seeing + "' is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5");
    if (!observer.empty())
        if (Outcome code = log::checkobservercode(observer); !code.done()) return code;
    bool ok = true;
    const Orientation o = orientation(ok);
    std::string summary;
    const Outcome saved = savecounted(spotpanel_->model().survey(), *frame_, {imagepath_, "", limb_->circle, o, *settings},
                                      {services_.logpath, seeing, observer}, summary);
    if (saved.done()) {
        spotpanel_->marksaved();
        status(summary);
    }
    return saved;
}

void MeasureWindow::savelogclick() {
    if (logseeing_.empty()) {
        std::string seeing = "G", observer;
        bool ok = false;
        if (services_.asklog) {
            ok = services_.asklog(seeing, observer);
        } else {
            const QStringList scale{"E", "G", "F", "P", "1", "2", "3", "4", "5"};
            seeing = QInputDialog::getItem(this, "Save to Log", "Seeing (E excellent, G good, F fair, P poor, or 1 to 5):",
                                           scale, 1, false, &ok).toStdString();
            if (ok)
                observer = QInputDialog::getText(this, "Save to Log", "Your observer code (empty: the log's default):",
                                                 QLineEdit::Normal, {}, &ok).trimmed().toStdString();
        }
        if (!ok) return;
        logseeing_ = seeing, logobserver_ = observer;
    }
    const Outcome saved = savetolog(logseeing_, logobserver_);
    if (saved.done()) return;
    if (saved.kind == OutcomeKind::inputfault) logseeing_.clear();  // asked again next time
    status(saved.message, true);
    (services_.messages ? *services_.messages : desktopmessages_).showmessage("Save to Log", saved.message);
}

}  // namespace quorvel
