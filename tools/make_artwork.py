#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate every picture Selvane shows, into resources/.

Run from the repository root:

    /usr/bin/python3 tools/make_artwork.py

Needs python3-pil and python3-numpy, the Liberation fonts (fonts-liberation)
and the lunar albedo map from stellarium-data
(/usr/share/stellarium/textures/moon_4k.jpg).

The output is deterministic: no clock, no unseeded randomness.  Every window
picture is drawn twice: at 1:1 (name.png) and at twice the resolution for
high-density screens (name@2x.png).  Both are drawn in window pixels through a
Canvas whose scale maps a window pixel onto scale x scale device pixels, so
frames and bevels one pixel wide at 1:1 are two pixels wide at 2x, text is
rendered at twice the size and the Moon is rendered from the map at twice the
size; nothing is upscaled.  Frames are pixel-exact; icons, glyphs and the Moon
pictures are drawn at a higher resolution and reduced, so their edges are
anti-aliased.
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources")
MOON_MAP = "/usr/share/stellarium/textures/moon_4k.jpg"

FONT_DIR = "/usr/share/fonts/truetype/liberation"
SANS = os.path.join(FONT_DIR, "LiberationSans-Regular.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")
SERIF = os.path.join(FONT_DIR, "LiberationSerif-Regular.ttf")

W, H = 640, 480
SCALES = (1, 2)       # 1:1 and the high-density pictures

# With --wordless the pictures that carry words (panel headings, window titles, month names,
# the about window's lines) are drawn once more without them, into resources/wordless/: the
# program writes the words on these copies in the user's language (widgets/picturewords.cpp).
WORDLESS = False
WORDLESS_DIR = os.path.join(OUT, "wordless")
WORDY = ["background.jpg", "datapanel.png", "monthpicker.jpg", "config.png", "printoptions.png",
         "timelist_header.png", "about.jpg", "links_heading_resources.png",
         "links_heading_missions.png"]


def words(text):
    """A text the program writes in the user's language: none in the wordless pictures."""
    return None if WORDLESS else text

# ---------------------------------------------------------------------------
# Palette.  The program writes aqua, yellow, light yellow, navy and black
# text on these surfaces, so the surfaces are chosen for contrast with those.
# ---------------------------------------------------------------------------
BODY_TOP = (40, 47, 63)          # window body between the panels
BODY_BOTTOM = (24, 28, 39)
TITLE_TOP = (24, 34, 70)         # title strip, deep navy fading to black
TITLE_BOTTOM = (5, 7, 15)
RIM_LIGHT = (112, 126, 154)      # bevel of every panel frame
RIM_DARK = (10, 12, 18)
RIM_INNER = (0, 0, 0)
STEEL_TOP = (108, 122, 147)      # interior of the data panels
STEEL_BOTTOM = (94, 108, 133)
BAND_TOP = (62, 73, 96)          # heading band of the data panels
BAND_BOTTOM = (44, 52, 71)
HEADING_TEXT = (236, 239, 246)
CAL_TOP = (128, 139, 158)        # calendar area, mid-tone for engraved text
CAL_BOTTOM = (112, 123, 142)
ICON_INK = (206, 214, 232)       # command icons in the title strip
TITLE_INK = (238, 232, 212)      # the program's name
STATUS_TOP = (236, 238, 242)     # status strip
STATUS_BOTTOM = (196, 201, 210)


def font(path, size):
    return ImageFont.truetype(path, size)


def vgrad(w, h, top, bottom):
    """A w x h RGB float array fading from top to bottom."""
    t = np.linspace(0.0, 1.0, h)[:, None, None]
    a = np.array(top, float)[None, None, :]
    b = np.array(bottom, float)[None, None, :]
    return np.broadcast_to(a + (b - a) * t, (h, w, 3)).copy()


def to_img(arr):
    return Image.fromarray(np.clip(np.rint(arr), 0, 255).astype(np.uint8), "RGB")


def mix(under, over, alpha):
    """`alpha` of the colour `over` on the colour `under`, rounded to 8 bits."""
    return tuple(int(round(u * (1 - alpha) + o * alpha)) for u, o in zip(under, over))


def text_size(f, s):
    l, t, r, b = f.getbbox(s)
    return r - l, b - t, l, t


