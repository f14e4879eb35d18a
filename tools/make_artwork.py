#!/usr/bin/python3
"""Generate every picture Selvane shows, into resources/.

Run from the repository root:

    /usr/bin/python3 tools/make_artwork.py

Needs python3-pil and python3-numpy, the Liberation fonts (fonts-liberation)
and the lunar albedo map from stellarium-data
(/usr/share/stellarium/textures/moon_4k.jpg).

The output is deterministic: no clock, no unseeded randomness.  The window
artwork is drawn at 1:1 with pixel-exact frames; icons, glyphs and the Moon
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


def paste_grad(img, box, top, bottom):
    """Fill the inclusive box (x0, y0, x1, y1) with a vertical gradient."""
    x0, y0, x1, y1 = box
    img.paste(to_img(vgrad(x1 - x0 + 1, y1 - y0 + 1, top, bottom)), (x0, y0))


def bevel(draw, box, light, dark):
    """One-pixel raised bevel on the edge of the inclusive box."""
    x0, y0, x1, y1 = box
    draw.line([(x0, y1), (x0, y0), (x1, y0)], fill=light)
    draw.line([(x1, y0 + 1), (x1, y1), (x0 + 1, y1)], fill=dark)


def panel_frame(img, box):
    """The frame shared by all panels: a soft drop shadow on the body, a raised
    metal rim and a black hairline inside it.  Returns the interior box."""
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    # soft shadow, one and two pixels below/right of the frame
    shade = Image.new("L", img.size, 0)
    sd = ImageDraw.Draw(shade)
    sd.rectangle((x0 + 2, y0 + 2, x1 + 2, y1 + 2), fill=70)
    sd.rectangle((x0 + 1, y0 + 1, x1 + 1, y1 + 1), fill=110)
    black = Image.new("RGB", img.size, (0, 0, 0))
    img.paste(black, (0, 0), shade)
    d.rectangle(box, fill=(60, 70, 92))
    bevel(d, box, RIM_LIGHT, RIM_DARK)
    d.rectangle((x0 + 1, y0 + 1, x1 - 1, y1 - 1), outline=RIM_INNER)
    return (x0 + 2, y0 + 2, x1 - 2, y1 - 2)


def text_size(f, s):
    l, t, r, b = f.getbbox(s)
    return r - l, b - t, l, t


def draw_text_centered(draw, cx, cy, s, f, fill, shadow=None, by_caps=False):
    """Centre the ink of s on (cx, cy); returns the ink box.  With by_caps the
    capital height is centred instead, so headings share one baseline whether
    or not they have descenders."""
    w, h, l, t = text_size(f, s)
    x = round(cx - w / 2 - l)
    if by_caps:
        _, ch, _, ct = text_size(f, "H")
        y = round(cy - ch / 2 - ct)
    else:
        y = round(cy - h / 2 - t)
    if shadow is not None:
        draw.text((x + 1, y + 1), s, font=f, fill=shadow)
    draw.text((x, y), s, font=f, fill=fill)
    return (x + l, y + t, x + l + w - 1, y + t + h - 1)


# ---------------------------------------------------------------------------
# Supersampled vector drawing, for icons and small marks.
# ---------------------------------------------------------------------------
SS = 8


class Pen:
    """Draws in 1:1 pixel coordinates on an SS-times larger RGBA canvas.

    Coordinates are continuous: (0, 0) is the top-left corner of the top-left
    pixel, so a pixel centre is at (i + 0.5, j + 0.5)."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.im = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.im)

    def pts(self, pts):
        return [(x * SS, y * SS) for x, y in pts]

    def line(self, pts, fill, width):
        self.d.line(self.pts(pts), fill=fill, width=max(1, round(width * SS)), joint="curve")
        # round caps
        r = width * SS / 2
        for x, y in self.pts([pts[0], pts[-1]]):
            self.d.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def polygon(self, pts, fill=None, outline=None, width=1.0):
        self.d.polygon(self.pts(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        x0, y0, x1, y1 = (v * SS for v in box)
        self.d.ellipse((x0, y0, x1, y1), fill=fill, outline=outline,
                       width=max(1, round(width * SS)) if outline else 0)

    def rect(self, box, fill=None, outline=None, width=1.0, radius=0.0):
        x0, y0, x1, y1 = (v * SS for v in box)
        self.d.rounded_rectangle((x0, y0, x1, y1), radius=radius * SS, fill=fill,
                                 outline=outline,
                                 width=max(1, round(width * SS)) if outline else 0)

    def text(self, cx, cy, s, path, size, fill):
        f = ImageFont.truetype(path, round(size * SS))
        l, t, r, b = f.getbbox(s)
        self.d.text((cx * SS - (l + r) / 2, cy * SS - (t + b) / 2), s, font=f, fill=fill)

    def result(self):
        return self.im.resize((self.w, self.h), Image.Resampling.LANCZOS)


def with_shadow(icon, dx=1, dy=1, strength=0.55):
    """Add a soft dark drop shadow under an RGBA icon (same size)."""
    a = icon.getchannel("A")
    sh = Image.new("RGBA", icon.size, (0, 0, 0, 0))
    shifted = Image.new("L", icon.size, 0)
    shifted.paste(a, (dx, dy))
    shifted = shifted.filter(ImageFilter.GaussianBlur(0.6))
    shifted = shifted.point(lambda v: int(v * strength))
    sh.putalpha(shifted)
    return Image.alpha_composite(sh, icon)


def place(img, icon, xy):
    base = img.convert("RGBA")
    base.alpha_composite(icon, xy)
    img.paste(base.convert("RGB"))


# ---------------------------------------------------------------------------
# Title-strip command icons.  Each draws inside its clickable box.
# ---------------------------------------------------------------------------
INK = ICON_INK + (255,)
INK_SOFT = tuple(int(c * 0.72) for c in ICON_INK) + (255,)
DARK_FILL = (22, 30, 56, 255)


def icon_print():
    p = Pen(18, 19)
    p.rect((4.5, 1.0, 13.5, 7.0), fill=(240, 242, 248, 255))               # paper in
    p.rect((1.0, 6.0, 17.0, 14.0), fill=INK, radius=2.0)                      # body
    p.rect((2.6, 7.6, 15.4, 9.0), fill=(150, 160, 184, 255), radius=0.6)     # top slot shade
    p.ellipse((13.2, 10.2, 15.0, 12.0), fill=(90, 200, 120, 255))            # power lamp
    p.rect((4.5, 11.0, 13.5, 18.2), fill=(250, 250, 252, 255), outline=(120, 130, 150, 255),
           width=0.7)                                                         # paper out
    for y in (13.4, 15.2):
        p.line([(6.2, y), (11.8, y)], (120, 130, 150, 255), 0.8)
    return with_shadow(p.result())


def icon_month_list():
    p = Pen(16, 19)
    p.rect((1.0, 1.0, 15.0, 18.0), fill=(244, 246, 250, 255), radius=1.2)
    p.rect((1.0, 1.0, 15.0, 5.2), fill=(112, 132, 176, 255), radius=1.2)
    p.rect((1.0, 3.5, 15.0, 5.2), fill=(112, 132, 176, 255))
    ink = (110, 120, 142, 255)
    for y in (8.0, 10.6, 13.2, 15.8):
        p.line([(3.0, y), (5.0, y)], ink, 0.9)
        p.line([(7.0, y), (13.0, y)], ink, 0.9)
    return with_shadow(p.result())


def icon_links():
    p = Pen(19, 19)
    c, r = 9.5, 8.3
    p.ellipse((c - r, c - r, c + r, c + r), fill=(38, 70, 128, 255), outline=INK, width=1.3)
    p.ellipse((c - r * 0.42, c - r, c + r * 0.42, c + r), outline=INK, width=1.0)
    p.line([(c, c - r), (c, c + r)], INK, 1.0)
    p.line([(c - r, c), (c + r, c)], INK, 1.0)
    for dy in (-4.3, 4.3):
        half = math.sqrt(r * r - dy * dy) - 0.6
        p.line([(c - half, c + dy), (c + half, c + dy)], INK, 0.9)
    return with_shadow(p.result())


def icon_home():
    p = Pen(19, 21)
    p.rect((13.0, 3.0, 15.4, 8.5), fill=INK_SOFT)                             # chimney
    p.polygon([(9.5, 1.5), (18.2, 9.6), (0.8, 9.6)], fill=INK)                # roof
    p.rect((3.2, 9.0, 15.8, 19.5), fill=INK)                                   # walls
    p.rect((7.6, 12.6, 11.4, 19.5), fill=DARK_FILL, radius=0.6)                # door
    p.line([(0.9, 9.8), (18.1, 9.8)], (150, 162, 190, 255), 0.8)               # eave
    return with_shadow(p.result())


def icon_gear():
    p = Pen(18, 21)
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
    return with_shadow(p.result())


def _round_badge(w, h, r):
    p = Pen(w, h)
    cx, cy = w / 2, h / 2
    p.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(38, 66, 122, 255), outline=INK, width=1.3)
    return p, cx, cy


def icon_help():
    p, cx, cy = _round_badge(23, 21, 9.4)
    p.text(cx, cy + 0.2, "?", SANS_BOLD, 14.5, INK)
    return with_shadow(p.result())


def icon_about():
    p, cx, cy = _round_badge(19, 21, 8.9)
    p.ellipse((cx - 1.35, cy - 6.0, cx + 1.35, cy - 3.3), fill=INK)
    p.rect((cx - 1.2, cy - 1.9, cx + 1.2, cy + 5.4), fill=INK, radius=0.4)
    p.rect((cx - 2.8, cy - 1.9, cx + 0.4, cy - 0.8), fill=INK)
    p.rect((cx - 2.8, cy + 4.4, cx + 2.8, cy + 5.6), fill=INK)
    return with_shadow(p.result())


def _small_button(w, h):
    p = Pen(w, h)
    p.rect((0.5, 0.5, w - 0.5, h - 0.5), fill=(64, 78, 112, 255), outline=(140, 154, 186, 255),
           width=1.0, radius=2.2)
    p.rect((1.6, 1.6, w - 1.6, h / 2), fill=(78, 94, 132, 255), radius=1.4)
    return p


def icon_minimise():
    p = _small_button(17, 15)
    p.line([(5.0, 10.6), (12.0, 10.6)], INK, 2.0)
    return p.result()


def icon_exit():
    p = _small_button(17, 15)
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


def make_status_strip():
    img = to_img(vgrad(W, 21, STATUS_TOP, STATUS_BOTTOM))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (W - 1, 0)], fill=(250, 251, 253))
    d.line([(0, 20), (W - 1, 20)], fill=(150, 156, 168))
    for x0, x1 in STATUS_BANDS:
        paste_grad(img, (x0, 2, x1, 18), (226, 229, 235), (240, 242, 246))
        d.line([(x0, 18), (x0, 2), (x1, 2)], fill=(170, 176, 188))   # inset: dark top/left
        d.line([(x1, 3), (x1, 18), (x0 + 1, 18)], fill=(252, 252, 254))
    return img


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


