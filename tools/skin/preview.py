#!/usr/bin/python3
"""Proof pictures for the skin: a contact sheet and mock windows built from assets/skin.

    /usr/bin/python3 tools/skin/preview.py [skin folder] [output folder]

Writes skin_sheet.png (every picture at 3x with its name) and skin_mock.png (main window,
inactive title bar and pop-up box put together from the pieces) to the output folder,
/tmp by default. Nothing here is used by the program.
"""

import os
import sys

sys.dont_write_bytecode = True

from PIL import Image, ImageDraw  # noqa: E402

import chrome  # noqa: E402
from skinlib import STRIP, WHITE, font  # noqa: E402

DESK = (70, 78, 90)


def load(folder, name):
    im = Image.open(os.path.join(folder, name))
    if name.endswith(".ico"):
        sizes = sorted(im.ico.sizes())
        return [im.ico.getimage(s).convert("RGBA") for s in sizes]
    return [im.convert("RGBA")]


def contact_sheet(folder, out):
    names = sorted(os.listdir(folder), key=str.lower)
    cells = []
    for name in names:
        for im in load(folder, name):
            cells.append((name if im.width >= 32 or not name.endswith(".ico") else "", im))
    scale, pad, label = 3, 10, 14
    width = 1500
    x = y = pad
    row_h = 0
    placed = []
    for name, im in cells:
        w, h = im.width * scale, im.height * scale
        cell_w = max(w, 8 * len(name) if name else 0)
        if x + cell_w > width - pad:
            x, y = pad, y + row_h + pad
            row_h = 0
        placed.append((x, y, name, im))
        x += cell_w + pad
        row_h = max(row_h, h + label)
    sheet = Image.new("RGB", (width, y + row_h + pad), (128, 128, 128))
    d = ImageDraw.Draw(sheet)
    f = font(11)
    for x, y, name, im in placed:
        big = im.resize((im.width * scale, im.height * scale), Image.NEAREST)
        checker = Image.new("RGBA", big.size, (200, 140, 200, 255))
        checker.alpha_composite(big)
        sheet.paste(checker.convert("RGB"), (x, y + label))
        d.text((x, y), name, font=f, fill=(255, 255, 255))
    sheet.save(os.path.join(out, "skin_sheet.png"))


def cut(win, popup=False):
    """Paint the desktop colour outside the window outline the program cuts."""
    px = win.load()
    w, h = win.size
    for y, first in enumerate(chrome.TOP_LEFT_FIRST):
        for x in range(first):
            px[x, y] = DESK
    for y, last in enumerate(chrome.TOP_RIGHT_LAST):
        for x in range(w - 8 + last + 1, w):
            px[x, y] = DESK
    if popup:
        for i, first in enumerate(chrome.BOT_LEFT_FIRST):
            for x in range(first):
                px[x, h - 8 + i] = DESK
        for i, last in enumerate(chrome.BOT_RIGHT_LAST):
            for x in range(w - 8 + last + 1, w):
                px[x, h - 8 + i] = DESK


def frame(win, folder, active=True, popup=False):
    g = lambda n: load(folder, n)[0]  # noqa: E731
    w, h = win.size
    pre = "border_" if active else "border_white_"
    tl, tc, tr = g(pre + "top_left.bmp"), g(pre + "top_center.bmp"), g(pre + "top_right.bmp")
    win.paste(tl.convert("RGB"), (0, 0))
    win.paste(tc.resize((w - 16, tc.height)).convert("RGB"), (8, 0))
    win.paste(tr.convert("RGB"), (w - 8, 0))
    bl = g("Border_bot_left.gif" if popup else "border_left_corners.bmp")
    br = g("Border_bot_right.gif" if popup else "border_right_corners.bmp")
    left, right, bot = g("border_left.bmp"), g("border_right.bmp"), g("border_bot.bmp")
    win.paste(left.resize((5, h - 30 - bl.height)).convert("RGB"), (0, 30))
    win.paste(right.resize((5, h - 30 - br.height)).convert("RGB"), (w - 5, 30))
    win.paste(bot.resize((w - bl.width - br.width, 5)).convert("RGB"), (bl.width, h - 5))
    for im, x in ((bl, 0), (br, w - br.width)):
        win.paste(im.convert("RGB"), (x, h - im.height), im)
    cut(win, popup=popup)


