"""Toolbar buttons, tabs, push buttons, panel bands and the small pictures."""

from PIL import Image, ImageDraw

import icons
from skinlib import (BLUE, BLUE_DARK, BLUE_EDGE, BLUE_LIGHT, INK, STRIP, WHITE, Layer, font,
                     grey_out, mix, over, ramp, vgradient)

# --- toolbar buttons -------------------------------------------------------------------------

TB_W, TB_H = 56, 50
ICON_AT = (16, 5)              # 24 x 24 icon box, centred in the upper 34 pixels
HILITE = (10, 1, 46, 33)       # the caption band below stays plain


def toolbar_button(name, state, scale=1):
    """state: off, on (pointer over it), pressed or disabled; `scale` 2 for high-density
    screens."""
    base = Image.new("RGB", (TB_W * scale, TB_H * scale), STRIP)
    if state in ("on", "pressed"):
        L = Layer(TB_W, TB_H)
        if state == "on":
            L.framed_rrect(HILITE, 6, ("v", (238, 246, 255), (212, 230, 251)), (150, 190, 236))
        else:
            L.framed_rrect(HILITE, 6, ("v", (184, 208, 238), (206, 225, 248)), (104, 150, 208))
            x0, y0, x1, _ = HILITE
            L.rrect((x0 + 1, y0 + 1, x1 - 1, y0 + 3), 1.5, (160, 190, 228, 150))
        base = over(base, L.reduce(scale))
    L = Layer(TB_W, TB_H)
    shift = 1 if state == "pressed" else 0
    icons.TOOLBAR[name](L, ICON_AT[0] + shift, ICON_AT[1] + shift)
    art = L.reduce(scale)
    if state == "disabled":
        art = grey_out(art, STRIP)
    return over(base, art)


# --- tabs ----------------------------------------------------------------------------------

TAB_W, TAB_H = 96, 26
TAB_EDGE = (160, 173, 192)


def tab(front, hover):
    base = Image.new("RGB", (TAB_W, TAB_H), STRIP)
    L = Layer(TAB_W, TAB_H)
    top = 0 if front else 3
    r = 5
    # Drawn taller than the picture so only the top corners are rounded.
    if front:
        edge = (120, 160, 214) if hover else TAB_EDGE
        fill = ("v", (236, 244, 254), WHITE) if hover else WHITE
        accent = (92, 154, 226) if hover else BLUE
        L.rrect((1, top, TAB_W - 1, TAB_H + 8), r, edge)
        L.rrect((2, top + 1, TAB_W - 2, TAB_H + 8), r - 1, accent)
        L.rrect((2, top + 3, TAB_W - 2, TAB_H + 8), r - 2, fill)
    else:
        edge = (128, 160, 204) if hover else TAB_EDGE
        fill = (("v", (246, 250, 255), (220, 231, 246)) if hover
                else ("v", (234, 238, 245), (212, 220, 232)))
        L.rrect((1, top, TAB_W - 1, TAB_H + 8), r, edge)
        L.rrect((2, top + 1, TAB_W - 2, TAB_H + 8), r - 1, fill)
        L.rect((0, TAB_H - 1, TAB_W, TAB_H), TAB_EDGE)
    return over(base, L.reduce())


# --- push buttons ----------------------------------------------------------------------------

BUTTON_LOOK = {
    "off": (("v", (254, 254, 255), (230, 234, 240)), (166, 175, 190)),
    "on": (("v", (242, 248, 255), (212, 229, 250)), (100, 152, 216)),
    "pressed": (("v", (192, 213, 240), (214, 229, 248)), (76, 126, 192)),
}


def push_button(state, w=80, h=26, bg=WHITE):
    fill, edge = BUTTON_LOOK[state]
    L = Layer(w, h)
    L.framed_rrect((0, 0, w, h), 4, fill, edge)
    if state != "pressed":
        L.rect((4, 1, w - 4, 2), (255, 255, 255, 170))
    return over(Image.new("RGB", (w, h), bg), L.reduce())


def load_button(hover):
    """Small button that opens a paper: a play triangle, blue when the pointer is over it."""
    w, h = 22, 20
    L = Layer(w, h)
    if hover:
        L.framed_rrect((0, 0, w, h), 4, ("v", BLUE_LIGHT, BLUE_DARK), BLUE_EDGE)
        mark = WHITE
    else:
        L.framed_rrect((0, 0, w, h), 4, BUTTON_LOOK["off"][0], BUTTON_LOOK["off"][1])
        mark = BLUE
    L.poly([(8.5, 5.5), (15, 10), (8.5, 14.5)], mark)
    L.outline_poly([(8.5, 5.5), (15, 10), (8.5, 14.5)], 1.0, mark)
    return over(Image.new("RGB", (w, h), WHITE), L.reduce())


# --- bands -----------------------------------------------------------------------------------

