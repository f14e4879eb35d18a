"""The backgrounds of the two settings windows: configuration and print options.

Called from make_artwork.py's main.

Both windows share the main window's look: its title strip, body gradient,
panel frames, steel panels with heading bands and its fonts.  The controls the
program lays over these pictures (edit fields, lists, check boxes, panels,
spin buttons) and all their texts are not drawn here; the pictures carry only
the frames behind them, the window titles and the drawn buttons.
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_artwork as ma  # noqa: E402

CONFIG_SIZE = (284, 376)
PRINT_SIZE = (220, 260)
TITLE_PIXELS = 19              # Liberation Serif; "Configuration" fits the 109 px title box

# Boxes are inclusive (x0, y0, x1, y1), in window pixels.
CONFIG_TITLE = (88, 6, 196, 32)          # under the drag label at (88, 6), 109 x 27
CONFIG_EXIT = (253, 13)                  # the drawn close button, 17 x 15
CONFIG_OBSERVER = (14, 44, 269, 150)     # latitude, longitude, place
CONFIG_CALENDAR = (14, 158, 269, 236)    # day order, date format
CONFIG_TIME = (14, 244, 269, 362)        # zone by name, time zone, daylight saving
CONFIG_DST_WELL = (200, 324, 262, 351)   # dark inset behind "DST:" and its check box

PRINT_TITLE = (50, 6, 169, 32)           # under the drag label at (50, 6), 120 x 27
PRINT_CONTENTS = (10, 44, 209, 150)      # the four check boxes with their captions
PRINT_DENSITY = (10, 160, 209, 199)      # the density caption, panel and spin button
PRINT_OK = (60, 210, 160, 238)           # under lblOK at (60, 210), 101 x 29

WELL_TOP = (30, 36, 50)                  # the dark inset's interior
WELL_BOTTOM = (22, 26, 37)


def title_strip(img, title, title_box, seed, keep_out=()):
    """The main window's title strip at the width of `img`: navy fading to
    black, a faint star field, the highlight line and the title in serif."""
    w = img.width
    ma.paste_grad(img, (0, 0, w - 1, 39), ma.TITLE_TOP, ma.TITLE_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (w - 1, 0)], fill=(58, 72, 116))
    px = img.load()
    for x in range(w):
        t = 1.0 - abs(x - w / 2) / (w / 2)
        a = 0.25 + 0.6 * t ** 1.5
        base = px[x, 38]
        px[x, 38] = tuple(int(round(b * (1 - a) + c * a)) for b, c in zip(base, (120, 146, 206)))
        px[x, 39] = (0, 0, 0)

    # stars, kept away from the title and the drawn buttons
    blocked = [(title_box[0] - 10, 0, title_box[2] + 10, 40)] + list(keep_out)
    rng = np.random.default_rng(seed)
    n, wanted = 0, max(6, w // 16)
    while n < wanted:
        x = int(rng.integers(3, w - 3))
        y = int(rng.integers(3, 35))
        mag = float(rng.random())
        if any(a <= x <= c and b <= y <= e for a, b, c, e in blocked):
            continue
        n += 1
        peak = 0.18 + 0.5 * mag ** 3
        tint = (200, 212, 255) if rng.random() < 0.7 else (255, 236, 210)
        for dx, dy, wgt in ((0, 0, 1.0), (1, 0, 0.25), (-1, 0, 0.25), (0, 1, 0.25), (0, -1, 0.25)):
            a = peak * wgt
            px[x + dx, y + dy] = tuple(int(round(c0 * (1 - a) + c1 * a))
                                      for c0, c1 in zip(px[x + dx, y + dy], tint))

    f = ma.font(ma.SERIF, TITLE_PIXELS)
    cx = (title_box[0] + title_box[2] + 1) / 2
    cy = (title_box[1] + title_box[3] + 1) / 2
    ink = ma.draw_text_centered(d, cx, cy, title, f, ma.TITLE_INK, shadow=(0, 0, 8), by_caps=True)
    assert title_box[0] <= ink[0] and ink[2] <= title_box[2], (title, ink)
    assert title_box[1] <= ink[1] and ink[3] <= title_box[3], (title, ink)


def body(img):
    """The main window's body gradient below the title strip, with its outer edge."""
    w, h = img.size
    ma.paste_grad(img, (0, 40, w - 1, h - 1), ma.BODY_TOP, ma.BODY_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(0, 40), (0, h - 1)], fill=(66, 76, 98))
    d.line([(w - 1, 40), (w - 1, h - 1), (0, h - 1)], fill=(8, 10, 14))


