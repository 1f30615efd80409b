#include "csvtext.h"

#include <charconv>

namespace quorvel::log {

std::string fixed(double v, int decimals) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, res.ptr);
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);  // no "-0.0"
    return s;
}

std::string exact(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

void appendquoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

bool readcsvrecord(std::string_view text, size_t& at, std::vector<CsvField>& record) {
    record.clear();
    if (at >= text.size()) return false;
    CsvField field;
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '"' && field.text.empty() && !field.quoted) {
            field.quoted = true;
            for (;;) {
                if (at >= text.size()) {
                    at = text.size() + 1;  // an unterminated quote
                    return false;
                }
                const char q = text[at++];
                if (q != '"') field.text += q;
                else if (at < text.size() && text[at] == '"') field.text += '"', ++at;
                else break;
            }
        } else if (c == ',') {
            record.push_back(std::move(field));
            field = CsvField();
        } else if (c == '\n') {
            break;
        } else if (c != '\r') {
            field.text += c;
        }
    }
    record.push_back(std::move(field));
    return true;
}

}  // namespace quorvel::log
