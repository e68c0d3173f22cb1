"""Window frame pieces and title-bar buttons.

The windows cut their outline with a polygon whose top corners (and, on the pop-up box,
bottom corners) are rounded. The first and last pixel inside that outline on each row of a
corner are listed below exactly as Qt's QRegion fills the polygon, so the dark outline of
each corner piece runs along the cut edge.
"""

import math

from PIL import Image

from skinlib import BLUE, BLUE_DARK, WHITE, Layer, mix, over, ramp, vgradient

TITLE_H = 30
TOP_W = 8
SIDE = 5

OUTLINE = (24, 68, 136)
# Colour of a side or bottom border pixel by its depth from the outer edge (0 = outline).
DEPTH = [OUTLINE, (72, 140, 216), (54, 120, 200), (42, 104, 184), (30, 84, 158)]

# First inside column of rows 0..4 of the top-left corner, last inside column of the top-right
# piece (8 wide); rows below are full.
TOP_LEFT_FIRST = [5, 3, 2, 1, 1]
TOP_RIGHT_LAST = [2, 4, 5, 5, 6]
# Pop-up bottom corners, 8 x 8 pieces, rows 0..7 (the last row is the window's bottom row).
BOT_LEFT_FIRST = [0, 0, 1, 1, 2, 2, 3, 5]
BOT_RIGHT_LAST = [7, 7, 7, 6, 6, 5, 4, 2]

TRANSPARENT_KEY = (255, 0, 255)


def title_rows(active):
    """Row colours of the top bar, top to bottom: outline, gloss, gradient, bottom line."""
    if active:
        return [OUTLINE, (110, 166, 230)] + ramp(BLUE, BLUE_DARK, TITLE_H - 3) + [(22, 64, 130)]
    return ([(150, 164, 188), WHITE] + ramp((250, 251, 252), (226, 230, 237), TITLE_H - 3)
            + [(190, 198, 211)])


def _top_piece(active, right):
    rows = title_rows(active)
    outline, gloss = rows[0], rows[1]

    def inside(x, y):
        if y < 0 or x < 0 or x >= TOP_W:
            # Beyond the outer edges is outside; the inner edge continues into the centre piece.
            return (x >= TOP_W) if not right else (x < 0)
        if y >= TITLE_H:
            return True
        if y < len(TOP_LEFT_FIRST):
            return x <= TOP_RIGHT_LAST[y] if right else x >= TOP_LEFT_FIRST[y]
        return True

    im = Image.new("RGB", (TOP_W, TITLE_H))
    px = im.load()
    for y in range(TITLE_H):
        for x in range(TOP_W):
            if not inside(x, y):
                px[x, y] = mix(outline, (236, 238, 242), 0.6)
                continue
            near4 = any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            near8 = any(not inside(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            ring2 = any(not inside(x + dx, y + dy) for dx in (-2, -1, 0, 1, 2)
                        for dy in (-2, -1, 0, 1, 2))
            if near4:
                c = outline
            elif near8:
                c = mix(outline, gloss, 0.55)
            elif ring2 and 1 <= y <= 5:
                c = gloss
            else:
                c = rows[y]
            px[x, y] = c
    return im


def top_left(active):
    return _top_piece(active, right=False)


def top_right(active):
    return _top_piece(active, right=True)


def top_center(active):
    return vgradient(TOP_W, TITLE_H, title_rows(active))


def border_left():
    return _depth_image(SIDE, 8, lambda x, y: x)


def border_right():
    return _depth_image(SIDE, 8, lambda x, y: SIDE - 1 - x)


def border_bot():
    return _depth_image(8, SIDE, lambda x, y: SIDE - 1 - y)


def left_corner():
    return _depth_image(SIDE, SIDE, lambda x, y: min(x, SIDE - 1 - y))


def right_corner():
    return _depth_image(SIDE, SIDE, lambda x, y: min(SIDE - 1 - x, SIDE - 1 - y))


def _depth_image(w, h, depth):
    im = Image.new("RGB", (w, h))
    px = im.load()
    for y in range(h):
        for x in range(w):
            px[x, y] = DEPTH[depth(x, y)]
    return im


def popup_corner(right):
    """8 x 8 bottom corner of the pop-up box: the border bends along the cut, the rest is clear."""
    n = 8

    def inside(x, y):
        # Below and beyond the outer side is outside; above and inward the window goes on.
        if y >= n or (x >= n if right else x < 0):
            return False
        if y < 0 or (x < 0 if right else x >= n):
            return True
        return x <= BOT_RIGHT_LAST[y] if right else x >= BOT_LEFT_FIRST[y]

    outside = [(x, y) for y in range(-1, n + 2) for x in range(-2, n + 2) if not inside(x, y)]
    im = Image.new("RGB", (n, n))
    px = im.load()
    for y in range(n):
        for x in range(n):
            if not inside(x, y):
                px[x, y] = TRANSPARENT_KEY
                continue
            d = min(math.hypot(x - ox, y - oy) for ox, oy in outside) - 1.0
            k = int(math.floor(d + 0.5))
            px[x, y] = DEPTH[k] if k < SIDE else TRANSPARENT_KEY
    return im


# --- title-bar buttons -------------------------------------------------------------------------

BTN = 21
BTN_TOP = (TITLE_H - BTN) // 2


def _glyph(L, kind, colour):
    clear = (0, 0, 0, 0)
    if kind == "close":
        L.line([(6.6, 6.6), (14.4, 14.4)], 1.7, colour)
        L.line([(14.4, 6.6), (6.6, 14.4)], 1.7, colour)
    elif kind == "min":
        L.rect((6, 13, 15, 15), colour)
    elif kind == "max":
        L.rect((6, 6, 15, 15), colour)
        L.rect((7, 8, 14, 14), clear)
    elif kind == "norm":
        L.rect((8, 5, 16, 13), colour)
        L.rect((9, 7, 15, 12), clear)
        L.rect((4, 8, 13, 17), clear)
        L.rect((5, 9, 12, 16), colour)
        L.rect((6, 11, 11, 15), clear)


def title_button(kind, skin):
    """skin: 'blue' (pointer over it), 'blueoff' (active window), 'white' (inactive window)."""
    active = skin != "white"
    base = vgradient(BTN, BTN, title_rows(active)[BTN_TOP:BTN_TOP + BTN])
    if skin == "blue":
        back = Layer(BTN, BTN)
        if kind == "close":
            back.framed_rrect((1, 1, 20, 20), 3.5, ("v", (240, 106, 90), (204, 52, 42)),
                              (150, 34, 28))
        else:
            back.framed_rrect((1, 1, 20, 20), 3.5, (255, 255, 255, 60), (255, 255, 255, 120))
        base = over(base, back.reduce())
    glyph = Layer(BTN, BTN)
    _glyph(glyph, kind, WHITE if active else (98, 106, 120))
    return over(base, glyph.reduce())
