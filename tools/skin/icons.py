"""Icon artwork: the toolbar symbols (each in a 24 x 24 box at ox, oy) and the small icons."""

import math

from skinlib import (AMBER, AMBER_DARK, BLUE, BLUE_DARK, BLUE_EDGE, BLUE_LIGHT, GREEN,
                     GREEN_DARK, INK, PAPER_SHADE, RED, RED_DARK, RED_LIGHT, RULE, SLATE,
                     SLATE_EDGE, SLATE_LIGHT, WHITE, Layer, mix)

BLUE_FILL = ("v", BLUE_LIGHT, BLUE_DARK)
PAPER_FILL = ("v", WHITE, PAPER_SHADE)


def info_glyph(L, cx, top, scale, colour=WHITE):
    """The letter i as a dot over a stem, `scale` = 1 for a 24-pixel circle."""
    L.circle(cx, top + 2.2 * scale, 1.9 * scale, colour)
    L.rrect((cx - 1.7 * scale, top + 5.6 * scale, cx + 1.7 * scale, top + 14.6 * scale),
            0.8 * scale, colour)


def about(L, ox, oy):
    L.framed_circle(ox + 12, oy + 12, 11.5, BLUE_FILL, BLUE_EDGE)
    info_glyph(L, ox + 12, oy + 4.6, 1.0)


def _arrow(L, ox, oy, mirror):
    pts = [(1.5, 12), (11.5, 2.5), (11.5, 8), (22, 8), (22, 16), (11.5, 16), (11.5, 21.5)]
    if mirror:
        pts = [(24 - x, y) for x, y in pts]
    pts = [(ox + x, oy + y) for x, y in pts]
    L.poly(pts, ("v", (110, 200, 130), GREEN_DARK))
    L.outline_poly(pts, 1.1, (24, 104, 54))


def back(L, ox, oy):
    _arrow(L, ox, oy, mirror=False)


def forward(L, ox, oy):
    _arrow(L, ox, oy, mirror=True)


def close(L, ox, oy):
    L.framed_circle(ox + 12, oy + 12, 11.5, ("v", RED_LIGHT, RED), RED_DARK)
    L.line([(ox + 8, oy + 8), (ox + 16, oy + 16)], 3.0, WHITE)
    L.line([(ox + 16, oy + 8), (ox + 8, oy + 16)], 3.0, WHITE)


def home(L, ox, oy):
    L.rect((ox + 16, oy + 3.5, ox + 19, oy + 10), RED_DARK)
    body = [(ox + 4.5, oy + 11), (ox + 12, oy + 4.5), (ox + 19.5, oy + 11),
            (ox + 19.5, oy + 22.5), (ox + 4.5, oy + 22.5)]
    L.poly(body, PAPER_FILL)
    L.outline_poly(body, 1.0, INK)
    L.rrect((ox + 9.5, oy + 14.5, ox + 14.5, oy + 23), 1.0, BLUE_FILL)
    L.line([(ox + 1.8, oy + 12.2), (ox + 12, oy + 2.6), (ox + 22.2, oy + 12.2)], 3.0, RED)


def _sheet(L, ox, oy):
    page = [(ox + 3.5, oy + 1.5), (ox + 15.5, oy + 1.5), (ox + 20.5, oy + 6.5),
            (ox + 20.5, oy + 22.5), (ox + 3.5, oy + 22.5)]
    L.poly(page, PAPER_FILL)
    L.outline_poly(page, 1.0, INK)
    fold = [(ox + 15.5, oy + 1.5), (ox + 15.5, oy + 6.5), (ox + 20.5, oy + 6.5)]
    L.poly(fold, PAPER_SHADE)
    L.outline_poly(fold, 1.0, INK)
    for y in (6, 9.5, 13):
        L.line([(ox + 6.5, oy + y), (ox + 13 if y == 6 else ox + 17.5, oy + y)], 1.2, RULE)


