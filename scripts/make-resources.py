#!/usr/bin/env python3
"""Regenerates the pictures in resources/: the program icon, the five command
button pictures, the about dialog's close button, the drive and folder glyphs
and the logo.

Standard library only; the logo is written as a PPM and turned into a baseline
JPEG with ImageMagick's `convert`. The output is deterministic, so running the
script again leaves the committed files unchanged.

Usage: scripts/make-resources.py [--out DIR]   (default: resources/)
"""
import argparse
import os
import struct
import subprocess
import sys
import tempfile

# The Windows 16-colour palette, in its usual order.
BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
GRAY = (128, 128, 128)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
FUCHSIA = (255, 0, 255)
AQUA = (0, 255, 255)
WHITE = (255, 255, 255)
VGA16 = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
         GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE]

# Button glyphs and list glyphs are drawn with the bottom-left pixel's colour
# as transparent; nothing else in the pictures uses it.
TRANSPARENT = FUCHSIA


def mix(a, b, num, den):
    """a blended towards b by num/den, rounded."""
    num = max(0, min(num, den))
    return tuple((a[i] * (den - num) + b[i] * num + den // 2) // den for i in range(3))


class Canvas:
    def __init__(self, w, h, bg=TRANSPARENT):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def shape(self, fn):
        """Calls fn(x, y) for every pixel centre; a colour it returns is set."""
        for y in range(self.h):
            for x in range(self.w):
                c = fn(x + 0.5, y + 0.5)
                if c is not None:
                    self.px[y][x] = c

    def art(self, x0, y0, rows, colours):
        """Pastes a character map; '.' leaves the pixel as it is."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.':
                    self.set(x0 + dx, y0 + dy, colours[ch])

    def text(self, x0, y0, s, c, scale=1, gap=1):
        x = x0
        for ch in s:
            rows = FONT[ch]
            for dy, row in enumerate(rows):
                for dx, bit in enumerate(row):
                    if bit == '1':
                        self.rect(x + dx * scale, y0 + dy * scale,
                                  x + dx * scale + scale - 1, y0 + dy * scale + scale - 1, c)
            x += (len(rows[0]) + gap) * scale
        return x

    def colours(self):
        return {c for row in self.px for c in row}


FONT = {
    'B': ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    'r': ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    'i': ["010", "000", "110", "010", "010", "010", "111"],
    's': ["00000", "00000", "01111", "10000", "01110", "00001", "11110"],
    'e': ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
    'l': ["110", "010", "010", "010", "010", "010", "111"],
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'a': ["00000", "00000", "01110", "00001", "01111", "10001", "01111"],
}

PALETTE_KEYS = {
    '.': TRANSPARENT, 'k': BLACK, 'm': MAROON, 'G': GREEN, 'o': OLIVE, 'n': NAVY,
    'p': PURPLE, 't': TEAL, 's': SILVER, 'g': GRAY, 'r': RED, 'l': LIME,
    'y': YELLOW, 'b': BLUE, 'a': AQUA, 'w': WHITE,
}


# ---------------------------------------------------------------- geometry

def seg_dist2(px, py, ax, ay, bx, by):
    """Squared distance from a point to a segment, and the position along it (0..1)."""
    vx, vy = bx - ax, by - ay
    ll = vx * vx + vy * vy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / ll))
    qx, qy = ax + t * vx - px, ay + t * vy - py
    return qx * qx + qy * qy, t


def pen_fn(tip, end, half, nib_len, band_len, colours):
    """A pen from its tip to its back end; colours(part, across) gives the colour,
    part in 'nib', 'band', 'body', 'edge', across in -1..1 over the width."""
    tx, ty = tip
    ex, ey = end
    lx, ly = ex - tx, ey - ty
    length = (lx * lx + ly * ly) ** 0.5
    ux, uy = lx / length, ly / length

    def fn(x, y):
        rx, ry = x - tx, y - ty
        t = rx * ux + ry * uy
        d = -rx * uy + ry * ux
        if t < 0 or t > length:
            return None
        w = half if t >= nib_len else half * t / nib_len
        if abs(d) > w:
            return None
        across = d / half
        if t < nib_len:
            return colours('nib', across)
        if abs(d) > half - 1.0 or t > length - 1.0:
            return colours('edge', across)
        if t < nib_len + band_len:
            return colours('band', across)
        return colours('body', across)
    return fn


def disc_fn(cx, cy, r, colour):
    def fn(x, y):
        dx, dy = x - cx, y - cy
        d2 = dx * dx + dy * dy
        if d2 > r * r:
            return None
        return colour(dx, dy, d2 ** 0.5) if callable(colour) else colour
    return fn


# ---------------------------------------------------------------- pictures

def draw_icon():
    """The program icon: a pen across a white grid (16 colours)."""
    c = Canvas(32, 32)
    c.rect(3, 4, 28, 29, GRAY)          # shadow
    c.rect(2, 3, 27, 28, WHITE)
    for i in range(2, 28, 5):
        c.line(i, 3, i, 28, SILVER)
        c.line(2, i + 1, 27, i + 1, SILVER)
    c.frame(2, 3, 27, 28, BLACK)

    def colours(part, across):
        if part == 'nib':
            return BLACK if abs(across) < 0.35 else OLIVE if across < 0 else YELLOW
        if part == 'edge':
            return NAVY
        if part == 'band':
            return WHITE if across < -0.2 else SILVER
        return AQUA if -0.6 < across < -0.1 else BLUE
    c.shape(pen_fn((6, 26), (30, 2), 3.2, 6.0, 3.0, colours))
    return c


def draw_speed1():
    """Pen writing on ruled yellow paper (256 colours)."""
    c = Canvas(32, 32)
    c.rect(4, 6, 25, 30, (96, 96, 96))
    for y in range(5, 30):
        paper = mix((255, 255, 190), (250, 225, 110), y - 5, 24)
        c.rect(3, y, 24, y, paper)
    for y in range(9, 29, 3):
        c.line(4, y, 23, y, (130, 170, 235))
    c.line(7, 5, 7, 29, (225, 110, 110))
    c.frame(3, 5, 24, 29, (150, 120, 40))
    ink = (20, 30, 120)
    wave = (0, 1, 1, 0, 1, 2, 1, 0)
    for base, x1 in ((8, 22), (11, 21), (14, 16)):
        prev = None
        for x in range(9, x1):
            if (x - 9) % 7 == 6:        # a gap between words
                prev = None
                continue
            p = (x, base - wave[x % len(wave)])
            if prev:
                c.line(prev[0], prev[1], p[0], p[1], ink)
            prev = p
    c.line(16, 14, 16, 16, ink)

    def colours(part, across):
        a = int((across + 1) * 8)           # 0..16 over the width
        if part == 'nib':
            return (40, 40, 40) if abs(across) < 0.3 else mix((250, 215, 90), (150, 110, 20), a, 16)
        if part == 'edge':
            return (90, 20, 20)
        if part == 'band':
            return mix((250, 250, 250), (120, 120, 130), a, 16)
        return mix((250, 120, 110), (150, 20, 20), a, 16)
    c.shape(pen_fn((15, 17), (30, 1), 3.0, 5.0, 3.0, colours))
    return c


def draw_speed2():
    """A row of folders with coloured tabs (16 colours)."""
    c = Canvas(32, 32)
    tabs = [RED, LIME, BLUE, AQUA]
    for i, tab in enumerate(tabs):
        top = 7 + 5 * i
        tx = 3 + 6 * i
        c.rect(tx, top - 3, tx + 7, top, tab)
        c.frame(tx, top - 3, tx + 7, top, BLACK)
        c.rect(1, top, 29, 28, YELLOW)
        c.line(1, top, 29, top, OLIVE)
        c.line(2, top + 1, 28, top + 1, WHITE)
    c.frame(1, 7, 29, 28, BLACK)
    c.line(2, 29, 30, 29, GRAY)
    c.line(30, 8, 30, 29, GRAY)
    return c


def draw_speed3():
    """A magnifying glass over an open folder with a letter (16 colours)."""
    c = Canvas(32, 32)
    # back of the folder with its tab
    c.rect(1, 9, 8, 11, YELLOW)
    c.frame(1, 9, 8, 11, BLACK)
    c.rect(1, 11, 22, 28, OLIVE)
    c.frame(1, 11, 22, 28, BLACK)
    # the sheet with the letter
    c.rect(5, 6, 18, 20, WHITE)
    c.frame(5, 6, 18, 20, GRAY)
    c.text(7, 8, 'A', NAVY)
    for y in (16, 18):
        c.line(7, y, 16, y, SILVER)
    # front flap, slanted
    for y in range(17, 29):
        left, right = 1 + (28 - y) // 3, min(29 - (28 - y) // 3, 27)
        c.line(left, y, right, y, YELLOW)
        c.set(left, y, BLACK)
        c.set(right, y, BLACK)
    c.line(4, 17, 27, 17, BLACK)
    c.line(5, 18, 26, 18, WHITE)
    c.line(1, 28, 27, 28, BLACK)
    # the magnifying glass
    cx, cy, r = 21.5, 10.5, 7.5

    def lens(dx, dy, d):
        if d > r - 1.5:
            return BLACK if d > r - 0.8 else GRAY
        if -5.5 < dx < -1.5 and -5.5 < dy < -1.5 and dx + dy < -6:
            return WHITE
        return AQUA
    c.shape(disc_fn(cx, cy, r, lens))
    c.text(19, 7, 'a', NAVY)
    for i in range(5):
        c.line(26 + i, 16 + i, 27 + i, 15 + i, MAROON)
        c.line(27 + i, 16 + i, 27 + i, 16 + i, BLACK)
    return c


def draw_speed4():
    """A hand taking a yellow card (256 colours)."""
    c = Canvas(32, 32)
    cs, sn = 0.9659, -0.2588      # the card turned by 15 degrees
    ccx, ccy, hw, hh = 12.0, 12.0, 9.5, 6.5

    def card(x, y):
        rx, ry = x - ccx, y - ccy
        u = rx * cs + ry * sn
        v = -rx * sn + ry * cs
        if abs(u) > hw or abs(v) > hh:
            return None
        if abs(u) > hw - 1 or abs(v) > hh - 1:
            return (170, 120, 20)
        if v > -4 and v < 3.5 and int(v + 10) % 2 == 0 and -7 < u < (5 if v < 1 else 1):
            return (150, 100, 30)
        return mix((255, 250, 150), (250, 200, 40), int((v + hh) * 4), int(hh * 8))
    skin_hi, skin, skin_lo = (255, 224, 190), (240, 190, 140), (175, 110, 65)

    def skin_capsule(ax, ay, bx, by, r):
        def fn(x, y):
            d2, _ = seg_dist2(x, y, ax, ay, bx, by)
            if d2 > r * r:
                return None
            d = d2 ** 0.5
            if d > r - 0.9:
                return skin_lo
            return mix(skin_hi, skin, int(d * 10), int(r * 10))
        return fn
    # sleeve, palm and fingers behind the card, the card, then the thumb over it
    c.shape(lambda x, y: (None if x + y < 51 else
                          (30, 60, 150) if x + y > 52 else (20, 35, 100)))
    for (ax, ay, bx, by) in ((23, 24, 17, 20), (25, 22, 20, 15), (26, 19, 22, 12)):
        c.shape(skin_capsule(ax, ay, bx, by, 2.2))
    c.shape(skin_capsule(25.0, 25.0, 23.0, 20.0, 5.0))
    c.shape(card)
    c.shape(skin_capsule(24.0, 25.0, 17.5, 16.0, 2.3))
    return c


def draw_speed5():
    """A globe behind a page of text (256 colours)."""
    c = Canvas(32, 32)
    gx, gy, gr = 19.5, 12.5, 11.5
    lands = ((14.0, 8.0, 4.5), (18.0, 12.0, 3.0), (24.5, 16.5, 4.0), (23.0, 5.0, 2.5))

    def globe(dx, dy, d):
        x, y = gx + dx, gy + dy
        shade = int(((dx + 5) ** 2 + (dy + 5) ** 2) ** 0.5 * 10)
        if d > gr - 1:
            return (10, 40, 90)
        if any((x - lx) ** 2 + (y - ly) ** 2 <= lr * lr for lx, ly, lr in lands):
            return mix((140, 220, 110), (20, 100, 30), shade, 250)
        if abs(dx) < 0.5 or abs(dy) < 0.5:
            return mix((170, 210, 250), (60, 110, 180), shade, 250)
        return mix((110, 180, 255), (20, 60, 160), shade, 250)
    c.shape(disc_fn(gx, gy, gr, globe))
    # the page in front, its top-right corner folded over
    fold, border = 4, (110, 110, 110)
    c.rect(19, 14 + fold, 19, 30, (90, 90, 90))
    c.rect(4, 30, 19, 30, (90, 90, 90))

    def page(x, y):
        xi, yi = int(x), int(y)
        if not (3 <= xi <= 18 and 13 <= yi <= 29):
            return None
        a, b = xi - (18 - fold), yi - 13
        if a > b and b < fold:
            return None
        if a >= 0 and a == b:
            return border
        if a >= 0 and a < b <= fold:
            return (205, 205, 205) if b < fold else border
        if xi in (3, 18) or yi in (13, 29):
            return border
        return (252, 252, 252)
    c.shape(page)
    for n, y in enumerate(range(17, 28, 2)):
        end = 15 - (n * 5) % 7
        c.line(6, y, end, y, (60, 60, 60) if n == 0 else (130, 130, 140))
    return c


def draw_aboutbtn():
    """The about dialog's close button: a red ball with a white cross (256 colours)."""
    c = Canvas(32, 32)
    cx, cy, r = 16.0, 16.0, 13.5

    def ball(dx, dy, d):
        if d > r - 1:
            return (110, 10, 10)
        h = ((dx + 5) ** 2 + (dy + 6) ** 2) ** 0.5
        return mix((255, 150, 140), (170, 0, 0), int(h * 10), 200)
    c.shape(disc_fn(cx, cy, r, ball))

    def cross(x, y):
        for ax, ay, bx, by in ((10.5, 10.5, 21.5, 21.5), (21.5, 10.5, 10.5, 21.5)):
            d2, _ = seg_dist2(x, y, ax, ay, bx, by)
            if d2 <= 2.3 * 2.3:
                return (255, 255, 255) if d2 <= 1.5 * 1.5 else (235, 205, 205)
        return None
    c.shape(cross)
    return c


# -------------------------------------------------------- drive and folder glyphs

# The front of an open folder, shared by the open and the current folder.
OPEN_FOLDER_FRONT = [
    "kyyykkkkkkkkkkkk",
    "kyykwwwwwwwwwwk.",
    "kykwyyyyyyyyyyk.",
    "kykyyyyyyyyyyk..",
    "kkwyyyyyyyyyyk..",
    "kkyyyyyyyyyyk...",
    "kwyyyyyyyyyyk...",
    "kkkkkkkkkkkk....",
    "................",
]


GLYPHS = {
    'floppy': [
        "................",
        "...kkkkkkkkkkk..",
        "...knnsssssnnk..",
        "...knnskssnnnk..",
        "...knnskssnnnk..",
        "...knnsssssnnk..",
        "...knnnnnnnnnk..",
        "...knwwwwwwwnk..",
        "...knwggggwwnk..",
        "...knwwwwwwwnk..",
        "...kkkkkkkkkkk..",
    ],
    'hard': [
        "................",
        "................",
        "...kkkkkkkkkkkk.",
        "..kwwwwwwwwwwsk.",
        ".kwwwwwwwwwwssk.",
        ".kkkkkkkkkkkkgk.",
        ".ksssssssssssgk.",
        ".kslssssgggssgk.",
        ".ksssssssssssk..",
        ".kkkkkkkkkkkkk..",
        "................",
    ],
    'network': [
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwsk..",
        "..ksssssssssgk..",
        "..kslssssgggsk..",
        "..kssssssssssk..",
        "..kkkkkkkkkkkk..",
        ".......kk.......",
        ".......kk.......",
        ".nnnnnnnnnnnnnn.",
        ".bb....bb....bb.",
        "................",
    ],
    'cdrom': [
        ".....kkkkkk.....",
        "...kkssssaakk...",
        "..ksssssaawssk..",
        ".ksssssaawssssk.",
        ".kssssskkssssgk.",
        ".ksssskwwksssgk.",
        ".kssssskksssggk.",
        ".kllssssssssggk.",
        "..kllsssssggsk..",
        "...kksssggskk...",
        ".....kkkkkk.....",
    ],
    'ram': [
        "................",
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kGGGGGGGGGGGGk.",
        ".kGkkGkkGkkGGGk.",
        ".kGkkGkkGkkGlGk.",
        ".kGkkGkkGkkGGGk.",
        ".kGGGGGGGGGGGGk.",
        ".kyGyGyGyGyGyGk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ],
    'openfolder': [
        "................",
        "................",
        ".kkkkk..........",
        "kyyyyyk.........",
        "kyyyyyykkkkkkk..",
        "kyyyyyyyyyyyyk..",
    ] + OPEN_FOLDER_FRONT,
    'currentfolder': [
        "................",
        "....kkkkkkkk....",
        ".kkkkwwwwwwk....",
        "kyyykwggggwk....",
        "kyyykwwwwwwkkk..",
        "kyyykwgggggwyk..",
    ] + OPEN_FOLDER_FRONT,
    'closedfolder': [
        "................",
        "................",
        ".kkkkk..........",
        "kwyyyyk.........",
        "kwyyyyykkkkkkkk.",
        "kwwwwwwwwwwwwwok",
        "kwyyyyyyyyyyyyok",
        "kwyyyyyyyyyyyyok",
        "kwyyyyyyyyyyyyok",
        "kwyyyyyyyyyyyyok",
        "kwyyyyyyyyyyyyok",
        "kwyyyyyyyyyyyyok",
        "kooooooooooooook",
        ".kkkkkkkkkkkkkkk",
        "................",
    ],
}


def draw_glyph(name, size):
    rows = GLYPHS[name]
    w, h = size
    if len(rows) != h or any(len(r) != w for r in rows):
        raise SystemExit(f"glyph {name}: map is not {w}x{h}")
    c = Canvas(w, h)
    c.art(0, 0, rows, PALETTE_KEYS)
    return c


# ---------------------------------------------------------------- the logo

def draw_logo(w=130, h=60, ss=4):
    """The maker's logo, drawn at ss times the size and averaged down."""
    big = Canvas(w * ss, h * ss, WHITE)
    W, H = w * ss, h * ss
    for y in range(H):
        row = big.px[y]
        for x in range(W):
            row[x] = mix((255, 255, 255), (200, 220, 250), x + y, W + H)
    # an orange swoosh under the word: the band between two ellipses
    cx, rx = W * 0.5, W * 0.56

    def swoosh(x, y):
        outer = ((x - cx) / rx) ** 2 + ((y - H * 1.30) / (H * 0.64)) ** 2
        inner = ((x - cx) / rx) ** 2 + ((y - H * 1.38) / (H * 0.64)) ** 2
        if outer <= 1.0 < inner:
            return mix((255, 200, 70), (225, 80, 20), int(x), W)
        return None
    big.shape(swoosh)
    scale = 7 * ss // 2
    text_w = sum((len(FONT[ch][0]) + 1) * scale for ch in "Brisel") - scale
    x0 = (W - text_w) // 2
    y0 = int(H * 0.14)
    big.text(x0 + ss * 2, y0 + ss * 2, "Brisel", (150, 160, 180), scale)
    word = Canvas(W, H, None)
    word.text(x0, y0, "Brisel", 1, scale)
    for y in range(H):
        for x in range(W):
            if word.px[y][x] is not None:
                big.px[y][x] = mix((40, 90, 200), (10, 30, 110), y - y0, 7 * scale)
    small = Canvas(w, h, WHITE)
    n = ss * ss
    for y in range(h):
        for x in range(w):
            acc = [0, 0, 0]
            for yy in range(y * ss, y * ss + ss):
                r = big.px[yy]
                for xx in range(x * ss, x * ss + ss):
                    p = r[xx]
                    acc[0] += p[0]
                    acc[1] += p[1]
                    acc[2] += p[2]
            small.px[y][x] = tuple((a + n // 2) // n for a in acc)
    return small


# ---------------------------------------------------------------- writers

def dib_rows(c, bpp, index):
    """Bottom-up pixel rows packed at bpp bits, each padded to 4 bytes."""
    stride = ((c.w * bpp + 31) // 32) * 4
    out = bytearray()
    for y in range(c.h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(c.w):
            i = index[c.px[y][x]]
            if bpp == 8:
                row[x] = i
            else:
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
        out += row
    return out


def palette_for(c, bpp, name):
    used = c.colours()
    if bpp == 4:
        missing = used - set(VGA16)
        if missing:
            raise SystemExit(f"{name}: colours outside the 16-colour palette: {sorted(missing)}")
        return VGA16
    if len(used) > 256:
        raise SystemExit(f"{name}: {len(used)} colours do not fit 256")
    if len(used) <= 16:
        raise SystemExit(f"{name}: only {len(used)} colours; the picture is meant to have 256")
    pal = sorted(used)
    return pal + [BLACK] * (256 - len(pal))


def info_header(w, h, bpp, image_size, colours_used):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image_size, 0, 0, colours_used, 0)


def palette_bytes(pal):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in pal)


def bmp_bytes(c, bpp, name):
    if c.get(0, c.h - 1) != TRANSPARENT:
        raise SystemExit(f"{name}: the bottom-left pixel must be the transparent colour")
    pal = palette_for(c, bpp, name)
    index = {}
    for i, col in enumerate(pal):
        index.setdefault(col, i)
    bits = dib_rows(c, bpp, index)
    head = info_header(c.w, c.h, bpp, len(bits), len(pal)) + palette_bytes(pal)
    offset = 14 + len(head)
    return struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset) + head + bits


def ico_bytes(c):
    """A one-image icon: 16 colours, transparent where the picture is TRANSPARENT."""
    index = {col: i for i, col in enumerate(VGA16)}
    solid = Canvas(c.w, c.h)
    for y in range(c.h):
        for x in range(c.w):
            p = c.px[y][x]
            solid.px[y][x] = BLACK if p == TRANSPARENT else p
    palette_for(solid, 4, "icon")
    xor = dib_rows(solid, 4, index)
    mask_stride = ((c.w + 31) // 32) * 4
    mask = bytearray()
    for y in range(c.h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(c.w):
            if c.px[y][x] == TRANSPARENT:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    image = info_header(c.w, c.h * 2, 4, len(xor) + len(mask), 16) + palette_bytes(VGA16) + xor + mask
    head = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', c.w, c.h, 16, 0, 1, 4, len(image), 6 + 16)
    return head + entry + image


def ppm_bytes(c):
    head = b'P6\n%d %d\n255\n' % (c.w, c.h)
    return head + bytes(v for row in c.px for p in row for v in p)


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)
    print(f"wrote {path} ({len(data)} bytes)")


def write_logo(path, canvas):
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, 'logo.ppm')
        with open(ppm, 'wb') as f:
            f.write(ppm_bytes(canvas))
        # Baseline (sequential) JPEG, 4:2:0, no metadata: what the decoder expects.
        subprocess.run(['convert', ppm, '-strip', '-interlace', 'none',
                        '-sampling-factor', '2x2,1x1,1x1', '-quality', '90',
                        '-colorspace', 'sRGB', '-type', 'TrueColor',
                        'jpg:' + path], check=True)
    with open(path, 'rb') as f:
        data = f.read()
    if not data.startswith(b'\xff\xd8') or b'\xff\xc0' not in data or b'\xff\xc2' in data:
        raise SystemExit("logo.jpg is not a baseline JPEG")
    print(f"wrote {path} ({len(data)} bytes)")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=os.path.join(here, '..', 'resources'))
    out = os.path.normpath(ap.parse_args().out)
    os.makedirs(out, exist_ok=True)

    write(os.path.join(out, 'brisel.ico'), ico_bytes(draw_icon()))
    for name, bpp, draw in (('speed1', 8, draw_speed1), ('speed2', 4, draw_speed2),
                            ('speed3', 4, draw_speed3), ('speed4', 8, draw_speed4),
                            ('speed5', 8, draw_speed5), ('aboutbtn', 8, draw_aboutbtn)):
        write(os.path.join(out, name + '.bmp'), bmp_bytes(draw(), bpp, name))
    for name in ('floppy', 'hard', 'network', 'cdrom', 'ram'):
        write(os.path.join(out, name + '.bmp'), bmp_bytes(draw_glyph(name, (16, 11)), 4, name))
    for name in ('openfolder', 'currentfolder', 'closedfolder'):
        write(os.path.join(out, name + '.bmp'), bmp_bytes(draw_glyph(name, (16, 15)), 4, name))
    write_logo(os.path.join(out, 'logo.jpg'), draw_logo())
    return 0


if __name__ == '__main__':
    sys.exit(main())
