// The window f1 of quorvel_g: the observation inputs, the style panel, the
// two views and the clipboard capture.
#pragma once

#include <map>

#include "desktop.h"
#include "truescaledialog.h"
#include "graphicsview.h"
#include "observationwindow.h"

namespace quorvel {

/// What quorvel_g reaches beyond a quorvel window.
struct GraphicsServices {
    ColourChooser& colours;
    Clipboard& clipboard;
    TrueScaleQuestions* truescale = nullptr;  ///< the desktop's dialogs when not given
};

class GraphicsWindow : public ObservationWindow {
    Q_OBJECT
public:
    GraphicsWindow(WindowServices services, GraphicsServices graphics);

    // Event handlers, named after their control and event.
    void Form_Load();
    void butdraw_Click();
    void comgraph_Click();
    void cmdcapture_Click();
    void cmdhelp_Click();
    void chksunequator_Click();
    /// Puts the design's style back (sizes, colours, "Equator", "Axes"); no redraw.
    void cmddefaultstyle_Click();
    /// The graphics-ready view alone at a true scale: to a file, or printed.
    void cmdsaveimage_Click();
    void cmdprint_Click();
    /// What the true-scale output draws: the window's moment, options and style.
    TrueScaleRequest truescalerequest() const;
    /// A colour button: the dialog starting from the button's colour.
    void colour_Click(Colour StyleOpts::*colour);
    /// The normal view (false) or the graphics-ready view (true); an input
    /// fault when the style's boxes refuse it before anything is drawn.
    Outcome view(bool graphicsready);
    /// Places pic1 and the rows below it for the window's size.
    void layout();

    // The window itself, in twips, as the settings keep it.
    int16_t windowstate() const override;
    void setwindowstate(int16_t state) override;
    TwipsRect geometry() const override;
    void setgeometry(const TwipsRect& rect) override;
    std::vector<TwipsRect> screens() const override;

    CustomColours customcolours{};

protected:
    void resizeEvent(QResizeEvent* event) override;
    StyleOpts measurecolours() const override { return styleopts; }

private:
    void buildcontrols();
    void wireevents();
    /// A view, then the settings saved when the style's boxes passed.
    void viewandsave(bool graphicsready);
    void save();
    /// Each colour button shows its colour.
    void showcolours();

    GraphicsServices graphics_;
    std::map<std::string, QWidget*> placed_;  // controls the layout moves, by name
    QPushButton *butdraw_ = nullptr, *comgraph_ = nullptr, *cmdcapture_ = nullptr, *cmdhelp_ = nullptr;
    QPushButton *cmdsaveimage_ = nullptr, *cmdprint_ = nullptr, *cmddefaultstyle_ = nullptr;
    QtTrueScaleQuestions desktopquestions_;
    TrueScaleQuestions& questions() { return graphics_.truescale ? *graphics_.truescale : desktopquestions_; }
    double lastdiametermm_ = 150;
    bool lastcaption_ = true;
    std::vector<std::pair<QPushButton*, Colour StyleOpts::*>> colourbuttons_;
};

}  // namespace quorvel