def title_stars(img):
    """A sparse, fixed field of faint stars in the empty parts of the strip."""
    rng = np.random.default_rng(20240611)
    keep_out = [(b[0] - 4, b[1] - 4, b[0] + s[0] + 4, b[1] + s[1] + 4) for _, b, s in TITLE_ICONS]
    hx, hy, hw, hh = HEMISPHERE_BOX
    keep_out.append((hx - 4, hy - 4, hx + hw + 4, hy + hh + 4))
    keep_out.append((TITLE_BOX[0] - 14, 0, TITLE_BOX[2] + 14, 40))
    px = img.load()
    n = 0
    while n < 46:
        x = int(rng.integers(3, W - 3))
        y = int(rng.integers(3, 35))
        mag = float(rng.random())
        if any(a <= x <= c and b <= y <= e for a, b, c, e in keep_out):
            continue
        n += 1
        peak = 0.18 + 0.5 * mag ** 3
        tint = np.array((200, 212, 255)) if rng.random() < 0.7 else np.array((255, 236, 210))
        for dx, dy, wgt in ((0, 0, 1.0), (1, 0, 0.25), (-1, 0, 0.25), (0, 1, 0.25), (0, -1, 0.25)):
            r, g, b = px[x + dx, y + dy]
            a = peak * wgt
            px[x + dx, y + dy] = tuple(int(round(c0 * (1 - a) + c1 * a))
                                      for c0, c1 in zip((r, g, b), tint))


