#include <cstdio>

#include "batch.h"
#include "commands.h"
#include "drawvalues.h"
#include "fieldoptions.h"
#include "output.h"
#include "precisemodel.h"

namespace quorvel::cli {
namespace {

const char* const EPHEM_HELP =
    "usage: quorvel_cli ephem [field options] [--precise [--delta-t SECONDS] [--topocentric]]\n"
    "       quorvel_cli ephem --batch\n"
    "Prints the captions of the result labels, one line each: NAME: CAPTION,\n"
    "then the Carrington rotation number: carrington_rotation: N.\n"
    "--precise adds the values of the precise model in full precision:\n"
    "precise_p_deg, precise_b0_deg, precise_l0_deg, precise_ra_h, precise_dec_deg,\n"
    "precise_alt_deg, precise_az_deg, precise_parallactic_deg and\n"
    "precise_carrington_rotation, one line each: NAME: VALUE.\n"
    "\n"
    "Field options:\n";

const char* const BATCH_HELP =
    "\n"
    "--batch reads cases from standard input, one a line: the nine field texts\n"
    "separated by TAB in the order day, month, year, hour, min, tz, dst, lat, long\n"
    "(dst \"1\" means checked). Each line is answered by one line: the 11 captions\n"
    "separated by TAB, or \"error\", a TAB and the message; a line longer than\n"
    "1048576 bytes is answered by an error of its own. The exit status is 0 even\n"
    "when cases fail their checks, 3 when the input cannot be read or the answers\n"
    "cannot be written.\n";

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

Outcome ephemcommand(const std::vector<std::string>& args) {
    OptionNames names{fieldoptionnames(), {"batch", "help", "precise", "topocentric"}};
    names.valued.insert("delta-t");
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (opts.flag("help"))
        return writeandflush(stdout, std::string(EPHEM_HELP) + FIELD_OPTIONS_HELP + "Precise options:\n" +
                                         PRECISE_OPTIONS_HELP + BATCH_HELP);
    PreciseRequest precise;
    if (Outcome read = readprecise(opts.get("delta-t"), opts.flag("topocentric"), opts.flag("precise"), "--precise", precise);
        !read.done())
        return read;
    if (opts.flag("batch")) {
        if (opts.count() != 1) return Outcome::usage("--batch takes no other options");
        return runbatch(stdin, stdout);
    }
    FieldTexts fields;
    if (Outcome read = fieldtexts(opts, fields); !read.done()) return read;
    RedrawState state;
    PrintSink sink;
    if (Outcome values = drawvalues(fields, false, '.', state, sink); !values.done()) return values;
    if (opts.flag("precise") && !appendpreciselines(sink.text, fields, state.obs, precise))
        return Outcome::input(PRECISE_SPAN_MESSAGE);
    return writeandflush(stdout, sink.text);
}

}  // namespace quorvel::cli
