// Building the window's controls from their design values: names (also the
// object names), captions, tooltips, fonts, colours, twips geometry.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace quorvel {

/// left, top, width, height in twips.
struct TwipsBox {
    double left, top, width, height;
};

inline const QColor FORM_YELLOW(255, 255, 202);   ///< window and check box background
inline const QColor NOTICE_PINK(255, 192, 192);   ///< "Parameters have changed"
inline const QColor RESULT_BROWN(120, 65, 50);    ///< result labels and their frames
inline const QColor CREDIT_GREY(182, 182, 150);   ///< version and credit lines

/// The faces of the design: Arial for buttons and results, the small sans
/// serif for the rest (fonts-liberation2 makes "Arial" metric-compatible).
QFont arialfont(double points, bool bold = false);
QFont smallfont();

class ControlFactory {
public:
    ControlFactory(QWidget* parent, double tpp) : parent_(parent), tpp_(tpp) {}

    QLabel* label(const char* name, const QString& caption, TwipsBox box, const QFont& font,
                  const QString& tooltip = {});
    QLineEdit* textbox(const char* name, TwipsBox box, const QString& tooltip = {});
    QCheckBox* checkbox(const char* name, const QString& caption, TwipsBox box, const QString& tooltip = {});
    QPushButton* button(const char* name, const QString& caption, TwipsBox box, const QFont& font,
                        const QString& tooltip = {});
    /// A frame without events around a group of controls.
    QFrame* frame(const char* name, TwipsBox box, const QColor& border = QColor(128, 128, 128));

private:
    void place(QWidget* w, const char* name, TwipsBox box, const QString& tooltip);
    QWidget* parent_;
    double tpp_;
};

/// Widens a button or check box whose caption (a translation longer than
/// the design's text) needs more room: layouts grow, texts never shrink.
void widentofit(QAbstractButton* b);

/// Names a field by its caption for screen readers (its accessible name),
/// and makes the caption its buddy.
void namefield(QLabel* caption, QWidget* field);

/// Sets the text colour of a label.
void settextcolour(QLabel* label, const QColor& colour);

/// The form's own colours, whatever the desktop's palette: pale yellow
/// behind black captions, text boxes black on white. Buttons keep the
/// desktop's pair, which is readable by itself.
void setformpalette(QWidget* form);

/// Shows a colour on a button: its face in the colour, its caption black or
/// white, whichever reads better on it.
void setbuttoncolour(QPushButton* button, const QColor& colour);

}  // namespace quorvel
