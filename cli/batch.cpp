#include "batch.h"

#include <array>
#include <string>

#include "drawvalues.h"
#include "inorder.h"
#include "output.h"

namespace quorvel::cli {
namespace {

constexpr size_t FIELD_COUNT = 9;

}  // namespace

void answerbatchline(std::string_view line, std::string& out) {
    std::array<std::string_view, FIELD_COUNT> parts;
    size_t count = 0, start = 0;
    for (size_t i = 0; i <= line.size(); ++i) {  // fields are short: a plain scan beats memchr
        if (i < line.size() && line[i] != '\t') continue;
        if (count < FIELD_COUNT) parts[count] = std::string_view(line.data() + start, i - start);
        ++count;
        start = i + 1;
    }
    if (count != FIELD_COUNT) {
        out += "error\texpected 9 TAB-separated fields, found ";
        out += std::to_string(count);
        out += '\n';
        return;
    }
    thread_local FieldTexts f;  // its strings keep their room from line to line
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
    ValuesOnly sink;  // the eleven captions are formatted below, once every check passed
    const Outcome values = drawvalues(f, false, '.', state, sink);
    if (!values.done()) {
        out += "error\t";
        out += values.message;
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

namespace {

/// Whole lines of the input, each ending in a line feed, and whether the
/// line after them was cut off for being too long.
struct LineBlock {
    std::string text;
    bool overlongafter = false;
};

/// Cuts the input into blocks of whole lines without holding any line longer
/// than LONGEST_BATCH_LINE.
class LineBlocks {
public:
    explicit LineBlocks(std::FILE* in) : in_(in) {}

    /// Fills block with the next lines; false at the end of the input.
    bool next(LineBlock& block) {
        constexpr size_t CHUNK = 1 << 16, BLOCK = 1 << 17;  // bytes read at once, bytes of a block
        block.text.swap(carry_);
        carry_.clear();
        while (!ended_) {
            const size_t old = block.text.size();
            block.text.resize(old + CHUNK);
            const size_t n = std::fread(block.text.data() + old, 1, CHUNK, in_);
            block.text.resize(old + n);
            if (n == 0) {
                ended_ = true;
                failed_ = std::ferror(in_);
                break;
            }
            if (skipping_) {  // the rest of a line already answered as too long
                const size_t nl = block.text.find('\n', old);
                block.text.erase(old, nl == std::string::npos ? n : nl + 1 - old);
                skipping_ = nl == std::string::npos;
            }
            const size_t nl = block.text.rfind('\n');
            const size_t tail = nl == std::string::npos ? 0 : nl + 1;  // where the unfinished line starts
            if (block.text.size() - tail > LONGEST_BATCH_LINE) {
                block.text.resize(tail);
                block.overlongafter = skipping_ = true;
                return true;
            }
            if (tail >= BLOCK) {
                carry_.assign(block.text, tail);
                block.text.resize(tail);
                return true;
            }
        }
        if (!block.text.empty() && block.text.back() != '\n') block.text += '\n';  // an unfinished last line
        return !block.text.empty();
    }

    bool failed() const { return failed_; }

private:
    std::FILE* in_;
    std::string carry_;     // the unfinished line after the last block
    bool skipping_ = false;
    bool ended_ = false, failed_ = false;
};

const std::string& overlonganswer() {
    static const std::string answer =
        "error\tthe line is longer than " + std::to_string(LONGEST_BATCH_LINE) + " bytes\n";
    return answer;
}

Outcome answerblock(const LineBlock& block, std::string& out) {
    const std::string_view text = block.text;
    out.reserve(text.size() * 5);  // an answer is about four times its case
    for (size_t start = 0, nl; start < text.size(); start = nl + 1) {
        nl = text.find('\n', start);
        if (nl - start > LONGEST_BATCH_LINE) out += overlonganswer();
        else answerbatchline(text.substr(start, nl - start), out);
    }
    if (block.overlongafter) out += overlonganswer();
    return Outcome::ok();
}

}  // namespace

Outcome runbatch(std::FILE* in, std::FILE* out) {
    LineBlocks blocks(in);
    const Outcome written = answerinorder<LineBlock>(
        [&](LineBlock& b) { return blocks.next(b); }, answerblock,
        [&](std::string_view answers) { return writeall(out, answers); });
    if (!written.done()) return written;
    const Outcome flushed = flushall(out);
    if (flushed.done() && blocks.failed()) return Outcome::io("cannot read standard input");
    return flushed;
}

}  // namespace quorvel::cli