def make_title_strip(img):
    paste_grad(img, (0, 0, W - 1, 39), TITLE_TOP, TITLE_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (W - 1, 0)], fill=(58, 72, 116))
    # fine highlight line along the bottom, brightest in the middle
    px = img.load()
    for x in range(W):
        t = 1.0 - abs(x - W / 2) / (W / 2)
        a = 0.25 + 0.6 * t ** 1.5
        base = px[x, 38]
        px[x, 38] = tuple(int(round(b * (1 - a) + c * a)) for b, c in zip(base, (120, 146, 206)))
        px[x, 39] = (0, 0, 0)
    title_stars(img)

    # the program's name, fitted to its box
    f = font(SERIF, 25)
    tb = draw_text_centered(d, (TITLE_BOX[0] + TITLE_BOX[2]) / 2, (TITLE_BOX[1] + TITLE_BOX[3]) / 2 + 0.5,
                            "Selvane", f, TITLE_INK, shadow=(0, 0, 8))
    assert TITLE_BOX[0] <= tb[0] and tb[2] <= TITLE_BOX[2], tb
    assert TITLE_BOX[1] <= tb[1] and tb[3] <= TITLE_BOX[3], tb

    for maker, (x, y), (w, h) in TITLE_ICONS:
        icon = maker()
        assert icon.size == (w, h), (maker.__name__, icon.size)
        place(img, icon, (x, y))


