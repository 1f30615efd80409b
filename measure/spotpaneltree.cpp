// The counting panel's views of the model: the tree of groups and spots,
// the counts line, the outlines over the image and the copied text.
#include <QPainter>
#include <QSignalBlocker>

#include "language.h"
#include "numbertext.h"
#include "outline.h"
#include "spotcounts.h"
#include "spotpanel.h"
#include "spottext.h"

namespace quorvel {
namespace {

constexpr int ZURICH = 7, MCINTOSH = 8;  // columns of the tree the observer edits
constexpr int IDROLE = Qt::UserRole;     // a group's or a spot's id
constexpr int GROUPROLE = Qt::UserRole + 1;

QString text(const std::string& t) { return QString::fromStdString(t); }
QString deg(double v) { return text(patterntext(v, "0.0")); }

}  // namespace

void SpotPanel::refresh() {
    const std::vector<SpotGroup> groups = spotgroups(model_.survey(), frame_ ? frame_->sun.l0 : 0);
    filltree(groups);
    lblcounts_->setText(translatemessage(countstext(countspots(groups))));
    cmdundo_->setEnabled(model_.canundo());
    cmdredo_->setEnabled(model_.canredo());
    labels_.clear();
    outlines_ = spotoutlines(model_.survey(), image_ ? image_->width : 0);
    for (const SpotGroup& g : groups)
        for (const Spot& s : model_.survey().spots)
            if (s.group == g.id) {
                labels_.push_back({QPointF(s.row.x, s.row.y), g.number});
                break;
            }
    if (changed) changed();
}

void SpotPanel::filltree(const std::vector<SpotGroup>& groups) {
    const QSignalBlocker quiet(treespots_);
    treespots_->clear();
    for (const SpotGroup& g : groups) {
        auto* item = new QTreeWidgetItem(treespots_, {QString::number(g.number), QString::number(g.spots), deg(g.lat),
                                                      deg(g.cmd), deg(g.carrington), deg(g.extentdeg),
                                                      QString(QChar(g.hemisphere)), text(g.zurich), text(g.mcintosh),
                                                      deg(g.areamsh), deg(g.umbramsh)});
        item->setData(0, IDROLE, g.id);
        item->setData(0, GROUPROLE, true);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (!g.zurichset) item->setForeground(ZURICH, Qt::gray);
        for (const Spot& s : listedspots(model_.survey(), groups)) {
            if (s.group != g.id) continue;
            auto* child = new QTreeWidgetItem(item, {"spot " + QString::number(s.row.number), "", deg(s.row.disk.lat),
                                                     deg(s.row.disk.cmd), deg(s.row.disk.carrington), "", "", "", "",
                                                     deg(s.areamsh), deg(s.umbramsh)});
            child->setData(0, IDROLE, s.id);
            child->setData(0, GROUPROLE, false);
        }
    }
    treespots_->expandAll();
}

void SpotPanel::edited(QTreeWidgetItem* item, int column) {
    if (!item->data(0, GROUPROLE).toBool() || (column != ZURICH && column != MCINTOSH)) return;
    const int32_t group = item->data(0, IDROLE).toInt();
    const std::string value = item->text(column).trimmed().toStdString(), number = item->text(0).toStdString();
    const Outcome done = column == ZURICH ? model_.setzurich(group, value) : model_.setmcintosh(group, value);
    refresh();  // the edit as the model took it, or the value before; item is gone
    if (!done.done()) return status_(done.message, true);
    unsaved_ = true;
    const QString shown = value.empty() ? tr("as suggested") : QString::fromStdString(value);
    status_((column == ZURICH ? tr("Group %1: Zurich class %2.") : tr("Group %1: McIntosh class %2."))
                .arg(QString::fromStdString(number), shown)
                .toStdString(),
            false);
}

std::vector<int32_t> SpotPanel::selectedspots() const {
    std::vector<int32_t> ids;
    for (const QTreeWidgetItem* item : treespots_->selectedItems())
        if (!item->data(0, GROUPROLE).toBool()) ids.push_back(item->data(0, IDROLE).toInt());
    return ids;
}

std::vector<int32_t> SpotPanel::selectedgroups() const {
    std::vector<int32_t> ids;
    for (const QTreeWidgetItem* item : treespots_->selectedItems()) {
        const QTreeWidgetItem* group = item->data(0, GROUPROLE).toBool() ? item : item->parent();
        const int32_t id = group->data(0, IDROLE).toInt();
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    }
    return ids;
}

void SpotPanel::drawover(QImage& target, const Placement& at) const {
    if (!image_) return;
    QPainter p(&target);
    const double side = std::max(1.0, at.zoom);  // target pixels of one image pixel
    for (const SpotOutline& o : outlines_) {
        const QColor colour = o.umbra ? QColor(255, 40, 40) : QColor(255, 200, 0);
        for (int64_t i : o.edge)
            p.fillRect(QRectF((static_cast<double>(i % image_->width)) * at.zoom + at.ox,
                              (static_cast<double>(i / image_->width)) * at.zoom + at.oy, side, side), colour);
    }
    QFont font;
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(255, 200, 0));
    for (const auto& [where, number] : labels_)
        p.drawText(QPointF((where.x() + 0.5) * at.zoom + at.ox + 10, (where.y() + 0.5) * at.zoom + at.oy - 8),
                   QString::number(number));
}

std::string SpotPanel::copytext() const {
    const std::vector<SpotGroup> groups = spotgroups(model_.survey(), frame_ ? frame_->sun.l0 : 0);
    auto tabs = [](std::string line) {
        std::replace(line.begin(), line.end(), ',', '\t');
        return line + "\n";
    };
    std::string t = countstext(countspots(groups)) + "\n" + tabs(groupheader() + ",mcintosh");
    for (const SpotGroup& g : groups) t += tabs(groupline(g) + "," + g.mcintosh);
    return t;
}

}  // namespace quorvel
