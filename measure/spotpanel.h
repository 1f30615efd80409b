// The counting part of the measuring window: Find Spots with its settings,
// the groups and their spots in a tree, the observer's corrections with
// undo, and the day's counts in one line that updates at once.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "outline.h"
#include "overlay.h"
#include "platform.h"
#include "spotgroup.h"
#include "spotmodel.h"

namespace quorvel {

class SpotPanel : public QWidget {
    Q_OBJECT

public:
    /// status shows a message (a fault in red, as a sentence).
    SpotPanel(std::function<void(const std::string&, bool)> status, QWidget* parent = nullptr);

    /// Called after the picture should be drawn again (the spots changed).
    std::function<void()> changed;

    /// The image and its frame as the window has them now. A new image or
    /// limb clears the spots; a new time or orientation measures them again.
    void setframe(const GrayImage* image, const std::optional<ImageFrame>& frame);
    /// Finds the spots with the settings of the fields.
    Outcome findspotsclick();
    /// A click on the image: adds a spot when "Add Spot by Click" is down; false otherwise.
    bool addclick(double x, double y);
    /// Draws the outlines and the groups' numbers over the view.
    void drawover(QImage& target, const Placement& at) const;

    const SpotModel& model() const { return model_; }
    /// Whether the count changed since Find Spots or the last save of it.
    bool unsaved() const { return unsaved_; }
    void marksaved() { unsaved_ = false; }
    /// The settings the last Find Spots used; none before it.
    std::optional<CountSettings> foundwith() const { return field_ ? std::optional(field_->settings) : std::nullopt; }
    /// The line of counts shown: "g 3  f 12  R 42  ...".
    std::string countsline() const { return lblcounts_->text().toStdString(); }
    /// The text the window's Copy puts on the clipboard while the panel shows: the counts line, then the groups tab-separated.
    std::string copytext() const;

private:
    void build();
    void wire();
    void refresh();
    void filltree(const std::vector<SpotGroup>& groups);
    void act(const Outcome& outcome, const std::string& done);
    void edited(QTreeWidgetItem* item, int column);
    std::optional<CountSettings> settings();
    std::vector<int32_t> selectedspots() const;
    std::vector<int32_t> selectedgroups() const;
    void moveclick();

    std::function<void(const std::string&, bool)> status_;
    SpotModel model_;
    std::optional<SpotField> field_;       ///< the field of the last Find Spots
    const GrayImage* image_ = nullptr;
    std::optional<ImageFrame> frame_;
    bool unsaved_ = false;  ///< corrections made since Find Spots or the last save
    std::vector<SpotOutline> outlines_;
    std::vector<std::pair<QPointF, int32_t>> labels_;               ///< image pixels of the groups' numbers

    QLineEdit *txtpenumbra_, *txtumbra_, *txtgroupdist_, *txtminsize_, *txtlimbmargin_, *txtmoveto_;
    QPushButton *cmdfindspots_, *cmdaddspot_, *cmdmerge_, *cmdsplit_, *cmdmove_, *cmddeletespot_, *cmdundo_, *cmdredo_;
    QTreeWidget* treespots_;
    QLabel* lblcounts_;
};

}  // namespace quorvel
