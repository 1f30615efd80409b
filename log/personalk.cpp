#include "personalk.h"

#include <cmath>
#include <sstream>

#include "calendardate.h"
#include "observationcheck.h"
#include "reports.h"

namespace quorvel::log {
namespace {

int64_t daynumber(int year, int month, int day) { return gregorianjdn({year, month, day}) - UNIX_EPOCH_JDN; }

/// The fields of one line, split at ';' or, without one, at blanks.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::string cell;
    std::istringstream in(line);
    if (line.find(';') != std::string::npos) {
        while (std::getline(in, cell, ';')) out.push_back(cell);
    } else {
        while (in >> cell) out.push_back(cell);
    }
    return out;
}

bool readnumber(const std::string& text, double& v) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> v;
    return !in.fail() && (in >> std::ws).eof();
}

}  // namespace

Outcome readsilso(const std::string& text, const std::string& name, SilsoDays& days) {
    std::istringstream in(text);
    std::string line;
    days.clear();
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const std::vector<std::string> f = fields(line);
        double y = 0, m = 0, d = 0, sn = 0;
        if (f.size() < 5 || !readnumber(f[0], y) || !readnumber(f[1], m) || !readnumber(f[2], d) || !readnumber(f[4], sn) ||
            m < 1 || m > 12 || d < 1 || d > 31 || y < 1600 || y > 9999)
            return Outcome::input("line " + std::to_string(n) + " of " + name +
                                  " is not a line of SILSO's daily file (year;month;day;decimal year;SN;sigma;Nobs;definitive)");
        if (sn >= 0) days[daynumber(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d))] = sn;
    }
    if (days.empty()) return Outcome::input(name + " holds no daily sunspot number");
    return Outcome::ok();
}

Outcome personalk(const std::vector<ObservationRecord>& obs, const SilsoDays& silso, PersonalK& out) {
    std::vector<ObservationRecord> usable;
    for (const ObservationRecord& o : obs) {
        const int64_t day = logminutes(o.time) / 1440;
        if (goodseeing(o.seeing) && o.counts.r() > 0 && silso.count(day) && silso.at(day) > 0) usable.push_back(o);
    }
    const std::map<int64_t, const ObservationRecord*> best = bestofdays(usable);
    const int n = static_cast<int>(best.size());
    if (n < K_MIN_DAYS)
        return Outcome::input("k needs at least " + std::to_string(K_MIN_DAYS) +
                              " days of seeing G or E with R > 0 and a SILSO number; there are " + std::to_string(n) + ": " +
                              std::to_string(K_MIN_DAYS - n) + " more are needed");
    double sumlog = 0, sum = 0, sumsq = 0;
    for (const auto& [day, o] : best) {
        const double ratio = silso.at(day) / static_cast<double>(o->counts.r());
        sumlog += std::log(ratio), sum += ratio, sumsq += ratio * ratio;
    }
    out.k = std::exp(sumlog / n);
    out.spread = std::sqrt(std::max(0.0, (sumsq - sum * sum / n) / (n - 1)));
    out.days = n;
    return Outcome::ok();
}

}  // namespace quorvel::log
