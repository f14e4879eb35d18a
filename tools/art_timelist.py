#!/usr/bin/python3
"""The month's time list window: header, side and bottom pictures.

Called from make_artwork.py; runs on its own too:

    /usr/bin/python3 tools/art_timelist.py

The four pictures are cut from one 640 x 481 drawing of the whole window
frame, so their edges meet without seams: a title strip like the main
window's, and one framed panel whose heading band carries the column titles
(the program writes them as labels) over the black list area.
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

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


def icon_print():
    """A printer with a sheet, drawn for a 17 x 17 box."""
    p = art.Pen(17, 17)
    p.rect((4.3, 1.0, 12.7, 6.5), fill=(240, 242, 248, 255))
    p.rect((1.0, 5.6, 16.0, 12.8), fill=art.INK, radius=1.8)
    p.rect((2.5, 7.1, 14.5, 8.4), fill=(150, 160, 184, 255), radius=0.6)
    p.ellipse((12.4, 9.4, 14.1, 11.1), fill=(90, 200, 120, 255))
    p.rect((4.3, 10.2, 12.7, 16.3), fill=(250, 250, 252, 255), outline=(120, 130, 150, 255),
           width=0.7)
    for y in (12.3, 14.1):
        p.line([(5.9, y), (11.1, y)], (120, 130, 150, 255), 0.8)
    return art.with_shadow(p.result())


def icon_scroll(down):
    """A round badge, like the main window's help and about icons, with a
    white triangle pointing up or down."""
    p = art.Pen(17, 17)
    c, r = 8.5, 7.6
    p.ellipse((c - r, c - r, c + r, c + r), fill=(38, 66, 122, 255), outline=art.INK, width=1.2)
    s = 1 if down else -1
    tip, base, half = c + s * 3.6, c - s * 2.6, 4.0
    p.polygon([(c - half, base), (c + half, base), (c, tip)], fill=art.INK)
    return art.with_shadow(p.result())


MAKERS = {
    "print": icon_print,
    "scroll_up": lambda: icon_scroll(False),
    "scroll_down": lambda: icon_scroll(True),
    "minimise": art.icon_minimise,
    "exit": art.icon_exit,
}


def stars(img, keep_out, count, seed):
    """A sparse fixed field of faint stars in the title strip, outside keep_out."""
    rng = np.random.default_rng(seed)
    px = img.load()
    n = 0
    while n < count:
        x = int(rng.integers(3, W - 3))
        y = int(rng.integers(3, 35))
        mag = float(rng.random())
        if any(a <= x <= c and b <= y <= e for a, b, c, e in keep_out):
            continue
        n += 1
        peak = 0.18 + 0.5 * mag ** 3
        tint = (200, 212, 255) if rng.random() < 0.7 else (255, 236, 210)
        for dx, dy, wgt in ((0, 0, 1.0), (1, 0, 0.25), (-1, 0, 0.25), (0, 1, 0.25), (0, -1, 0.25)):
            a = peak * wgt
            px[x + dx, y + dy] = tuple(int(round(c0 * (1 - a) + c1 * a))
                                      for c0, c1 in zip(px[x + dx, y + dy], tint))


def title_strip(img):
    """The main window's title strip with this window's title and commands."""
    art.paste_grad(img, (0, 0, W - 1, 39), art.TITLE_TOP, art.TITLE_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (W - 1, 0)], fill=(58, 72, 116))
    px = img.load()
    for x in range(W):
        t = 1.0 - abs(x - W / 2) / (W / 2)
        a = 0.25 + 0.6 * t ** 1.5
        px[x, 38] = tuple(int(round(b * (1 - a) + c * a))
                          for b, c in zip(px[x, 38], (120, 146, 206)))
        px[x, 39] = (0, 0, 0)
    keep_out = [(x - 4, y - 4, x + w + 4, y + h + 4) for (x, y), (w, h) in GLYPHS.values()]
    keep_out.append((TITLE_BOX[0] - 10, 0, TITLE_BOX[2] + 10, 40))
    stars(img, keep_out, 40, 20240621)

    # the largest serif size (up to the main window's 25 px) that fits the drag strip
    for size in range(25, 10, -1):
        f = art.font(art.SERIF, size)
        w, h, _, _ = art.text_size(f, TITLE)
        if w <= TITLE_BOX[2] - TITLE_BOX[0] - 2 and h <= TITLE_BOX[3] - TITLE_BOX[1] - 2:
            break
    box = art.draw_text_centered(d, (TITLE_BOX[0] + TITLE_BOX[2]) / 2,
                                 (TITLE_BOX[1] + TITLE_BOX[3]) / 2 + 0.5, TITLE, f,
                                 art.TITLE_INK, shadow=(0, 0, 8))
    assert TITLE_BOX[0] <= box[0] and box[2] <= TITLE_BOX[2], box
    assert TITLE_BOX[1] <= box[1] and box[3] <= TITLE_BOX[3], box

    for name, ((x, y), (w, h)) in GLYPHS.items():
        icon = MAKERS[name]()
        assert icon.size == (w, h), (name, icon.size)
        art.place(img, icon, (x, y))
    return size


def list_panel(img):
    """The framed panel: heading band for the column titles, black list area."""
    x0, y0, x1, y1 = art.panel_frame(img, PANEL)
    d = ImageDraw.Draw(img)
    d.rectangle((x0, y0, x1, y1), fill=(0, 0, 0))
    art.paste_grad(img, (x0, y0, x1, BAND_LAST_ROW), art.BAND_TOP, art.BAND_BOTTOM)
    d.line([(x0, y0), (x1, y0)], fill=(92, 106, 134))                        # top highlight
    d.line([(x0, BAND_LAST_ROW), (x1, BAND_LAST_ROW)], fill=(22, 26, 36))    # lower edge
    band = np.asarray(img).astype(float)
    for first, last, colour in GROUP_RULES:
        # 55 % of the column colour over the band, fading out at both ends
        for x in range(first, last + 1):
            edge = min(x - first, last - x)
            a = 0.55 * min(1.0, (edge + 1) / 6.0)
            under = band[RULE_Y, x]
            img.putpixel((x, RULE_Y), tuple(int(round(u * (1 - a) + c * a))
                                            for u, c in zip(under, colour)))


def make():
    """Writes the four pictures into resources/; returns their names and sizes."""
    img = Image.new("RGB", (W, H), (0, 0, 0))
    art.paste_grad(img, (0, 40, W - 1, H - 1), art.BODY_TOP, art.BODY_BOTTOM)
    d = ImageDraw.Draw(img)
    d.line([(0, 40), (0, H - 1)], fill=(66, 76, 98))
    d.line([(W - 1, 40), (W - 1, H - 2)], fill=(8, 10, 14))
    d.line([(0, H - 2), (W - 1, H - 2)], fill=(8, 10, 14))   # the window's last row
    title_size = title_strip(img)
    list_panel(img)

    sizes = {}
    for name, ((x, y), (w, h)) in PICTURES.items():
        art.save_png(img.crop((x, y, x + w, y + h)), name)
        sizes[name] = (w, h)
    print("time list title in Liberation Serif %d px" % title_size)
    return sizes


if __name__ == "__main__":
    for n, s in make().items():
        print("%-22s %d x %d" % (n, s[0], s[1]))