class Canvas:
    """A picture addressed in window pixels, `scale` device pixels to a window pixel.

    Boxes are inclusive (x0, y0, x1, y1) in window pixels.  A window pixel is a
    scale x scale block of the picture, so a line or bevel one window pixel wide
    is `scale` device pixels wide, and text is set at `scale` times its size.
    Text is centred on pixel indices: index v lies at device position
    scale * (v + 0.5) - 0.5, the same point of the window at every scale."""

    def __init__(self, img, scale):
        self.img = img
        self.scale = scale
        self.draw = ImageDraw.Draw(img)

    @classmethod
    def new(cls, size, scale, fill=(0, 0, 0), mode="RGB"):
        w, h = size
        return cls(Image.new(mode, (w * scale, h * scale), fill), scale)

    @property
    def size(self):
        """Width and height in window pixels."""
        return self.img.width // self.scale, self.img.height // self.scale

    def box(self, box):
        """The inclusive device-pixel box covering a window-pixel box."""
        x0, y0, x1, y1 = box
        s = self.scale
        return (x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1)

    def at(self, v):
        """The device position of the pixel index (or fractional index) v."""
        return self.scale * (v + 0.5) - 0.5

    def fill(self, box, colour):
        self.draw.rectangle(self.box(box), fill=colour)

    def gradient(self, box, top, bottom):
        """Fills the box with a vertical gradient."""
        x0, y0, x1, y1 = self.box(box)
        self.img.paste(to_img(vgrad(x1 - x0 + 1, y1 - y0 + 1, top, bottom)), (x0, y0))

    def line(self, pts, colour):
        """A polyline one pixel wide through the pixels pts, in horizontal and vertical runs."""
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            assert xa == xb or ya == yb, pts
            self.fill((min(xa, xb), min(ya, yb), max(xa, xb), max(ya, yb)), colour)

    def outline(self, box, colour):
        x0, y0, x1, y1 = box
        self.line([(x0, y0), (x1, y0), (x1, y1), (x0, y1), (x0, y0)], colour)

    def bevel(self, box, light, dark):
        """A one-pixel bevel on the edge of the box: `light` top and left, `dark` bottom and
        right.  Raised with a light `light`, sunken with a dark one."""
        x0, y0, x1, y1 = box
        self.line([(x0, y1), (x0, y0), (x1, y0)], light)
        self.line([(x1, y0 + 1), (x1, y1), (x0 + 1, y1)], dark)

    def blend_row(self, y, alpha_at, colour):
        """Mixes colour into row y, alpha_at(x) of it at the (fractional) pixel index x of
        each device column; an alpha of 0 or less leaves the pixel as it is."""
        px = self.img.load()
        s = self.scale
        for xd in range(self.img.width):
            a = alpha_at((xd + 0.5) / s - 0.5)
            if a <= 0:
                continue
            for yd in range(y * s, (y + 1) * s):
                px[xd, yd] = mix(px[xd, yd], colour, a)

    def blend(self, xy, colour, alpha):
        """Mixes `alpha` of colour into the pixel xy."""
        x, y = xy
        px = self.img.load()
        s = self.scale
        for yd in range(y * s, (y + 1) * s):
            for xd in range(x * s, (x + 1) * s):
                px[xd, yd] = mix(px[xd, yd], colour, alpha)

    def place(self, icon, xy):
        """Composites an RGBA picture drawn at this scale with its top-left on pixel xy."""
        x, y = xy
        base = self.img.convert("RGBA")
        base.alpha_composite(icon, (x * self.scale, y * self.scale))
        self.img.paste(base.convert("RGB"))

    def crop(self, box):
        """The picture of an inclusive box."""
        x0, y0, x1, y1 = self.box(box)
        return self.img.crop((x0, y0, x1 + 1, y1 + 1))

    def font(self, path, size):
        """The font of `size` window pixels, at this scale."""
        return font(path, size * self.scale)

    def text_centered(self, cx, cy, s, path, size, fill, shadow=None, by_caps=False):
        """Centres the ink of s on the pixel index (cx, cy); returns the ink box in device
        pixels.  With by_caps the capital height is centred instead, so headings share one
        baseline whether or not they have descenders.  The shadow lies a pixel right and
        below.  No text (None) draws nothing and returns None."""
        if s is None:
            return None
        f = self.font(path, size)
        w, h, l, t = text_size(f, s)
        x = round(self.at(cx) - w / 2 - l)
        if by_caps:
            _, ch, _, ct = text_size(f, "H")
            y = round(self.at(cy) - ch / 2 - ct)
        else:
            y = round(self.at(cy) - h / 2 - t)
        if shadow is not None:
            self.draw.text((x + self.scale, y + self.scale), s, font=f, fill=shadow)
        self.draw.text((x, y), s, font=f, fill=fill)
        return (x + l, y + t, x + l + w - 1, y + t + h - 1)

    def caps_text(self, x, y0, rows, s, path, size, fill, shadow=None):
        """Text starting at pixel column x with its capitals centred on rows y0 ..
        y0 + rows - 1, so every label of a stack shares the same vertical metrics."""
        if s is None:
            return
        f = self.font(path, size)
        _, cap_h, _, cap_t = text_size(f, "H")
        sc = self.scale
        ty = round(y0 * sc + (rows * sc - cap_h) / 2 - cap_t)
        if shadow is not None:
            self.draw.text(((x + 1) * sc, ty + sc), s, font=f, fill=shadow)
        self.draw.text((x * sc, ty), s, font=f, fill=fill)

    def assert_inside(self, ink, box, what):
        """Fails unless the device-pixel ink box lies inside the window-pixel box."""
        if ink is None:
            return
        x0, y0, x1, y1 = self.box(box)
        assert x0 <= ink[0] and ink[2] <= x1 and y0 <= ink[1] and ink[3] <= y1, (what, ink)


def panel_frame(c, box):
    """The frame shared by all panels: a soft drop shadow on the body, a raised
    metal rim and a black hairline inside it.  Returns the interior box."""
    x0, y0, x1, y1 = box
    # soft shadow, one and two pixels below/right of the frame
    shade = Canvas.new(c.size, c.scale, 0, "L")
    shade.fill((x0 + 2, y0 + 2, x1 + 2, y1 + 2), 70)
    shade.fill((x0 + 1, y0 + 1, x1 + 1, y1 + 1), 110)
    c.img.paste(Image.new("RGB", c.img.size, (0, 0, 0)), (0, 0), shade.img)
    c.fill(box, (60, 70, 92))
    c.bevel(box, RIM_LIGHT, RIM_DARK)
    c.outline((x0 + 1, y0 + 1, x1 - 1, y1 - 1), RIM_INNER)
    return (x0 + 2, y0 + 2, x1 - 2, y1 - 2)


