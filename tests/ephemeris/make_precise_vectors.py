#!/usr/bin/python3
"""Reference vectors of the precise model from SunPy and astropy, offline.

Needs Debian's python3-sunpy (the pyenv python3 may not see it). Regenerate:
  /usr/bin/python3 tests/ephemeris/make_precise_vectors.py >tests/ephemeris/precise_sunpy.txt
Each row is a random moment of 1900-2100 (UT1) and a random site. Delta T
comes from the long-term parabola: any value serves, since the model is
given the same one. TT is handed to astropy, so P, B0, L0, RA and Dec need
no UT1; the altitude and azimuth get UT1 by setting UT1 - UTC."""
import warnings

import astropy.units as u
import numpy as np
from astropy.coordinates import TETE, AltAz, EarthLocation, get_sun
from astropy.time import Time
from astropy.utils import iers
from sunpy.coordinates import sun

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "ignore"
warnings.simplefilter("ignore")
rng = np.random.default_rng(16)
print("# jd_ut1 delta_t_s lat_deg lon_deg(east negative) | P_deg B0_deg L0_deg (sunpy.coordinates.sun)"
      " | RA_h Dec_deg (get_sun in TETE) | alt_deg az_deg (AltAz, WGS84 sea level, pressure 0)"
      " | orientation_deg (sun.orientation)")
for _ in range(240):
    jd = round(2415020.5 + rng.uniform(0, 73049), 6)
    dt = round(-20 + 32 * ((2000 + (jd - 2451544.5) / 365.2425 - 1820) / 100) ** 2, 3)
    lat, lon = round(rng.uniform(-89, 89), 3), round(rng.uniform(-180, 180), 3)
    t = Time(jd, dt / 86400, format="jd", scale="tt")
    t.delta_ut1_utc = (jd - t.utc.jd1 - t.utc.jd2) * 86400
    site = EarthLocation(lat=lat * u.deg, lon=-lon * u.deg, height=0 * u.m)
    app = get_sun(t).transform_to(TETE(obstime=t))
    hor = get_sun(t).transform_to(AltAz(obstime=t, location=site, pressure=0))
    values = [sun.P(t).deg, sun.B0(t).deg, sun.L0(t).deg, app.ra.hour, app.dec.deg,
              hor.alt.deg, hor.az.deg, sun.orientation(site, t).deg]
    print(f"{jd:.6f} {dt:.3f} {lat:.3f} {lon:.3f} " + " ".join(f"{v:.10f}" for v in values))
