// Orthographic projection of heliographic points onto the picture, and its
// inverse. One formula serves the grids, whose numbered results are held in
// binary32 on purpose (the drawn segment starts depend on them), the rotation
// arrows in binary64, and the mouse readout.
#pragma once

#include <algorithm>
#include <cmath>

#include "angleconst.h"

namespace quorvel {

/// A point read back from the picture: latitude and longitude from the
/// central meridian in the projection's own sense (degrees) and the distance
/// from the centre in radii.
struct SpherePoint {
    double lat = 0, lon = 0, rho = 0;
};

/// Projects with every numbered result held in Real. With float, the
/// trigonometric functions and everything between the held results still run
/// in binary64 and the half turn is the truncated one; with double, the half
/// turn is exact.
template <typename Real>
class SphereProjection {
public:
    /// b: the tilt toward the observer, radians (-B0); rot: the disk's
    /// rotation, degrees; radius: the disk radius in picture units.
    SphereProjection(double b, double rot, double radius)
        : cb_(keep(std::cos(b))), sb_(keep(std::sin(b))), cr_(keep(std::cos(rot * DEG))),
          sr_(keep(std::sin(rot * DEG))), r_(radius) {}

    /// Projects latitude phi and longitude l (degrees) to the picture point
    /// (x, y); returns whether the point is on the visible hemisphere.
    bool project(double phi, double l, Real& x, Real& y) const {
        const double phir = keep(phi * DEG);
        const double tphi = keep(std::tan(phir)), sphi = keep(std::sin(phir)), cphi = keep(std::cos(phir));
        const double a = keep(cphi * cb_), b = keep(sb_ * sphi);
        const double lr = keep(l * DEG);
        const double sl = keep(std::sin(lr));
        const double den = keep(std::cos(lr) * sb_ - cb_ * tphi);
        double pa;  // the direction of the point on the disk
        if (den == 0) {
            pa = keep(std::atan2(sl, 0.0));  // +-pi/2, or 0 at the centre
        } else {
            pa = keep(std::atan(keep(sl / den)));
            if (den < 0) pa = keep(pa + halfturn());
        }
        const double e = keep(a * std::cos(lr) + b);  // sine of the elevation toward the observer
        double el;
        if (e >= 1) el = keep(halfturn() * 0.5);  // rounding can reach beyond 1
        else if (e <= -1) el = keep(-halfturn() * 0.5);
        else el = keep(std::atan(e / std::sqrt(1 - e * e)));
        const double x0 = keep(std::cos(el) * std::cos(pa) * r_);
        const double y0 = keep(std::cos(el) * std::sin(pa) * r_);
        x = static_cast<Real>(x0 * sr_ + y0 * cr_);
        y = static_cast<Real>(y0 * sr_ - x0 * cr_);
        return el >= 0;
    }

    /// The exact inverse of project for a point of the picture; lat and lon
    /// are set only when rho is at most 1.
    SpherePoint unproject(double x, double y) const {
        const double v = (x * sr_ - y * cr_) / r_, u = (x * cr_ + y * sr_) / r_;
        SpherePoint p;
        p.rho = std::hypot(u, v);
        if (p.rho > 1) return p;
        const double e = std::sqrt(std::max(0.0, 1 - u * u - v * v));
        p.lat = std::asin(std::clamp(-cb_ * v + sb_ * e, -1.0, 1.0)) * RAD;
        p.lon = std::atan2(u, sb_ * v + cb_ * e) * RAD;
        return p;
    }

private:
    static double keep(double v) { return static_cast<Real>(v); }
    static constexpr double halfturn() { return sizeof(Real) == sizeof(float) ? HALFTURN : HALFTURN_EXACT; }

    double cb_, sb_, cr_, sr_, r_;
};

}  // namespace quorvel
