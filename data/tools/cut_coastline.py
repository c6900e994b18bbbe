#!/usr/bin/env python3
"""Cut the world's seas down to Japan and write the program's coastline file.

Usage: python3 data/tools/cut_coastline.py [--source map.geo.json] [TARGET_FOLDER]

Run by hand, never by the build. Without --source the script fetches the npm
package @geo-maps/earth-seas-10m 0.6.0 (GeoJSON of the seas and oceans from
OpenStreetMap, ODbL 1.0) with `npm pack` into a temporary folder, checks the
package's SHA-1 and reads its map.geo.json. Nothing of the package is kept but
the file this script writes: TARGET_FOLDER/Data_Coastline.bin (by default
data/Load_data of this repository).

What is cut: every ring of the sea polygons, clipped to the box BOX below
(Japan from Yonaguni to Minamitorishima and from Okinotorishima to Soya, with a
margin wide enough for a circle of 100 km around any point of it and for the
map's square around that circle, whose corners lie 156 km away). A ring is clipped
on its own against the box (Sutherland-Hodgman); on a convex box that keeps the
winding number of every point inside the box, so rings of one polygon need not
be clipped together. Where a ring runs along the box the clipped ring has edges
on the box's sides; they are no coast, and the program draws no edge that lies
on the box.

Orientation: every ring is written with the sea on its left, i.e. the outer
ring of a polygon counterclockwise and its holes (islands) clockwise, in the
plane of longitude (east) and latitude (north). The script checks the result
by counting the winding number of the written rings on a grid over the box:
every point must have 0 (land) or 1 (sea); a point with another count stops
the script (overlapping polygons would count their sea twice).

The file (all integers little-endian):
  "KVXSEA01"                      8 bytes, the format
  west, south, east, north        4 x int32, the box in 1e-5 degrees
  ring count, point count         2 x uint32
  per ring: its point count (unsigned LEB128), then each point as the change
  of longitude and latitude in 1e-5 degrees from the point before (zigzag
  LEB128); the first point of the file counts from (0, 0), the first point of
  a ring from the last point of the ring before. A ring's last point is not
  the first one repeated: the edge back to the first point is implied.
The source gives every coordinate with at most five decimals, so 1e-5 degrees
(about 1 m) loses nothing.
"""
import argparse
import hashlib
import json
import os
import struct
import subprocess
import sys
import tarfile
import tempfile

PACKAGE = '@geo-maps/earth-seas-10m@0.6.0'
PACKAGE_SHA1 = 'bc8b724ab857f0231e9bc3bd8249fb3c798e856f'
OUTPUT = 'Data_Coastline.bin'
MAGIC = b'KVXSEA01'
SCALE = 100000  # units per degree
# West, south, east, north in degrees: Japan's extremes (122.93 E, 153.99 E,
# 20.42 N, 45.56 N) plus more than 156 km on every side (1.93 and 1.71 degrees
# of longitude at 24.5 N, 1.52 and 1.54 degrees of latitude).
BOX = (121.0, 18.9, 155.7, 47.1)
# The grid the winding numbers are checked on, in degrees.
CHECK_STEP = 0.05


def fetch_package(folder):
    subprocess.run(['npm', 'pack', PACKAGE, '--pack-destination', folder, '--silent'],
                   check=True, stdout=subprocess.DEVNULL)
    tgz = [name for name in os.listdir(folder) if name.endswith('.tgz')]
    if len(tgz) != 1:
        sys.exit('npm pack left %r' % tgz)
    path = os.path.join(folder, tgz[0])
    digest = hashlib.sha1(open(path, 'rb').read()).hexdigest()
    if digest != PACKAGE_SHA1:
        sys.exit('%s: SHA-1 %s, expected %s' % (PACKAGE, digest, PACKAGE_SHA1))
    with tarfile.open(path) as archive:
        member = archive.getmember('package/map.geo.json')
        return json.load(archive.extractfile(member))


def polygons(document):
    geometries = document['geometries'] if document['type'] == 'GeometryCollection' else [document]
    for geometry in geometries:
        if geometry['type'] == 'Polygon':
            yield geometry['coordinates']
        elif geometry['type'] == 'MultiPolygon':
            yield from geometry['coordinates']
        else:
            sys.exit('unexpected geometry %s' % geometry['type'])


def twice_area(ring):
    s = 0
    for i in range(len(ring)):
        x1, y1 = ring[i - 1]
        x2, y2 = ring[i]
        s += x1 * y2 - x2 * y1
    return s


def clip_side(ring, inside, cross):
    out = []
    for i in range(len(ring)):
        p, q = ring[i - 1], ring[i]
        if inside(q):
            if not inside(p):
                out.append(cross(p, q))
            out.append(q)
        elif inside(p):
            out.append(cross(p, q))
    return out