def mark(L, ox, oy):
    _sheet(L, ox, oy)
    tick = [(ox + 7, oy + 15.5), (ox + 11.2, oy + 19.8), (ox + 22.2, oy + 7.5)]
    L.line(tick, 5.0, GREEN_DARK)
    L.line(tick, 3.0, GREEN)


def print_(L, ox, oy):
    L.rect((ox + 6.5, oy + 1.5, ox + 17.5, oy + 9), WHITE)
    L.outline_poly([(ox + 6.5, oy + 1.5), (ox + 17.5, oy + 1.5), (ox + 17.5, oy + 9),
                    (ox + 6.5, oy + 9)], 1.0, INK)
    L.framed_rrect((ox + 1, oy + 7.5, ox + 23, oy + 19), 2.5,
                   ("v", SLATE_LIGHT, SLATE), SLATE_EDGE)
    L.rect((ox + 3, oy + 9, ox + 21, oy + 10), mix(SLATE_LIGHT, WHITE, 0.45))
    L.rect((ox + 4.5, oy + 14, ox + 19.5, oy + 16), SLATE_EDGE)
    L.circle(ox + 19.2, oy + 11.7, 1.1, (120, 230, 140))
    out = [(ox + 6.5, oy + 15), (ox + 17.5, oy + 15), (ox + 17.5, oy + 22.5), (ox + 6.5, oy + 22.5)]
    L.poly(out, WHITE)
    L.outline_poly(out, 1.0, INK)
    for y in (18, 20.3):
        L.line([(ox + 8.8, oy + y), (ox + 15.2, oy + y)], 1.0, RULE)


def report(L, ox, oy):
    bars = ((4.5, 13, AMBER, AMBER_DARK), (10.5, 8, GREEN, GREEN_DARK),
            (16.5, 3, BLUE, BLUE_EDGE))
    for x, top, fill, edge in bars:
        L.framed_rrect((ox + x, oy + top, ox + x + 5, oy + 21.5), 1.0,
                       ("v", mix(fill, WHITE, 0.35), fill), edge)
    L.line([(ox + 1.6, oy + 1.5), (ox + 1.6, oy + 22.3), (ox + 23, oy + 22.3)], 1.5, INK)


def save(L, ox, oy):
    body = [(ox + 2, oy + 2), (ox + 18.5, oy + 2), (ox + 22, oy + 5.5), (ox + 22, oy + 22),
            (ox + 2, oy + 22)]
    L.poly(body, BLUE_FILL)
    L.outline_poly(body, 1.0, BLUE_EDGE)
    L.framed_rrect((ox + 6.5, oy + 2.5, ox + 17.5, oy + 9.5), 0.8,
                   ("v", (236, 240, 246), (196, 205, 218)), SLATE)
    L.rect((ox + 13, oy + 3.8, ox + 15.5, oy + 8.2), SLATE_EDGE)
    L.framed_rrect((ox + 5, oy + 12.5, ox + 19, oy + 21.5), 1.2, WHITE, (200, 210, 224))
    for y in (15.3, 18.3):
        L.line([(ox + 7.5, oy + y), (ox + 16.5, oy + y)], 1.0, RULE)


def solution(L, ox, oy):
    """A lit bulb: the worked solution's idea."""
    L.framed_circle(ox + 12, oy + 8.5, 7.5, ("v", (255, 236, 140), AMBER), AMBER_DARK, 1.2)
    L.circle(ox + 9.5, oy + 6, 2.0, (255, 250, 220, 200))
    L.framed_rrect((ox + 8.5, oy + 15.5, ox + 15.5, oy + 20), 1.0,
                   ("v", SLATE_LIGHT, SLATE), SLATE_EDGE)
    for y in (17, 18.6):
        L.line([(ox + 9.3, oy + y), (ox + 14.7, oy + y)], 0.8, (226, 232, 240))
    L.line([(ox + 10.5, oy + 21.8), (ox + 13.5, oy + 21.8)], 1.4, SLATE_EDGE)


