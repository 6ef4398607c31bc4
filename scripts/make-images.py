#!/usr/bin/python3
"""Draw Velkaro's two images from scratch.

Writes, under src/forms/img/ResFiles/:
  aircraft.ico    - application icon: seven 32-bit BMP (DIB) images with
                    alpha, 256/128/64/48/32/24/16 px in that order.
  brandmark.PNG   - 199x165 RGB logo carrying gAMA, cHRM and an iCCP chunk
                    with a small sRGB profile built here.

Run from the repository root:  python3 scripts/make-images.py
Needs Pillow (Debian: python3-pil) and the DejaVu fonts (fonts-dejavu-core).
The output is byte-for-byte the same on every run.
"""

import math
import os
import struct
import sys
import zlib

try:
    from PIL import Image, ImageDraw, ImageFilter, ImageFont
except ImportError:  # e.g. a pyenv python3 ahead of Debian's on PATH
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("make-images.py: Pillow is missing (apt-get install python3-pil)")

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(REPO, "src", "forms", "img", "ResFiles")
ICO_PATH = os.path.join(OUT_DIR, "aircraft.ico")
PNG_PATH = os.path.join(OUT_DIR, "brandmark.PNG")

ICO_SIZES = (256, 128, 64, 48, 32, 24, 16)
SS = 4  # supersampling factor for antialiasing

# Palette
OUTLINE = (27, 45, 66)
FUSELAGE = ((236, 242, 248), (150, 170, 192))  # (light, dark) ends of shading
WING = ((132, 170, 206), (55, 92, 130))
ENGINE = ((110, 128, 148), (52, 66, 84))
WINDOW = (30, 52, 80)
FIN = (70, 104, 140)
NAVY = (24, 42, 66)
STEEL = (70, 118, 166)
PAPER = (250, 251, 253)


# --------------------------------------------------------------------------
# Aircraft geometry (plane units: nose towards -y, centred on the origin)
# --------------------------------------------------------------------------

def _fuselage():
    """Outline of the body: rounded nose, straight cabin, tapering tail."""
    nose, tail, half = -104.0, 100.0, 11.5
    right = []
    steps = 40
    for i in range(steps + 1):
        y = nose + (tail - nose) * i / steps
        if y < -78:  # elliptical nose
            t = (y - nose) / (-78 - nose)
            w = half * math.sqrt(max(0.0, 1 - (1 - t) ** 2))
        elif y < 40:
            w = half
        else:  # taper towards the tail cone
            t = (y - 40) / (tail - 40)
            w = half - (half - 3.5) * t ** 1.3
        right.append((w, y))
    left = [(-x, y) for x, y in reversed(right)]
    return right + [(0.0, tail + 1.5)] + left


def _mirror_pair(pts):
    """A right-hand shape and its mirror image on the left."""
    return [pts, [(-x, y) for x, y in reversed(pts)]]


def _wings():
    right = [(6, -30), (62, -1), (100, 20), (103, 25), (101, 31),
             (94, 33), (58, 24), (6, 18)]
    return _mirror_pair(right)


def _tailplanes():
    right = [(3, 66), (38, 84), (41, 89), (39, 94), (34, 95), (3, 90)]
    return _mirror_pair(right)


def _engines():
    shapes = []
    for cx in (-44.0, 44.0):
        pts = []
        top, bottom, half = -30.0, 8.0, 7.5
        for i in range(24):  # rounded-rectangle nacelle
            a = math.pi * i / 23
            pts.append((cx + half * math.cos(a), bottom - 2 + 4 * math.sin(a)))
        for i in range(24):
            a = math.pi + math.pi * i / 23
            pts.append((cx + half * math.cos(a), top + 6 + 6 * math.sin(a)))
        shapes.append(pts)
    return shapes


def _fin():
    return [(-2.2, 56), (2.2, 56), (2.6, 100), (-2.6, 100)]


def _windows():
    pts = []
    for i in range(21):  # a curved windscreen strip behind the nose
        a = math.pi * (0.15 + 0.7 * i / 20)
        pts.append((9.0 * math.cos(a), -86 - 5 * math.sin(a)))
    for i in range(21):
        a = math.pi * (0.85 - 0.7 * i / 20)
        pts.append((9.0 * math.cos(a) * 0.95, -80 - 4 * math.sin(a)))
    return pts


