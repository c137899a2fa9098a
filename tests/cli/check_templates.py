#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Profile templates read back by real readers: poppler for PDF, librsvg for
SVG, ezdxf for DXF. A rectangle 50 x 20 data units at --scale 2 must measure
100 x 40 mm in each, to 0.1 mm.
usage: check_templates.py VANTOR_CLI WORK_DIR"""
import os
import shutil
import struct
import subprocess
import sys
import zlib

cli, work = sys.argv[1], sys.argv[2]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
data = os.path.join(work, "rect.van")
with open(data, "w") as f:
    f.write("5\n10,0,1\n60,0,1\n60,20,1\n10,20,1\n10,0,0\n")
WIDTH, HEIGHT = 100.0, 40.0  # mm
DPI, DPMM = "508", 20  # pixels a millimetre at 508 dpi
failures = []


def expect(name, got, want, tolerance=0.1):
    ok = abs(got - want) <= tolerance
    print(f"{name}: {got:.3f} (want {want:.3f})" + ("" if ok else "  FAILED"))
    if not ok:
        failures.append(name)


def export(ext):
    out = os.path.join(work, "rect." + ext)
    subprocess.run([cli, "profile", data, "-o", out, "--scale", "2"], check=True, stdout=subprocess.DEVNULL)
    return out


def centres(values):
    """The centres of the black lines a row or column of grey values crosses,
    each weighted by its darkness (the grey dashed axis is left out)."""
    out, run = [], []
    for i, v in enumerate(values + [255]):
        if v < 250:
            run.append((i, 255 - v))
            continue
        if run and min(255 - w for _, w in run) < 60:
            out.append(sum(i * w for i, w in run) / sum(w for _, w in run))
        run = []
    return out


def measured(width, height, grey):
    """The rectangle's width and height in mm, between its lines' centres."""
    across = centres([grey(x, height // 2) for x in range(width)])
    down = [c for x in (width * 2 // 3,) for c in centres([grey(x, y) for y in range(height)])]
    return (across[-1] - across[0]) / DPMM, (down[-1] - down[0]) / DPMM


# PDF: the page size from pdfinfo, the rectangle from pdftoppm.
pdf = export("pdf")
info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
size = [line for line in info.splitlines() if line.startswith("Page size:")][0].split()
expect("PDF page width (mm)", float(size[2]) * 25.4 / 72, WIDTH + 2 * 10 + 20)  # the axis at 0, 10 units left
expect("PDF page height (mm)", float(size[4]) * 25.4 / 72, HEIGHT + 2 * 10)
subprocess.run(["pdftoppm", "-r", DPI, "-gray", pdf, os.path.join(work, "pdf")], check=True)
pgm = [f for f in os.listdir(work) if f.startswith("pdf") and f.endswith(".pgm")][0]
raw = open(os.path.join(work, pgm), "rb").read()
parts = raw.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
pixels = parts[4]
w_mm, h_mm = measured(w, h, lambda x, y: pixels[y * w + x])
expect("PDF rectangle width (mm)", w_mm, WIDTH)
expect("PDF rectangle height (mm)", h_mm, HEIGHT)

# SVG: rendered by librsvg at 254 dpi, the PNG decoded here.
svg = export("svg")
png = os.path.join(work, "svg.png")
subprocess.run(["rsvg-convert", "--dpi-x", DPI, "--dpi-y", DPI, "-b", "white", "-f", "png", "-o", png, svg], check=True)
blob = open(png, "rb").read()
pos, idat, w = 8, b"", 0
while pos < len(blob):
    length, kind = struct.unpack(">I4s", blob[pos:pos + 8])
    chunk = blob[pos + 8:pos + 8 + length]
    if kind == b"IHDR":
        w, h, depth, colour = struct.unpack(">IIBB", chunk[:10])
        channels = {0: 1, 2: 3, 4: 2, 6: 4}[colour]
    elif kind == b"IDAT":
        idat += chunk
    pos += 12 + length
rows, stream, stride = [], zlib.decompress(idat), w * channels
prev = bytearray(stride)
for y in range(h):
    kind, line = stream[y * (stride + 1)], bytearray(stream[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - channels] if i >= channels else 0
        b, c = prev[i], prev[i - channels] if i >= channels else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
expect("SVG page width (mm)", w / DPMM, WIDTH + 2 * 10 + 20, 0.2)
w_mm, h_mm = measured(w, h, lambda x, y: rows[y][x * channels])
expect("SVG rectangle width (mm)", w_mm, WIDTH)
expect("SVG rectangle height (mm)", h_mm, HEIGHT)

# DXF: millimetres, one polyline for the one figure.
import ezdxf  # noqa: E402

doc = ezdxf.readfile(export("dxf"))
units = doc.header.get("$INSUNITS", 0)
print(f"DXF $INSUNITS: {units}")
if units != 4:
    failures.append("DXF units")
lines = list(doc.modelspace().query("POLYLINE"))
print(f"DXF polylines: {len(lines)}")
if len(lines) != 1 or not lines[0].is_closed:
    failures.append("DXF polylines")
points = [v.dxf.location for v in lines[0].vertices]
expect("DXF rectangle width (mm)", max(p[0] for p in points) - min(p[0] for p in points), WIDTH, 1e-9)
expect("DXF rectangle height (mm)", max(p[1] for p in points) - min(p[1] for p in points), HEIGHT, 1e-9)

print("failed: " + ", ".join(failures) if failures else "all templates at true size")
sys.exit(1 if failures else 0)
