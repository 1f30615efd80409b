// The observer's personal reduction factor k against SILSO's daily
// international sunspot number.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "outcome.h"
#include "records.h"

namespace quorvel::log {

/// SILSO's daily numbers by day (days since 1970-01-01); missing days (-1) left out.
using SilsoDays = std::map<int64_t, double>;

/// Reads SILSO's daily total sunspot number file, the CSV version
/// ("year;month;day;decimal year;SN;sigma;Nobs;definitive") or the text
/// version (the same fields in columns).
///
/// Given:
///   text  the file's content, name  its name for messages
/// Returned:
///   days  the days with a number
Outcome readsilso(const std::string& text, const std::string& name, SilsoDays& days);

/// The fewest days k is computed from.
inline constexpr int K_MIN_DAYS = 30;

struct PersonalK {
    double k = 0;       ///< geometric mean of SN / R
    double spread = 0;  ///< sample standard deviation of the daily SN / R
    int days = 0;       ///< days it rests on
};

/// k over the observer's days with seeing G or E (1 or 2) and R > 0 that
/// SILSO has a number for; each day counts once, by its best observation.
/// An input outcome says how many days are missing below K_MIN_DAYS.
Outcome personalk(const std::vector<ObservationRecord>& obs, const SilsoDays& silso, PersonalK& out);

}  // namespace quorvel::log
