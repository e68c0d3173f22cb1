#!/usr/bin/python3
"""Checks the committed skin pictures against what the windows expect of them.

    /usr/bin/python3 tools/skin/check_skin.py [skin folder]

Checks names and sizes, that BMPs are 24-bit uncompressed, that ICOs hold 16 and 32 pixel
images, that stretched pieces are uniform along the stretch, that the title-bar buttons sit
seamlessly on the top bar, and that a fresh run of draw_skin.py gives the same bytes.
Exits non-zero on the first kind of fault found, listing every fault of that run.
"""

import filecmp
import os
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True

from PIL import Image  # noqa: E402

import chrome  # noqa: E402

TOOLBAR = {"about": 3, "back": 4, "close": 3, "forward": 4, "home": 3, "mark": 4, "print": 3,
           "report": 3, "save": 4, "setup": 3, "solution": 3, "trash": 3}

SIZES = {
    "tabs_back_off.bmp": (96, 26), "tabs_back_on.bmp": (96, 26),
    "tabs_front_off.bmp": (96, 26), "tabs_front_on.bmp": (96, 26),
    "border_top_left.bmp": (8, 30), "border_top_center.bmp": (8, 30),
    "border_top_right.bmp": (8, 30), "border_white_top_left.bmp": (8, 30),
    "border_white_top_center.bmp": (8, 30), "border_white_top_right.bmp": (8, 30),
    "border_left.bmp": (5, 8), "border_right.bmp": (5, 8), "border_bot.bmp": (8, 5),
    "border_left_corners.bmp": (5, 5), "border_right_corners.bmp": (5, 5),
    "loadbutton_on.bmp": (22, 20), "loadbutton_off.bmp": (22, 20),
    "button_off.bmp": (80, 26), "button_on.bmp": (80, 26), "button_pressed.bmp": (80, 26),
    "bottombg1.bmp": (120, 24), "bottombg2.bmp": (120, 24), "bottombg3.bmp": (120, 24),
    "bottombg4.bmp": (120, 24), "columnhead1.bmp": (160, 24), "columnhead2.bmp": (240, 24),
    "progressbar.bmp": (12, 16), "statusgrabber.bmp": (14, 14), "bullet.bmp": (10, 10),
    "Handle.bmp": (10, 48), "pen.bmp": (24, 24), "bar.bmp": (12, 16),
    "OVicon.ico": (32, 32), "pencil.ico": (32, 32), "hand.ico": (32, 32),
    "info_mark.gif": (32, 32), "Logo.gif": (200, 64), "instruction.gif": (250, 80),
    "Border_bot_left.gif": (8, 8), "Border_bot_right.gif": (8, 8),
}
for _name, _count in TOOLBAR.items():
    for _state in ("off", "on", "pressed") + (("disabled",) if _count == 4 else ()):
        SIZES[f"{_name}_{_state}.bmp"] = (56, 50)
        SIZES[f"{_name}_{_state}@2x.png"] = (112, 100)
for _skin in ("blue", "blueoff", "white"):
    for _kind in ("close", "max", "min", "norm"):
        SIZES[f"prog_{_skin}_{_kind}.bmp"] = (21, 21)

STRETCH_X = ["border_top_center.bmp", "border_white_top_center.bmp", "border_bot.bmp",
             "bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp",
             "columnhead1.bmp", "columnhead2.bmp", "bar.bmp"]
STRETCH_Y = ["border_left.bmp", "border_right.bmp"]


def check(folder):
    faults = []
    present = set(os.listdir(folder))
    faults += [f"missing {n}" for n in sorted(set(SIZES) - present)]
    faults += [f"unexpected {n}" for n in sorted(present - set(SIZES))]
    for name in sorted(set(SIZES) & present):
        path = os.path.join(folder, name)
        im = Image.open(path)
        if im.size != SIZES[name]:
            faults.append(f"{name}: size {im.size}, expected {SIZES[name]}")
        if name.endswith(".bmp"):
            with open(path, "rb") as f:
                head = f.read(34)
            bits, compression = struct.unpack("<HI", head[28:34])
            if head[:2] != b"BM" or bits != 24 or compression != 0:
                faults.append(f"{name}: not a 24-bit uncompressed BMP")
        if name.endswith(".ico") and sorted(im.ico.sizes()) != [(16, 16), (32, 32)]:
            faults.append(f"{name}: icon sizes {sorted(im.ico.sizes())}")
    for name in STRETCH_X + STRETCH_Y:
        im = Image.open(os.path.join(folder, name)).convert("RGB")
        if name in STRETCH_Y:
            im = im.transpose(Image.TRANSPOSE)
        first = [im.getpixel((0, y)) for y in range(im.height)]
        if any([im.getpixel((x, y)) for y in range(im.height)] != first
               for x in range(1, im.width)):
            faults.append(f"{name}: not uniform along its stretch")
    for skin, top in (("blueoff", "border_top_center.bmp"),
                      ("white", "border_white_top_center.bmp")):
        bar = Image.open(os.path.join(folder, top)).convert("RGB")
        for kind in ("close", "max", "min", "norm"):
            btn = Image.open(os.path.join(folder, f"prog_{skin}_{kind}.bmp")).convert("RGB")
            for y in (0, btn.height - 1):
                if btn.getpixel((0, y)) != bar.getpixel((0, chrome.BTN_TOP + y)):
                    faults.append(f"prog_{skin}_{kind}.bmp: edge differs from the top bar")
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([sys.executable, os.path.join(here, "draw_skin.py"), tmp], check=True,
                       stdout=subprocess.DEVNULL)
        _, mismatch, errors = filecmp.cmpfiles(folder, tmp, sorted(SIZES), shallow=False)
        faults += [f"{n}: differs from a fresh drawing" for n in mismatch + errors]
    return faults


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "assets", "skin")
    faults = check(folder)
    for fault in faults:
        print(fault)
    print(f"{len(SIZES)} pictures expected, {len(faults)} faults")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