def gear_points(cx, cy, r_out, r_in, teeth, phase=0.0):
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = phase + i * step
        for da, r in ((-0.30, r_in), (-0.17, r_out), (0.17, r_out), (0.30, r_in)):
            ang = a + da * step * 1.6
            pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    return pts


def setup(L, ox, oy):
    pts = gear_points(ox + 12, oy + 12, 11.5, 8.6, 8, phase=math.pi / 8)
    L.poly(pts, ("v", SLATE_LIGHT, SLATE))
    L.outline_poly(pts, 1.0, SLATE_EDGE)
    L.framed_circle(ox + 12, oy + 12, 5.2, BLUE_FILL, BLUE_EDGE)
    L.circle(ox + 12, oy + 12, 2.2, (0, 0, 0, 0))


def trash(L, ox, oy):
    L.framed_rrect((ox + 8.5, oy + 0.8, ox + 15.5, oy + 4.5), 1.2, (0, 0, 0, 0), SLATE_EDGE, 1.2)
    body = [(ox + 4.5, oy + 6.5), (ox + 19.5, oy + 6.5), (ox + 18, oy + 23), (ox + 6, oy + 23)]
    L.poly(body, ("v", (206, 214, 226), (150, 162, 180)))
    L.outline_poly(body, 1.0, SLATE_EDGE)
    for x0, x1 in ((9, 9.4), (12, 12), (15, 14.6)):
        L.line([(ox + x0, oy + 10), (ox + x1, oy + 19.8)], 1.3, SLATE)
    L.framed_rrect((ox + 2.5, oy + 3.5, ox + 21.5, oy + 7.5), 1.3,
                   ("v", SLATE_LIGHT, SLATE), SLATE_EDGE)


TOOLBAR = {"about": about, "back": back, "forward": forward, "close": close, "home": home,
           "mark": mark, "print": print_, "report": report, "save": save, "setup": setup,
           "solution": solution, "trash": trash}


# --- small icons -------------------------------------------------------------------------

