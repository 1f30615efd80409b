// The measuring window's view tools: moving the limb, the zoom, the pan and
// the contrast of the picture, with their keys.
#include <QHBoxLayout>
#include <QShortcut>
#include <QSignalBlocker>

#include "measurewindow.h"

namespace quorvel {
namespace {

constexpr double KEY_ZOOM = 2;  // a press of Ctrl++ or Ctrl+-

QToolButton* toolbutton(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(tip);
    return b;
}

QSpinBox* levelbox(const char* name, int low, int high, int value, const QString& tip, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    box->setToolTip(tip);
    return box;
}

}  // namespace

QWidget* MeasureWindow::viewbar() {
    auto* bar = new QWidget(this);
    cmdmovelimb_ = toolbutton("cmdmovelimb", tr("Move Limb"),
                              tr("While down, a drag inside the disk moves the limb and a drag on its edge resizes "
                                 "it; clicks add no spots (Ctrl+M; Esc leaves)"), bar);
    cmdmovelimb_->setCheckable(true);
    cmdfit_ = toolbutton("cmdfit", tr("Fit"), tr("Show the whole image (Ctrl+0)"), bar);
    cmdactual_ = toolbutton("cmdactual", tr("1:1"), tr("One pixel of the image on one pixel of the screen (Ctrl+1)"), bar);
    lblzoom_ = new QLabel(bar);
    lblzoom_->setObjectName("lblzoom");
    lblzoom_->setToolTip(tr("The zoom: the wheel over the image, or Ctrl++ and Ctrl+- (twice and half as large)"));
    spnblack_ = levelbox("spnblack", 0, 254, 0, tr("The grey level shown as black, 0 to 254"), bar);
    spnwhite_ = levelbox("spnwhite", 1, 255, 255, tr("The grey level shown as white, 1 to 255"), bar);
    spnblack_->setAccessibleName(tr("Black point"));
    spnwhite_->setAccessibleName(tr("White point"));
    cmdauto_ = toolbutton("cmdauto", tr("Auto Contrast"),
                          tr("Stretch the contrast of the part in view from its 0.5 % to its 99.5 % brightness "
                             "(Ctrl+E)"), bar);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdmovelimb_, cmdfit_, cmdactual_, lblzoom_})
        row->addWidget(w);
    row->addStretch();
    row->addWidget(new QLabel(tr("Black"), bar));
    row->addWidget(spnblack_);
    row->addWidget(new QLabel(tr("White"), bar));
    row->addWidget(spnwhite_);
    row->addWidget(cmdauto_);
    return bar;
}

void MeasureWindow::movelimbtoggled(bool on) {
    if (on && !maymovelimb()) {
        const QSignalBlocker quiet(cmdmovelimb_);
        return cmdmovelimb_->setChecked(false);
    }
    view_->setlimbediting(on);
    status(on ? tr("Move Limb: drag inside the disk to move the limb, on its edge to resize it; Ctrl+Z undoes. "
                   "Press Move Limb again (or Esc) to add spots.").toStdString()
              : tr("Click a spot on the disk to measure it.").toStdString());
}

void MeasureWindow::wireview() {
    const auto key = [this](const QKeySequence& keys, auto&& act) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, act);
    };
    connect(cmdmovelimb_, &QToolButton::toggled, this, &MeasureWindow::movelimbtoggled);
    key(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { cmdmovelimb_->toggle(); });
    key(QKeySequence(Qt::Key_Escape), [this] { cmdmovelimb_->setChecked(false); });
    connect(cmdfit_, &QToolButton::clicked, view_, &ImageView::fit);
    connect(cmdactual_, &QToolButton::clicked, view_, &ImageView::actualsize);
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { view_->fit(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_1), [this] { view_->actualsize(); });
    for (const QKeySequence& in : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        key(in, [this] { view_->zoomby(KEY_ZOOM); });
    key(QKeySequence(QKeySequence::ZoomOut), [this] { view_->zoomby(1 / KEY_ZOOM); });
    connect(view_, &ImageView::placed, this, [this] {
        lblzoom_->setText(QString::number(std::lround(view_->placement().zoom * devicePixelRatioF() * 100)) + " %");
    });
    const auto levels = [this] { view_->setlevels({spnblack_->value(), spnwhite_->value()}); };
    connect(spnblack_, &QSpinBox::valueChanged, this, [this, levels](int v) {
        if (spnwhite_->value() <= v) spnwhite_->setValue(v + 1);
        levels();
    });
    connect(spnwhite_, &QSpinBox::valueChanged, this, [this, levels](int v) {
        if (spnblack_->value() >= v) spnblack_->setValue(v - 1);
        levels();
    });
    connect(cmdauto_, &QToolButton::clicked, this, [this] {
        const Levels l = view_->autolevels();
        spnblack_->setValue(0);  // so that neither box pushes the other
        spnwhite_->setValue(l.white);
        spnblack_->setValue(l.black);
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { cmdauto_->click(); });
    key(QKeySequence::Undo, [this] { undoclick(false); });
    for (const QKeySequence& again : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        key(again, [this] { undoclick(true); });
    connect(cmdundorow_, &QPushButton::clicked, this, [this] { undoclick(false); });
    connect(cmdredorow_, &QPushButton::clicked, this, [this] { undoclick(true); });
    connect(&undo_, &QUndoStack::canUndoChanged, cmdundorow_, &QPushButton::setEnabled);
    connect(&undo_, &QUndoStack::canRedoChanged, cmdredorow_, &QPushButton::setEnabled);
    cmdundorow_->setEnabled(false);
    cmdredorow_->setEnabled(false);
}

}  // namespace quorvel
