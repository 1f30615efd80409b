#include "batch.h"

#include <array>
#include <vector>

#include "drawvalues.h"

namespace quorvel::cli {
namespace {

constexpr size_t FIELD_COUNT = 9;

/// Collects the captions of one case, TAB separated.
class TabSink : public LabelSink {
public:
    explicit TabSink(std::string& out) : out_(out) {}
    void setcaption(ResultLabel label, const std::string& caption) override {
        if (label != ResultLabel::lbljd) out_ += '\t';
        out_ += caption;
    }

private:
    std::string& out_;
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

    const size_t mark = out.size();
    RedrawState state;
    TabSink sink(out);
    const InputFault fault = drawvalues(f, false, '.', state, sink);
    if (fault != InputFault::none) {
        out.resize(mark);  // captions set before a failing check are not answered
        out += "error\t";
        out += inputmessage(fault);
    }
    out += '\n';
}

bool runbatch(std::FILE* in, std::FILE* out) {
    constexpr size_t WRITE_AT = 1 << 20;  // bytes of answers held before they go to stdio
    std::string answers, pending;
    bool writeok = true;
    auto writeanswers = [&] {
        writeok = writeok && std::fwrite(answers.data(), 1, answers.size(), out) == answers.size();
        answers.clear();
    };
    std::vector<char> buf(1 << 16);
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), in)) > 0) {
        std::string_view chunk(buf.data(), n);
        size_t start = 0;
        for (size_t nl; (nl = chunk.find('\n', start)) != std::string_view::npos; start = nl + 1) {
            if (pending.empty()) {
                answerbatchline(chunk.substr(start, nl - start), answers);
            } else {
                pending.append(chunk.substr(start, nl - start));
                answerbatchline(pending, answers);
                pending.clear();
            }
        }
        pending.append(chunk.substr(start));
        if (answers.size() >= WRITE_AT) writeanswers();
    }
    const bool readok = !std::ferror(in);
    if (!pending.empty()) answerbatchline(pending, answers);
    writeanswers();
    return readok && writeok && std::fflush(out) == 0;
}

}  // namespace quorvel::cli
