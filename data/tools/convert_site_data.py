#!/usr/bin/env python3
"""Write the program's site data files from the maintained site data.

Usage: python3 data/tools/convert_site_data.py [SOURCE_FOLDER [TARGET_FOLDER]]

SOURCE_FOLDER holds Data_Address.csv and Data_SnowfallV.csv as the site data
build writes them (UTF-8, LF); by default ../shared/site-data beside the
repository. TARGET_FOLDER is data/Load_data of this repository by default.

The values quoted on official pages in SOURCE_FOLDER/sources/official_quotes_2
come in on the way, as far as data/tools/official_quotes_2_map.csv and
official_quotes_2_zones.csv map them onto existing rows. Every mapped value is
checked against the quoted one; a target row that is missing, or that already
holds another value, stops the script. The quoted rows that no mapping uses are
listed, so the list in data/Load_data/SOURCES.md can be kept true.

The files are written in Shift_JIS (code page 932) with CR LF after every
line, which is what the program reads. Nothing is added or changed on the way:
a value the sources lack stays negative or zone 0. The script stops without
writing anything when a line could not be read back by the program: too few
fields, a blank, a quote or a control character that would shift the fields,
a character with no Shift_JIS form, or a zone that the zone file lacks.
"""
import csv
import os
import re
import sys

FILES = (('Data_Address.csv', 9), ('Data_SnowfallV.csv', 5))


def read_source(path):
    raw = open(path, 'rb').read()
    if raw.startswith(b'\xef\xbb\xbf'):
        raw = raw[3:]
    lines = raw.decode('utf-8').replace('\r\n', '\n').split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    return lines


def check_lines(name, lines, min_fields):
    errors = []
    for number, line in enumerate(lines, 1):
        fields = line.split(',')
        if len(fields) < min_fields:
            errors.append('%s line %d: %d fields, need %d' % (name, number, len(fields), min_fields))
        if any(ord(c) < 33 for c in line) or '"' in line:
            errors.append('%s line %d: blank, quote or control character' % (name, number))
        try:
            line.encode('cp932')
        except UnicodeEncodeError as e:
            errors.append('%s line %d: no Shift_JIS form for %r' % (name, number, e.object[e.start:e.end]))
    return errors


def check_zones(address, zones):
    known = set()
    for line in zones[1:]:
        known.add(line.split(',')[0])
    errors = []
    for number, line in enumerate(address[1:], 2):
        zone = line.split(',')[4]
        if zone != '0' and zone not in known:
            errors.append('Data_Address.csv line %d: zone %s has no line in Data_SnowfallV.csv'
                          % (number, zone))
    return errors


TOOLS = os.path.dirname(os.path.abspath(__file__))
QUOTES = os.path.join('sources', 'official_quotes_2')
# The value of each address field that means "the tables have none".
NO_VALUE = {'snow_zone': '0', 'altitude_m': '-1', 'snow_cm': '-1', 'rule_flag': '0'}
FIELD_INDEX = {'snow_zone': 4, 'altitude_m': 6, 'snow_cm': 7, 'rule_flag': 8}
NOTE_MARK = 'oq2'


def read_csv(path):
    with open(path, encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f))


def same_number(a, b):
    try:
        return float(a) == float(b)
    except ValueError:
        return False


# A rule without a sea-ratio term, as the pages print it: d=0.0005×(標高)+0.28.
PRINTED_RULE = re.compile(r'd=([0-9.]+)×\(?標高\)?([+-][0-9.]+)')


def check_zone_mapping(zone, quotes):
    """A zone row must repeat what the page prints. From zones.csv: alpha and
    gamma, and beta and R where printed. From a municipality's note in
    zone_municipalities.csv: the printed rule d = alpha × altitude + gamma. A
    rule without a sea-ratio term has beta 0 and R 0, and nothing else."""
    name = zone['zone']
    if zone['source_file'] == 'zones.csv':
        rows = [r for r in quotes['zones.csv'] if r['zone_key'] == zone['source_key']]
        printed = rows and dict(alpha=rows[0]['alpha'], beta=rows[0]['beta'], gamma=rows[0]['gamma'],
                                R=rows[0]['R_km'])
    elif zone['source_file'] == 'zone_municipalities.csv':
        rows = [r for r in quotes['zone_municipalities.csv']
                if r['municipality_as_listed'] == zone['source_key']]
        rule = rows and PRINTED_RULE.search(rows[0]['notes'])
        printed = rule and dict(alpha=rule.group(1), beta='', gamma=rule.group(2), R='')
    else:
        rows, printed = [], None
    if not rows:
        return ['zone %s: no row %r in %s' % (name, zone['source_key'], zone['source_file'])]
    if not printed:
        return ['zone %s: %s %r prints no rule' % (name, zone['source_file'], zone['source_key'])]
    errors = []
    for field in ('alpha', 'gamma', 'beta', 'R'):
        quoted = printed[field].strip()
        if quoted:
            if not same_number(zone[field], quoted):
                errors.append('zone %s: %s %s, the page prints %s' % (name, field, zone[field], quoted))
        elif field in ('alpha', 'gamma') or zone[field] != '0':
            errors.append('zone %s: %s %s, the page prints none' % (name, field, zone[field]))
    return errors


def zone_keys(zone, quotes):
    """The quoted zone keys a zone row stands for."""
    if zone['source_file'] == 'zones.csv':
        return {zone['source_key']}
    return set(r['zone_key'] for r in quotes[zone['source_file']]
               if r['municipality_as_listed'] == zone['source_key'])


