"""Drawing canvas, colour helpers and file writers shared by the skin scripts.

Shapes are drawn on an 8x supersampled RGBA layer and reduced with a box
filter, which gives exact-coverage anti-aliasing and identical bytes on every
run. Coordinates are in final pixels; (0, 0) is the top-left corner of the
top-left pixel, so a pixel-aligned shape uses whole numbers.
"""

import struct

from PIL import Image, ImageDraw, ImageFont

SS = 8
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

# Shared palette.
STRIP = (244, 245, 235)
WHITE = (255, 255, 255)
INK = (52, 64, 82)
BLUE = (52, 120, 200)
BLUE_DARK = (30, 90, 170)
BLUE_LIGHT = (96, 160, 232)
BLUE_EDGE = (26, 78, 150)
GREEN = (52, 168, 96)
GREEN_DARK = (28, 118, 62)
RED = (222, 78, 64)
RED_LIGHT = (240, 112, 96)
RED_DARK = (168, 44, 36)
AMBER = (246, 184, 56)
AMBER_DARK = (196, 134, 18)
SLATE_LIGHT = (150, 163, 180)
SLATE = (92, 105, 124)
SLATE_EDGE = (58, 68, 84)
PAPER_SHADE = (226, 232, 240)
RULE = (188, 198, 212)


def mix(a, b, t):
    """Colour t of the way from a to b (t = 0 gives a)."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(FONT_DIR + name, size)


def vgradient(w, h, rows):
    """RGB picture whose every column is the list of row colours `rows`."""
    im = Image.new("RGB", (w, h))
    px = im.load()
    for y in range(h):
        for x in range(w):
            px[x, y] = rows[y]
    return im


def ramp(c0, c1, n):
    """n colours evenly from c0 to c1 inclusive."""
    if n == 1:
        return [c0]
    return [mix(c0, c1, i / (n - 1)) for i in range(n)]


class Layer:
    """A supersampled transparent drawing surface of w x h final pixels."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def _box(x0, y0, x1, y1):
        return [round(x0 * SS), round(y0 * SS), round(x1 * SS) - 1, round(y1 * SS) - 1]

    @staticmethod
    def _pts(pts):
        return [(x * SS, y * SS) for x, y in pts]

    def _paint(self, shape, fill, box):
        """Paint a shape drawn by `shape(draw, fill)` with a colour or ('v', top, bottom)."""
        if isinstance(fill, tuple) and fill and fill[0] == "v":
            mask = Image.new("L", self.img.size, 0)
            shape(ImageDraw.Draw(mask), 255)
            y0, y1 = box[1], box[3]
            grad = Image.new("RGBA", self.img.size)
            gd = ImageDraw.Draw(grad)
            span = max(1, round((y1 - y0) * SS))
            top, bot = fill[1], fill[2]
            for i in range(span):
                c = mix(top, bot, i / max(1, span - 1))
                gd.line([(0, round(y0 * SS) + i), (self.img.size[0], round(y0 * SS) + i)],
                         fill=tuple(c) + ((255,) if len(c) == 3 else ()))
            self.img.paste(grad, (0, 0), mask)
        else:
            shape(self.draw, rgba(fill))

    def rect(self, box, fill):
        self._paint(lambda d, f: d.rectangle(self._box(*box), fill=f), fill, box)

    def rrect(self, box, r, fill):
        self._paint(lambda d, f: d.rounded_rectangle(self._box(*box), radius=r * SS, fill=f),
                    fill, box)

    def ellipse(self, box, fill):
        self._paint(lambda d, f: d.ellipse(self._box(*box), fill=f), fill, box)

    def circle(self, cx, cy, r, fill):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill)

    def poly(self, pts, fill):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        box = (min(xs), min(ys), max(xs), max(ys))
        self._paint(lambda d, f: d.polygon(self._pts(pts), fill=f), fill, box)

    def line(self, pts, width, fill, round_ends=True):
        """Polyline with round joints and, unless told otherwise, round ends."""
        c = rgba(fill)
        self.draw.line(self._pts(pts), fill=c, width=max(1, round(width * SS)), joint="curve")
        if round_ends:
            for x, y in (pts[0], pts[-1]):
                self.circle(x, y, width / 2, fill)

    def outline_poly(self, pts, width, fill):
        self.line(list(pts) + [pts[0], pts[1]], width, fill, round_ends=False)

    def framed_rrect(self, box, r, fill, edge, width=1.0):
        """Rounded box with an edge of `width` pixels inside its bounds."""
        x0, y0, x1, y1 = box
        self.rrect(box, r, edge)
        self.rrect((x0 + width, y0 + width, x1 - width, y1 - width), max(0, r - width), fill)

    def framed_circle(self, cx, cy, r, fill, edge, width=1.0):
        self.circle(cx, cy, r, edge)
        self.circle(cx, cy, r - width, fill)

    def reduce(self, scale=1):
        """The layer at final size, or `scale` times it (premultiplied box filter)."""
        return self.img.resize((self.w * scale, self.h * scale), Image.BOX)