class View:
    """Maps plane units to image pixels: rotation, scale and offset."""

    def __init__(self, angle_deg, scale, cx, cy):
        a = math.radians(angle_deg)
        self.c, self.s = math.cos(a), math.sin(a)
        self.scale, self.cx, self.cy = scale, cx, cy

    def __call__(self, pts):
        out = []
        for x, y in pts:
            rx = x * self.c - y * self.s
            ry = x * self.s + y * self.c
            out.append((self.cx + rx * self.scale, self.cy + ry * self.scale))
        return out


def _fit_view(angle_deg, box, margin):
    """A View that fits the whole aircraft (rotated) into box=(x0,y0,x1,y1)."""
    probe = View(angle_deg, 1.0, 0.0, 0.0)
    pts = []
    for shape in [_fuselage()] + _wings() + _tailplanes() + _engines():
        pts += probe(shape)
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    w, h = max(xs) - min(xs), max(ys) - min(ys)
    x0, y0, x1, y1 = box
    scale = min((x1 - x0 - 2 * margin) / w, (y1 - y0 - 2 * margin) / h)
    cx = (x0 + x1) / 2 - (min(xs) + max(xs)) / 2 * scale
    cy = (y0 + y1) / 2 - (min(ys) + max(ys)) / 2 * scale
    return View(angle_deg, scale, cx, cy)


# --------------------------------------------------------------------------
# Drawing helpers
# --------------------------------------------------------------------------

def _gradient(size, light, dark):
    """Diagonal shading: light at the top-left, dark at the bottom-right."""
    w, h = size
    n = w + h - 1
    strip = bytes(round(255 * i / n) for i in range(n + 1))
    lum = Image.frombytes("L", size, b"".join(strip[y:y + w] for y in range(h)))
    bands = []
    for i in range(3):
        lut = [round(light[i] + (dark[i] - light[i]) * v / 255) for v in range(256)]
        bands.append(lum.point(lut))
    return Image.merge("RGB", bands)


def _mask(size, polys, grow=0.0):
    """Filled polygons, optionally grown outwards by `grow` pixels."""
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    for p in polys:
        d.polygon(p, fill=255)
        if grow > 0:
            d.line(p + [p[0]], fill=255, width=int(round(2 * grow)), joint="curve")
            r = grow
            for x, y in p:
                d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return m


class Painter:
    """Composites outlined, shaded parts one over another (back to front)."""

    def __init__(self, size, outline_px):
        self.img = Image.new("RGBA", size, (0, 0, 0, 0))
        self.size = size
        self.outline_px = outline_px
        self._grads = {}

    def layer(self, colour, mask):
        """Lay `colour` (RGB tuple or RGB image) over the picture through mask."""
        if isinstance(colour, Image.Image):
            top = colour.copy()
        else:
            top = Image.new("RGB", self.size, colour)
        top.putalpha(mask)
        self.img = Image.alpha_composite(self.img, top)

    def part(self, polys, fill, outline=OUTLINE):
        """Outlined part; fill is a flat colour or a (light, dark) pair."""
        if outline is not None:
            self.layer(outline, _mask(self.size, polys, self.outline_px))
        if isinstance(fill[0], tuple):
            if fill not in self._grads:
                self._grads[fill] = _gradient(self.size, *fill)
            fill = self._grads[fill]
        self.layer(fill, _mask(self.size, polys))


