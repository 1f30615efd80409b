#include <cstdio>
#include <iostream>

#include "batch.h"
#include "commands.h"
#include "drawvalues.h"
#include "fieldoptions.h"

namespace quorvel::cli {
namespace {

const char* const EPHEM_HELP =
    "usage: quorvel_cli ephem [field options]\n"
    "       quorvel_cli ephem --batch\n"
    "Prints the captions of the result labels, one line each: NAME: CAPTION,\n"
    "then the Carrington rotation number: carrington_rotation: N.\n"
    "\n"
    "Field options:\n";

const char* const BATCH_HELP =
    "\n"
    "--batch reads cases from standard input, one a line: the nine field texts\n"
    "separated by TAB in the order day, month, year, hour, min, tz, dst, lat, long\n"
    "(dst \"1\" means checked). Each line is answered by one line: the 11 captions\n"
    "separated by TAB, or \"error\", a TAB and the message. Exit status 0.\n";

class PrintSink : public LabelSink {
public:
    void setcaption(ResultLabel label, const std::string& caption) override {
        text += labelname(label);
        text += ": ";
        text += caption;
        text += '\n';
    }
    void setrotation(int32_t rotation) override {
        text += "carrington_rotation: " + std::to_string(rotation) + "\n";
    }
    std::string text;
};

}  // namespace

int ephemcommand(const std::vector<std::string>& args) {
    std::set<std::string> valued = fieldoptionnames();
    const Options opts(args, valued, {"batch", "help"});
    if (opts.flag("help")) {
        std::cout << EPHEM_HELP << FIELD_OPTIONS_HELP << BATCH_HELP;
        return 0;
    }
    if (opts.flag("batch")) {
        if (args.size() != 1) throw UsageError("--batch takes no other options");
        if (!runbatch(stdin, stdout)) {
            std::cerr << "quorvel_cli: reading or writing failed\n";
            return 2;
        }
        return 0;
    }
    RedrawState state;
    PrintSink sink;
    const InputFault fault = drawvalues(fieldtexts(opts), false, '.', state, sink);
    if (fault != InputFault::none) {
        std::cerr << inputmessage(fault) << '\n';
        return 1;
    }
    std::cout << sink.text;
    return 0;
}

}  // namespace quorvel::cli
