#include "reportrequest.h"

#include "reports.h"
#include "save.h"

namespace quorvel::log {
namespace {

/// The whole days of an observer's observations; the empty span when there are none.
Span wholespan(LogDb& db, const std::string& observer) {
    Statement q(db.handle(), "SELECT min(time_utc), max(time_utc) FROM observation JOIN observer USING (observer_id) "
                             "WHERE code = ?");
    q.bind(1, observer);
    LogTime first, last;
    if (!q.step() || q.isnull(0) || !parselogtime(q.text(0), "time", first).done() ||
        !parselogtime(q.text(1), "time", last).done())
        return {};
    first.hour = first.minute = 0;
    return {logminutes(first), logminutes(last) - last.hour * 60 - last.minute + 1440};
}

Outcome readreport(LogDb& db, const ReportRequest& r, std::string& out) {
    const std::string code = r.observer.empty() ? defaultobserver(db) : r.observer;
    if (code.empty()) return Outcome::input("the log has no observer yet: save an observation with --observer CODE first");
    ObserverRecord observer;
    if (Outcome who = readobserver(db, code, observer); !who.done()) return who;
    const bool monthly = r.format == "aavso" || r.format == "baa" || r.format == "daily";
    if (monthly && !r.month) return Outcome::usage("the " + r.format + " report is of one month: give --month YYYY-MM");
    const Span span = r.span.to > r.span.from ? r.span : wholespan(db, code);
    const LogTime first = logtimeofminutes(span.from);
    if (monthly) {
        std::vector<ObservationRecord> obs;
        if (Outcome read = readobservations(db, code, span, obs); !read.done()) return read;
        if (r.withk && !observer.k) return Outcome::input("observer " + code + " has no k yet: log k --silso FILE --save");
        out = r.format == "aavso" ? aavsoreport(observer, first.year, first.month, obs)
            : r.format == "baa"   ? baareport(obs, r.withk ? observer.k : std::nullopt)
                                  : dailyplot(observer, first.year, first.month, obs);
        return Outcome::ok();
    }
    std::vector<GroupRow> rows;
    if (Outcome read = readgroups(db, code, span, rows); !read.done()) return read;
    out = r.format == "groups" ? groupsreport(rows) : butterflyplot(code, span, rows);
    return Outcome::ok();
}

}  // namespace

Outcome reporttext(LogDb& db, const ReportRequest& request, std::string& out) {
    return db.read([&] { return readreport(db, request, out); });
}

}  // namespace quorvel::log