BAND_TINTS = {
    1: ((240, 246, 254), (220, 232, 248)),   # second attempt: light blue
    2: ((248, 249, 251), (228, 232, 238)),   # questions left: cool grey
    3: ((251, 251, 246), (234, 236, 224)),   # clock and count: warm, like the toolbar strip
    4: ((240, 250, 243), (214, 238, 222)),   # marking in progress: soft green
}


def band_rows(n, h=24):
    top, bot = BAND_TINTS[n]
    return [mix(bot, (120, 124, 118), 0.28)] + ramp(top, bot, h - 1)


def bottom_bg(n):
    return vgradient(120, 24, band_rows(n))


def column_head(w):
    rows = [WHITE] + ramp((240, 245, 251), (216, 226, 240), 22) + [(168, 186, 212)]
    return vgradient(w, 24, rows)


def bar():
    rows = [(28, 82, 156), (140, 190, 242)] + ramp((96, 160, 232), (44, 106, 188), 13) + [
        (28, 82, 156)]
    return vgradient(12, 16, rows)


def progress_segment():
    """One block of the marking progress bar; blocks sit side by side with a one-pixel gap."""
    rows = band_rows(4, 24)[4:20]
    L = Layer(12, 16)
    L.framed_rrect((0, 1, 11, 15), 2, ("v", (110, 218, 178), (24, 150, 140)), (18, 116, 110))
    L.rect((1.5, 2, 9.5, 3), (255, 255, 255, 120))
    return over(vgradient(12, 16, rows), L.reduce())


def status_grabber():
    base = vgradient(14, 14, band_rows(3)[10:24])
    d = ImageDraw.Draw(base)
    for row in range(4):
        for col in range(4):
            if col + row >= 3:
                x, y = 2 + 3 * col, 2 + 3 * row
                d.rectangle([x + 1, y + 1, x + 2, y + 2], fill=WHITE)
                d.rectangle([x, y, x + 1, y + 1], fill=(150, 156, 146))
    return base


def bullet():
    L = Layer(10, 10)
    L.framed_circle(5, 5, 3.4, ("v", BLUE_LIGHT, BLUE_DARK), BLUE_EDGE, 0.8)
    return over(Image.new("RGB", (10, 10), WHITE), L.reduce())


def handle():
    L = Layer(10, 48)
    L.framed_rrect((1, 6, 9, 42), 4, ("v", (250, 251, 253), (220, 227, 237)), (160, 174, 194))
    for i in range(5):
        y = 17 + 3.5 * i
        L.rect((4, y + 1, 6, y + 3), WHITE)
        L.rect((3.5, y, 5.5, y + 2), (112, 130, 156))
    return over(Image.new("RGB", (10, 48), STRIP), L.reduce())


def pen_picture():
    L = Layer(24, 24)
    icons.pen(L, 0, 0)
    return over(vgradient(24, 24, band_rows(3)), L.reduce())


# --- GIF pictures ----------------------------------------------------------------------------

def info_mark():
    """32 x 32 information mark on white (the GIF keys the white away)."""
    L = Layer(32, 32)
    L.framed_circle(16, 16, 15.5, ("v", BLUE_LIGHT, BLUE_DARK), BLUE_EDGE, 1.2)
    icons.info_glyph(L, 16, 6.0, 1.32)
    return L.reduce()


def logo():
    w, h = 200, 64
    im = Image.new("RGB", (w, h), WHITE)
    L = Layer(w, h)
    icons.book_emblem(L, 6, 11, 42)
    im = over(im, L.reduce())
    d = ImageDraw.Draw(im)
    d.text((56, 7), "Orlavine", font=font(28, bold=True), fill=BLUE_DARK)
    d.text((58, 41), "P R A C T I C E", font=font(11), fill=(112, 122, 138))
    return im


INSTRUCTION = [
    [("Type your answer ", False), ("exactly", True), (" in the form", False)],
    [("asked for, for example ", False), ("1 1/2", True), (" or ", False), ("2:3", True),
     (".", False)],
    [("Spaces are ignored except between", False)],
    [("a whole number and its fraction.", False)],
]


def instruction():
    w, h = 250, 80
    im = Image.new("RGB", (w, h), WHITE)
    L = Layer(w, h)
    L.framed_rrect((0, 0, w, h), 5, (245, 249, 255), (190, 208, 234))
    L.rrect((0, 0, 5, h), 2, BLUE)
    L.rect((3, 0, 5, h), BLUE)
    im = over(im, L.reduce())
    d = ImageDraw.Draw(im)
    y = 6
    for line in INSTRUCTION:
        x = 14
        for text, strong in line:
            f = font(11, bold=strong)
            d.text((x, y), text, font=f, fill=BLUE_DARK if strong else INK)
            x += d.textlength(text, font=f)
        y += 17
    return im