def _along(p0, p1, t0, t1, half0, half1):
    """Quadrilateral covering the stretch t0..t1 of the segment p0-p1, half-widths half0, half1."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    nx, ny = -uy, ux
    a = (p0[0] + dx * t0, p0[1] + dy * t0)
    b = (p0[0] + dx * t1, p0[1] + dy * t1)
    return [(a[0] + nx * half0, a[1] + ny * half0), (b[0] + nx * half1, b[1] + ny * half1),
            (b[0] - nx * half1, b[1] - ny * half1), (a[0] - nx * half0, a[1] - ny * half0)]


def pencil(L, size):
    """A yellow pencil lying from the top-right (eraser) to the bottom-left (point)."""
    s = size / 32.0
    tip, end = (2.0 * s, 30.0 * s), (30.0 * s, 2.0 * s)
    hw = 4.8 * s
    L.poly(_along(tip, end, 0.0, 0.23, 0.0, hw), (242, 208, 160))
    L.poly(_along(tip, end, 0.0, 0.09, 0.0, hw * 0.09 / 0.23), (56, 58, 66))
    L.poly(_along(tip, end, 0.23, 0.76, hw, hw), ("v", (255, 214, 96), AMBER_DARK))
    L.poly(_along(tip, end, 0.23, 0.76, hw * 0.3, hw * 0.3), (255, 226, 140))
    L.poly(_along(tip, end, 0.76, 0.85, hw, hw), (178, 186, 198))
    L.poly(_along(tip, end, 0.85, 1.0, hw, hw), (238, 124, 136))
    cone = _along(tip, end, 0.0, 0.23, 0.0, hw)
    rod = _along(tip, end, 0.23, 1.0, hw, hw)
    L.outline_poly([cone[0], rod[0], rod[1], rod[2], rod[3]], 1.0, (70, 52, 30))


def pen(L, ox, oy):
    """A blue ball-point pen writing toward the bottom-left, 24 x 24."""
    tip, end = (ox + 2.5, oy + 21.5), (ox + 21.8, oy + 2.2)
    hw = 3.4
    L.poly(_along(tip, end, 0.0, 1.0, 0.0, hw), BLUE_EDGE)
    L.poly(_along(tip, end, 0.0, 1.0, hw, hw), BLUE_EDGE)
    L.poly(_along(tip, end, 0.02, 0.26, 0.25, hw - 1), (206, 214, 226))
    L.poly(_along(tip, end, 0.27, 0.97, hw - 1, hw - 1), BLUE_FILL)
    L.poly(_along(tip, end, 0.36, 0.92, 0.55, 0.55), (150, 196, 242))
    L.poly(_along(tip, end, 0.0, 0.08, 0.0, 0.9), INK)
    L.line([(ox + 2.0, oy + 22.6), (ox + 7.0, oy + 22.6)], 1.0, BLUE)


def hand(L, size):
    """A white pointing hand, index finger up, drawn on a 32-unit grid scaled to `size`."""
    s = size / 32.0
    edge = (40, 44, 52)
    fingers = (((11.5, 3.5), (11.5, 17), 5.2), ((16.6, 13.2), (16.6, 19), 4.6),
               ((21.2, 14.2), (21.2, 19.5), 4.6), ((25.6, 15.8), (25.6, 20.5), 4.2),
               ((4.6, 16.4), (10, 23.5), 5.0))

    def shape(grow, colour):
        for p0, p1, w in fingers:
            L.line([(p0[0] * s, p0[1] * s), (p1[0] * s, p1[1] * s)], (w + 2 * grow) * s, colour)
        L.rrect(((9 - grow) * s, (15 - grow) * s, (27.8 + grow) * s, (29.5 + grow) * s),
                (5 + grow) * s, colour)

    shape(max(1.1, 1.2 * s) / s, edge)
    shape(0.0, WHITE)
    for x, y0 in ((14.2, 15.6), (18.9, 16.4), (23.4, 17.4)):
        L.line([(x * s, y0 * s), (x * s, 20.5 * s)], max(0.8, 0.9 * s), (150, 156, 168))


def book_emblem(L, ox, oy, size):
    """Open book with a ring, the program's mark: `size` x `size` at ox, oy."""
    s = size / 32.0

    def P(x, y):
        return (ox + x * s, oy + y * s)

    ring_w = max(2.2, 3.2 * s) / s
    L.circle(*P(16, 9.5), 8.8 * s, AMBER_DARK)
    L.circle(*P(16, 9.5), (8.8 - ring_w * 0.35) * s, AMBER)
    L.circle(*P(16, 9.5), (8.8 - ring_w) * s, (0, 0, 0, 0))
    left = [P(1, 15.5), P(8, 14), P(16, 17), P(16, 30.5), P(8, 27.5), P(1, 29)]
    right = [(2 * (ox + 16 * s) - x, y) for x, y in left]
    cover = [P(0, 17.5), P(16, 20.5), P(32, 17.5), P(32, 31.5), P(16, 32), P(0, 31.5)]
    L.poly(cover, BLUE_EDGE)
    for page in (left, right):
        L.poly(page, ("v", WHITE, (214, 228, 246)))
        L.outline_poly(page, max(1.0, 1.1 * s), BLUE_EDGE)
    L.line([P(16, 17), P(16, 30.5)], max(1.0, 1.2 * s), BLUE_EDGE)
    if size >= 24:
        for i, y in enumerate((19.5, 22.5, 25.5)):
            L.line([P(4, y + 0.6 - i * 0.1), P(12.5, y + 2.0)], 1.0 * s, (160, 186, 222))
            L.line([P(28, y + 0.6 - i * 0.1), P(19.5, y + 2.0)], 1.0 * s, (160, 186, 222))


def app_icon(size):
    L = Layer(size, size)
    book_emblem(L, 0, 0, size)
    return L.reduce()


def pencil_icon(size):
    L = Layer(size, size)
    pencil(L, size)
    return L.reduce()


def hand_icon(size):
    L = Layer(size, size)
    hand(L, size)
    return L.reduce()