def title_band(c):
    """The top 40 rows of a window: navy fading to black under a thin light line, with a
    fine highlight along the bottom, brightest in the middle, over one black row."""
    w = c.size[0]
    c.gradient((0, 0, w - 1, 39), TITLE_TOP, TITLE_BOTTOM)
    c.line([(0, 0), (w - 1, 0)], (58, 72, 116))

    def highlight(x):
        t = max(0.0, 1.0 - abs(x - w / 2) / (w / 2))
        return 0.25 + 0.6 * t ** 1.5
    c.blend_row(38, highlight, (120, 146, 206))
    c.line([(0, 39), (w - 1, 39)], (0, 0, 0))


def stars(c, keep_out, count, seed):
    """A sparse, fixed field of `count` faint stars in a title strip, outside the
    inclusive boxes keep_out."""
    w = c.size[0]
    rng = np.random.default_rng(seed)
    n = 0
    while n < count:
        x = int(rng.integers(3, w - 3))
        y = int(rng.integers(3, 35))
        mag = float(rng.random())
        if any(a <= x <= c1 and b <= y <= e for a, b, c1, e in keep_out):
            continue
        n += 1
        peak = 0.18 + 0.5 * mag ** 3
        tint = (200, 212, 255) if rng.random() < 0.7 else (255, 236, 210)
        for dx, dy, wgt in ((0, 0, 1.0), (1, 0, 0.25), (-1, 0, 0.25), (0, 1, 0.25), (0, -1, 0.25)):
            c.blend((x + dx, y + dy), tint, peak * wgt)


# ---------------------------------------------------------------------------
# Supersampled vector drawing, for icons and small marks.
# ---------------------------------------------------------------------------
SS = 8


