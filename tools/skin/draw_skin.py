#!/usr/bin/python3
"""Draws every skin picture of the program into assets/skin.

Run from the repository root with Debian's Python and Pillow (package python3-pil):

    /usr/bin/python3 tools/skin/draw_skin.py [output folder]

The output folder defaults to assets/skin next to this tools folder. The pictures are
committed; the build never runs this script. Output is byte-for-byte the same on every run
with the same Pillow, FreeType and DejaVu fonts (fonts-dejavu-core). To look the pictures over,
run tools/skin/preview.py afterwards.
"""

import os
import sys

sys.dont_write_bytecode = True

from PIL import Image  # noqa: E402

import chrome  # noqa: E402
import icons  # noqa: E402
import widgets  # noqa: E402
from skinlib import WHITE, save_bmp, save_gif, save_ico  # noqa: E402


def keyed(rgba, key, bg=WHITE):
    """RGB picture: mostly transparent pixels become `key`, the rest are blended onto bg."""
    out = Image.new("RGB", rgba.size, bg)
    out.paste(rgba.convert("RGB"), (0, 0), rgba)
    px, ap = out.load(), rgba.getchannel("A").load()
    for y in range(rgba.height):
        for x in range(rgba.width):
            if ap[x, y] < 100:
                px[x, y] = key
    return out


def pictures():
    """(file name, maker) for every picture, in the program's resource order."""
    items = []
    states = {"back": ("disabled",), "forward": ("disabled",), "mark": ("disabled",),
              "save": ("disabled",)}
    for name in sorted(icons.TOOLBAR):
        for state in states.get(name, ()) + ("off", "on", "pressed"):
            items.append((f"{name}_{state}.bmp",
                          lambda n=name, s=state: widgets.toolbar_button(n, s)))
    items.sort(key=lambda item: item[0])
    for front in (False, True):
        for hover in (False, True):
            items.append((f"tabs_{'front' if front else 'back'}_{'on' if hover else 'off'}.bmp",
                          lambda f=front, h=hover: widgets.tab(f, h)))
    items += [
        ("border_bot.bmp", chrome.border_bot),
        ("border_left.bmp", chrome.border_left),
        ("border_left_corners.bmp", chrome.left_corner),
        ("border_right.bmp", chrome.border_right),
        ("border_right_corners.bmp", chrome.right_corner),
        ("border_top_center.bmp", lambda: chrome.top_center(True)),
        ("border_top_left.bmp", lambda: chrome.top_left(True)),
        ("border_top_right.bmp", lambda: chrome.top_right(True)),
        ("border_white_top_center.bmp", lambda: chrome.top_center(False)),
        ("border_white_top_left.bmp", lambda: chrome.top_left(False)),
        ("border_white_top_right.bmp", lambda: chrome.top_right(False)),
    ]
    for skin in ("blue", "blueoff", "white"):
        for kind in ("close", "max", "min", "norm"):
            items.append((f"prog_{skin}_{kind}.bmp",
                          lambda k=kind, s=skin: chrome.title_button(k, s)))
    items += [
        ("loadbutton_on.bmp", lambda: widgets.load_button(True)),
        ("loadbutton_off.bmp", lambda: widgets.load_button(False)),
        ("button_off.bmp", lambda: widgets.push_button("off")),
        ("button_on.bmp", lambda: widgets.push_button("on")),
        ("button_pressed.bmp", lambda: widgets.push_button("pressed")),
    ]
    for n in range(1, 5):
        items.append((f"bottombg{n}.bmp", lambda n=n: widgets.bottom_bg(n)))
    items += [
        ("columnhead1.bmp", lambda: widgets.column_head(160)),
        ("columnhead2.bmp", lambda: widgets.column_head(240)),
        ("progressbar.bmp", widgets.progress_segment),
        ("statusgrabber.bmp", widgets.status_grabber),
        ("bullet.bmp", widgets.bullet),
        ("Handle.bmp", widgets.handle),
        ("pen.bmp", widgets.pen_picture),
        ("bar.bmp", widgets.bar),
        ("OVicon.ico", lambda: [icons.app_icon(16), icons.app_icon(32)]),
        ("pencil.ico", lambda: [icons.pencil_icon(16), icons.pencil_icon(32)]),
        ("hand.ico", lambda: [icons.hand_icon(16), icons.hand_icon(32)]),
        ("info_mark.gif", lambda: keyed(widgets.info_mark(), chrome.TRANSPARENT_KEY)),
        ("Logo.gif", widgets.logo),
        ("instruction.gif", widgets.instruction),
        ("Border_bot_left.gif", lambda: chrome.popup_corner(right=False)),
        ("Border_bot_right.gif", lambda: chrome.popup_corner(right=True)),
    ]
    # The toolbar buttons drawn again at twice the size, for high-density screens.
    items += [(name.replace(".bmp", "@2x.png"),
               lambda n=name: widgets.toolbar_button(*toolbar_look(n), scale=2))
              for name, _ in list(items) if toolbar_look(name)]
    return items


def toolbar_look(file_name):
    """(symbol, state) of a toolbar button's picture, or None for any other picture."""
    stem, _, extension = file_name.rpartition(".")
    name, _, state = stem.rpartition("_")
    if extension == "bmp" and name in icons.TOOLBAR:
        return name, state
    return None


def write(name, picture, folder):
    path = os.path.join(folder, name)
    if name.endswith(".bmp"):
        save_bmp(picture, path)
    elif name.endswith(".png"):
        picture.convert("RGB").save(path, format="PNG", optimize=True)
    elif name.endswith(".ico"):
        save_ico(picture, path)
    else:
        key = chrome.TRANSPARENT_KEY
        has_key = key in {c for _, c in picture.convert("RGB").getcolors(1 << 16) or []}
        save_gif(picture, path, transparent=key if has_key else None)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "assets", "skin")
    os.makedirs(folder, exist_ok=True)
    items = pictures()
    for name, make in items:
        write(name, make(), folder)
    print(f"wrote {len(items)} pictures to {os.path.normpath(folder)}")


if __name__ == "__main__":
    main()
