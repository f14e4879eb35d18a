# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The about window's picture and the links window's rows, for tools/make_artwork.py.

About: 210 x 155, the program's name, version (the project's, from CMakeLists.txt) and maker
on the night-blue of the main window's title strip, with a close mark under the window's exit
hot spot (185, 12, 15 x 15).
Links: nine rows of 180 x 21 (two headings in cyan, seven links) and a 15 x 21 arrow that
marks the link row under the mouse.  Each at 1x and at 2x (name@2x).
"""


import make_artwork as art

ABOUT_SIZE = (210, 155)
ABOUT_EXIT = (185, 12, 15, 15)   # x, y, w, h
ROW_SIZE = (180, 21)

# (file, text, heading?) from the top row down
LINK_ROWS = [
    ("links_heading_resources.png", "Lunar Resources", True),
    ("links_nssdc.jpg", "NSSDC: The Moon", False),
    ("links_inconstant.jpg", "Inconstant Moon", False),
    ("links_domes.jpg", "The Lure of Lunar Domes", False),
    ("links_eclipse.jpg", "Lunar Eclipse Observer", False),
    ("links_heading_missions.png", "Missions", True),
    ("links_apollo.jpg", "Apollo Landing Sites", False),
    ("links_prospector.jpg", "Lunar Prospector Mission", False),
    ("links_clementine.jpg", "Clementine Mission", False),
]


def close_mark(s):
    p = art._small_button(15, 15, s)
    p.line([(4.6, 4.3), (10.4, 10.7)], art.INK, 1.7)
    p.line([(10.4, 4.3), (4.6, 10.7)], art.INK, 1.7)
    return p.result()


def make_about(s):
    w, h = ABOUT_SIZE
    c = art.Canvas.new(ABOUT_SIZE, s)
    c.gradient((0, 0, w - 1, h - 1), art.TITLE_TOP, art.TITLE_BOTTOM)
    c.outline((0, 0, w - 1, h - 1), (10, 12, 18))
    c.bevel((1, 1, w - 2, h - 2), art.RIM_LIGHT, art.RIM_DARK)

    c.place(art.icon_moon(48 * s), (16, 18))
    c.text_centered(122, 36, "Selvane", art.SERIF, 30, art.TITLE_INK, shadow=(0, 0, 8))
    # The version line (y 58) and the home page line (y 138) are drawn by the window itself,
    # from the build's version and home page.
    c.line([(16, 78), (w - 17, 78)], (58, 72, 116))
    lines = [
        (art.words("A Moon calendar for Linux"), art.SANS_BOLD, (236, 239, 246)),
        (art.words("by the Selvane developers"), art.SANS, (200, 210, 232)),
        (art.words("after J. Meeus, Astronomical Algorithms"), art.SANS, (160, 172, 200)),
    ]
    for i, (text, face, ink) in enumerate(lines):
        c.text_centered(w / 2, 93 + 15 * i, text, face, 11, ink)
    x, y, bw, bh = ABOUT_EXIT
    c.place(close_mark(s), (x, y))
    return c.img


def make_row(text, heading, s):
    w, h = ROW_SIZE
    c = art.Canvas.new(ROW_SIZE, s)
    if heading:
        c.gradient((0, 0, w - 1, h - 1), (14, 18, 32), (4, 6, 12))
        c.line([(0, h - 1), (w - 1, h - 1)], (0, 110, 120))
        c.caps_text(8, 0, h, art.words(text), art.SANS_BOLD, 12, (0, 255, 255))
        return c.img
    c.gradient((0, 0, w - 1, h - 1), art.BAND_TOP, art.BAND_BOTTOM)
    c.bevel((0, 0, w - 1, h - 1), (92, 106, 134), (22, 26, 36))
    c.caps_text(24, 0, h, text, art.SANS, 12, art.HEADING_TEXT, shadow=(10, 12, 18))
    return c.img


def make_links_arrow(s):
    p = art.Pen(15, 21, s)
    p.polygon([(2.0, 3.0), (13.2, 10.5), (2.0, 18.0)], fill=(92, 70, 0, 235))
    p.polygon([(3.2, 5.2), (11.0, 10.5), (3.2, 15.8)], fill=(255, 222, 40, 255))
    p.polygon([(3.2, 5.2), (11.0, 10.5), (3.2, 10.5)], fill=(255, 242, 130, 255))
    return p.result()


EXPECTED = dict({"about.jpg": ABOUT_SIZE, "links_arrow.png": (15, 21)},
                **{name: ROW_SIZE for name, _, _ in LINK_ROWS})


def make(s):
    """Writes the pictures at scale s; returns their 1x sizes."""
    art.save_jpg(make_about(s), "about.jpg", 92, s)
    for name, text, heading in LINK_ROWS:
        if heading:
            art.save_png(make_row(text, True, s), name, s)
        else:
            art.save_jpg(make_row(text, False, s), name, 92, s)
    art.save_png(make_links_arrow(s), "links_arrow.png", s)
    return EXPECTED
