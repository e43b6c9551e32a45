#!/usr/bin/env python3
"""Draws Zolvane's icons and writes them as .ico files (and PNG previews).

Every picture is drawn from simple shapes on a pixel grid, once per size, in
colour roles ("body", "label", ...). A theme turns the roles into colours: the
16-colour theme uses only the standard 16 Windows colours, the 256-colour theme
finer shades and gradients. Each group lists its images in the order the
program's resources need them.

    python3 src/res/icons/make_icons.py            write the .ico files and docs/icons/*.png
    python3 src/res/icons/make_icons.py --check    exit 1 when a committed .ico differs

Python 3 standard library only.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DOCS = os.path.normpath(os.path.join(HERE, "..", "..", "..", "docs", "icons"))

# The standard 16-colour palette, in the usual order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, \
    YELLOW, BLUE, FUCHSIA, AQUA, WHITE = VGA


def vertical(top, bottom, y0, y1):
    """A colour that runs from top at row y0 to bottom at row y1."""
    def shade(x, y):
        t = 0.0 if y1 == y0 else min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return shade


# Colour roles. A value is a colour or a function (x, y) -> colour.
THEME_16 = {
    "outline": BLACK, "body": GREY, "body_hi": SILVER, "body_lo": BLACK,
    "label": YELLOW, "label_lo": OLIVE, "ink": GREY,
    "metal": SILVER, "metal_hi": WHITE, "metal_lo": GREY, "slot": BLACK,
    "paper": WHITE, "arrow": NAVY,
    "folder": YELLOW, "folder_back": OLIVE, "folder_lo": OLIVE,
    "go": LIME, "go_lo": GREEN,
    "screen": NAVY, "screen_hi": BLUE, "power": YELLOW,
    "case": SILVER, "case_hi": WHITE, "case_lo": GREY,
    "led": LIME, "gear": GREY, "gear_hi": SILVER, "gear_lo": BLACK, "hub": YELLOW,
}


def theme_256(size):
    s = size / 32.0
    return {
        "outline": (24, 24, 28), "body": vertical((96, 98, 106), (58, 60, 66), 2 * s, 29 * s),
        "body_hi": (136, 138, 148), "body_lo": (36, 37, 42),
        "label": vertical((255, 232, 96), (240, 196, 32), 3 * s, 15 * s),
        "label_lo": (176, 132, 8), "ink": (150, 120, 40),
        "metal": vertical((226, 228, 234), (164, 168, 178), 18 * s, 29 * s),
        "metal_hi": (250, 250, 252), "metal_lo": (112, 116, 126), "slot": (40, 42, 48),
        "paper": (255, 255, 255), "arrow": (16, 64, 176),
        "folder": vertical((255, 226, 120), (236, 180, 40), 12 * s, 28 * s),
        "folder_back": (204, 152, 32), "folder_lo": (150, 104, 10),
        "go": (64, 200, 72), "go_lo": (20, 116, 36),
        "screen": vertical((40, 88, 168), (16, 40, 104), 4 * s, 22 * s),
        "screen_hi": (96, 148, 224), "power": (255, 220, 64),
        "case": vertical((236, 236, 240), (190, 192, 200), 17 * s, 30 * s),
        "case_hi": (255, 255, 255), "case_lo": (120, 122, 132),
        "led": (48, 232, 64),
        "gear": vertical((120, 124, 134), (72, 74, 82), 2 * s, 29 * s),
        "gear_hi": (170, 174, 184), "gear_lo": (32, 33, 38), "hub": (246, 206, 48),
    }


class Canvas:
    """A square grid of colour roles; None is transparent."""

    def __init__(self, size):
        self.size = size
        self.px = [[None] * size for _ in range(size)]

    def put(self, x, y, role):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = role

    def rect(self, x0, y0, x1, y1, role):
        """Fills the pixels x0..x1, y0..y1 (inclusive)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, role)

    def frame(self, x0, y0, x1, y1, role):
        self.rect(x0, y0, x1, y0, role)
        self.rect(x0, y1, x1, y1, role)
        self.rect(x0, y0, x0, y1, role)
        self.rect(x1, y0, x1, y1, role)

    def polygon(self, points, role, edge=None):
        """Fills the pixels whose centres lie inside the polygon (pixel
        corners as coordinates); edge, when given, draws its pixel border."""
        inside = [[_inside(points, x + 0.5, y + 0.5) for x in range(self.size)]
                  for y in range(self.size)]
        for y in range(self.size):
            for x in range(self.size):
                if inside[y][x]:
                    self.put(x, y, role)
        if edge:
            for y in range(self.size):
                for x in range(self.size):
                    if inside[y][x] and not all(
                            0 <= x + dx < self.size and 0 <= y + dy < self.size
                            and inside[y + dy][x + dx]
                            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                        self.put(x, y, edge)
        return inside

    def disc(self, cx, cy, r, role):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, role)

    def line(self, x0, y0, x1, y1, role):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            t = i / steps if steps else 0
            self.put(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), role)

    def sprite(self, x0, y0, rows, roles):
        """Pixel art: one character per pixel, looked up in roles; others skip."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in roles:
                    self.put(x0 + dx, y0 + dy, roles[ch])


def _inside(points, x, y):
    hit = False
    n = len(points)
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            hit = not hit
    return hit


# ---------------------------------------------------------------- pictures

def cartridge(c, x0, y0, x1, y1, notch, label_bottom, shutter, lines):
    """The program's medium: a dark grey cartridge with its upper right corner
    cut off and a yellow label over its upper half. All edges inclusive."""
    pts = [(x0, y0), (x1 + 1 - notch, y0), (x1 + 1, y0 + notch), (x1 + 1, y1 + 1), (x0, y1 + 1)]
    inside = c.polygon(pts, "body", edge="outline")
    # Bevel: light just inside the top and left edges, dark inside the bottom and right.
    c.rect(x0 + 1, y0 + 1, x1 - notch, y0 + 1, "body_hi")
    c.rect(x0 + 1, y0 + 1, x0 + 1, y1 - 1, "body_hi")
    c.rect(x0 + 2, y1 - 1, x1 - 1, y1 - 1, "body_lo")
    c.rect(x1 - 1, y0 + notch + 1, x1 - 1, y1 - 1, "body_lo")
    for y in range(c.size):   # the dark inner edge follows the notch as well
        for x in range(c.size):
            if inside[y][x] and c.px[y][x] == "body" and y < y0 + notch + 1 and \
                    not inside[y - 1][x + 1]:
                c.put(x, y, "body_lo")
    lx0, lx1 = x0 + 2 + (1 if c.size > 16 else 0), x1 - notch - (1 if c.size > 16 else 0)
    c.rect(lx0, y0 + 2, lx1, label_bottom, "label")
    c.rect(lx0, label_bottom, lx1, label_bottom, "label_lo")
    c.rect(lx1, y0 + 2, lx1, label_bottom, "label_lo")
    for (ly, la, lb) in lines:
        c.rect(la, ly, lb, ly, "ink")
    sx0, sy0, sx1, slot = shutter
    c.rect(sx0, sy0, sx1, y1, "metal")
    c.rect(sx0, sy0, sx1, sy0, "metal_hi")
    c.rect(sx0, sy0, sx0, y1, "metal_hi")
    c.rect(sx1, sy0, sx1, y1, "metal_lo")
    c.rect(slot[0], slot[1], slot[2], slot[3], "slot")
    c.rect(x0, y1 + 1, x1 + 1, y1 + 1, None)  # keep the polygon's bottom row out
    c.rect(x0, y1, x1, y1, "outline")


def program_icon(size):
    c = Canvas(size)
    if size == 32:
        cartridge(c, 3, 2, 28, 29, notch=6, label_bottom=15,
                  shutter=(9, 19, 22, (16, 21, 19, 27)),
                  lines=[(7, 9, 19), (10, 9, 19), (13, 9, 15)])
        c.rect(5, 25, 6, 27, "slot")            # write-protect window
    else:
        cartridge(c, 1, 1, 14, 14, notch=3, label_bottom=7,
                  shutter=(5, 10, 11, (8, 11, 9, 13)),
                  lines=[(4, 4, 9)])
    return c


SHORTCUT_32 = [
    "###########",
    "#.........#",
    "#...XXXXX.#",
    "#....XXXX.#",
    "#...XXXXX.#",
    "#..XXX.XX.#",
    "#.XXX...X.#",
    "#.XX......#",
    "#.X.......#",
    "#.........#",
    "###########",
]
SHORTCUT_16 = [
    "########",
    "#.XXXX.#",
    "#..XXX.#",
    "#.XXXX.#",
    "#XXX.X.#",
    "#XX....#",
    "#X.....#",
    "########",
]


def shortcut_icon(size):
    c = program_icon(size)
    art = SHORTCUT_32 if size == 32 else SHORTCUT_16
    c.sprite(0, size - len(art), art, {"#": "outline", ".": "paper", "X": "arrow"})
    return c


def down_arrow(c, cx, top, shaft_w, shaft_bottom, head_w, tip):
    """A green arrow pointing down, centred on the column boundary cx."""
    half = shaft_w // 2
    c.rect(cx - half, top, cx + half - 1, shaft_bottom, "go")
    pts = [(cx - head_w / 2, shaft_bottom + 1), (cx + head_w / 2, shaft_bottom + 1), (cx, tip + 1)]
    c.polygon(pts, "go")
    # A dark rim on the right and lower side keeps it apart from the folder.
    c.rect(cx + half, top, cx + half, shaft_bottom, "go_lo")
    for y in range(shaft_bottom + 1, tip + 1):
        row = [x for x in range(c.size) if c.px[y][x] == "go"]
        if row:
            c.put(max(row) + 1, y, "go_lo")
    c.rect(cx - half, top, cx + half, top, "go_lo")


def folder_icon(size):
    """The destination folder: a yellow folder with a green arrow going in."""
    c = Canvas(size)
    if size == 32:
        c.polygon([(2, 8), (11, 8), (13, 10), (29, 10), (29, 28), (2, 28)], "folder_back", edge="outline")
        c.polygon([(2, 14), (30, 14), (30, 29), (2, 29)], "folder", edge="outline")
        c.rect(3, 15, 28, 15, "paper")
        c.rect(3, 27, 28, 27, "folder_lo")
        down_arrow(c, 16, 1, 6, 13, 14, 22)
        c.rect(9, 22, 23, 22, "folder")   # the arrow ends in the folder's opening line
    else:
        c.polygon([(1, 4), (6, 4), (7, 5), (14, 5), (14, 14), (1, 14)], "folder_back", edge="outline")
        c.polygon([(1, 8), (15, 8), (15, 15), (1, 15)], "folder", edge="outline")
        c.rect(2, 9, 13, 9, "paper")
        down_arrow(c, 8, 0, 2, 6, 8, 11)
        c.rect(5, 11, 10, 11, "folder")
        c.rect(1, 14, 14, 14, "outline")
    return c


def drive_icon(size):
    """The source drive: the cartridge going into the slot of a drive.

    Only a 32-pixel image exists; every edge lies on an even pixel so that the
    picture survives being shrunk to 16 pixels by dropping every other one."""
    assert size == 32
    c = Canvas(size)
    cartridge(c, 8, 0, 24, 20, notch=4, label_bottom=10,
              shutter=(12, 14, 20, (16, 16, 18, 20)), lines=[(4, 12, 18), (6, 12, 18), (8, 12, 16)])
    c.rect(0, 18, 31, 31, None)
    c.polygon([(0, 18), (31, 18), (31, 31), (0, 31)], "case", edge="outline")
    c.rect(30, 19, 30, 30, "outline")
    c.rect(0, 30, 30, 30, "outline")
    c.rect(1, 19, 29, 19, "case_hi")
    c.rect(1, 19, 1, 29, "case_hi")
    c.rect(2, 29, 29, 29, "case_lo")
    c.rect(29, 20, 29, 29, "case_lo")
    c.rect(4, 20, 27, 21, "slot")               # the slot, the cartridge going in
    c.rect(9, 20, 23, 20, "body")
    c.rect(4, 22, 27, 22, "case_hi")
    c.rect(22, 26, 25, 27, "led")
    c.rect(4, 26, 13, 26, "case_lo")
    return c


def monitor_icon(size):
    """End of copy: a computer screen with the power symbol."""
    c = Canvas(size)
    if size == 32:
        c.polygon([(1, 2), (31, 2), (31, 25), (1, 25)], "case", edge="outline")
        c.rect(2, 3, 29, 3, "case_hi")
        c.rect(2, 3, 2, 23, "case_hi")
        c.rect(29, 4, 29, 23, "case_lo")
        c.rect(3, 23, 29, 23, "case_lo")
        c.rect(4, 5, 27, 21, "outline")
        c.rect(5, 6, 26, 20, "screen")
        power(c, 16, 13.5, 6.2, 4.0, thick=2)
        c.polygon([(11, 26), (21, 26), (23, 29), (9, 29)], "case", edge="outline")
        c.rect(6, 29, 25, 30, "outline")
        c.rect(7, 29, 24, 29, "case_lo")
    else:
        c.rect(0, 1, 15, 12, "outline")
        c.rect(1, 2, 14, 11, "case")
        c.rect(2, 3, 13, 10, "screen")
        power(c, 8, 6.5, 3.6, 2.0, thick=1)
        c.rect(5, 13, 10, 13, "outline")
        c.rect(3, 14, 12, 14, "outline")
    return c


def power(c, cx, cy, r, gap, thick):
    """The power symbol: an open ring with a bar through its gap."""
    for y in range(c.size):
        for x in range(c.size):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            if r - thick <= d <= r and not (dy < 0 and abs(dx) < gap / 2 + 0.5):
                c.put(x, y, "power")
    bar = thick // 2
    c.rect(cx - 1 - (thick - 1 - bar), math.floor(cy - r - 1), cx - 1 + bar, math.floor(cy), "power")


def gear_icon(size):
    """Other settings: a grey gear with a yellow hub."""
    c = Canvas(size)
    m = size / 2.0
    if size == 32:
        body, tooth, hole, teeth, width = 10.6, 14.6, 4.2, 8, 0.36
    else:
        body, tooth, hole, teeth, width = 5.4, 7.6, 2.0, 6, 0.34
    def solid(x, y):
        if not (0 <= x < size and 0 <= y < size):
            return False
        dx, dy = x + 0.5 - m, y + 0.5 - m
        d = math.hypot(dx, dy)
        turn = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
        return d <= body or (d <= tooth and abs(turn - 0.5) < width)
    for y in range(size):
        for x in range(size):
            if not solid(x, y):
                continue
            if not all(solid(x + ex, y + ey) for ex, ey in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                c.put(x, y, "outline")
            elif not solid(x - 1, y - 1) or not solid(x - 2, y - 2):
                c.put(x, y, "gear_hi")
            else:
                c.put(x, y, "gear")
    c.disc(m, m, hole + (2.2 if size == 32 else 1.2), "outline")
    c.disc(m, m, hole + (1.2 if size == 32 else 0.7), "hub")
    c.disc(m, m, hole, "outline")
    c.disc(m, m, hole - 1.0, None)
    return c


# ---------------------------------------------------------------- groups

# File name, then the images in resource order: (size, bits per pixel).
GROUPS = [
    ("program.ico", program_icon, [(32, 4), (32, 8), (16, 8), (16, 4)]),
    ("other_settings.ico", gear_icon, [(32, 4), (16, 4), (32, 8)]),
    ("shortcut.ico", shortcut_icon, [(32, 4), (16, 4), (32, 8)]),
    ("dest_folder.ico", folder_icon, [(32, 4), (16, 4), (32, 8)]),
    ("end_of_copy.ico", monitor_icon, [(32, 4), (16, 4), (32, 8), (16, 8)]),
    ("source_drive.ico", drive_icon, [(32, 8)]),
]


def render(draw, size, bits):
    """The picture as rows of colours (None transparent)."""
    canvas = draw(size)
    theme = THEME_16 if bits == 4 else theme_256(size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            role = canvas.px[y][x]
            if role is None:
                row.append(None)
                continue
            colour = theme[role]
            row.append(colour(x, y) if callable(colour) else colour)
        rows.append(row)
    return rows


def palette_of(rows, bits):
    if bits == 4:
        return list(VGA)
    # Black comes first: transparent pixels hold index 0, and only black
    # leaves the screen unchanged where the mask lets it through.
    used = [(0, 0, 0)] + sorted({p for row in rows for p in row if p not in (None, (0, 0, 0))})
    if len(used) > 256:
        raise SystemExit("more than 256 colours")
    return used + [(0, 0, 0)] * (256 - len(used))


def dib(rows, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, AND mask."""
    size = len(rows)
    palette = palette_of(rows, bits)
    index = {}
    for i, colour in enumerate(palette):
        index.setdefault(colour, i)
    for row in rows:
        for p in row:
            if p is not None and p not in index:
                raise SystemExit("colour %r is not in the 16-colour palette" % (p,))
    xor = bytearray()
    mask = bytearray()
    stride = (size * bits + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):                    # bottom-up
        line = bytearray(stride)
        bitsline = bytearray(mask_stride)
        for x, p in enumerate(row):
            i = 0 if p is None else index[p]
            if bits == 8:
                line[x] = i
            else:
                line[x // 2] |= i << (4 if x % 2 == 0 else 0)
            if p is None:
                bitsline[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bitsline
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + pal + bytes(xor) + bytes(mask)


def ico(images):
    """An .ico file: the directory, then the images in the order given."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, bits, blob in images:
        colours = 16 if bits == 4 else 0          # 0 stands for 256 and more
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


# ---------------------------------------------------------------- previews

def png(rows, path, scale=1, background=None):
    size_y, size_x = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        line = bytearray([0])
        for p in row:
            if p is None:
                px = background + (255,) if background else (0, 0, 0, 0)
            else:
                px = tuple(p) + (255,)
            line += bytes(px) * scale
        raw += bytes(line) * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + \
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size_x * scale,
                                                           size_y * scale, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def halve(rows):
    """32 to 16 pixels as the system shrinks an icon that has no 16-pixel image:
    every other pixel."""
    return [row[::2] for row in rows[::2]]


def sheet(pictures, path, scale):
    """All groups side by side, every image in resource order, on two backgrounds."""
    gap = 4
    width = sum(sum(size for size, _, _ in imgs) + gap * len(imgs) for _, imgs in pictures) + gap
    height = 2 * (32 + gap) + gap
    canvas = [[(255, 255, 255)] * width for _ in range(height)]
    for band, bg in enumerate(((255, 255, 255), (0, 128, 128))):
        top = gap + band * (32 + gap)
        for y in range(top - gap // 2, top + 32 + gap // 2):
            canvas[y] = [bg] * width
        x = gap
        for _, imgs in pictures:
            for size, _, rows in imgs:
                for dy, row in enumerate(rows):
                    for dx, p in enumerate(row):
                        if p is not None:
                            canvas[top + dy][x + dx] = p
                x += size + gap
    png(canvas, path, scale)


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    pictures = []
    for name, draw, images in GROUPS:
        rendered = [(size, bits, render(draw, size, bits)) for size, bits in images]
        data = ico([(size, bits, dib(rows, bits)) for size, bits, rows in rendered])
        path = os.path.join(HERE, name)
        if check:
            with open(path, "rb") as f:
                if f.read() != data:
                    stale.append(name)
            continue
        with open(path, "wb") as f:
            f.write(data)
        pictures.append((name, rendered))
    if check:
        for name in stale:
            print("%s is not what make_icons.py draws; rerun it" % name)
        return 1 if stale else 0

    os.makedirs(DOCS, exist_ok=True)
    for name, rendered in pictures:
        base = os.path.splitext(name)[0]
        best = {}
        for size, bits, rows in rendered:       # the richest image of each size
            if size not in best or bits > best[size][0]:
                best[size] = (bits, rows)
        big = best[32][1]
        small = best[16][1] if 16 in best else halve(big)
        png(big, os.path.join(DOCS, base + "-32.png"))
        png(small, os.path.join(DOCS, base + "-16.png"))
    sheet(pictures, os.path.join(DOCS, "all-x4.png"), 4)
    return 0


if __name__ == "__main__":
    sys.exit(main())
