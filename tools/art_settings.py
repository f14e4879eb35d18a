# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The backgrounds of the two settings windows: configuration and print options.

Called from make_artwork.py's main, once for the 1x pictures and once for the 2x
ones (name@2x.png).

Both windows share the main window's look: its title strip, body gradient,
panel frames, steel panels with heading bands and its fonts.  The controls the
program lays over these pictures (edit fields, lists, check boxes, panels,
spin buttons) and all their texts are not drawn here; the pictures carry only
the frames behind them, the window titles and the drawn buttons.
"""

import os
import sys

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


def title_strip(c, title, title_box, seed, keep_out=()):
    """The main window's title strip at the width of the canvas: navy fading to
    black, a faint star field, the highlight line and the title in serif."""
    ma.title_band(c)
    # stars, kept away from the title and the drawn buttons
    blocked = [(title_box[0] - 10, 0, title_box[2] + 10, 40)] + list(keep_out)
    ma.stars(c, blocked, max(6, c.size[0] // 16), seed)

    cx = (title_box[0] + title_box[2] + 1) / 2
    cy = (title_box[1] + title_box[3] + 1) / 2
    ink = c.text_centered(cx, cy, ma.words(title), ma.SERIF, TITLE_PIXELS, ma.TITLE_INK,
                          shadow=(0, 0, 8), by_caps=True)
    c.assert_inside(ink, title_box, title)


def body(c):
    """The main window's body gradient below the title strip, with its outer edge."""
    w, h = c.size
    c.gradient((0, 40, w - 1, h - 1), ma.BODY_TOP, ma.BODY_BOTTOM)
    c.line([(0, 40), (0, h - 1)], (66, 76, 98))
    c.line([(w - 1, 40), (w - 1, h - 1), (0, h - 1)], (8, 10, 14))


def banded_panel(c, box, heading, top, bottom):
    """A framed panel in a gradient from `top` to `bottom`, with a heading band 15 pixels
    high like the main window's data panels."""
    x0, y0, x1, y1 = ma.panel_frame(c, box)
    band_bottom = y0 + 14
    c.gradient((x0, band_bottom + 1, x1, y1), top, bottom)
    c.gradient((x0, y0, x1, band_bottom), ma.BAND_TOP, ma.BAND_BOTTOM)
    c.line([(x0, y0), (x1, y0)], (92, 106, 134))
    c.line([(x0, band_bottom), (x1, band_bottom)], (22, 26, 36))
    c.line([(x0, band_bottom + 1), (x1, band_bottom + 1)], (134, 148, 172))
    c.text_centered((box[0] + box[2] + 1) / 2, (y0 + band_bottom) / 2 + 0.5, ma.words(heading),
                    ma.SANS_BOLD, 11, ma.HEADING_TEXT, shadow=(14, 16, 24), by_caps=True)


def steel_panel(c, box, heading):
    """A steel panel for black captions, as the main window's data panels."""
    banded_panel(c, box, heading, ma.STEEL_TOP, ma.STEEL_BOTTOM)


def mid_panel(c, box, heading=None):
    """A panel in the calendar area's mid-tone, for engraved (shadowed) captions."""
    if heading:
        banded_panel(c, box, heading, ma.CAL_TOP, ma.CAL_BOTTOM)
    else:
        c.gradient(ma.panel_frame(c, box), ma.CAL_TOP, ma.CAL_BOTTOM)


def dark_well(c, box):
    """A sunken dark inset: dark top and left edge, light bottom and right."""
    c.gradient(box, WELL_TOP, WELL_BOTTOM)
    c.bevel(box, (16, 19, 27), (150, 162, 186))


def drawn_button(c, box, text):
    """A raised button like the month picker's, its text in bold sans."""
    x0, y0, x1, y1 = box
    c.gradient(box, (66, 78, 104), (40, 47, 65))
    c.outline(box, (12, 14, 20))
    c.bevel((x0 + 1, y0 + 1, x1 - 1, y1 - 1), (112, 126, 154), (26, 30, 42))
    c.text_centered((x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2, text, ma.SANS_BOLD, 13, (236, 239, 246),
                    shadow=(10, 12, 18), by_caps=True)


def make_config(s):
    c = ma.Canvas.new(CONFIG_SIZE, s, (128, 128, 128))
    body(c)
    ex, ey = CONFIG_EXIT
    title_strip(c, "Configuration", CONFIG_TITLE, 20240701,
                keep_out=[(ex - 4, ey - 4, ex + 17 + 4, ey + 15 + 4)])
    c.place(ma.icon_exit(s), CONFIG_EXIT)
    steel_panel(c, CONFIG_OBSERVER, "Observer")
    steel_panel(c, CONFIG_CALENDAR, "Calendar")
    steel_panel(c, CONFIG_TIME, "Time")
    dark_well(c, CONFIG_DST_WELL)
    return c.img


def make_print_options(s):
    c = ma.Canvas.new(PRINT_SIZE, s, (128, 128, 128))
    body(c)
    title_strip(c, "Print Options", PRINT_TITLE, 20240702)
    mid_panel(c, PRINT_CONTENTS, "Printed Calendar")
    mid_panel(c, PRINT_DENSITY)
    drawn_button(c, PRINT_OK, "OK")
    return c.img


EXPECTED = {
    "config.png": CONFIG_SIZE,
    "printoptions.png": PRINT_SIZE,
}


def make(s):
    """Writes both pictures at scale s; returns their 1x sizes for the tool's check."""
    os.makedirs(ma.OUT, exist_ok=True)
    ma.save_png(make_config(s), "config.png", s)
    ma.save_png(make_print_options(s), "printoptions.png", s)
    return EXPECTED
