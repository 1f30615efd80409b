// Counting on images drawn by the tests: the spots, groups, counts, areas
// and positions against the drawn truth; the observer's corrections through
// the model, with undo; the suggested Zurich classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "grouping.h"
#include "spotfind.h"
#include "spotmodel.h"
#include "measurecsv.h"
#include "spottext.h"
#include "spotsky.h"
#include "zurich.h"

namespace quorvel {
namespace {

using test::Cap;
using test::DrawnGroup;
using test::DrawnRegion;
using test::kDay;
using test::kInMargin;

constexpr double kPosition = 0.2;        // degrees, every spot
constexpr double kAreaCentral = 0.10;    // of the drawn area, groups of at least 20 MSH at mu >= 0.5
constexpr double kAreaLimbward = 0.20;   // the same at mu >= 0.2
constexpr double kLargeEnough = 20;      // MSH: smaller groups' areas are not checked
constexpr double kL0 = 100;              // degrees

Outcome succeeded(bool done) { return done ? Outcome::ok() : Outcome::input("nothing to take back"); }

SunState daysun(double b0) {
    SunState s;
    s.p = 12, s.b0 = b0, s.l0 = kL0;
    return s;
}

/// The disk's frame with solar north up: the test's own orientation.
ImageFrame skyframe(const test::Sky& sky) {
    return imageframe(daysun(sky.b0), Orientation{OrientKind::solar, false, false, false, 0}, Circle{sky.cx, sky.cy, sky.r});
}

double mu(const Cap& c, double b0) {
    double v[3];
    test::capvector(c.lat, c.cmd, b0, v);
    return v[2];
}

/// Each drawn spot (umbra, or pore) matched to one found spot within kPosition.
void checkpositions(const std::vector<DrawnGroup>& day, std::vector<Spot> found) {
    for (const DrawnGroup& g : day) {
        for (const DrawnRegion& reg : g.regions) {
            for (const Cap& c : reg.umbrae.empty() ? std::vector<Cap>{reg.outer} : reg.umbrae) {
                auto near = std::find_if(found.begin(), found.end(), [&](const Spot& s) {
                    return std::fabs(s.row.disk.lat - c.lat) < kPosition && std::fabs(s.row.disk.cmd - c.cmd) < kPosition;
                });
                EXPECT_NE(near, found.end()) << g.name << ": no spot found at " << c.lat << ", " << c.cmd;
                if (near != found.end()) found.erase(near);
            }
        }
    }
    for (const Spot& s : found) ADD_FAILURE() << "a spot that was not drawn: " << spotline(s.row);
}

/// Each drawn group's area against the found group nearest to it.
void checkareas(const std::vector<DrawnGroup>& day, const std::vector<SpotGroup>& groups, double b0) {
    for (const DrawnGroup& g : day) {
        double truth = 0, lat = 0;
        for (const DrawnRegion& reg : g.regions) truth += test::capmsh(reg.outer.radius), lat += reg.outer.lat;
        const Cap& first = g.regions.front().outer;
        auto found = std::min_element(groups.begin(), groups.end(), [&](const SpotGroup& a, const SpotGroup& b) {
            return std::hypot(a.lat - first.lat, a.cmd - first.cmd) < std::hypot(b.lat - first.lat, b.cmd - first.cmd);
        });
        ASSERT_NE(found, groups.end());
        EXPECT_EQ(found->hemisphere, g.hemisphere) << g.name;
        if (truth < kLargeEnough || mu(first, b0) < 0.2) continue;
        const double tol = mu(first, b0) >= 0.5 ? kAreaCentral : kAreaLimbward;
        EXPECT_NEAR(found->areamsh / truth, 1, tol) << g.name << ": " << groupline(*found) << ", drawn " << truth;
    }
}

TEST(FindSpots, CountsGroupsAreasAndPositionsAsDrawn) {
    const struct { const char* name; test::Sky sky; bool spotless; } rows[] = {
        {"plain", {}, false},
        {"noisier, steeper vignetting, B0 -7", {1300, 1240, 649.6, 620.2, 600, -7, 0.012, 0.12, 0.08, 3000}, false},
        {"larger disk", {1700, 1700, 850.2, 849.5, 800, 3, 0.01, -0.05, 0.05, 60000}, false},
        {"spotless, noisy", {1300, 1240, 650.4, 619.7, 600, 5, 0.012, 0.12, -0.08, 40000}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<DrawnGroup> day = row.spotless ? std::vector<DrawnGroup>{} : kDay;
        std::vector<DrawnRegion> regions;
        for (const DrawnGroup& g : day) regions.insert(regions.end(), g.regions.begin(), g.regions.end());
        if (!row.spotless) regions.push_back(kInMargin);
        const GrayImage image = test::drawsky(row.sky, regions);
        const SpotField field = spotfield(image, skyframe(row.sky), CountSettings{});
        SpotSurvey survey = findspots(field);
        groupspots(survey, field.settings.groupdeg);
        const std::vector<SpotGroup> groups = spotgroups(survey, kL0);
        const std::string counts = countsline(countspots(groups));
        EXPECT_EQ(counts.substr(0, counts.rfind(',')), row.spotless ? "counts,0,0,0,0,0,0,0" : "counts,5,9,59,3,7,2,2");
        EXPECT_EQ(survey.ignoredlimb, row.spotless ? 0 : 1);
        checkpositions(day, survey.spots);
        checkareas(day, groups, row.sky.b0);
    }
}

/// A survey made by hand: spots at (lat, cmd) with corrected areas, in regions of their own.
SpotSurvey handsurvey() {
    const struct { double lat, cmd, msh; } spots[] = {
        {10, -30, 100}, {12, -26, 20}, {-3, 10, 40}, {2, 13, 10}, {-20, 40, 60}, {-21, 44, 0}};
    SpotSurvey s;
    for (const auto& [lat, cmd, msh] : spots) {
        Spot spot;
        spot.id = s.nextspot++, spot.region = s.nextregion++;
        spot.row.disk.ondisk = true, spot.row.disk.lat = lat, spot.row.disk.cmd = spot.cmdmin = spot.cmdmax = cmd;
        spot.areamsh = spot.regionmsh = msh;
        s.spots.push_back(spot);
    }
    groupspots(s, 6);
    return s;
}

std::string groupstext(const SpotSurvey& s) {
    std::string t;
    for (const SpotGroup& g : spotgroups(s, kL0)) t += groupline(g) + (g.mcintosh.empty() ? "" : "," + g.mcintosh) + "\n";
    return t + countsline(countspots(spotgroups(s, kL0)));
}

TEST(SpotModel, CorrectionsUpdateTheCountsAndUndo) {
    SpotModel model;
    model.reset(handsurvey());  // groups 1 (spots 1, 2), 2 (3, 4), 3 (5, 6)
    const struct { const char* name; std::function<Outcome()> step; const char* counts; } steps[] = {
        {"found", [] { return Outcome::ok(); }, "counts,3,6,36,1,2,2,4,230.0"},
        {"move spot 4 to a new group", [&] { return model.move({4}, 0); }, "counts,4,6,46,2,3,2,3,230.0"},
        {"merge it back", [&] { return model.merge({2, 4}); }, "counts,3,6,36,1,2,2,4,230.0"},
        {"undo the merge", [&] { return succeeded(model.undo()); },
         "counts,4,6,46,2,3,2,3,230.0"},
        {"redo it", [&] { return succeeded(model.redo()); },
         "counts,3,6,36,1,2,2,4,230.0"},
        {"split spot 6 off", [&] { return model.split({6}); }, "counts,4,6,46,1,2,3,4,230.0"},
        {"delete spot 1", [&] { return model.remove({1}); }, "counts,4,5,45,1,1,3,4,130.0"},
        {"move spot 3 to group 1", [&] { return model.move({3}, 1); }, "counts,4,5,45,2,3,2,2,130.0"},
        {"set classes", [&] { return model.setzurich(1, "D").done() ? model.setmcintosh(1, "Dso") : Outcome::input("zurich"); },
         "counts,4,5,45,2,3,2,2,130.0"},
        {"undo four times", [&] { return succeeded(model.undo() && model.undo() && model.undo() && model.undo()); },
         "counts,4,6,46,1,2,3,4,230.0"},
    };
    for (const auto& [name, step, counts] : steps) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(step().done());
        EXPECT_EQ(countsline(countspots(spotgroups(model.survey(), kL0))), counts) << groupstext(model.survey());
    }
}

TEST(SpotModel, RefusesWhatCannotBeDone) {
    SpotModel model;
    model.reset(handsurvey());
    const struct { const char* name; Outcome outcome; const char* message; } rows[] = {
        {"move an unknown spot", model.move({9}, 1), "there is no spot 9"},
        {"move to an unknown group", model.move({1}, 7), "there is no group 7"},
        {"merge a group with itself", model.merge({2, 2}), "choose two groups or more to merge"},
        {"split a whole group", model.split({5, 6}), "a group split must keep a spot in each part"},
        {"split across groups", model.split({1, 3}), "the spots to split off lie in different groups"},
        {"a Zurich class that is none", model.setzurich(1, "K"), "a Zurich class is one of A, B, C, D, E, F, G, H and J"},
        {"a McIntosh class that is none", model.setmcintosh(1, "Dq"), "a McIntosh class is three letters Zpc, such as Dkc"},
    };
    for (const auto& [name, outcome, message] : rows) {
        EXPECT_EQ(outcome.kind, OutcomeKind::inputfault) << name;
        EXPECT_EQ(outcome.message, message) << name;
    }
    EXPECT_FALSE(model.canundo());
    EXPECT_EQ(groupstext(model.survey()), groupstext(handsurvey()));
}

TEST(SpotModel, AddsBackADeletedSpotByAClickAndAPointOnThePhotosphere) {
    const test::Sky sky;
    const GrayImage image = test::drawsky(sky, kDay[3].regions);
    const SpotField field = spotfield(image, skyframe(sky), CountSettings{});
    SpotModel model;
    model.reset(findspots(field));
    ASSERT_EQ(model.survey().spots.size(), 1u);
    const Spot before = model.survey().spots.front();
    ASSERT_TRUE(model.remove({before.id}).done());
    int32_t grown = 0, point = 0;
    ASSERT_TRUE(model.add(field, before.row.x + 1, before.row.y, 0, grown).done());
    ASSERT_TRUE(model.add(field, before.row.x + 20, before.row.y, 0, point).done());
    const Spot& again = model.survey().spots[0];
    EXPECT_EQ(again.spotpx, before.spotpx);
    EXPECT_EQ(again.umbrapx, before.umbrapx);
    EXPECT_NEAR(again.row.disk.lat, before.row.disk.lat, 1e-9);
    const Spot& dot = model.survey().spots[1];
    EXPECT_EQ(dot.spotpx, 0);
    EXPECT_EQ(dot.group, again.group);  // within 6 degrees of it
    EXPECT_EQ(model.add(field, sky.cx + sky.r + 5, sky.cy, 0, point).message, "the point 1255,620 lies off the disk");
}

TEST(Zurich, ClassesFromSpotsAndExtent) {
    auto spot = [](int32_t region, bool penumbra, double msh) {
        Spot s;
        s.region = region, s.penumbra = penumbra, s.regionmsh = msh;
        return s;
    };
    const Spot pore = spot(1, false, 5), pore2 = spot(2, false, 5);
    const Spot small = spot(3, true, 100), large = spot(4, true, 800), other = spot(5, true, 200);
    const struct { const char* name; std::vector<const Spot*> spots; double extent; const char* zurich; } rows[] = {
        {"a pore", {&pore}, 0.5, "A"},
        {"a cluster of pores", {&pore, &pore2}, 2.9, "A"},
        {"pores apart", {&pore, &pore2}, 4, "B"},
        {"one small penumbral spot (1.3 deg)", {&small}, 1.3, "J"},
        {"one large penumbral spot (3.3 deg)", {&large, &pore}, 3.3, "H"},
        {"penumbra at one end", {&small, &pore}, 6, "C"},
        {"one large penumbral spot measured a little wider", {&large}, 4.2, "H"},
        {"penumbrae at both ends, 10 deg", {&small, &other}, 10, "D"},
        {"penumbrae at both ends, 12 deg", {&small, &other, &pore}, 12, "E"},
        {"penumbrae at both ends, 16 deg", {&large, &other}, 16, "F"},
    };
    for (const auto& [name, spots, extent, zurich] : rows) EXPECT_EQ(suggestzurich(spots, extent), zurich) << name;
}

}  // namespace
}  // namespace quorvel
