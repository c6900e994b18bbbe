#!/usr/bin/env python3
"""Writes what lets the browser edition install as an app and work offline,
into the bundle folder that scripts/web-build filled:

- manifest.webmanifest: the program's name, description and file type from its
  desktop entry (packaging/korvex.desktop), its icons, and `.kvxw` as a file
  it opens;
- service_worker.js: the template of the page with the list of every file of
  the bundle and a version made from their contents.

    write_offline_files.py SOURCE_ROOT BUNDLE_FOLDER
"""

import configparser
import hashlib
import json
import pathlib
import shutil
import sys

WORKER = "service_worker.js"


def desktop_entry(root):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(root / "packaging" / "korvex.desktop", encoding="utf-8")
    return entry["Desktop Entry"]


def write_manifest(root, bundle):
    entry = desktop_entry(root)
    shutil.copy(root / "data" / "icons" / "korvex.png", bundle / "korvex.png")
    shutil.copy(root / "packaging" / "icons" / "128x128" / "korvex.png", bundle / "korvex-128.png")
    mime_type = entry["MimeType"].rstrip(";")
    manifest = {
        "name": entry["Name[ja]"],
        "short_name": entry["Name"],
        "description": entry["Comment[ja]"],
        "lang": "ja",
        "start_url": "./index.html",
        "scope": "./",
        "display": "standalone",
        "background_color": "#808080",
        "theme_color": "#0a246a",
        "icons": [
            {"src": "korvex.svg", "sizes": "any", "type": "image/svg+xml"},
            {"src": "korvex.png", "sizes": "256x256", "type": "image/png"},
            {"src": "korvex-128.png", "sizes": "128x128", "type": "image/png"},
        ],
        "file_handlers": [{"action": "./index.html", "accept": {mime_type: [".kvxw"]}}],
    }
    (bundle / "manifest.webmanifest").write_text(
        json.dumps(manifest, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")


def write_service_worker(root, bundle):
    files = sorted(p.relative_to(bundle).as_posix() for p in bundle.rglob("*")
                   if p.is_file() and p.name != WORKER)
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (bundle / name).read_bytes())
    template = (root / "web" / "www" / WORKER).read_text(encoding="utf-8")
    listed = '", "'.join(["./"] + files)
    worker = template.replace("@BUNDLE_VERSION@", digest.hexdigest()[:16])
    worker = worker.replace("@BUNDLE_FILES@", listed)
    (bundle / WORKER).write_text(worker, encoding="utf-8")


def main():
    root = pathlib.Path(sys.argv[1])
    bundle = pathlib.Path(sys.argv[2])
    write_manifest(root, bundle)
    write_service_worker(root, bundle)


if __name__ == "__main__":
    main()
