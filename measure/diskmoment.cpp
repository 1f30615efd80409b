#include "diskmoment.h"

#include "drawvalues.h"

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

InputFault diskmoment(const FieldTexts& fields, DiskMoment& moment) {
    RedrawState state;
    RotationSink sink;
    const InputFault fault = drawvalues(fields, false, '.', state, sink);
    moment.obs = state.obs;
    moment.sun = state.sun;
    moment.rotation = sink.rotation;
    return fault;
}

}  // namespace quorvel
