// Where a point of the disk lies on the sphere for an observer at a finite
// distance: the one relation the measurement, the overlay's grid and the
// spots' areas share.
#pragma once

namespace quorvel {

/// The heliocentric angle (radians) of a point rho disk radii from the
/// centre, seen from where the Sun's angular radius is s (radians):
/// arcsin(sin(rho s) / sin s) - rho s; arcsin(rho) when s is 0. NaN beyond [0, 1].
double heliocentricangle(double rho, double s);

/// Its inverse: the distance from the centre, disk radii, of a point at the
/// heliocentric angle theta (radians) on the near side.
double projectedrho(double theta, double s);

/// mu, the cosine of the heliocentric angle, of a point rho disk radii from
/// the centre (s as above); 0 at and beyond the limb or for a rho that is no
/// distance (NaN).
double muatrho(double rho, double s);

}  // namespace quorvel