def make_body(img):
    paste_grad(img, (0, 40, W - 1, H - 1), BODY_TOP, BODY_BOTTOM)
    d = ImageDraw.Draw(img)
    # outer edge of the window body
    d.line([(0, 61), (0, H - 1)], fill=(66, 76, 98))
    d.line([(W - 1, 61), (W - 1, H - 1), (0, H - 1)], fill=(8, 10, 14))


def data_panel(img, box, heading, band_bottom):
    """A steel panel with a darker heading band on top."""
    inner = panel_frame(img, box)
    x0, y0, x1, y1 = inner
    paste_grad(img, (x0, band_bottom + 1, x1, y1), STEEL_TOP, STEEL_BOTTOM)
    paste_grad(img, (x0, y0, x1, band_bottom), BAND_TOP, BAND_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(x0, y0), (x1, y0)], fill=(92, 106, 134))                 # band top highlight
    d.line([(x0, band_bottom), (x1, band_bottom)], fill=(22, 26, 36))  # band lower edge
    d.line([(x0, band_bottom + 1), (x1, band_bottom + 1)], fill=(134, 148, 172))
    f = font(SANS_BOLD, 14)
    cx = (box[0] + box[2]) / 2
    cy = (y0 + band_bottom) / 2 + 0.5
    return draw_text_centered(d, cx, cy, heading, f, HEADING_TEXT, shadow=(14, 16, 24),
                              by_caps=True)


def make_background():
    img = Image.new("RGB", (W, H), (128, 128, 128))
    make_body(img)
    make_title_strip(img)
    img.paste(make_status_strip(), (0, 40))

    for box in (MOON_PANEL, PHASES_PANEL):
        x0, y0, x1, y1 = panel_frame(img, box)
        ImageDraw.Draw(img).rectangle((x0, y0, x1, y1), fill=(0, 0, 0))

    headings = {}
    headings["Rise/Set Times"] = data_panel(img, RISESET_PANEL, "Rise/Set Times", 284)
    headings["Sun"] = data_panel(img, SUN_PANEL, "Sun", 284)
    headings["Twilight"] = data_panel(img, TWILIGHT_PANEL, "Twilight", 380)
    headings["Moon"] = data_panel(img, MOONDATA_PANEL, "Moon", 380)
    # the Sun and Moon headings must lie inside the part copied to datapanel.png
    for k in ("Sun", "Moon"):
        b = headings[k]
        assert DATAPANEL_BOX[0] <= b[0] and b[2] <= DATAPANEL_BOX[2], (k, b)

    x0, y0, x1, y1 = panel_frame(img, CALENDAR_AREA)
    paste_grad(img, (x0, y0, x1, y1), CAL_TOP, CAL_BOTTOM)
    d = ImageDraw.Draw(img)
    # a quiet engraved rule between the weekday titles and the days
    d.line([(x0 + 8, 308), (x1 - 8, 308)], fill=(100, 110, 128))
    d.line([(x0 + 8, 309), (x1 - 8, 309)], fill=(150, 160, 178))
    return img, headings


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