def draw_aircraft(px, angle_deg=45.0):
    """An aircraft seen from above on a transparent field, drawn at px*SS
    and reduced to px with LANCZOS.  Small sizes get a bolder outline and
    drop the shadow and the fine details, which would only blur there."""
    big = px * SS
    small = px <= 32
    outline = big * {16: 0.05, 24: 0.04, 32: 0.032}.get(px, 0.016)
    view = _fit_view(angle_deg, (0, 0, big, big),
                     margin=big * (0.01 if small else 0.035) + outline)
    p = Painter((big, big), outline)

    if not small:  # soft shadow under the whole silhouette
        shapes = [_fuselage()] + _wings() + _tailplanes() + _engines()
        sil = _mask((big, big), [view(s) for s in shapes], outline)
        shadow = Image.new("L", (big, big), 0)
        off = int(big * 0.02)
        shadow.paste(sil, (off, off))
        shadow = shadow.filter(ImageFilter.GaussianBlur(big * 0.012))
        p.layer((10, 20, 35), shadow.point(lambda v: v * 70 // 255))

    p.part([view(s) for s in _engines()], ENGINE)
    p.part([view(s) for s in _wings()], WING)
    p.part([view(s) for s in _tailplanes()], WING)
    p.part([view(_fuselage())], FUSELAGE)
    if px > 24:
        p.part([view(_fin())], FIN, outline=None)
        p.part([view(_windows())], WINDOW, outline=None)
    return _reduce(p.img, px)


def _reduce(img, px):
    """LANCZOS reduction; the faint alpha ripples it leaves in the
    background (under 8/255) are cleared so that the field stays clean."""
    out = img.resize((px, px), Image.LANCZOS)
    out.putalpha(out.getchannel("A").point(lambda v: 0 if v < 8 else v))
    return out


# --------------------------------------------------------------------------
# ICO (BMP-coded entries with alpha and an AND mask)
# --------------------------------------------------------------------------

def dib_entry(img):
    """BITMAPINFOHEADER + bottom-up BGRA pixels + 1-bit AND mask."""
    s = img.width
    assert img.mode == "RGBA" and img.height == s
    px = img.load()
    xor = bytearray()
    mask_stride = (s + 31) // 32 * 4
    andmask = bytearray()
    for y in range(s - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(s):
            r, g, b, a = px[x, y]
            if a == 0:
                r = g = b = 0
                row_mask[x >> 3] |= 0x80 >> (x & 7)
            xor += bytes((b, g, r, a))
        andmask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 32, 0,
                         len(xor) + len(andmask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(andmask)


def write_ico(path, images):
    blobs = [dib_entry(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        dim = 0 if im.width >= 256 else im.width
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)
    return len(out)


def make_ico():
    master = draw_aircraft(256)
    images = [master]
    for size in ICO_SIZES[1:]:
        if size <= 32:
            images.append(draw_aircraft(size))  # bolder variant
        else:
            images.append(_reduce(master, size))
    return write_ico(ICO_PATH, images)


# --------------------------------------------------------------------------
# A small sRGB ICC profile (version 2.1, matrix/TRC display profile)
# --------------------------------------------------------------------------

def _s15f16(v):
    return struct.pack(">i", int(round(v * 65536)))


def _xyz(x, y, z):
    return b"XYZ " + b"\0" * 4 + _s15f16(x) + _s15f16(y) + _s15f16(z)


def _srgb_curve(n=1024):
    vals = []
    for i in range(n):
        v = i / (n - 1)
        lin = v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
        vals.append(int(round(lin * 65535)))
    return b"curv" + b"\0" * 4 + struct.pack(">I", n) + struct.pack(">%dH" % n, *vals)


def _desc(text):
    a = text.encode("ascii") + b"\0"
    return (b"desc" + b"\0" * 4 + struct.pack(">I", len(a)) + a
            + struct.pack(">II", 0, 0) + struct.pack(">HB", 0, 0) + b"\0" * 67)


def _text(text):
    return b"text" + b"\0" * 4 + text.encode("ascii") + b"\0"


def srgb_profile():
    d50 = (0.9642, 1.0, 0.8249)
    trc = _srgb_curve()
    tags = [
        (b"desc", _desc("sRGB (Velkaro)")),
        (b"cprt", _text("No copyright, use freely")),
        (b"wtpt", _xyz(*d50)),
        # sRGB primaries chromatically adapted to D50 (Bradford).
        (b"rXYZ", _xyz(0.436066, 0.222488, 0.013916)),
        (b"gXYZ", _xyz(0.385147, 0.716873, 0.097076)),
        (b"bXYZ", _xyz(0.143066, 0.060608, 0.714096)),
        (b"rTRC", trc), (b"gTRC", trc), (b"bTRC", trc),
    ]
    table_len = 4 + 12 * len(tags)
    offset = 128 + table_len
    table = struct.pack(">I", len(tags))
    data = b""
    placed = {}
    for sig, blob in tags:
        if blob not in placed:  # identical curves share one copy
            placed[blob] = offset + len(data)
            data += blob
            data += b"\0" * (-len(data) % 4)
        table += sig + struct.pack(">II", placed[blob], len(blob))
    size = 128 + len(table) + len(data)
    header = (struct.pack(">I", size) + b"\0" * 4
              + struct.pack(">I", 0x02100000) + b"mntr" + b"RGB " + b"XYZ "
              + struct.pack(">6H", 2024, 1, 1, 0, 0, 0) + b"acsp"
              + b"\0" * 4          # primary platform
              + b"\0" * 4          # flags
              + b"\0" * 4 + b"\0" * 4  # device manufacturer, model
              + b"\0" * 8          # device attributes
              + struct.pack(">I", 0)   # perceptual intent
              + _s15f16(d50[0]) + _s15f16(d50[1]) + _s15f16(d50[2])
              + b"\0" * 4          # creator
              + b"\0" * 44)        # profile ID and reserved
    assert len(header) == 128
    return header + table + data


# --------------------------------------------------------------------------
# PNG writer (RGB, 8 bits, with gAMA, cHRM and iCCP)
# --------------------------------------------------------------------------

def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def write_png(path, img):
    assert img.mode == "RGB"
    w, h = img.size
    raw = img.tobytes()
    stride = 3 * w
    rows = b"".join(b"\0" + raw[y * stride:(y + 1) * stride] for y in range(h))
    out = b"\x89PNG\r\n\x1a\n"
    out += _chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    out += _chunk(b"gAMA", struct.pack(">I", 45455))
    out += _chunk(b"cHRM", struct.pack(">8I", 31270, 32900, 64000, 33000,
                                       30000, 60000, 15000, 6000))
    out += _chunk(b"iCCP", b"sRGB\0\0" + zlib.compress(srgb_profile(), 9))
    out += _chunk(b"IDAT", zlib.compress(rows, 9))
    out += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(out)
    return len(out)


def _font(size):
    for name in ("DejaVuSans-Bold.ttf", "LiberationSans-Bold.ttf"):
        for folder in ("/usr/share/fonts/truetype/dejavu",
                       "/usr/share/fonts/truetype/liberation"):
            path = os.path.join(folder, name)
            if os.path.exists(path):
                return ImageFont.truetype(path, size)
    sys.exit("make-images.py: no DejaVu or Liberation font found "
             "(apt-get install fonts-dejavu-core)")


def draw_brandmark():
    """199x165 logo: a steel-blue disc holding a white aircraft, a contrail
    arc round it, and the word Velkaro underneath."""
    W, H = 199 * SS, 165 * SS
    img = Image.new("RGB", (W, H), PAPER)
    d = ImageDraw.Draw(img)

    # Disc with the aircraft.
    cx, cy, r = W / 2, 56 * SS, 40 * SS
    disc = Image.new("L", (W, H), 0)
    ImageDraw.Draw(disc).ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    img.paste(_gradient((W, H), (104, 150, 196), (40, 78, 120)), (0, 0), disc)

    # Contrail: an open arc outside the disc, swelling in the middle.
    rr = r + 7 * SS
    steps = 120
    for i in range(steps + 1):
        t = i / steps
        a0 = 140 + 170 * t
        width = 0.4 * SS + 2.4 * SS * math.sin(math.pi * t) ** 0.8
        x = cx + rr * math.cos(math.radians(a0))
        y = cy + rr * math.sin(math.radians(a0))
        d.ellipse((x - width, y - width, x + width, y + width), fill=STEEL)

    view = _fit_view(45.0, (cx - r, cy - r, cx + r, cy + r), margin=r * 0.28)
    white = [view(s) for s in [_fuselage()] + _wings() + _tailplanes() + _engines()]
    plane = _mask((W, H), white)
    img.paste((255, 255, 255), (0, 0), plane)
    img.paste((196, 212, 230), (0, 0), _mask((W, H), [view(_fin()), view(_windows())]))

    # Word mark.
    font = _font(36 * SS)
    text = "Velkaro"
    x0, y0, x1, y1 = d.textbbox((0, 0), text, font=font)
    tx = (W - (x1 - x0)) / 2 - x0
    ty = 112 * SS - y0
    d.text((tx, ty), text, font=font, fill=NAVY)
    # Thin accent rule under the word.
    uy = ty + y1 + 6 * SS
    d.rounded_rectangle((W / 2 - 26 * SS, uy, W / 2 + 26 * SS, uy + 2.4 * SS),
                        radius=1.2 * SS, fill=STEEL)
    return img.resize((199, 165), Image.LANCZOS)


def make_png():
    return write_png(PNG_PATH, draw_brandmark())


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for path, make in ((ICO_PATH, make_ico), (PNG_PATH, make_png)):
        size = make()
        print("%s  %d bytes" % (os.path.relpath(path, os.getcwd()), size))


if __name__ == "__main__":
    main()
