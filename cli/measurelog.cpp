#include "measurelog.h"

#include <cstdio>

#include "observationcheck.h"
#include "savecounted.h"

namespace quorvel::cli {

void takelogoption(std::vector<std::string>& args, MeasureLog& request) {
    std::vector<std::string> rest;
    size_t operands = 0;
    for (const std::string& a : args) operands += !a.empty() && a[0] != '-';
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--log=", 0) == 0) {
            request.wanted = true, request.file = args[i].substr(6);
        } else if (args[i] == "--log") {
            request.wanted = true;
            const bool next = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-';
            if (next && operands > 1) request.file = args[++i], --operands;
        } else {
            rest.push_back(args[i]);
        }
    }
    args = rest;
}

Outcome checkmeasurelog(const Options& opts, const MeasureLog& request, bool findspots) {
    if (!request.wanted) {
        if (opts.has("seeing") || opts.has("observer")) return Outcome::usage("--seeing and --observer go with --log");
        return Outcome::ok();
    }
    if (!findspots) return Outcome::usage("--log saves the counted spots: it goes with --find-spots");
    if (!opts.has("seeing")) return Outcome::usage("--log needs the --seeing (E, G, F, P or 1 to 5)");
    if (!log::validseeing(*opts.get("seeing")))
        return Outcome::input("the seeing '" + *opts.get("seeing") + "' is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5");
    return opts.has("observer") ? log::checkobservercode(*opts.get("observer")) : Outcome::ok();
}

Outcome savemeasured(const Options& opts, const MeasureLog& request, const SpotSurvey& survey, const ImageFrame& frame,
                     log::MeasuredImage image) {
    std::string summary;
    const Outcome saved = savecounted(survey, frame, std::move(image),
                                      {request.file, {*opts.get("seeing"), opts.get("observer", ""), "", ""}, false}, summary);
    if (saved.done()) std::fprintf(stderr, "%s\n", summary.c_str());
    return saved;
}

}  // namespace quorvel::cli