def sharpen(img, amount=40):
    return img.filter(ImageFilter.UnsharpMask(radius=1.0, percent=amount, threshold=1))


def make_moon():
    img = moon_on_black(150, 6, limb=0.12)
    return sharpen(img, 35)


PHASE_SIZE = 27


def make_phase(which):
    common = dict(radius=12.5, limb=0.12)
    if which == "new":
        # just a dim disc, like earthshine, so the position can be seen
        return moon_on_black(PHASE_SIZE, 8, sun=(0, 0, -1), earthshine=0.016, **common)
    if which == "full":
        return moon_on_black(PHASE_SIZE, 8, sun=(0, 0, 1), **common)
    if which == "firstquarter":
        # northern observer: the Sun lies west of the Moon, to the right
        return moon_on_black(PHASE_SIZE, 8, sun=(1, 0, 0), earthshine=0.006, **common)
    if which == "lastquarter":
        return moon_on_black(PHASE_SIZE, 8, sun=(-1, 0, 0), earthshine=0.006, **common)
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
def make_hemisphere(base, north):
    """A small globe with the selected half lit, on the title strip."""
    w, h = 22, 24
    p = Pen(w, h)
    cx, cy, r = 11.0, 11.2, 9.6
    lit = (236, 214, 140, 255)
    dim = (34, 50, 92, 255)
    p.ellipse((cx - r, cy - r, cx + r, cy + r), fill=dim)
    box = ((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS)
    if north:
        p.d.pieslice(box, 180, 360, fill=lit)
    else:
        p.d.pieslice(box, 0, 180, fill=lit)
    # a faint meridian in the dark half only, the equator, the rim
    q = 1 if north else -1
    p.line([(cx, cy + q * 1.2), (cx, cy + q * (r - 1.0))], (70, 86, 126, 255), 0.8)
    p.line([(cx - r, cy), (cx + r, cy)], (250, 250, 255, 255), 1.0)
    p.ellipse((cx - r, cy - r, cx + r, cy + r), outline=INK, width=1.1)
    # the initial of the selected hemisphere, dark on its lit half
    letter_y = cy - r * 0.47 if north else cy + r * 0.47
    p.text(cx, letter_y, "N" if north else "S", SANS_BOLD, 8.5, (24, 32, 64, 255))
    glyph = with_shadow(p.result(), strength=0.5)
    out = base.convert("RGBA")
    out.alpha_composite(glyph)
    return out.convert("RGB")


# ---------------------------------------------------------------------------
# Calendar parts
# ---------------------------------------------------------------------------
def make_selection():
    w, h = 25, 23
    img = to_img(vgrad(w, h, (64, 68, 80), (50, 54, 64)))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=(28, 30, 38))
    bevel(d, (1, 1, w - 2, h - 2), (100, 106, 122), (36, 38, 46))
    return img


MONTHS = ["January", "February", "March", "April", "May", "June", "July",
          "August", "September", "October", "November", "December"]


def make_month_picker():
    w, bh = 100, 29
    img = Image.new("RGB", (w, bh * 12), (0, 0, 0))
    f = font(SANS_BOLD, 13)
    for i, name in enumerate(MONTHS):
        y0 = i * bh
        paste_grad(img, (0, y0, w - 1, y0 + bh - 1), (66, 78, 104), (40, 47, 65))
        d = ImageDraw.Draw(img)
        d.rectangle((0, y0, w - 1, y0 + bh - 1), outline=(12, 14, 20))
        bevel(d, (1, y0 + 1, w - 2, y0 + bh - 2), (112, 126, 154), (26, 30, 42))
        tw, th, l, t = text_size(f, name)
        # the same vertical metrics for every label, whatever its letters
        _, cap_h, _, cap_t = text_size(f, "H")
        ty = round(y0 + (bh - cap_h) / 2 - cap_t)
        d.text((27 + 1, ty + 1), name, font=f, fill=(10, 12, 18))
        d.text((27, ty), name, font=f, fill=(236, 239, 246))
    return img