class Pen:
    """Draws in window-pixel coordinates on a canvas SS x scale times larger,
    reduced to scale x the size at the end.

    Coordinates are continuous: (0, 0) is the top-left corner of the top-left
    pixel, so a pixel centre is at (i + 0.5, j + 0.5)."""

    def __init__(self, w, h, scale=1):
        self.w, self.h, self.scale = w, h, scale
        self.k = SS * scale            # canvas pixels per window pixel
        self.im = Image.new("RGBA", (w * self.k, h * self.k), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.im)

    def pts(self, pts):
        return [(x * self.k, y * self.k) for x, y in pts]

    def line(self, pts, fill, width):
        self.d.line(self.pts(pts), fill=fill, width=max(1, round(width * self.k)), joint="curve")
        # round caps
        r = width * self.k / 2
        for x, y in self.pts([pts[0], pts[-1]]):
            self.d.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def polygon(self, pts, fill=None, outline=None, width=1.0):
        self.d.polygon(self.pts(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        x0, y0, x1, y1 = (v * self.k for v in box)
        self.d.ellipse((x0, y0, x1, y1), fill=fill, outline=outline,
                       width=max(1, round(width * self.k)) if outline else 0)

    def pieslice(self, box, start, end, fill):
        self.d.pieslice([v * self.k for v in box], start, end, fill=fill)

    def rect(self, box, fill=None, outline=None, width=1.0, radius=0.0):
        x0, y0, x1, y1 = (v * self.k for v in box)
        self.d.rounded_rectangle((x0, y0, x1, y1), radius=radius * self.k, fill=fill,
                                 outline=outline,
                                 width=max(1, round(width * self.k)) if outline else 0)

    def text(self, cx, cy, s, path, size, fill):
        f = ImageFont.truetype(path, round(size * self.k))
        l, t, r, b = f.getbbox(s)
        self.d.text((cx * self.k - (l + r) / 2, cy * self.k - (t + b) / 2), s, font=f, fill=fill)

    def result(self):
        return self.im.resize((self.w * self.scale, self.h * self.scale), Image.Resampling.LANCZOS)


def with_shadow(icon, scale=1, strength=0.55):
    """Adds a soft dark drop shadow, one pixel right and down, under an RGBA icon
    drawn at `scale` (same size)."""
    a = icon.getchannel("A")
    sh = Image.new("RGBA", icon.size, (0, 0, 0, 0))
    shifted = Image.new("L", icon.size, 0)
    shifted.paste(a, (scale, scale))
    shifted = shifted.filter(ImageFilter.GaussianBlur(0.6 * scale))
    shifted = shifted.point(lambda v: int(v * strength))
    sh.putalpha(shifted)
    return Image.alpha_composite(sh, icon)


# ---------------------------------------------------------------------------
# Title-strip command icons.  Each draws inside its clickable box, at scale s.
# ---------------------------------------------------------------------------
INK = ICON_INK + (255,)
INK_SOFT = tuple(int(c * 0.72) for c in ICON_INK) + (255,)
DARK_FILL = (22, 30, 56, 255)


def icon_print(s):
    p = Pen(18, 19, s)
    p.rect((4.5, 1.0, 13.5, 7.0), fill=(240, 242, 248, 255))               # paper in
    p.rect((1.0, 6.0, 17.0, 14.0), fill=INK, radius=2.0)                      # body
    p.rect((2.6, 7.6, 15.4, 9.0), fill=(150, 160, 184, 255), radius=0.6)     # top slot shade
    p.ellipse((13.2, 10.2, 15.0, 12.0), fill=(90, 200, 120, 255))            # power lamp
    p.rect((4.5, 11.0, 13.5, 18.2), fill=(250, 250, 252, 255), outline=(120, 130, 150, 255),
           width=0.7)                                                         # paper out
    for y in (13.4, 15.2):
        p.line([(6.2, y), (11.8, y)], (120, 130, 150, 255), 0.8)
    return with_shadow(p.result(), s)


def icon_month_list(s):
    p = Pen(16, 19, s)
    p.rect((1.0, 1.0, 15.0, 18.0), fill=(244, 246, 250, 255), radius=1.2)
    p.rect((1.0, 1.0, 15.0, 5.2), fill=(112, 132, 176, 255), radius=1.2)
    p.rect((1.0, 3.5, 15.0, 5.2), fill=(112, 132, 176, 255))
    ink = (110, 120, 142, 255)
    for y in (8.0, 10.6, 13.2, 15.8):
        p.line([(3.0, y), (5.0, y)], ink, 0.9)
        p.line([(7.0, y), (13.0, y)], ink, 0.9)
    return with_shadow(p.result(), s)


def icon_links(s):
    p = Pen(19, 19, s)
    c, r = 9.5, 8.3
    p.ellipse((c - r, c - r, c + r, c + r), fill=(38, 70, 128, 255), outline=INK, width=1.3)
    p.ellipse((c - r * 0.42, c - r, c + r * 0.42, c + r), outline=INK, width=1.0)
    p.line([(c, c - r), (c, c + r)], INK, 1.0)
    p.line([(c - r, c), (c + r, c)], INK, 1.0)
    for dy in (-4.3, 4.3):
        half = math.sqrt(r * r - dy * dy) - 0.6
        p.line([(c - half, c + dy), (c + half, c + dy)], INK, 0.9)
    return with_shadow(p.result(), s)


def icon_home(s):
    p = Pen(19, 21, s)
    p.rect((13.0, 3.0, 15.4, 8.5), fill=INK_SOFT)                             # chimney
    p.polygon([(9.5, 1.5), (18.2, 9.6), (0.8, 9.6)], fill=INK)                # roof
    p.rect((3.2, 9.0, 15.8, 19.5), fill=INK)                                   # walls
    p.rect((7.6, 12.6, 11.4, 19.5), fill=DARK_FILL, radius=0.6)                # door
    p.line([(0.9, 9.8), (18.1, 9.8)], (150, 162, 190, 255), 0.8)               # eave
    return with_shadow(p.result(), s)


def icon_gear(s):
    p = Pen(18, 21, s)
    cx, cy = 9.0, 10.5
    teeth = 8
    r_out, r_in = 8.3, 6.2
    pts = []
    for k in range(teeth):
        a0 = 2 * math.pi * k / teeth
        step = 2 * math.pi / teeth
        for frac, r in ((-0.30, r_in), (-0.17, r_out), (0.17, r_out), (0.30, r_in)):
            a = a0 + frac * step
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        a = a0 + 0.5 * step
        pts.append((cx + r_in * math.cos(a), cy + r_in * math.sin(a)))
    p.polygon(pts, fill=INK)
    p.ellipse((cx - 4.0, cy - 4.0, cx + 4.0, cy + 4.0), fill=(160, 170, 194, 255))
    p.ellipse((cx - 2.3, cy - 2.3, cx + 2.3, cy + 2.3), fill=(0, 0, 0, 0))
    return with_shadow(p.result(), s)


def _round_badge(w, h, r, s):
    p = Pen(w, h, s)
    cx, cy = w / 2, h / 2
    p.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(38, 66, 122, 255), outline=INK, width=1.3)
    return p, cx, cy


def icon_help(s):
    p, cx, cy = _round_badge(23, 21, 9.4, s)
    p.text(cx, cy + 0.2, "?", SANS_BOLD, 14.5, INK)
    return with_shadow(p.result(), s)


def icon_about(s):
    p, cx, cy = _round_badge(19, 21, 8.9, s)
    p.ellipse((cx - 1.35, cy - 6.0, cx + 1.35, cy - 3.3), fill=INK)
    p.rect((cx - 1.2, cy - 1.9, cx + 1.2, cy + 5.4), fill=INK, radius=0.4)
    p.rect((cx - 2.8, cy - 1.9, cx + 0.4, cy - 0.8), fill=INK)
    p.rect((cx - 2.8, cy + 4.4, cx + 2.8, cy + 5.6), fill=INK)
    return with_shadow(p.result(), s)


def _small_button(w, h, s):
    p = Pen(w, h, s)
    p.rect((0.5, 0.5, w - 0.5, h - 0.5), fill=(64, 78, 112, 255), outline=(140, 154, 186, 255),
           width=1.0, radius=2.2)
    p.rect((1.6, 1.6, w - 1.6, h / 2), fill=(78, 94, 132, 255), radius=1.4)
    return p


def icon_minimise(s):
    p = _small_button(17, 15, s)
    p.line([(5.0, 10.6), (12.0, 10.6)], INK, 2.0)
    return p.result()


def icon_exit(s):
    p = _small_button(17, 15, s)
    p.line([(5.3, 3.8), (11.7, 11.2)], INK, 1.8)
    p.line([(11.7, 3.8), (5.3, 11.2)], INK, 1.8)
    return p.result()


TITLE_ICONS = [
    (icon_print, (21, 14), (18, 19)),
    (icon_month_list, (76, 12), (16, 19)),
    (icon_links, (102, 14), (19, 19)),
    (icon_home, (446, 12), (19, 21)),
    (icon_gear, (479, 12), (18, 21)),
    (icon_help, (510, 12), (23, 21)),
    (icon_about, (542, 12), (19, 21)),
    (icon_minimise, (590, 14), (17, 15)),
    (icon_exit, (612, 14), (17, 15)),
]
HEMISPHERE_BOX = (47, 11, 22, 24)   # x, y, w, h of the hemisphere switch


# ---------------------------------------------------------------------------
# Status strip
# ---------------------------------------------------------------------------
STATUS_BANDS = [(20, 402), (422, 622)]


def make_status_strip(s):
    c = Canvas.new((W, 21), s)
    c.gradient((0, 0, W - 1, 20), STATUS_TOP, STATUS_BOTTOM)
    c.line([(0, 0), (W - 1, 0)], (250, 251, 253))
    c.line([(0, 20), (W - 1, 20)], (150, 156, 168))
    for x0, x1 in STATUS_BANDS:
        c.gradient((x0, 2, x1, 18), (226, 229, 235), (240, 242, 246))
        c.bevel((x0, 2, x1, 18), (170, 176, 188), (252, 252, 254))   # inset: dark top/left
    return c


# ---------------------------------------------------------------------------
# Window background
# ---------------------------------------------------------------------------
MOON_PANEL = (18, 68, 402, 246)
PHASES_PANEL = (418, 68, 620, 246)
RISESET_PANEL = (18, 258, 262, 344)
SUN_PANEL = (276, 258, 404, 344)
TWILIGHT_PANEL = (18, 356, 262, 464)
MOONDATA_PANEL = (276, 356, 404, 464)
CALENDAR_AREA = (416, 250, 630, 470)
DATAPANEL_BOX = (317, 254, 403, 464)   # inclusive; copied to datapanel.png

TITLE_BOX = (276, 8, 369, 35)


def make_title_strip(c):
    title_band(c)
    # stars in the empty parts of the strip
    keep_out = [(b[0] - 4, b[1] - 4, b[0] + sz[0] + 4, b[1] + sz[1] + 4)
                for _, b, sz in TITLE_ICONS]
    hx, hy, hw, hh = HEMISPHERE_BOX
    keep_out.append((hx - 4, hy - 4, hx + hw + 4, hy + hh + 4))
    keep_out.append((TITLE_BOX[0] - 14, 0, TITLE_BOX[2] + 14, 40))
    stars(c, keep_out, 46, 20240611)

    # the program's name, fitted to its box
    tb = c.text_centered((TITLE_BOX[0] + TITLE_BOX[2]) / 2, (TITLE_BOX[1] + TITLE_BOX[3]) / 2 + 0.5,
                         "Selvane", SERIF, 25, TITLE_INK, shadow=(0, 0, 8))
    c.assert_inside(tb, TITLE_BOX, "Selvane")

    for maker, (x, y), (w, h) in TITLE_ICONS:
        icon = maker(c.scale)
        assert icon.size == (w * c.scale, h * c.scale), (maker.__name__, icon.size)
        c.place(icon, (x, y))


def make_body(c):
    c.gradient((0, 40, W - 1, H - 1), BODY_TOP, BODY_BOTTOM)
    # outer edge of the window body
    c.line([(0, 61), (0, H - 1)], (66, 76, 98))
    c.line([(W - 1, 61), (W - 1, H - 1), (0, H - 1)], (8, 10, 14))


def data_panel(c, box, heading, band_bottom):
    """A steel panel with a darker heading band on top.  Returns the heading's ink box."""
    x0, y0, x1, y1 = panel_frame(c, box)
    c.gradient((x0, band_bottom + 1, x1, y1), STEEL_TOP, STEEL_BOTTOM)
    c.gradient((x0, y0, x1, band_bottom), BAND_TOP, BAND_BOTTOM)
    c.line([(x0, y0), (x1, y0)], (92, 106, 134))                  # band top highlight
    c.line([(x0, band_bottom), (x1, band_bottom)], (22, 26, 36))  # band lower edge
    c.line([(x0, band_bottom + 1), (x1, band_bottom + 1)], (134, 148, 172))
    cx = (box[0] + box[2]) / 2
    cy = (y0 + band_bottom) / 2 + 0.5
    return c.text_centered(cx, cy, words(heading), SANS_BOLD, 14, HEADING_TEXT,
                           shadow=(14, 16, 24), by_caps=True)


def make_background(s):
    """The main window at scale s; returns the canvas and the headings' ink boxes."""
    c = Canvas.new((W, H), s, (128, 128, 128))
    make_body(c)
    make_title_strip(c)
    c.img.paste(make_status_strip(s).img, (0, 40 * s))

    for box in (MOON_PANEL, PHASES_PANEL):
        c.fill(panel_frame(c, box), (0, 0, 0))

    headings = {}
    headings["Rise/Set Times"] = data_panel(c, RISESET_PANEL, "Rise/Set Times", 284)
    headings["Sun"] = data_panel(c, SUN_PANEL, "Sun", 284)
    headings["Twilight"] = data_panel(c, TWILIGHT_PANEL, "Twilight", 380)
    headings["Moon"] = data_panel(c, MOONDATA_PANEL, "Moon", 380)
    # the Sun and Moon headings must lie inside the part copied to datapanel.png
    for k in ("Sun", "Moon"):
        c.assert_inside(headings[k], DATAPANEL_BOX, k)

    x0, y0, x1, y1 = panel_frame(c, CALENDAR_AREA)
    c.gradient((x0, y0, x1, y1), CAL_TOP, CAL_BOTTOM)
    # a quiet engraved rule between the weekday titles and the days
    c.line([(x0 + 8, 308), (x1 - 8, 308)], (100, 110, 128))
    c.line([(x0 + 8, 309), (x1 - 8, 309)], (150, 160, 178))
    return c, headings


# ---------------------------------------------------------------------------
# The Moon from the albedo map
# ---------------------------------------------------------------------------
_MAP = None


def lunar_map():
    """The map as linear-light float RGB, its contrast widened so the maria
    stand out as they do to the eye at full Moon."""
    global _MAP
    if _MAP is None:
        m = np.asarray(Image.open(MOON_MAP).convert("RGB")).astype(np.float64) / 255.0
        lo, hi = 0.21, 0.86            # near-side 0.1 / 99.5 percentiles lie near these
        m = np.clip((m - lo) / (hi - lo), 0.0, 1.0)
        m = 0.10 + 0.90 * m ** 0.85    # lift the mid-tones a little, keep the maria dark
        m = m ** 2.2                   # to linear light
        _MAP = m
    return _MAP


def sample_map(lat, lon):
    """Bilinear sample of the map at latitude/longitude arrays (radians).
    Longitude 0 is the centre column, east to the right; north at the top."""
    m = lunar_map()
    h, w, _ = m.shape
    u = (lon / (2 * math.pi) + 0.5) * w - 0.5
    v = (0.5 - lat / math.pi) * h - 0.5
    u0 = np.floor(u).astype(int)
    v0 = np.floor(v).astype(int)
    fu = (u - u0)[..., None]
    fv = (v - v0)[..., None]
    u0 %= w
    u1 = (u0 + 1) % w
    v0c = np.clip(v0, 0, h - 1)
    v1c = np.clip(v0 + 1, 0, h - 1)
    a = m[v0c, u0] * (1 - fu) + m[v0c, u1] * fu
    b = m[v1c, u0] * (1 - fu) + m[v1c, u1] * fu
    return a * (1 - fv) + b * fv


def render_moon(size, ss, sun=(0.0, 0.0, 1.0), earthshine=0.0, limb=0.10,
                unlit_floor=None, radius=None):
    """Orthographic view of the near side, north up, lon 0 at the centre.

    size: output pixels; the disc has centre (size/2, size/2) and radius
    `radius` (default size/2) in output pixels.  ss: supersampling factor per
    axis.  sun: direction of the sunlight in view coordinates (x right, y up,
    z toward the viewer).  Returns float linear RGB (size, size, 3) and the
    coverage (size, size)."""
    if radius is None:
        radius = size / 2
    n = size * ss
    c = (np.arange(n) + 0.5) / ss - size / 2
    x = c[None, :] / radius
    y = -c[:, None] / radius
    x, y = np.broadcast_arrays(x, y)
    rr = x * x + y * y
    inside = rr < 1.0
    z = np.sqrt(np.clip(1.0 - rr, 0.0, 1.0))
    lat = np.arcsin(np.clip(y, -1, 1))
    lon = np.arctan2(x, z)
    alb = sample_map(lat, lon)

    sx, sy, sz = sun
    norm = math.sqrt(sx * sx + sy * sy + sz * sz)
    sx, sy, sz = sx / norm, sy / norm, sz / norm
    cos_i = x * sx + y * sy + z * sz
    cos_e = z
    # Lommel-Seeliger scattering, normalised to 1 at full Moon, capped: a flat
    # full Moon and the bright limb of a quarter Moon, as the eye sees them.
    ls = np.where(cos_i > 0, 2.0 * cos_i / np.maximum(cos_i + cos_e, 1e-6), 0.0)
    ls = np.clip(ls, 0.0, 1.0)
    # very slight limb darkening, so the disc reads as a sphere
    ls = ls * (1.0 - limb + limb * np.sqrt(cos_e))
    light = ls + earthshine * (1.0 - ls)
    rgb = alb * light[..., None]
    rgb = np.where(inside[..., None], rgb, 0.0)
    cov = inside.astype(np.float64)

    rgb = rgb.reshape(size, ss, size, ss, 3).mean(axis=(1, 3))
    cov = cov.reshape(size, ss, size, ss).mean(axis=(1, 3))
    return rgb, cov


def to_srgb8(lin):
    return np.clip(np.rint(255.0 * np.clip(lin, 0, 1) ** (1 / 2.2)), 0, 255).astype(np.uint8)


def moon_on_black(size, ss, **kw):
    rgb, _ = render_moon(size, ss, **kw)
    return Image.fromarray(to_srgb8(rgb), "RGB")


def moon_rgba(size, ss, **kw):
    rgb, cov = render_moon(size, ss, **kw)
    # un-premultiply the edge pixels so the disc composites cleanly
    straight = rgb / np.maximum(cov, 1e-6)[..., None]
    out = np.dstack([to_srgb8(straight), np.clip(np.rint(cov * 255), 0, 255).astype(np.uint8)])
    return Image.fromarray(out, "RGBA")


def sharpen(img, amount=40, radius=1.0):
    return img.filter(ImageFilter.UnsharpMask(radius=radius, percent=amount, threshold=1))


# Map samples per output pixel and axis for moon.png: the 2x picture takes fewer per pixel
# for about the same number per map texel.
MOON_SAMPLES = {1: 6, 2: 4}


def make_moon(s):
    img = moon_on_black(150 * s, MOON_SAMPLES[s], limb=0.12)
    return sharpen(img, 35, radius=1.0 * s)


PHASE_SIZE = 27


def make_phase(which, s):
    size = PHASE_SIZE * s
    common = dict(radius=12.5 * s, limb=0.12)
    if which == "new":
        # just a dim disc, like earthshine, so the position can be seen
        return moon_on_black(size, 8, sun=(0, 0, -1), earthshine=0.016, **common)
    if which == "full":
        return moon_on_black(size, 8, sun=(0, 0, 1), **common)
    if which == "firstquarter":
        # northern observer: the Sun lies west of the Moon, to the right
        return moon_on_black(size, 8, sun=(1, 0, 0), earthshine=0.006, **common)
    if which == "lastquarter":
        return moon_on_black(size, 8, sun=(-1, 0, 0), earthshine=0.006, **common)
    raise ValueError(which)


def icon_moon(size):
    """Waxing gibbous Moon on a transparent background for the window icon."""
    # phase angle 65 degrees: the Sun 65 degrees off the line of sight, to the right
    sun = (math.sin(math.radians(65)), 0.0, math.cos(math.radians(65)))
    ss = 4 if size >= 128 else 8
    im = moon_rgba(size, ss, sun=sun, earthshine=0.035, limb=0.15)
    if size <= 32:
        im = sharpen(im, 30)
    return im


# ---------------------------------------------------------------------------
# Hemisphere switch
# ---------------------------------------------------------------------------
def make_hemisphere(base, north, s):
    """A small globe with the selected half lit, on the title strip's pixels `base`."""
    w, h = 22, 24
    p = Pen(w, h, s)
    cx, cy, r = 11.0, 11.2, 9.6
    lit = (236, 214, 140, 255)
    dim = (34, 50, 92, 255)
    p.ellipse((cx - r, cy - r, cx + r, cy + r), fill=dim)
    box = (cx - r, cy - r, cx + r, cy + r)
    if north:
        p.pieslice(box, 180, 360, fill=lit)
    else:
        p.pieslice(box, 0, 180, fill=lit)
    # a faint meridian in the dark half only, the equator, the rim
    q = 1 if north else -1
    p.line([(cx, cy + q * 1.2), (cx, cy + q * (r - 1.0))], (70, 86, 126, 255), 0.8)
    p.line([(cx - r, cy), (cx + r, cy)], (250, 250, 255, 255), 1.0)
    p.ellipse((cx - r, cy - r, cx + r, cy + r), outline=INK, width=1.1)
    # the initial of the selected hemisphere, dark on its lit half
    letter_y = cy - r * 0.47 if north else cy + r * 0.47
    p.text(cx, letter_y, "N" if north else "S", SANS_BOLD, 8.5, (24, 32, 64, 255))
    glyph = with_shadow(p.result(), s, strength=0.5)
    out = base.convert("RGBA")
    out.alpha_composite(glyph)
    return out.convert("RGB")


# ---------------------------------------------------------------------------
# Calendar parts
# ---------------------------------------------------------------------------
def make_selection(s):
    w, h = 25, 23
    c = Canvas.new((w, h), s)
    c.gradient((0, 0, w - 1, h - 1), (64, 68, 80), (50, 54, 64))
    c.outline((0, 0, w - 1, h - 1), (28, 30, 38))
    c.bevel((1, 1, w - 2, h - 2), (100, 106, 122), (36, 38, 46))
    return c.img


MONTHS = ["January", "February", "March", "April", "May", "June", "July",
          "August", "September", "October", "November", "December"]


def make_month_picker(s):
    w, bh = 100, 29
    c = Canvas.new((w, bh * 12), s)
    for i, name in enumerate(MONTHS):
        y0 = i * bh
        c.gradient((0, y0, w - 1, y0 + bh - 1), (66, 78, 104), (40, 47, 65))
        c.outline((0, y0, w - 1, y0 + bh - 1), (12, 14, 20))
        c.bevel((1, y0 + 1, w - 2, y0 + bh - 2), (112, 126, 154), (26, 30, 42))
        c.caps_text(27, y0, bh, words(name), SANS_BOLD, 13, (236, 239, 246), shadow=(10, 12, 18))
    return c.img


def make_arrow(s):
    p = Pen(13, 17, s)
    tip = [(2.0, 1.6), (11.8, 8.5), (2.0, 15.4)]
    p.polygon(tip, fill=(92, 70, 0, 235))
    inner = [(3.1, 3.6), (9.9, 8.5), (3.1, 13.4)]
    p.polygon(inner, fill=(255, 222, 40, 255))
    # a lighter upper facet gives it a little volume
    p.polygon([(3.1, 3.6), (9.9, 8.5), (3.1, 8.5)], fill=(255, 242, 130, 255))
    return p.result()


def make_year_box(s):
    w, h = 60, 29
    c = Canvas.new((w, h), s)
    c.gradient((0, 0, w - 1, h - 1), (226, 228, 232), (242, 243, 246))
    c.outline((0, 0, w - 1, h - 1), (96, 102, 116))
    c.bevel((1, 1, w - 2, h - 2), (168, 172, 182), (252, 252, 254))   # sunken
    return c.img


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------
def file_name(name, scale):
    """name.png for the 1x picture, name@2x.png for the one at twice the resolution."""
    if scale == 1:
        return name
    stem, ext = os.path.splitext(name)
    return "%s@%dx%s" % (stem, scale, ext)


def save_png(img, name, scale=1):
    path = os.path.join(OUT, file_name(name, scale))
    img.save(path, "PNG", optimize=True)
    return path


def save_jpg(img, name, quality, scale=1):
    path = os.path.join(OUT, file_name(name, scale))
    img.save(path, "JPEG", quality=quality, optimize=True, subsampling=0)
    return path


# 1x sizes; every picture but the application icons also has its 2x picture.
EXPECTED = {
    "background.jpg": (640, 480),
    "statusstrip.png": (640, 21),
    "datapanel.png": (87, 211),
    "moon.png": (150, 150),
    "phase_new.png": (27, 27),
    "phase_firstquarter.png": (27, 27),
    "phase_full.png": (27, 27),
    "phase_lastquarter.png": (27, 27),
    "phase_blank.png": (27, 27),
    "hemisphere_north.png": (22, 24),
    "hemisphere_south.png": (22, 24),
    "selection.png": (25, 23),
    "monthpicker.jpg": (100, 348),
    "arrow.png": (13, 17),
    "yearbox.png": (60, 29),
    "icon.png": (256, 256),
    "Selvane.ico": (256, 256),
}
ONE_SCALE = {"icon.png", "Selvane.ico"}


def verify():
    """Reopen every written picture and check its size: the 2x pictures exactly twice
    the 1x ones."""
    ok = True
    for size in THEME_SIZES:
        path = os.path.join(THEME_DIR, "%d.png" % size)
        with Image.open(path) as im:
            good = im.size == (size, size) and im.mode == "RGBA"
            ok &= good
            print("%-30s %4d x %-4d %-5s %7d bytes%s" % (
                "icons/%d.png" % size, im.width, im.height, im.mode, os.path.getsize(path),
                "" if good else "  WRONG SIZE"))
    for name, (w, h) in EXPECTED.items():
        scales = (1,) if name in ONE_SCALE else SCALES
        for scale in scales:
            shown = file_name(name, scale)
            path = os.path.join(OUT, shown)
            with Image.open(path) as im:
                extra = ""
                if name.endswith(".ico"):
                    extra = " sizes " + ",".join(str(x) for x, _ in sorted(im.info["sizes"]))
                good = im.size == (w * scale, h * scale)
                ok &= good
                print("%-30s %4d x %-4d %-5s %7d bytes%s%s" % (
                    shown, im.width, im.height, im.mode, os.path.getsize(path), extra,
                    "" if good else "  WRONG SIZE"))
    return ok


def make_window_pictures(s):
    """The main window's pictures at scale s; returns the headings' ink boxes."""
    bg, headings = make_background(s)
    save_jpg(bg.img, "background.jpg", 92, s)
    save_png(bg.crop(DATAPANEL_BOX), "datapanel.png", s)
    save_png(make_status_strip(s).img, "statusstrip.png", s)

    hx, hy, hw, hh = HEMISPHERE_BOX
    strip = bg.crop((hx, hy, hx + hw - 1, hy + hh - 1))
    save_png(make_hemisphere(strip, True, s), "hemisphere_north.png", s)
    save_png(make_hemisphere(strip, False, s), "hemisphere_south.png", s)

    save_png(make_moon(s), "moon.png", s)
    for which in ("new", "firstquarter", "full", "lastquarter"):
        save_png(make_phase(which, s), "phase_%s.png" % which, s)
    size = PHASE_SIZE * s
    save_png(Image.new("RGB", (size, size), (0, 0, 0)), "phase_blank.png", s)

    save_png(make_selection(s), "selection.png", s)
    save_jpg(make_month_picker(s), "monthpicker.jpg", 92, s)
    save_png(make_arrow(s), "arrow.png", s)
    save_png(make_year_box(s), "yearbox.png", s)
    return headings


# The desktop's icon theme sizes: menus and panels use 16 to 32, docks and launchers 48 to 128,
# software centres 128 and more; 48 is the theme's required fallback.
THEME_SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]
THEME_DIR = os.path.join(OUT, "icons")


