// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the public holidays of the German states and Austria, 1990-2035, as the
// date-holidays package lists them, for the holiday calendar's cross-check.
// Usage: node reference.js OUTPUT VERSION
'use strict';
const fs = require('fs');
const Holidays = require('date-holidays');

// Our region code for each country and state of date-holidays.
const regions = [
  ['BU', 'DE'], ['SH', 'DE', 'SH'], ['HH', 'DE', 'HH'], ['HB', 'DE', 'HB'], ['NS', 'DE', 'NI'],
  ['NW', 'DE', 'NW'], ['RP', 'DE', 'RP'], ['HE', 'DE', 'HE'], ['BW', 'DE', 'BW'], ['BY', 'DE', 'BY'],
  ['SN', 'DE', 'SN'], ['ST', 'DE', 'ST'], ['MV', 'DE', 'MV'], ['BE', 'DE', 'BE'], ['BB', 'DE', 'BB'],
  ['TH', 'DE', 'TH'], ['SL', 'DE', 'SL'],
  ['A', 'AT'], ['V', 'AT', '8'], ['T', 'AT', '7'], ['K', 'AT', '2'], ['Sb', 'AT', '5'],
  ['S', 'AT', '6'], ['O', 'AT', '4'], ['N', 'AT', '3'], ['W', 'AT', '9'], ['B', 'AT', '1'],
];

const [output, version] = process.argv.slice(2);
const byDay = new Map(); // "date\tname" -> region codes
for (const [code, country, state] of regions) {
  const hd = state ? new Holidays(country, state) : new Holidays(country);
  for (let year = 1990; year <= 2035; ++year)
    for (const h of hd.getHolidays(year)) {
      if (h.type !== 'public')
        continue;
      const key = h.date.slice(0, 10) + '\t' + h.name;
      if (!byDay.has(key))
        byDay.set(key, []);
      byDay.get(key).push(code);
    }
}
const lines = [
  '# Public holidays (type "public") of the German states and Austria, 1990-2035,',
  `# from the npm package date-holidays ${version}; written by tools/holidays_reference/make.sh.`,
  '# date<TAB>name<TAB>region codes of the holiday calendar ("BU" Germany, "A" Austria)',
];
for (const key of [...byDay.keys()].sort())
  lines.push(key + '\t' + byDay.get(key).join(' '));
fs.writeFileSync(output, lines.join('\n') + '\n');
