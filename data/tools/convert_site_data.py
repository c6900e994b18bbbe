#!/usr/bin/env python3
"""Write the program's site data files from the maintained site data.

Usage: python3 data/tools/convert_site_data.py [SOURCE_FOLDER [TARGET_FOLDER]]

SOURCE_FOLDER holds Data_Address.csv and Data_SnowfallV.csv as the site data
build writes them (UTF-8, LF); by default ../shared/site-data beside the
repository. TARGET_FOLDER is data/Load_data of this repository by default.

The files are written in Shift_JIS (code page 932) with CR LF after every
line, which is what the program reads. Nothing is added or changed on the way:
a value the sources lack stays negative or zone 0. The script stops without
writing anything when a line could not be read back by the program: too few
fields, a blank, a quote or a control character that would shift the fields,
a character with no Shift_JIS form, or a zone that the zone file lacks.
"""
import os
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
    return 0


if __name__ == '__main__':
    sys.exit(main())