def theme_icon(size):
    """The theme's icon at `size`: the window icon, but at menu and panel sizes with a fainter
    earthshine and a firmer edge, so the gibbous shape still reads in 16 to 32 pixels."""
    if size > 32:
        return icon_moon(size)
    sun = (math.sin(math.radians(65)), 0.0, math.cos(math.radians(65)))
    im = moon_rgba(size, 8, sun=sun, earthshine=0.008, limb=0.10)
    return sharpen(im, 60)


def make_app_icons():
    """icon.png, Selvane.ico and the theme icons icons/<n>.png: each size rendered on its own
    from the map, so the small ones are drawn for their pixels, not scaled down."""
    icons = {s: icon_moon(s) for s in THEME_SIZES}
    save_png(icons[256], "icon.png")
    ico = [16, 32, 48, 64, 256]
    icons[256].save(os.path.join(OUT, "Selvane.ico"), format="ICO",
                    sizes=[(s, s) for s in ico],
                    append_images=[icons[s] for s in ico if s != 256])
    os.makedirs(THEME_DIR, exist_ok=True)
    for size in THEME_SIZES:
        theme_icon(size).save(os.path.join(THEME_DIR, "%d.png" % size), "PNG", optimize=True)


def make_wordless(others):
    """The pictures with words, without them, into resources/wordless/."""
    # The other tools import this file as make_artwork, a module apart from __main__.
    for module in {sys.modules[__name__], sys.modules["make_artwork"]}:
        module.WORDLESS = True
        module.OUT = WORDLESS_DIR
    os.makedirs(WORDLESS_DIR, exist_ok=True)
    for s in SCALES:
        bg, _ = make_background(s)
        save_jpg(bg.img, "background.jpg", 92, s)
        save_png(bg.crop(DATAPANEL_BOX), "datapanel.png", s)
        save_jpg(make_month_picker(s), "monthpicker.jpg", 92, s)
        for module in others:
            for name in module.make(s):
                if name not in WORDY:
                    os.remove(os.path.join(WORDLESS_DIR, file_name(name, s)))
    for name in sorted(os.listdir(WORDLESS_DIR)):
        with Image.open(os.path.join(WORDLESS_DIR, name)) as im:
            print("wordless/%-28s %4d x %-4d" % (name, im.width, im.height))
    return 0


def main():
    os.makedirs(OUT, exist_ok=True)
    others = [__import__(name) for name in (
        "art_aux",        # the about window and the links window
        "art_timelist",   # the time list window
        "art_settings",   # the two settings windows
    )]
    if "--wordless" in sys.argv[1:]:
        return make_wordless(others)
    for s in SCALES:
        headings = make_window_pictures(s)
        for module in others:
            EXPECTED.update(module.make(s))
        if s == 1:
            for k, b in headings.items():
                print("heading %-15s ink box x %d..%d, y %d..%d" % (k, b[0], b[2], b[1], b[3]))
    make_app_icons()
    return 0 if verify() else 1


if __name__ == "__main__":
    sys.exit(main())
