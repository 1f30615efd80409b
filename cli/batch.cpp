#include "batch.h"

#include <array>
#include <vector>

#include "drawvalues.h"
#include "output.h"

namespace quorvel::cli {
namespace {

constexpr size_t FIELD_COUNT = 9;

/// Takes no captions: the batch formats all eleven from the values once every check passed.
class ValuesOnly : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
    bool wantscaptions() const override { return false; }
};

}  // namespace

void answerbatchline(std::string_view line, std::string& out) {
    std::array<std::string_view, FIELD_COUNT> parts;
    size_t count = 0, start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        const std::string_view field = line.substr(start, tab == std::string_view::npos ? line.npos : tab - start);
        if (count < FIELD_COUNT) parts[count] = field;
        ++count;
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (count != FIELD_COUNT) {
        out += "error\texpected 9 TAB-separated fields, found ";
        out += std::to_string(count);
        out += '\n';
        return;
    }
    FieldTexts f;
    f.day = parts[0];
    f.month = parts[1];
    f.year = parts[2];
    f.hour = parts[3];
    f.min = parts[4];
    f.tz = parts[5];
    f.dst = parts[6] == "1";
    f.lat = parts[7];
    f.lon = parts[8];

    RedrawState state;
    ValuesOnly sink;
    const InputFault fault = drawvalues(f, false, '.', state, sink);
    if (fault != InputFault::none) {
        out += "error\t";
        out += inputmessage(fault);
        out += '\n';
        return;
    }
    char buf[RESULT_LABEL_COUNT * (CAPTION_MAX + 1)];
    char* p = buf;
    for (int i = 0; i < RESULT_LABEL_COUNT; ++i) {
        if (i > 0) *p++ = '\t';
        p = putcaption(p, static_cast<ResultLabel>(i), state.sun, '.');
    }
    *p++ = '\n';
    out.append(buf, p);
}

Outcome runbatch(std::FILE* in, std::FILE* out) {
    constexpr size_t WRITE_AT = 1 << 20;  // bytes of answers held before they go to stdio
    const std::string overlonganswer =
        "error\tthe line is longer than " + std::to_string(LONGEST_BATCH_LINE) + " bytes\n";
    std::string answers, pending;
    bool overlong = false;  // the pending line grew too long: its further bytes are skipped
    auto keep = [&](std::string_view piece) {
        if (overlong) return;
        if (pending.size() + piece.size() > LONGEST_BATCH_LINE) {
            overlong = true;
            pending.clear();
        } else {
            pending.append(piece);
        }
    };
    auto answerpending = [&] {
        if (overlong) answers += overlonganswer;
        else answerbatchline(pending, answers);
        pending.clear();
        overlong = false;
    };
    std::vector<char> buf(1 << 16);
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), in)) > 0) {
        std::string_view chunk(buf.data(), n);
        size_t start = 0;
        for (size_t nl; (nl = chunk.find('\n', start)) != std::string_view::npos; start = nl + 1) {
            const std::string_view piece = chunk.substr(start, nl - start);
            if (pending.empty() && !overlong && piece.size() <= LONGEST_BATCH_LINE) {
                answerbatchline(piece, answers);
            } else {
                keep(piece);
                answerpending();
            }
        }
        keep(chunk.substr(start));
        if (answers.size() >= WRITE_AT) {
            if (Outcome written = writeall(out, answers); !written.done()) return written;
            answers.clear();
        }
    }
    const bool readfailed = std::ferror(in);
    if (!readfailed && (overlong || !pending.empty())) answerpending();
    if (Outcome written = writeandflush(out, answers); !written.done()) return written;
    return readfailed ? Outcome::io("cannot read standard input") : Outcome::ok();
}

}  // namespace quorvel::cli
