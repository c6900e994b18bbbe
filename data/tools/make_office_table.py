#!/usr/bin/env python3
"""Write the office points of the areas: data/Load_data/Data_Office.csv.

Usage: python3 data/tools/make_office_table.py [OFFICES_CSV [LOAD_DATA_FOLDER]]

OFFICES_CSV is the list of municipal offices with their latitude and longitude
(code4fukui/localgovjp, CC0), by default
../shared/site-data/sources/localgovjp-utf8.csv beside the repository; its
column `lgcode` is the six-digit local government code (with check digit) that
field 11 (`city_code`) of Data_Address.csv carries. LOAD_DATA_FOLDER is
data/Load_data of this repository by default; Data_Address.csv is read there and
Data_Office.csv written beside it.

One line per area row of Data_Address.csv, in its order, keyed like the area
rows by prefecture and area name (fields 1 and 2):

  No,todofuken,chiku,lat,lon,office_kind,office
  0 No      the area row's number (display only)
  1, 2      prefecture and area name, exactly as in Data_Address.csv
  3, 4      latitude and longitude of the office, decimal degrees (WGS 84 / JGD 2011)
  5         0: the office of the area itself; 1: a split row 市(旧A・B): the office
            of the current municipality, which may lie outside the former towns the
            row names
  6         the municipality whose office it is

A row whose code the office list lacks gets no line (no point is made up); the
script lists such rows. The file is Shift_JIS with CR LF like the other tables.
"""
import csv
import os
import sys


def main():
    repo = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    offices_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        repo, '..', 'shared', 'site-data', 'sources', 'localgovjp-utf8.csv')
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.join(repo, 'data', 'Load_data')

    with open(offices_path, encoding='utf-8-sig', newline='') as f:
        offices = {row['lgcode']: row for row in csv.DictReader(f)}
    with open(os.path.join(folder, 'Data_Address.csv'), 'rb') as f:
        address = f.read().decode('cp932').splitlines()

    lines = ['No,todofuken,chiku,lat,lon,office_kind,office']
    unmatched = []
    split = 0
    for line in address[1:]:
        fields = line.split(',')
        number, prefecture, area, code = fields[0], fields[2], fields[3], fields[11]
        office = offices.get(code)
        if office is None or office['pref'] != prefecture:
            unmatched.append('%s %s %s (code %s)' % (number, prefecture, area, code))
            continue
        float(office['lat']), float(office['lng'])  # must be numbers
        kind = 1 if '(旧' in area else 0
        split += kind
        lines.append(','.join([number, prefecture, area, office['lat'], office['lng'], str(kind),
                               office['city'].replace(' ', '')]))

    path = os.path.join(folder, 'Data_Office.csv')
    with open(path, 'wb') as out:
        out.write(''.join(line + '\r\n' for line in lines).encode('cp932'))
    rows = len(address) - 1
    print('%s: %d of %d area rows with an office point (%d split rows with the office of the '
          'current municipality); %d without:' % (path, len(lines) - 1, rows, split,
                                                  len(unmatched)))
    for text in unmatched:
        print('  ' + text)
    return 0


if __name__ == '__main__':
    sys.exit(main())
