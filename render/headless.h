// One redraw without a window, for the outputs that draw a picture alone:
// the check boxes and style boxes of a request, the captions kept as lines of
// a log; a failed check is the draw's outcome.
#pragma once

#include <map>
#include <set>
#include <string>

#include "drawroutine.h"
#include "outcome.h"

namespace quorvel {

class HeadlessRedraw : public PictureControls, public LabelSink {
public:
    HeadlessRedraw(const std::set<CheckBox>& checked, const std::map<TextBox, std::string>& texts = {})
        : checked_(checked), texts_(texts) {}

    /// The redraw of fields on surface, with picture as its picture step;
    /// the outcome of DrawRoutine::draw.
    Outcome draw(Surface& surface, const FieldTexts& fields, bool altaz, const PictureStep& picture,
                 CaptionStyle captions);

    bool checked(CheckBox box) const override { return checked_.count(box) > 0; }
    std::string text(TextBox box) const override;
    void setcaption(ResultLabel label, const std::string& caption) override;
    void showtilt(bool visible) override { captions_ += visible ? "tilt shown\n" : "tilt hidden\n"; }
    void setrotation(int32_t r) override { captions_ += "rotation " + std::to_string(r) + "\n"; }

    /// What the labels received, a line each: 'caption lblp "26.27"'.
    const std::string& captions() const { return captions_; }

    DrawRoutine routine;

private:
    const std::set<CheckBox>& checked_;
    const std::map<TextBox, std::string> texts_;
    std::string captions_;
};

}  // namespace quorvel