def rgba(c):
    return tuple(c) if len(c) == 4 else tuple(c) + (255,)


def over(base, layer, offset=(0, 0)):
    """Composite a reduced RGBA layer onto an RGB or RGBA picture, returning a new picture."""
    out = base.convert("RGBA")
    out.alpha_composite(layer, offset)
    return out.convert(base.mode)


def grey_out(layer, toward, amount=0.55):
    """Disabled look: desaturate an RGBA layer and pull it toward the background colour."""
    out = layer.copy()
    px = out.load()
    for y in range(out.height):
        for x in range(out.width):
            r, g, b, a = px[x, y]
            lum = (r * 299 + g * 587 + b * 114) // 1000
            c = mix((lum, lum, lum), toward, amount)
            px[x, y] = c + (int(a * 0.85),)
    return out


# --- writers -------------------------------------------------------------------------------

def save_bmp(im, path):
    """24-bit uncompressed BMP."""
    im.convert("RGB").save(path, format="BMP")


def _exact_palette(im):
    """Palette picture with one entry per colour of `im`, or None if it has over 256 colours."""
    colours = sorted(c for _, c in (im.getcolors(256) or []))
    if not colours:
        return None
    index = {c: i for i, c in enumerate(colours)}
    pal = Image.new("P", im.size)
    pal.putdata([index[c] for c in im.getdata()])
    flat = [v for c in colours for v in c]
    pal.putpalette(flat + [0] * (768 - len(flat)))
    return pal


def save_gif(im, path, transparent=None):
    """GIF from an RGB picture; pixels equal to `transparent` (an RGB colour) become see-through.

    Pictures of up to 256 colours keep them exactly; richer ones (anti-aliased text) are
    reduced by median cut without dithering. A keyed picture must stay within 256 colours.
    """
    rgb = im.convert("RGB")
    pal = _exact_palette(rgb)
    kwargs = {}
    if pal is None:
        if transparent:
            raise ValueError(f"{path}: too many colours for a transparent GIF")
        pal = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    elif transparent:
        colours = sorted(c for _, c in rgb.getcolors(256))
        kwargs["transparency"] = colours.index(tuple(transparent))
    pal.save(path, format="GIF", optimize=False, **kwargs)


def _ico_entry(im):
    """One icon image: 32-bit BGRA DIB, bottom-up, followed by its AND mask."""
    w, h = im.size
    rgba_im = im.convert("RGBA")
    px = rgba_im.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    mask_row = ((w + 31) // 32) * 4
    andmask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        andmask += bits
    return header + bytes(xor) + bytes(andmask)


def save_ico(images, path):
    """Multi-size .ico with uncompressed 32-bit entries (one per RGBA picture given)."""
    entries = [_ico_entry(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for im, data in zip(images, entries):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)
