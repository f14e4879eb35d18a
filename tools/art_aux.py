"""The about window's picture and the links window's rows, for tools/make_artwork.py.

About: 210 x 155, the program's name, version and maker on the night-blue of the main
window's title strip, with a close mark under the window's exit hot spot (185, 12, 15 x 15).
Links: nine rows of 180 x 21 (two headings in cyan, seven links) and a 15 x 21 arrow that
marks the link row under the mouse.
"""

import os

from PIL import Image, ImageDraw

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


def close_mark():
    p = art._small_button(15, 15)
    p.line([(4.6, 4.3), (10.4, 10.7)], art.INK, 1.7)
    p.line([(10.4, 4.3), (4.6, 10.7)], art.INK, 1.7)
    return p.result()


def make_about(version):
    w, h = ABOUT_SIZE
    img = art.to_img(art.vgrad(w, h, art.TITLE_TOP, art.TITLE_BOTTOM))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=(10, 12, 18))
    art.bevel(d, (1, 1, w - 2, h - 2), art.RIM_LIGHT, art.RIM_DARK)

    moon = art.icon_moon(48)
    art.place(img, moon, (16, 18))
    f = art.font(art.SERIF, 30)
    art.draw_text_centered(d, 122, 36, "Selvane", f, art.TITLE_INK, shadow=(0, 0, 8))
    small = art.font(art.SANS, 11)
    bold = art.font(art.SANS_BOLD, 11)
    art.draw_text_centered(d, 122, 58, "Version " + version, small, (200, 210, 232))
    d.line([(16, 78), (w - 17, 78)], fill=(58, 72, 116))
    lines = [
        ("A Moon calendar for Linux", bold, (236, 239, 246)),
        ("by the Selvane developers", small, (200, 210, 232)),
        ("after J. Meeus, Astronomical Algorithms", small, (160, 172, 200)),
        ("selvane.example.org", small, (0, 255, 255)),
    ]
    for i, (text, f2, ink) in enumerate(lines):
        art.draw_text_centered(d, w / 2, 93 + 15 * i, text, f2, ink)
    x, y, bw, bh = ABOUT_EXIT
    art.place(img, close_mark(), (x, y))
    return img


def make_row(text, heading):
    w, h = ROW_SIZE
    if heading:
        img = art.to_img(art.vgrad(w, h, (14, 18, 32), (4, 6, 12)))
        d = ImageDraw.Draw(img)
        d.line([(0, h - 1), (w - 1, h - 1)], fill=(0, 110, 120))
        f = art.font(art.SANS_BOLD, 12)
        _, cap_h, _, cap_t = art.text_size(f, "H")
        d.text((8, round((h - cap_h) / 2 - cap_t)), text, font=f, fill=(0, 255, 255))
        return img
    img = art.to_img(art.vgrad(w, h, art.BAND_TOP, art.BAND_BOTTOM))
    d = ImageDraw.Draw(img)
    art.bevel(d, (0, 0, w - 1, h - 1), (92, 106, 134), (22, 26, 36))
    f = art.font(art.SANS, 12)
    _, cap_h, _, cap_t = art.text_size(f, "H")
    ty = round((h - cap_h) / 2 - cap_t)
    d.text((25, ty + 1), text, font=f, fill=(10, 12, 18))
    d.text((24, ty), text, font=f, fill=art.HEADING_TEXT)
    return img


def make_links_arrow():
    p = art.Pen(15, 21)
    p.polygon([(2.0, 3.0), (13.2, 10.5), (2.0, 18.0)], fill=(92, 70, 0, 235))
    p.polygon([(3.2, 5.2), (11.0, 10.5), (3.2, 15.8)], fill=(255, 222, 40, 255))
    p.polygon([(3.2, 5.2), (11.0, 10.5), (3.2, 10.5)], fill=(255, 242, 130, 255))
    return p.result()


EXPECTED = dict({"about.jpg": ABOUT_SIZE, "links_arrow.png": (15, 21)},
                **{name: ROW_SIZE for name, _, _ in LINK_ROWS})


def make():
    art.save_jpg(make_about("V1.13"), "about.jpg", 92)
    for name, text, heading in LINK_ROWS:
        if heading:
            art.save_png(make_row(text, True), name)
        else:
            art.save_jpg(make_row(text, False), name, 92)
    art.save_png(make_links_arrow(), "links_arrow.png")
    return EXPECTED