def check_area_mapping(entry, quotes, zones):
    """The value must be the quoted one (or, for a zone, the zone mapped from the
    quoted zone key; for a rule flag 9, a municipality the page gives several
    values for)."""
    pref, key, value, field = entry['prefecture'], entry['source_key'], entry['value'], entry['field']
    source = entry['source_file']
    if source == 'zone_municipalities.csv':
        rows = [r for r in quotes[source] if r['prefecture'] == pref and r['municipality_as_listed'] == key]
        wanted = [z['zone'] for z in zones if rows and rows[0]['zone_key'] in zone_keys(z, quotes)]
        ok = field == 'snow_zone' and value in wanted
    elif source == 'altitudes.csv':
        rows = [r for r in quotes[source] if r['prefecture'] == pref and r['site'] == key]
        ok = field == 'altitude_m' and any(r['altitude_m'] == value for r in rows)
    elif source == 'depths.csv':
        rows = [r for r in quotes[source]
                if r['prefecture'] == pref and r['municipality_or_area_as_printed'] == key]
        if field == 'snow_cm':
            ok = any(r['designated_depth_cm'] == value for r in rows)
        else:
            town = entry['area']
            several = [r for r in quotes[source] if r['prefecture'] == pref and
                       r['municipality_or_area_as_printed'].startswith(town)]
            ok = field == 'rule_flag' and value == '9' and len(several) > 1
    else:
        rows, ok = [], False
    if not rows:
        return ['%s %s: no row %r in %s' % (pref, entry['area'], key, source)], []
    if not ok:
        return ['%s %s: %s %s does not follow from %s %r' % (pref, entry['area'], field, value, source, key)], []
    return [], rows


def apply_official_quotes(source, tables):
    """Brings the mapped values of official_quotes_2 into the tables; returns the
    errors and the quoted rows that no mapping uses."""
    folder = os.path.join(source, QUOTES)
    quotes = dict((name, read_csv(os.path.join(folder, name)))
                  for name in ('zones.csv', 'zone_municipalities.csv', 'depths.csv', 'altitudes.csv'))
    zones = read_csv(os.path.join(TOOLS, 'official_quotes_2_zones.csv'))
    mapping = read_csv(os.path.join(TOOLS, 'official_quotes_2_map.csv'))
    errors = []
    used = set()

    zone_lines = tables['Data_SnowfallV.csv']
    known = dict((line.split(',')[0], line) for line in zone_lines[1:])
    for zone in zones:
        errors += check_zone_mapping(zone, quotes)
        line = ','.join((zone['zone'], zone['alpha'], zone['beta'], zone['gamma'], zone['R']))
        if zone['zone'] in known and known[zone['zone']] != line:
            errors.append('zone %s exists with other coefficients: %s' % (zone['zone'], known[zone['zone']]))
        elif zone['zone'] not in known:
            zone_lines.append(line)
        used.update(('zones.csv', key) for key in zone_keys(zone, quotes))

    address = tables['Data_Address.csv']
    rows = [line.split(',') for line in address]
    for entry in mapping:
        problems, sources = check_area_mapping(entry, quotes, zones)
        errors += problems
        for r in sources:
            used.add((entry['source_file'], id(r)))
        targets = [f for f in rows[1:] if f[2] == entry['prefecture'] and f[3] == entry['area']]
        if len(targets) != 1:
            errors.append('%s %s: %d rows in Data_Address.csv, need exactly 1'
                          % (entry['prefecture'], entry['area'], len(targets)))
            continue
        fields = targets[0]
        i = FIELD_INDEX[entry['field']]
        if fields[i] not in (NO_VALUE[entry['field']], entry['value']):
            errors.append('%s %s: %s is %s already, the quote gives %s'
                          % (entry['prefecture'], entry['area'], entry['field'], fields[i], entry['value']))
            continue
        fields[i] = entry['value']
        if len(fields) > 12 and NOTE_MARK not in fields[12].split(';'):
            fields[12] += ';' + NOTE_MARK
    tables['Data_Address.csv'] = [','.join(f) for f in rows]

    unused = []
    for r in quotes['zones.csv']:
        if ('zones.csv', r['zone_key']) not in used:
            unused.append('zones.csv: %s' % r['zone_key'])
    for name, key in (('zone_municipalities.csv', 'municipality_as_listed'),
                      ('depths.csv', 'municipality_or_area_as_printed'), ('altitudes.csv', 'site')):
        for r in quotes[name]:
            if (name, id(r)) not in used:
                unused.append('%s: %s %s' % (name, r['prefecture'], r[key]))
    return errors, unused


def main():
    repo = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(repo, '..', 'shared', 'site-data')
    target = sys.argv[2] if len(sys.argv) > 2 else os.path.join(repo, 'data', 'Load_data')
    tables = {}
    errors = []
    for name, min_fields in FILES:
        lines = read_source(os.path.join(source, name))
        errors += check_lines(name, lines, min_fields)
        tables[name] = lines
    unused = []
    if not errors:
        quote_errors, unused = apply_official_quotes(source, tables)
        errors += quote_errors
    if not errors:
        errors += check_zones(tables['Data_Address.csv'], tables['Data_SnowfallV.csv'])
    for error in errors[:50]:
        print('ERROR', error, file=sys.stderr)
    if errors:
        print('nothing written: %d errors' % len(errors), file=sys.stderr)
        return 1
    os.makedirs(target, exist_ok=True)
    for name, _ in FILES:
        data = ''.join(line + '\r\n' for line in tables[name]).encode('cp932')
        with open(os.path.join(target, name), 'wb') as out:
            out.write(data)
        print('%s: %d lines' % (os.path.join(target, name), len(tables[name])))
    print('official_quotes_2: %d quoted rows not brought in (see data/Load_data/SOURCES.md):'
          % len(unused))
    for line in unused:
        print('  ' + line)
    return 0


if __name__ == '__main__':
    sys.exit(main())
