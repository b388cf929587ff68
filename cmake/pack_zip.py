#!/usr/bin/env python3
"""Packs files into a zip that depends on their bytes only.

Usage: pack_zip.py OUT.zip FOLDER FILE...

Each FILE goes in as FOLDER/its name, in the order given, with one fixed time and fixed
permissions and no extra fields, so equal files always give an equal zip.
"""
import os
import sys
import zipfile

out, folder, files = sys.argv[1], sys.argv[2], sys.argv[3:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for path in files:
        entry = zipfile.ZipInfo(f"{folder}/{os.path.basename(path)}", date_time=(2026, 1, 1, 0, 0, 0))
        entry.external_attr = 0o644 << 16
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(path, "rb") as f:
            archive.writestr(entry, f.read())
