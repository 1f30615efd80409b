// Fuzz target over the nine field texts: every line of the input is a batch
// case; none may crash, and each gets exactly one answer, either the eleven
// captions or one of the messages.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "batch.h"
#include "obsinput.h"

namespace {

bool isknownerror(std::string_view answer) {
    using quorvel::InputFault;
    for (auto f : {InputFault::date, InputFault::time, InputFault::zone, InputFault::place})
        if (answer == std::string("error\t") + quorvel::inputmessage(f) + "\n") return true;
    return answer.rfind("error\texpected 9 TAB-separated fields, found ", 0) == 0;
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= input.size()) {
        size_t nl = input.find('\n', start);
        if (nl == std::string_view::npos) nl = input.size();
        std::string out;
        quorvel::cli::answerbatchline(input.substr(start, nl - start), out);
        check(!out.empty() && out.find('\n') == out.size() - 1);
        if (out.rfind("error\t", 0) == 0) {
            check(isknownerror(out));
        } else {
            size_t tabs = 0;
            for (char c : out) tabs += c == '\t';
            check(tabs == 10);
            check(out.find("nan") == std::string::npos && out.find("inf") == std::string::npos);
        }
        start = nl + 1;
    }
    return 0;
}
