// The peer benchmark's side of astronomy-engine: the same cases as
// "quorvel_cli ephem --batch", one a line on standard input (day, month,
// year, hour, min, zone, DST, latitude, longitude east negative).
//
// For each case it computes what quorvel answers about the Sun: its
// equatorial coordinates of date (Equator, with aberration), its horizontal
// coordinates for the observer (Horizon, no refraction) and the orientation
// of its rotation axis (RotationAxis).
//
//   node peer_astronomy.js whole  reads, computes and writes one line a case
//                                 (the whole process is timed from outside)
//   node peer_astronomy.js bare   reads and parses every case first, then
//                                 times the bare compute loop alone and
//                                 prints "values per second"
'use strict';
const Astronomy = require('astronomy-engine');

function parse(line) {
  const f = line.split('\t').map(Number);
  // The clock is local standard time plus DST; UT = clock - zone - DST.
  const utc = Date.UTC(f[2], f[1] - 1, f[0], f[3] - f[5] - f[6], f[4]);
  return { date: new Date(utc), observer: new Astronomy.Observer(f[7], -f[8], 0) };
}

function compute(c) {
  const time = Astronomy.MakeTime(c.date);
  const eq = Astronomy.Equator(Astronomy.Body.Sun, time, c.observer, true, true);
  const hor = Astronomy.Horizon(time, c.observer, eq.ra, eq.dec);
  const axis = Astronomy.RotationAxis(Astronomy.Body.Sun, time);
  return [eq.ra, eq.dec, hor.altitude, hor.azimuth, axis.ra, axis.dec, axis.spin];
}

const lines = require('fs').readFileSync(0, 'utf8').split('\n').filter((l) => l.length > 0);
if (process.argv[2] === 'bare') {
  const cases = lines.map(parse);
  let check = 0;
  const start = process.hrtime.bigint();
  for (const c of cases) check += compute(c)[0];
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  console.log(`${(cases.length / seconds).toFixed(0)} values per second (${cases.length} cases in ${seconds.toFixed(3)} s, check ${check.toFixed(3)})`);
} else {
  const out = [];
  for (const line of lines) out.push(compute(parse(line)).map((v) => v.toFixed(4)).join('\t'));
  process.stdout.write(out.join('\n') + '\n');
}
