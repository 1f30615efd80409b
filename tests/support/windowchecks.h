// Checks of a whole window as a user sees it.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace quorvel::test {

/// Every control of a window, one line each in creation order: kind, name,
/// geometry in pixels, shown or hidden, text, text and background colours,
/// font. Compared with a stored file, it holds captions, places and colours.
QString windowdump(const QWidget& window);

/// What a user would find wrong: a caption, value or text that does not show
/// whole, two controls that overlap (frames aside), a check box that is not
/// on the form's colour. Empty when none.
QStringList layoutproblems(const QWidget& window);

/// The captions of a window laid out by layouts that do not show whole:
/// a label, button, check box, group box title, combo box item or tab whose
/// text needs more room than its control was given. Empty when none.
QStringList textproblems(const QWidget& window);

/// Compares text with the file stored at path (rewriting it instead when
/// QUORVEL_UPDATE_GOLDEN is set); "" or where they first differ.
QString comparestored(const QString& text, const QString& path);

/// Clicks the two mount boxes in a long pseudo-random sequence; "" or the
/// first click after which not exactly one is checked or the notice is hidden.
QString mountpairproblem(QWidget& window);

}  // namespace quorvel::test
