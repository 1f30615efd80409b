// Save to Log: the measuring window's count kept as the day's observation,
// with the seeing and the equipment asked once and kept in the log.
#include "measurewindow.h"
#include "messagetext.h"
#include "observationcheck.h"
#include "saveanswersdialog.h"
#include "savecounted.h"
#include "spotpanel.h"

namespace quorvel {

Outcome MeasureWindow::savetolog(const log::SaveAnswers& answers, bool remember) {
    const std::optional<CountSettings> settings = spotpanel_->foundwith();
    if (!frame_ || !limb_ || !settings) return Outcome::input(MESSAGE_TEXT("Message", "Find the spots first: Save to Log keeps the count of an image"));
    if (!log::validseeing(answers.seeing))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message",
                                    "the seeing '%1' is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5"),
                       {answers.seeing}));
    if (!answers.observer.empty())
        if (Outcome code = log::checkobservercode(answers.observer); !code.done()) return code;
    bool ok = true;
    const Orientation o = orientation(ok);
    std::string summary;
    const Outcome saved = savecounted(spotpanel_->model().survey(), *frame_, {imagepath_, "", limb_->circle, o, *settings},
                                      {services_.logpath, answers, remember}, summary);
    if (saved.done()) {
        spotpanel_->marksaved();
        status(summary + "; " + answerstext(answers));
    }
    return saved;
}

bool MeasureWindow::asklog(log::SaveAnswers& answers) {
    log::SaveAnswers kept;
    std::vector<std::string> profiles;
    readsaveanswers(services_.logpath, kept, profiles);  // a log not made yet offers none
    return services_.asklog ? services_.asklog(answers, profiles) : asksaveanswers(this, answers, profiles);
}

void MeasureWindow::savelogclick() {
    if (!loganswers_) {
        log::SaveAnswers answers;
        std::vector<std::string> profiles;
        readsaveanswers(services_.logpath, answers, profiles);
        if (answers.seeing.empty() && !asklog(answers)) return;
        loganswers_ = answers;
    }
    const Outcome saved = savetolog(*loganswers_, true);
    if (saved.done()) return;
    if (saved.kind == OutcomeKind::inputfault) loganswers_.reset();  // read or asked again next time
    status(saved.message, true);
    (services_.messages ? *services_.messages : desktopmessages_).showmessage(MESSAGE_TEXT("Message", "Save to Log"), saved.message);
}

void MeasureWindow::changelogclick() {
    log::SaveAnswers answers;
    std::vector<std::string> profiles;
    readsaveanswers(services_.logpath, answers, profiles);
    if (loganswers_) answers = *loganswers_;
    if (!asklog(answers)) return;
    loganswers_ = answers;
    status(tr("The next Save to Log keeps %1").arg(QString::fromStdString(answerstext(answers))).toStdString());
}

}  // namespace quorvel
