// The precise model in quorvel_cli: its options, the lines of ephem
// --precise and the rows of table --model precise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "obsinput.h"
#include "outcome.h"
#include "precise.h"

namespace quorvel::cli {

/// Help lines of --delta-t and --topocentric.
extern const char* const PRECISE_OPTIONS_HELP;

/// What the precise options ask for.
struct PreciseRequest {
    std::optional<double> deltat;  ///< --delta-t, seconds; nullopt: the Espenak-Meeus value
    bool topocentric = false;      ///< --topocentric: parallax for the site
};

/// Reads --delta-t (its text, if given) and --topocentric into request.
/// Returns done, or a usage outcome: a --delta-t that is no number of
/// seconds within a day either way, or either option without the precise
/// model (precise false), naming switchname, the option that asks for it.
Outcome readprecise(const std::optional<std::string>& deltat, bool topocentric, bool precise,
                        const char* switchname, PreciseRequest& request);

/// Appends the lines of ephem --precise for the fields, which passed their
/// checks into obs: "precise_p_deg: ..." and so on, in full precision.
/// Returns false, appending nothing, for a moment the precise model does not
/// cover (PRECISE_SPAN_MESSAGE).
bool appendpreciselines(std::string& out, const FieldTexts& f, const ObsInput& obs,
                        const PreciseRequest& request);

/// The Julian Date (UT) of a count of seconds since 1970-01-01 0h UT, in two
/// pieces: whole days (ending in .5) and the fraction.
void jdofutc(int64_t utcseconds, double& jd, double& jdfrac);

/// The precise values of a table's rows, in time order.
class PreciseRows {
public:
    /// interpolate: the rows lie less than a day apart (PreciseTrack pays off).
    PreciseRows(const PreciseSite& site, const PreciseRequest& request, bool interpolate)
        : site_(site), request_(request), interpolate_(interpolate) {}

    /// Appends ",jd,sidereal_h,...,carrington_rotation" of the moment
    /// utcseconds after 1970-01-01 0h UT (the columns of table).
    void append(std::string& out, int64_t utcseconds);

private:
    PreciseSite site_;
    PreciseRequest request_;
    bool interpolate_;
    PreciseTrack track_;
};

}  // namespace quorvel::cli