def clip_to_box(ring, box):
    west, south, east, north = box

    def at_x(x):
        return lambda p, q: (x, p[1] + (q[1] - p[1]) * (x - p[0]) / (q[0] - p[0]))

    def at_y(y):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (y - p[1]) / (q[1] - p[1]), y)

    for inside, cross in ((lambda p: p[0] >= west, at_x(west)), (lambda p: p[0] <= east, at_x(east)),
                          (lambda p: p[1] >= south, at_y(south)),
                          (lambda p: p[1] <= north, at_y(north))):
        ring = clip_side(ring, inside, cross)
        if not ring:
            break
    return ring


def quantize(ring):
    out = []
    for x, y in ring:
        p = (round(x * SCALE), round(y * SCALE))
        if not out or out[-1] != p:
            out.append(p)
    while len(out) > 1 and out[0] == out[-1]:
        out.pop()
    return out


def cut(document, box):
    rings = []
    west, south, east, north = box
    for polygon in polygons(document):
        for index, ring in enumerate(polygon):
            xs = [p[0] for p in ring]
            ys = [p[1] for p in ring]
            if max(xs) < west or min(xs) > east or max(ys) < south or min(ys) > north:
                continue
            # The sea lies to the left: outer rings counterclockwise, holes clockwise.
            area = twice_area(ring)
            if (index == 0) != (area > 0):
                ring = ring[::-1]
            clipped = quantize(clip_to_box(ring, box))
            if len(clipped) >= 3 and twice_area(clipped) != 0:
                rings.append(clipped)
    return rings


def winding_faults(rings, box_units, step_units):
    """Points of a grid whose winding number is neither 0 nor 1."""
    west, south, east, north = box_units
    edges_by_row = {}
    rows = range(south + step_units // 2, north, step_units)
    row_list = list(rows)
    for ring in rings:
        for i in range(len(ring)):
            (x1, y1), (x2, y2) = ring[i - 1], ring[i]
            if y1 == y2:
                continue
            lo, hi = min(y1, y2), max(y1, y2)
            first = max(0, (lo - row_list[0]) // step_units)
            for r in range(first, len(row_list)):
                y = row_list[r]
                if y >= hi:
                    break
                if y >= lo:
                    edges_by_row.setdefault(r, []).append((x1, y1, x2, y2))
    faults = []
    columns = list(range(west + step_units // 2, east, step_units))
    for r, y in enumerate(row_list):
        crossings = []
        for x1, y1, x2, y2 in edges_by_row.get(r, []):
            x = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            crossings.append((x, 1 if y2 > y1 else -1))
        crossings.sort()
        # Winding counted from the east: edges going up on the east side add one.
        total = sum(sign for _, sign in crossings)
        winding = total
        k = 0
        for x in columns:
            while k < len(crossings) and crossings[k][0] < x:
                winding -= crossings[k][1]
                k += 1
            if winding not in (0, 1):
                faults.append((x / SCALE, y / SCALE, winding))
    return faults, len(row_list) * len(columns)


def leb128(value, out):
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return


def zigzag(value):
    return (value << 1) if value >= 0 else ((-value << 1) - 1)


def encode(rings, box_units):
    out = bytearray(MAGIC)
    out += struct.pack('<4i', *box_units)
    out += struct.pack('<2I', len(rings), sum(len(r) for r in rings))
    px, py = 0, 0
    for ring in rings:
        leb128(len(ring), out)
        for x, y in ring:
            leb128(zigzag(x - px), out)
            leb128(zigzag(y - py), out)
            px, py = x, y
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--source', help='map.geo.json of the package, instead of fetching it')
    parser.add_argument('target', nargs='?', help='folder to write %s into' % OUTPUT)
    args = parser.parse_args()
    repo = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    target = args.target or os.path.join(repo, 'data', 'Load_data')

    if args.source:
        with open(args.source) as f:
            document = json.load(f)
    else:
        with tempfile.TemporaryDirectory() as folder:
            document = fetch_package(folder)

    rings = cut(document, BOX)
    box_units = tuple(round(v * SCALE) for v in BOX)
    faults, checked = winding_faults(rings, box_units, round(CHECK_STEP * SCALE))
    if faults:
        for x, y, w in faults[:20]:
            print('winding %d at %.3f E %.3f N' % (w, x, y), file=sys.stderr)
        print('nothing written: %d grid points counted twice or negative' % len(faults),
              file=sys.stderr)
        return 1
    data = encode(rings, box_units)
    path = os.path.join(target, OUTPUT)
    with open(path, 'wb') as out:
        out.write(data)
    points = sum(len(r) for r in rings)
    print('%s: %d rings, %d points, %d bytes; box %s; winding 0 or 1 at all %d grid points'
          % (path, len(rings), points, len(data), BOX, checked))
    return 0


if __name__ == '__main__':
    sys.exit(main())
