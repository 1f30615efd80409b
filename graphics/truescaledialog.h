// Asking how to write or print the graphics-ready view at a true scale.
#pragma once

#include <optional>
#include <string>

#include <QPrinter>
#include <QWidget>

#include "truescale.h"

namespace quorvel {

/// The questions of "Save Image..." and "Print...", replaceable in tests.
class TrueScaleQuestions {
public:
    virtual ~TrueScaleQuestions() = default;
    /// The sizes and the caption; false when cancelled. path is asked too unless printing.
    virtual bool ask(TrueScaleRequest& request, bool printing) = 0;
    /// Prints the request on a printer the user chooses; done when printed
    /// or cancelled, else why nothing was printed.
    virtual Outcome print(const TrueScaleRequest& request) = 0;
};

/// The desktop's dialogs: sizes and caption, the file chooser, the print
/// dialog. Files are proposed in the user's Pictures folder, then in the
/// folder of the last one saved while the program runs.
class QtTrueScaleQuestions : public TrueScaleQuestions {
public:
    explicit QtTrueScaleQuestions(QWidget* parent = nullptr);
    void setparent(QWidget* parent) { parent_ = parent; }
    bool ask(TrueScaleRequest& request, bool printing) override;
    Outcome print(const TrueScaleRequest& request) override;

private:
    QWidget* parent_;
    QString folder_;  ///< where the next file is proposed
};

/// Prints the request on printer, the disk at its diameter in the middle
/// of the printable area. Printing to a file draws the page in memory and
/// writes it as every output is written (savefile): a link in its place is
/// replaced, never written through, a named pipe is streamed.
Outcome printpage(QPrinter& printer, const TrueScaleRequest& request);

}  // namespace quorvel
