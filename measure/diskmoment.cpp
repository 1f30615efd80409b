#include "diskmoment.h"

#include "drawvalues.h"
#include "precisemoment.h"

namespace quorvel {
namespace {

/// Keeps the rotation number and lets the captions go.
class RotationSink : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
    void setrotation(int32_t r) override { rotation = r; }
    int32_t rotation = 0;
};

}  // namespace

Outcome diskmoment(const FieldTexts& fields, DiskModel model, DiskMoment& moment) {
    RedrawState state;
    RotationSink sink;
    const Outcome values = drawvalues(fields, false, '.', state, sink);
    moment.obs = state.obs;
    moment.sun = state.sun;
    moment.rotation = sink.rotation;
    if (!values.done()) return values;
    if (model == DiskModel::classic) return Outcome::ok();
    PreciseTime t;
    if (!precisemoment(fields, state.obs, t) || !precisecovers(t.jd + t.jdfrac))
        return Outcome::input(PRECISE_SPAN_MESSAGE);
    const PreciseDisk d = precisedisk(t);
    moment.sun.p = d.p, moment.sun.b0 = d.b0, moment.sun.l0 = d.l0;
    moment.rotation = d.rotation;
    return Outcome::ok();
}

}  // namespace quorvel
