// The counting panel: its controls, its settings and the corrections it
// asks of the model.
#include "spotpanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QVBoxLayout>

#include "messagetext.h"
#include "grouping.h"
#include "numbertext.h"
#include "spotfind.h"
#include "spottext.h"
#include "textvalue.h"

namespace quorvel {
namespace {

const char* const TREE_COLUMNS[] = {
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Group"),    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Spots"),
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Lat"),      QT_TRANSLATE_NOOP("quorvel::SpotPanel", "CMD"),
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Carr"),     QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Extent"),
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Hem"),      QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Zurich"),
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "McIntosh"), QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Area MSH"),
    QT_TRANSLATE_NOOP("quorvel::SpotPanel", "Umbra MSH")};

template <typename Widget>
Widget* named(Widget* w, const char* name) {
    w->setObjectName(name);
    return w;
}

}  // namespace

SpotPanel::SpotPanel(std::function<void(const std::string&, bool)> status, QWidget* parent)
    : QWidget(parent), status_(std::move(status)) {
    setObjectName("spotpanel");
    build();
    wire();
    refresh();
}

void SpotPanel::build() {
    const CountSettings d;
    auto field = [this](const char* name, double value, const QString& tip) {
        QLineEdit* e = named(new QLineEdit(QString::fromStdString(generaltext(value)), this), name);
        e->setToolTip(tip);
        e->setAccessibleName(tip);
        e->setMaximumWidth(60);
        return e;
    };
    txtpenumbra_ = field("txtpenumbra", d.penumbra, tr("A spot region is darker than this fraction of the photosphere"));
    txtumbra_ = field("txtumbra", d.umbra, tr("An umbra is darker than this fraction of the photosphere"));
    txtgroupdist_ = field("txtgroupdist", d.groupdeg, tr("Spots closer than this on the Sun (degrees) are one group"));
    txtminsize_ = field("txtminsize", d.minsizepx, tr("Regions smaller across are left out: pixels, or arcseconds such as 3arcsec"));
    txtlimbmargin_ = field("txtlimbmargin", d.limbmargin, tr("Regions nearer the limb than this mu are left out"));
    cmdfindspots_ = named(new QPushButton(tr("Find Spots"), this), "cmdfindspots");
    auto* top = new QHBoxLayout;
    top->addWidget(cmdfindspots_);
    const std::pair<QString, QLineEdit*> fields[] = {{tr("Penumbra"), txtpenumbra_}, {tr("Umbra"), txtumbra_},
        {tr("Group distance (deg)"), txtgroupdist_}, {tr("Min. size"), txtminsize_}, {tr("Limb margin (mu)"), txtlimbmargin_}};
    for (const auto& [caption, edit] : fields) top->addWidget(new QLabel(caption, this)), top->addWidget(edit);
    top->addStretch();
    treespots_ = named(new QTreeWidget(this), "treespots");
    treespots_->setColumnCount(static_cast<int>(std::size(TREE_COLUMNS)));
    QStringList headers;
    for (const char* c : TREE_COLUMNS) headers << tr(c);
    treespots_->setHeaderLabels(headers);
    treespots_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    treespots_->setMinimumHeight(110);
    treespots_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    cmdaddspot_ = named(new QPushButton(tr("Add Spot by Click"), this), "cmdaddspot");
    cmdaddspot_->setCheckable(true);
    cmdmerge_ = named(new QPushButton(tr("Merge Groups"), this), "cmdmerge");
    cmdsplit_ = named(new QPushButton(tr("Split Off"), this), "cmdsplit");
    txtmoveto_ = named(new QLineEdit(this), "txtmoveto");
    txtmoveto_->setMaximumWidth(40);
    txtmoveto_->setToolTip(tr("The number of the group to move the chosen spots to; empty: a new group"));
    txtmoveto_->setAccessibleName(tr("Group to move the chosen spots to"));
    cmdmove_ = named(new QPushButton(tr("Move to Group"), this), "cmdmove");
    cmddeletespot_ = named(new QPushButton(tr("Delete Spot"), this), "cmddeletespot");
    cmdundo_ = named(new QPushButton(tr("Undo"), this), "cmdundo");
    cmdredo_ = named(new QPushButton(tr("Redo"), this), "cmdredo");
    auto* actions = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdaddspot_, cmdmerge_, cmdsplit_, cmdmove_, txtmoveto_,
                                                      cmddeletespot_, cmdundo_, cmdredo_})
        actions->addWidget(w);
    actions->addStretch();
    lblcounts_ = named(new QLabel(this), "lblcounts");
    lblcounts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(treespots_, 1);
    all->addLayout(actions);
    all->addWidget(lblcounts_);
}