def main_window(folder, active):
    g = lambda n: load(folder, n)[0]  # noqa: E731
    w, h = 620, 300
    win = Image.new("RGB", (w, h), WHITE)
    d = ImageDraw.Draw(win)
    d.rectangle([5, 30, w - 6, 30 + 27], fill=STRIP)
    d.line([5, 56, w - 6, 56], fill=(0, 0, 0))
    for i, (name, cap) in enumerate((("tabs_front_off", "Biology"), ("tabs_back_on", "Physics"),
                                     ("tabs_back_off", "Help"))):
        x = 12 + i * 98
        win.paste(g(name + ".bmp").convert("RGB"), (x, 31))
        d.text((x + 48, 31 + 15), cap, font=font(11), fill=(0, 0, 0), anchor="mm")
    d.rectangle([5, 57, w - 6, 57 + 50], fill=STRIP)
    tools = (("home", "off", "Home"), ("report", "on", "Report"), ("print", "pressed", "Print"),
             ("setup", "off", "Setup"), ("trash", "off", "Trash"), ("about", "off", "About"),
             ("close", "off", "Close"), ("save", "off", "Save"), ("mark", "disabled", "Mark"),
             ("back", "on", "Back"), ("forward", "off", "Next"))
    for i, (name, state, cap) in enumerate(tools):
        x = 12 + i * 56
        win.paste(g(f"{name}_{state}.bmp").convert("RGB"), (x, 57))
        d.text((x + 28, 57 + 42), cap, font=font(11),
               fill=(150, 150, 150) if state == "disabled" else (0, 0, 0), anchor="mm")
    win.paste(g("columnhead1.bmp").convert("RGB"), (5, 112))
    win.paste(g("columnhead2.bmp").resize((w - 10 - 162, 24)).convert("RGB"), (167, 112))
    d.text((14, 124), "Select a Topic", font=font(11, True), fill=(30, 50, 80), anchor="lm")
    d.text((176, 124), "Select a Paper", font=font(11, True), fill=(30, 50, 80), anchor="lm")
    for i in range(4):
        y = 145 + i * 20
        win.paste(g("bullet.bmp").convert("RGB"), (12, y + 3))
        d.text((28, y + 8), f"Topic {i + 1}", font=font(11), fill=(0, 0, 0), anchor="lm")
        win.paste(g("loadbutton_on.bmp" if i == 1 else "loadbutton_off.bmp").convert("RGB"),
                  (180, y - 2))
        win.paste(g("bar.bmp").resize((40 + 30 * i, 16)).convert("RGB"), (330, y))
    win.paste(g("button_off.bmp").convert("RGB"), (180, 230))
    win.paste(g("button_on.bmp").convert("RGB"), (270, 230))
    win.paste(g("button_pressed.bmp").convert("RGB"), (360, 230))
    for x, cap in ((220, "Trash"), (310, "Yes"), (400, "No")):
        d.text((x, 243), cap, font=font(11), fill=(0, 0, 0), anchor="mm")
    for i in range(4):
        win.paste(g(f"bottombg{i + 1}.bmp").resize((110, 24)).convert("RGB"),
                  (5 + i * 112, h - 5 - 24))
    for i in range(6):
        win.paste(g("progressbar.bmp").convert("RGB"), (5 + 3 * 112 + 8 + 12 * i, h - 5 - 20))
    win.paste(g("pen.bmp").convert("RGB"), (455, h - 5 - 24))
    win.paste(g("statusgrabber.bmp").convert("RGB"), (w - 5 - 14, h - 5 - 14))
    d.rectangle([w - 40, 140, w - 31, 230], fill=STRIP)
    win.paste(g("Handle.bmp").convert("RGB"), (w - 40, 160))
    frame(win, folder, active)
    icon = load(folder, "OVicon.ico")[0]
    win.paste(icon.convert("RGB"), (9, 7), icon)
    d.text((30, 15), "Orlavine Practice", font=font(12, True),
           fill=WHITE if active else (128, 128, 128), anchor="lm")
    skin = "blueoff" if active else "white"
    win.paste(g(f"prog_{skin}_close.bmp").convert("RGB"), (w - 21 - 4, 4))
    win.paste(g(f"prog_{'blue' if active else skin}_min.bmp").convert("RGB"), (w - 21 - 4 - 23, 4))
    win.paste(g(f"prog_{skin}_max.bmp").convert("RGB"), (w - 21 - 4 - 46, 4))
    return win


def popup(folder):
    g = lambda n: load(folder, n)[0]  # noqa: E731
    w, h = 265, 150
    win = Image.new("RGB", (w, h), WHITE)
    frame(win, folder, popup=True)
    d = ImageDraw.Draw(win)
    d.text((16, 15), "Marking", font=font(12, True), fill=WHITE, anchor="lm")
    info = g("info_mark.gif")
    win.paste(info.convert("RGB"), (16, 46), info)
    d.text((58, 50), "Do you want to mark your\npractice now?", font=font(11), fill=(0, 0, 0))
    win.paste(g("button_on.bmp").convert("RGB"), (58, 110))
    win.paste(g("button_off.bmp").convert("RGB"), (148, 110))
    d.text((98, 123), "Yes", font=font(11), fill=(0, 0, 0), anchor="mm")
    d.text((188, 123), "No", font=font(11), fill=(0, 0, 0), anchor="mm")
    return win


def mock(folder, out):
    a, b, p = main_window(folder, True), main_window(folder, False), popup(folder)
    logo, instr = load(folder, "Logo.gif")[0], load(folder, "instruction.gif")[0]
    sheet = Image.new("RGB", (a.width + 40, a.height * 2 + p.height + 60), DESK)
    sheet.paste(a, (20, 10))
    sheet.paste(b, (20, a.height + 20))
    sheet.paste(p, (20, 2 * a.height + 30))
    sheet.paste(logo.convert("RGB"), (300, 2 * a.height + 30))
    sheet.paste(instr.convert("RGB"), (300, 2 * a.height + 100))
    sheet = sheet.resize((sheet.width * 2, sheet.height * 2), Image.NEAREST)
    sheet.save(os.path.join(out, "skin_mock.png"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "assets", "skin")
    out = sys.argv[2] if len(sys.argv) > 2 else "/tmp"
    contact_sheet(folder, out)
    mock(folder, out)
    print("wrote", os.path.join(out, "skin_sheet.png"), "and", os.path.join(out, "skin_mock.png"))


if __name__ == "__main__":
    main()