def banded_panel(img, box, heading, top, bottom):
    """A framed panel in a gradient from `top` to `bottom`, with a heading band 15 pixels
    high like the main window's data panels."""
    inner = ma.panel_frame(img, box)
    x0, y0, x1, y1 = inner
    band_bottom = y0 + 14
    ma.paste_grad(img, (x0, band_bottom + 1, x1, y1), top, bottom)
    ma.paste_grad(img, (x0, y0, x1, band_bottom), ma.BAND_TOP, ma.BAND_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(x0, y0), (x1, y0)], fill=(92, 106, 134))
    d.line([(x0, band_bottom), (x1, band_bottom)], fill=(22, 26, 36))
    d.line([(x0, band_bottom + 1), (x1, band_bottom + 1)], fill=(134, 148, 172))
    f = ma.font(ma.SANS_BOLD, 11)
    ma.draw_text_centered(d, (box[0] + box[2] + 1) / 2, (y0 + band_bottom) / 2 + 0.5, heading, f,
                          ma.HEADING_TEXT, shadow=(14, 16, 24), by_caps=True)


def steel_panel(img, box, heading):
    """A steel panel for black captions, as the main window's data panels."""
    banded_panel(img, box, heading, ma.STEEL_TOP, ma.STEEL_BOTTOM)


def mid_panel(img, box, heading=None):
    """A panel in the calendar area's mid-tone, for engraved (shadowed) captions."""
    if heading:
        banded_panel(img, box, heading, ma.CAL_TOP, ma.CAL_BOTTOM)
    else:
        x0, y0, x1, y1 = ma.panel_frame(img, box)
        ma.paste_grad(img, (x0, y0, x1, y1), ma.CAL_TOP, ma.CAL_BOTTOM)


def dark_well(img, box):
    """A sunken dark inset: dark top and left edge, light bottom and right."""
    x0, y0, x1, y1 = box
    ma.paste_grad(img, box, WELL_TOP, WELL_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(x0, y1), (x0, y0), (x1, y0)], fill=(16, 19, 27))
    d.line([(x1, y0 + 1), (x1, y1), (x0 + 1, y1)], fill=(150, 162, 186))


def drawn_button(img, box, text):
    """A raised button like the month picker's, its text in bold sans."""
    x0, y0, x1, y1 = box
    ma.paste_grad(img, box, (66, 78, 104), (40, 47, 65))
    d = ImageDraw.Draw(img)
    d.rectangle(box, outline=(12, 14, 20))
    ma.bevel(d, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), (112, 126, 154), (26, 30, 42))
    f = ma.font(ma.SANS_BOLD, 13)
    ma.draw_text_centered(d, (x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2, text, f, (236, 239, 246),
                          shadow=(10, 12, 18), by_caps=True)


def make_config():
    img = Image.new("RGB", CONFIG_SIZE, (128, 128, 128))
    body(img)
    ex, ey = CONFIG_EXIT
    title_strip(img, "Configuration", CONFIG_TITLE, 20240701,
                keep_out=[(ex - 4, ey - 4, ex + 17 + 4, ey + 15 + 4)])
    ma.place(img, ma.icon_exit(), CONFIG_EXIT)
    steel_panel(img, CONFIG_OBSERVER, "Observer")
    steel_panel(img, CONFIG_CALENDAR, "Calendar")
    steel_panel(img, CONFIG_TIME, "Time")
    dark_well(img, CONFIG_DST_WELL)
    return img


def make_print_options():
    img = Image.new("RGB", PRINT_SIZE, (128, 128, 128))
    body(img)
    title_strip(img, "Print Options", PRINT_TITLE, 20240702)
    mid_panel(img, PRINT_CONTENTS, "Printed Calendar")
    mid_panel(img, PRINT_DENSITY)
    drawn_button(img, PRINT_OK, "OK")
    return img


EXPECTED = {
    "config.png": CONFIG_SIZE,
    "printoptions.png": PRINT_SIZE,
}


def make():
    """Writes both pictures; returns their expected sizes for the tool's check."""
    os.makedirs(ma.OUT, exist_ok=True)
    ma.save_png(make_config(), "config.png")
    ma.save_png(make_print_options(), "printoptions.png")
    return EXPECTED