def make_arrow():
    p = Pen(13, 17)
    tip = [(2.0, 1.6), (11.8, 8.5), (2.0, 15.4)]
    p.polygon(tip, fill=(92, 70, 0, 235))
    inner = [(3.1, 3.6), (9.9, 8.5), (3.1, 13.4)]
    p.polygon(inner, fill=(255, 222, 40, 255))
    # a lighter upper facet gives it a little volume
    p.polygon([(3.1, 3.6), (9.9, 8.5), (3.1, 8.5)], fill=(255, 242, 130, 255))
    return p.result()


def make_year_box():
    w, h = 60, 29
    img = to_img(vgrad(w, h, (226, 228, 232), (242, 243, 246)))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=(96, 102, 116))
    d.line([(1, h - 2), (1, 1), (w - 2, 1)], fill=(168, 172, 182))   # sunken
    d.line([(w - 2, 2), (w - 2, h - 2), (2, h - 2)], fill=(252, 252, 254))
    return img


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------
def save_png(img, name):
    path = os.path.join(OUT, name)
    img.save(path, "PNG", optimize=True)
    return path


def save_jpg(img, name, quality):
    path = os.path.join(OUT, name)
    img.save(path, "JPEG", quality=quality, optimize=True, subsampling=0)
    return path


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


def verify():
    """Reopen every written picture and check its size."""
    ok = True
    for name, size in EXPECTED.items():
        path = os.path.join(OUT, name)
        with Image.open(path) as im:
            extra = ""
            if name.endswith(".ico"):
                extra = " sizes " + ",".join(str(w) for w, _ in sorted(im.info["sizes"]))
            good = im.size == size
            ok &= good
            print("%-24s %4d x %-4d %-5s %7d bytes%s%s" % (name, im.width, im.height, im.mode,
                                                      os.path.getsize(path), extra,
                                                      "" if good else "  WRONG SIZE"))
    return ok


def main():
    os.makedirs(OUT, exist_ok=True)
    bg, headings = make_background()
    save_jpg(bg, "background.jpg", 92)
    x0, y0, x1, y1 = DATAPANEL_BOX
    save_png(bg.crop((x0, y0, x1 + 1, y1 + 1)), "datapanel.png")
    save_png(make_status_strip(), "statusstrip.png")

    hx, hy, hw, hh = HEMISPHERE_BOX
    strip = bg.crop((hx, hy, hx + hw, hy + hh))
    save_png(make_hemisphere(strip, True), "hemisphere_north.png")
    save_png(make_hemisphere(strip, False), "hemisphere_south.png")

    save_png(make_moon(), "moon.png")
    for which in ("new", "firstquarter", "full", "lastquarter"):
        save_png(make_phase(which), "phase_%s.png" % which)
    save_png(Image.new("RGB", (PHASE_SIZE, PHASE_SIZE), (0, 0, 0)), "phase_blank.png")

    save_png(make_selection(), "selection.png")
    save_jpg(make_month_picker(), "monthpicker.jpg", 92)
    save_png(make_arrow(), "arrow.png")
    save_png(make_year_box(), "yearbox.png")

    sizes = [16, 32, 48, 64, 256]
    icons = {s: icon_moon(s) for s in sizes}
    save_png(icons[256], "icon.png")
    icons[256].save(os.path.join(OUT, "Selvane.ico"), format="ICO",
                    sizes=[(s, s) for s in sizes],
                    append_images=[icons[s] for s in sizes if s != 256])

    EXPECTED.update(__import__("art_aux").make())  # the about window and the links window
    EXPECTED.update(__import__("art_timelist").make())  # the time list window's pictures
    EXPECTED.update(__import__("art_settings").make())  # the two settings windows

    for k, b in headings.items():
        print("heading %-15s ink box x %d..%d, y %d..%d" % (k, b[0], b[2], b[1], b[3]))
    return 0 if verify() else 1


if __name__ == "__main__":
    sys.exit(main())