void SpotPanel::wire() {
    connect(cmdfindspots_, &QPushButton::clicked, this, [this] { findspotsclick(); });
    connect(cmdmerge_, &QPushButton::clicked, this, [this] { act(model_.merge(selectedgroups()), MESSAGE_TEXT("Message", "Groups merged.")); });
    connect(cmdsplit_, &QPushButton::clicked, this,
            [this] { act(model_.split(selectedspots()), MESSAGE_TEXT("Message", "The spots chosen make a group of their own.")); });
    connect(cmdmove_, &QPushButton::clicked, this, &SpotPanel::moveclick);
    connect(cmddeletespot_, &QPushButton::clicked, this, [this] { act(model_.remove(selectedspots()), MESSAGE_TEXT("Message", "Spots deleted.")); });
    connect(cmdundo_, &QPushButton::clicked, this, [this] { act(model_.undo() ? Outcome::ok() : Outcome::input(MESSAGE_TEXT("Message", "Nothing to undo.")), MESSAGE_TEXT("Message", "Undone.")); });
    connect(cmdredo_, &QPushButton::clicked, this, [this] { act(model_.redo() ? Outcome::ok() : Outcome::input(MESSAGE_TEXT("Message", "Nothing to redo.")), MESSAGE_TEXT("Message", "Done again.")); });
    connect(treespots_, &QTreeWidget::itemChanged, this, &SpotPanel::edited);
    connect(new QShortcut(QKeySequence::Delete, treespots_, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated,
            cmddeletespot_, &QPushButton::click);
}

std::optional<CountSettings> SpotPanel::settings() {
    auto number = [](const QLineEdit* e) { return strictnumber(e->text().toStdString()).value_or(-1); };
    CountSettings s;
    s.penumbra = number(txtpenumbra_), s.umbra = number(txtumbra_), s.groupdeg = number(txtgroupdist_);
    s.limbmargin = number(txtlimbmargin_);
    s.minsizepx = frame_ ? sizetext(txtminsize_->text().trimmed().toStdString(), *frame_).value_or(-1) : number(txtminsize_);
    const char* fault = !thresholdsok(s.penumbra, s.umbra) ? MESSAGE_TEXT("Message", "The thresholds need 0 < umbra < penumbra < 1, such as 0.92 and 0.75.")
                        : !groupdistanceok(s.groupdeg) ? MESSAGE_TEXT("Message", "The group distance is a number of degrees from 0 to 180.")
                        : !minsizeok(s.minsizepx)      ? MESSAGE_TEXT("Message", "The minimum size is a number of pixels from 0 to 10000, or of arcseconds such as 3arcsec.")
                        : !limbmarginok(s.limbmargin)  ? MESSAGE_TEXT("Message", "The limb margin is a mu from 0 up to 1.")
                                                       : nullptr;
    if (!fault) return s;
    status_(fault, true);
    return std::nullopt;
}

void SpotPanel::setframe(const GrayImage* image, const std::optional<ImageFrame>& frame) {
    // A count belongs to its image and disk. A moment unreadable for a while
    // (a date being typed) keeps it; it is measured again when the moment returns.
    const bool sameimage = image == image_ && field_;
    const bool samedisk = sameimage && frame && frame->cx == field_->frame.cx && frame->cy == field_->frame.cy &&
                          frame->sun.radius == field_->frame.sun.radius;
    image_ = image;
    frame_ = frame;
    if (samedisk) {
        field_->frame = *frame;
        model_.remeasure(*field_);
    } else if (!sameimage || frame) {
        field_.reset();
        model_.reset({});
        unsaved_ = false;
    }
    refresh();
}

Outcome SpotPanel::findspotsclick() {
    if (!image_ || image_->empty() || !frame_) {
        status_(MESSAGE_TEXT("Message", "Open an image, find its limb and give its date, time and place first."), true);
        return Outcome::input("no image, limb or moment");
    }
    const std::optional<CountSettings> s = settings();
    if (!s) return Outcome::input("a setting is out of its range");
    field_ = spotfield(*image_, *frame_, *s);
    SpotSurvey found = findspots(*field_);
    groupspots(found, s->groupdeg);
    model_.reset(found);
    unsaved_ = false;
    refresh();
    const std::string left = ignoredtext(found, s->limbmargin, s->minsizepx);
    const std::string n = std::to_string(found.spots.size());
    status_(left.empty() ? fillin(MESSAGE_TEXT("Message", "Found %1 spots."), {n})
                         : fillin(MESSAGE_TEXT("Message", "Found %1 spots; %2."), {n, left}),
            false);
    return Outcome::ok();
}

bool SpotPanel::addclick(double x, double y) {
    if (!cmdaddspot_->isChecked() || !field_) return false;
    const std::vector<int32_t> groups = selectedgroups();
    int32_t id = 0;
    act(model_.add(*field_, x, y, groups.size() == 1 ? groups.front() : 0, id), MESSAGE_TEXT("Message", "Spot added."));
    return true;
}

void SpotPanel::moveclick() {
    const std::string text = txtmoveto_->text().trimmed().toStdString();
    const auto number = strictnumber(text);
    const std::vector<SpotGroup> groups = spotgroups(model_.survey(), field_ ? field_->frame.sun.l0 : 0);
    int32_t group = 0;
    for (const SpotGroup& g : groups)
        if (number && g.number == *number) group = g.id;
    if (!text.empty() && group == 0)
        return status_(fillin(MESSAGE_TEXT("Message", "There is no group %1."), {text}), true);
    act(model_.move(selectedspots(), group), MESSAGE_TEXT("Message", "Spots moved."));
}

void SpotPanel::act(const Outcome& outcome, const std::string& done) {
    if (!outcome.done()) return status_(outcome.message, true);
    unsaved_ = true;
    refresh();
    status_(done, false);
}

}  // namespace quorvel
