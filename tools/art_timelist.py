#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The month's time list window: header, side and bottom pictures.

Called from make_artwork.py; runs on its own too:

    /usr/bin/python3 tools/art_timelist.py

The four pictures are cut from one 640 x 481 drawing of the whole window
frame, so their edges meet without seams: a title strip like the main
window's, and one framed panel whose heading band carries the column titles
(the program writes them as labels) over the black list area.  Each
picture is written at 1x and at 2x (name@2x.png).
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_artwork as art  # noqa: E402

W, H = 640, 481          # one row more than the window: the side pictures are 400 high from y 81

# The list panel: frame x 18..621, y 40..461; the heading band inside it is
# y 42..78, the black list area x 20..619 from y 79.  The window shows the
# list at (20, 80) to (620, 460).
PANEL = (18, 40, 621, 461)
BAND_LAST_ROW = 78

# Command glyphs, (x, y) and (w, h): the window's hot spots lie exactly on them.
GLYPHS = {
    "print": ((20, 14), (17, 17)),
    "scroll_up": ((54, 14), (17, 17)),
    "scroll_down": ((74, 14), (17, 17)),
    "minimise": ((592, 14), (17, 15)),
    "exit": ((614, 14), (17, 15)),
}
TITLE_BOX = (222, 8, 422, 34)     # inclusive; the title drag strip is 201 x 27 at (222, 8)
TITLE = "Monthly Rise/Set Times"

# Column groups of the list, window x of their first and last pixel, and the
# colour of their rows (aqua Moon, light yellow twilight, yellow Sun).  A thin
# rule in that colour runs under each group title, between the group titles
# (y 42) and the column titles (y 58).
GROUP_RULES = [
    (105, 249, (0, 255, 255)),
    (265, 371, (255, 255, 176)),
    (388, 494, (255, 255, 0)),
    (509, 615, (255, 255, 176)),
]
RULE_Y = 56

PICTURES = {
    "timelist_header.png": ((0, 0), (640, 81)),
    "timelist_left.png": ((0, 81), (20, 400)),
    "timelist_right.png": ((620, 81), (20, 400)),
    "timelist_bottom.png": ((20, 461), (600, 20)),
}


def icon_print(s):
    """A printer with a sheet, drawn for a 17 x 17 box."""
    p = art.Pen(17, 17, s)
    p.rect((4.3, 1.0, 12.7, 6.5), fill=(240, 242, 248, 255))
    p.rect((1.0, 5.6, 16.0, 12.8), fill=art.INK, radius=1.8)
    p.rect((2.5, 7.1, 14.5, 8.4), fill=(150, 160, 184, 255), radius=0.6)
    p.ellipse((12.4, 9.4, 14.1, 11.1), fill=(90, 200, 120, 255))
    p.rect((4.3, 10.2, 12.7, 16.3), fill=(250, 250, 252, 255), outline=(120, 130, 150, 255),
           width=0.7)
    for y in (12.3, 14.1):
        p.line([(5.9, y), (11.1, y)], (120, 130, 150, 255), 0.8)
    return art.with_shadow(p.result(), s)


def icon_scroll(down, s):
    """A round badge, like the main window's help and about icons, with a
    white triangle pointing up or down."""
    p = art.Pen(17, 17, s)
    c, r = 8.5, 7.6
    p.ellipse((c - r, c - r, c + r, c + r), fill=(38, 66, 122, 255), outline=art.INK, width=1.2)
    d = 1 if down else -1
    tip, base, half = c + d * 3.6, c - d * 2.6, 4.0
    p.polygon([(c - half, base), (c + half, base), (c, tip)], fill=art.INK)
    return art.with_shadow(p.result(), s)


MAKERS = {
    "print": icon_print,
    "scroll_up": lambda s: icon_scroll(False, s),
    "scroll_down": lambda s: icon_scroll(True, s),
    "minimise": art.icon_minimise,
    "exit": art.icon_exit,
}


def title_strip(c):
    """The main window's title strip with this window's title and commands.  Returns the
    title's font size."""
    art.title_band(c)
    keep_out = [(x - 4, y - 4, x + w + 4, y + h + 4) for (x, y), (w, h) in GLYPHS.values()]
    keep_out.append((TITLE_BOX[0] - 10, 0, TITLE_BOX[2] + 10, 40))
    art.stars(c, keep_out, 40, 20240621)

    # the largest serif size (up to the main window's 25 px) that fits the drag strip, at 1x
    for size in range(25, 10, -1):
        w, h, _, _ = art.text_size(art.font(art.SERIF, size), TITLE)
        if w <= TITLE_BOX[2] - TITLE_BOX[0] - 2 and h <= TITLE_BOX[3] - TITLE_BOX[1] - 2:
            break
    box = c.text_centered((TITLE_BOX[0] + TITLE_BOX[2]) / 2,
                          (TITLE_BOX[1] + TITLE_BOX[3]) / 2 + 0.5,
                          art.words(TITLE), art.SERIF, size, art.TITLE_INK, shadow=(0, 0, 8))
    c.assert_inside(box, TITLE_BOX, TITLE)

    for name, ((x, y), (w, h)) in GLYPHS.items():
        icon = MAKERS[name](c.scale)
        assert icon.size == (w * c.scale, h * c.scale), (name, icon.size)
        c.place(icon, (x, y))
    return size


def list_panel(c):
    """The framed panel: heading band for the column titles, black list area."""
    x0, y0, x1, y1 = art.panel_frame(c, PANEL)
    c.fill((x0, y0, x1, y1), (0, 0, 0))
    c.gradient((x0, y0, x1, BAND_LAST_ROW), art.BAND_TOP, art.BAND_BOTTOM)
    c.line([(x0, y0), (x1, y0)], (92, 106, 134))                        # top highlight
    c.line([(x0, BAND_LAST_ROW), (x1, BAND_LAST_ROW)], (22, 26, 36))    # lower edge
    for first, last, colour in GROUP_RULES:
        # 55 % of the column colour over the band, fading out at both ends
        def alpha(x):
            if x < first - 0.5 or x > last + 0.5:
                return 0.0
            edge = min(x - first, last - x)
            return 0.55 * min(1.0, (edge + 1) / 6.0)
        c.blend_row(RULE_Y, alpha, colour)


def make(s):
    """Writes the four pictures at scale s into resources/; returns their 1x sizes."""
    c = art.Canvas.new((W, H), s)
    c.gradient((0, 40, W - 1, H - 1), art.BODY_TOP, art.BODY_BOTTOM)
    c.line([(0, 40), (0, H - 1)], (66, 76, 98))
    c.line([(W - 1, 40), (W - 1, H - 2)], (8, 10, 14))
    c.line([(0, H - 2), (W - 1, H - 2)], (8, 10, 14))   # the window's last row
    title_size = title_strip(c)
    list_panel(c)

    sizes = {}
    for name, ((x, y), (w, h)) in PICTURES.items():
        art.save_png(c.crop((x, y, x + w - 1, y + h - 1)), name, s)
        sizes[name] = (w, h)
    if s == 1:
        print("time list title in Liberation Serif %d px" % title_size)
    return sizes


if __name__ == "__main__":
    for scale in art.SCALES:
        for n, size in make(scale).items():
            print("%-22s %d x %d at %dx" % (n, size[0], size[1], scale))
