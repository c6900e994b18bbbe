#!/usr/bin/env python3
"""Writes the coastline of the sea ratio (data/Load_data/Data_Coastline.bin) as
a script that hands its bytes to the page, and its licence beside it. The page
loads the script only when a design first asks for a sea ratio; a script, not
a file fetched, because a page opened from a local file may run scripts beside
it but not fetch files.

    write_coastline_script.py SOURCE_ROOT BUNDLE_FOLDER
"""

import base64
import pathlib
import shutil
import sys


def main():
    root = pathlib.Path(sys.argv[1])
    bundle = pathlib.Path(sys.argv[2])
    data = root / "data" / "Load_data"
    encoded = base64.b64encode((data / "Data_Coastline.bin").read_bytes()).decode("ascii")
    script = ("// The coastline of the sea ratio: Data_Coastline.bin, "
              "(c) OpenStreetMap contributors, ODbL 1.0 (Data_Coastline_LICENSE.txt).\n"
              f'self.korvexCoastline = "{encoded}";\n')
    (bundle / "coastline.js").write_text(script, encoding="ascii")
    shutil.copy(data / "Data_Coastline_LICENSE.txt", bundle / "Data_Coastline_LICENSE.txt")


if __name__ == "__main__":
    main()
