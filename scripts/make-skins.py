#!/usr/bin/env python3
"""Draws the launcher's bundled skins and writes them into assets/.

Every picture and sound of the bundled skins comes out of this script: the
bitmaps are painted with signed-distance shapes (so edges are antialiased
without any image library) and the sounds are synthesised from decaying
sines and filtered noise.  Only the Python standard library is used.

The output is deterministic: running the script again gives byte-identical
files, so the generated files are committed and a re-run shows no diff. The
launcher ships the committed files; nothing in the build runs this script.

Usage: scripts/make-skins.py [--out DIR] [--preview DIR]
  --out      where skins/ and nothumb.bmp go (default: the repository's assets/)
  --preview  also write <skin>-preview.bmp, the window as the launcher would
             show it with stand-in icons, for looking the skins over
"""

import argparse
import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp_bytes(width, height, pixels):
    """A 24-bit bottom-up BMP with a BITMAPINFOHEADER; pixels is row-major RGB."""
    row_size = (width * 3 + 3) & ~3
    padding = b"\0" * (row_size - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        base = y * width
        for x in range(width):
            r, g, b = pixels[base + x]
            row += bytes((b, g, r))
        rows.append(bytes(row) + padding)
    data = b"".join(rows)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    # 2835 pixels per metre is 72 dpi; the value only matters to image editors.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return file_header + info_header + data


def wav_bytes(samples, rate):
    """16-bit PCM mono WAV from float samples in -1..1 (clipped)."""
    frames = bytearray()
    for s in samples:
        v = int(round(max(-1.0, min(1.0, s)) * 32767))
        frames += struct.pack("<h", v)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(frames)) + bytes(frames)
    return b"RIFF" + struct.pack("<I", len(body)) + body


class Output:
    """Writes files below one root and remembers what it wrote."""

    def __init__(self, root):
        self.root = root
        self.written = []

    def write(self, relative, data):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        self.written.append(relative)

    def bitmap(self, relative, canvas):
        self.write(relative, bmp_bytes(canvas.width, canvas.height, canvas.rgb_bytes()))

    def sound(self, relative, samples, rate):
        self.write(relative, wav_bytes(samples, rate))

    def text(self, relative, text):
        self.write(relative, text.encode("ascii"))


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

def hex_colour(text):
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def lighten(c, t):
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def vertical(top_colour, bottom_colour, y0, y1):
    """A paint that runs from top_colour at y0 to bottom_colour at y1."""
    span = max(1e-6, y1 - y0)

    def paint(x, y):
        return mix(top_colour, bottom_colour, min(1.0, max(0.0, (y - y0) / span)))
    return paint


# ---------------------------------------------------------------------------
# Signed distance shapes (negative inside, in pixels)
# ---------------------------------------------------------------------------

def sd_round_rect(x0, y0, x1, y1, r):
    """Rectangle [x0,x1]x[y0,y1] with corner radius r."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sd(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    sd.box = (x0, y0, x1, y1)
    return sd


def sd_circle(cx, cy, r):
    def sd(x, y):
        return math.hypot(x - cx, y - cy) - r
    sd.box = (cx - r, cy - r, cx + r, cy + r)
    return sd


def sd_ellipse(cx, cy, rx, ry):
    # Scaled circle: exact enough for antialiasing at the sizes used here.
    k = min(rx, ry)

    def sd(x, y):
        return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k
    sd.box = (cx - rx, cy - ry, cx + rx, cy + ry)
    return sd


def sd_segment(ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def sd(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - half_width
    sd.box = (min(ax, bx) - half_width, min(ay, by) - half_width,
              max(ax, bx) + half_width, max(ay, by) + half_width)
    return sd


def sd_polyline(points, half_width):
    return sd_union(*[sd_segment(a[0], a[1], b[0], b[1], half_width) for a, b in zip(points, points[1:])])


def sd_arc(cx, cy, r, start_deg, end_deg, half_width):
    """A stroked circular arc with round caps, angles in degrees (y down)."""
    steps = max(4, int(abs(end_deg - start_deg) / 12))
    pts = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return sd_polyline(pts, half_width)


def sd_union(*shapes):
    def sd(x, y):
        return min(s(x, y) for s in shapes)
    sd.box = (min(s.box[0] for s in shapes), min(s.box[1] for s in shapes),
              max(s.box[2] for s in shapes), max(s.box[3] for s in shapes))
    return sd


def sd_subtract(shape, cut):
    def sd(x, y):
        return max(shape(x, y), -cut(x, y))
    sd.box = shape.box
    return sd


def sd_intersect(a, b):
    def sd(x, y):
        return max(a(x, y), b(x, y))
    sd.box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]), min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
    return sd


def sd_ring(shape, half_width):
    """The outline of a shape, stroked half_width to each side of its edge."""
    def sd(x, y):
        return abs(shape(x, y)) - half_width
    x0, y0, x1, y1 = shape.box
    sd.box = (x0 - half_width, y0 - half_width, x1 + half_width, y1 + half_width)
    return sd


def sd_offset(shape, dx, dy):
    def sd(x, y):
        return shape(x - dx, y - dy)
    x0, y0, x1, y1 = shape.box
    sd.box = (x0 + dx, y0 + dy, x1 + dx, y1 + dy)
    return sd


def sd_grow(shape, amount):
    def sd(x, y):
        return shape(x, y) - amount
    x0, y0, x1, y1 = shape.box
    sd.box = (x0 - amount, y0 - amount, x1 + amount, y1 + amount)
    return sd


# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------

class Canvas:
    """A float RGB picture that shapes are blended onto.

    Shapes, paints and the positions of crop and paste are in the skin's
    pixels. A canvas of scale 2 holds two device pixels per skin pixel each
    way (the skin's @2x pictures) and samples every shape at its own pixel
    centres, so edges, lettering and hairlines come out finer rather than
    enlarged. get and set address device pixels; width and height count them.
    """

    def __init__(self, width, height, colour=(0, 0, 0), scale=1):
        self.scale = scale
        self.width = width * scale
        self.height = height * scale
        self.px = [tuple(colour)] * (self.width * self.height)

    def copy(self):
        c = Canvas(0, 0, scale=self.scale)
        c.width, c.height, c.px = self.width, self.height, list(self.px)
        return c

    def crop(self, x, y, w, h):
        s = self.scale
        c = Canvas(w, h, scale=s)
        c.px = [self.px[(y * s + j) * self.width + x * s + i] for j in range(h * s) for i in range(w * s)]
        return c

    def paste(self, other, x, y, see_through=False):
        """Copies another canvas in; with see_through its magenta pixels are skipped."""
        x, y = x * self.scale, y * self.scale
        for j in range(other.height):
            for i in range(other.width):
                c = other.px[j * other.width + i]
                if see_through and c == MAGENTA:
                    continue
                if 0 <= x + i < self.width and 0 <= y + j < self.height:
                    self.px[(y + j) * self.width + x + i] = c

    def get(self, x, y):
        return self.px[y * self.width + x]

    def set(self, x, y, colour):
        self.px[y * self.width + x] = colour

    def fill(self, shape, paint, alpha=1.0):
        """Blends paint (a colour or a function of x, y) over the shape, with
        one-pixel antialiasing from the distance at each pixel centre."""
        s = self.scale
        x0, y0, x1, y1 = shape.box
        xa, ya = max(0, int(math.floor(x0 * s)) - 1), max(0, int(math.floor(y0 * s)) - 1)
        xb, yb = min(self.width, int(math.ceil(x1 * s)) + 2), min(self.height, int(math.ceil(y1 * s)) + 2)
        flat = not callable(paint)
        for y in range(ya, yb):
            cy = (y + 0.5) / s
            row = y * self.width
            for x in range(xa, xb):
                cover = 0.5 - shape((x + 0.5) / s, cy) * s
                if cover <= 0.0:
                    continue
                a = alpha * (1.0 if cover >= 1.0 else cover)
                c = paint if flat else paint((x + 0.5) / s, cy)
                old = self.px[row + x]
                self.px[row + x] = (old[0] + (c[0] - old[0]) * a,
                                    old[1] + (c[1] - old[1]) * a,
                                    old[2] + (c[2] - old[2]) * a)

    def shadow(self, shape, colour, softness, alpha):
        """A soft shadow or glow: full inside the shape, fading out over
        `softness` pixels beyond its edge."""
        s = self.scale
        x0, y0, x1, y1 = sd_grow(shape, softness).box
        for y in range(max(0, int(y0 * s)), min(self.height, int(math.ceil(y1 * s)) + 1)):
            for x in range(max(0, int(x0 * s)), min(self.width, int(math.ceil(x1 * s)) + 1)):
                d = shape((x + 0.5) / s, (y + 0.5) / s)
                if d >= softness:
                    continue
                t = 1.0 if d <= 0 else 1.0 - d / softness
                a = alpha * t * t
                old = self.px[y * self.width + x]
                self.px[y * self.width + x] = mix(old, colour, a)

    def cut_outline(self, shape, rim, rim_soft):
        """Makes every pixel whose centre lies outside the shape pure magenta.

        Pixels inside keep their colour except the outermost ring, which is
        painted `rim` and, where the true edge crosses the pixel, eased toward
        `rim_soft` (a tone that sits well on most desktops). Nothing is ever
        blended toward magenta, so the window outline cut from it is crisp.

        What is cut is decided per skin pixel, at its centre, so that a
        picture of any scale cuts the very outline of the ordinary one (the
        launcher cuts the window in skin pixels); the rim inside it is drawn
        at the canvas's own detail.
        """
        s = self.scale
        for y in range(self.height):
            for x in range(self.width):
                cut = shape(x // s + 0.5, y // s + 0.5)
                if cut > 0.0:
                    self.px[y * self.width + x] = MAGENTA
                    continue
                d = cut if s == 1 else shape((x + 0.5) / s, (y + 0.5) / s)
                if d > -1.0:
                    # The edge ring: d in (-1, 0] (a little above 0 for the
                    # outer device pixels of a kept skin pixel); the nearer
                    # the edge, the softer.
                    self.px[y * self.width + x] = mix(rim, rim_soft, min(1.0, 1.0 + d) * 0.6)

    def rgb_bytes(self):
        out = []
        for c in self.px:
            if c == MAGENTA:
                out.append(MAGENTA)
                continue
            r, g, b = (max(0, min(255, int(round(v)))) for v in c)
            # A drawn colour must never turn into the cut-out colour by rounding.
            if (r, g, b) == MAGENTA:
                g = 1
            out.append((r, g, b))
        return out

    def scaled(self, width, height):
        """Box-filtered downscale (magenta is averaged like any colour, so
        replace it first where it must not bleed)."""
        out = Canvas(width, height)
        sx, sy = self.width / width, self.height / height
        for y in range(height):
            for x in range(width):
                fx0, fx1 = x * sx, (x + 1) * sx
                fy0, fy1 = y * sy, (y + 1) * sy
                acc = [0.0, 0.0, 0.0]
                total = 0.0
                for j in range(int(fy0), min(self.height, int(math.ceil(fy1)))):
                    wy = min(fy1, j + 1) - max(fy0, j)
                    for i in range(int(fx0), min(self.width, int(math.ceil(fx1)))):
                        w = (min(fx1, i + 1) - max(fx0, i)) * wy
                        c = self.px[j * self.width + i]
                        acc[0] += c[0] * w
                        acc[1] += c[1] * w
                        acc[2] += c[2] * w
                        total += w
                out.px[y * width + x] = (acc[0] / total, acc[1] / total, acc[2] / total)
        return out

    def replace_magenta(self, colour):
        self.px = [colour if c == MAGENTA else c for c in self.px]

    def scaled_mask(self, width, height):
        """How much of each pixel of a downscaled copy is not cut out."""
        inside = Canvas(self.width, self.height)
        inside.px = [(0, 0, 0) if c == MAGENTA else (1, 1, 1) for c in self.px]
        return [c[0] for c in inside.scaled(width, height).px]


# ---------------------------------------------------------------------------
# Stroke lettering for the word mark (capitals on a 0..8 x 0..12 grid)
# ---------------------------------------------------------------------------

def glyph(letter, ox, oy, scale, hw):
    """The shape of one capital letter with its top-left corner at (ox, oy)."""
    def p(x, y):
        return (ox + x * scale, oy + y * scale)

    def line(*pts):
        return sd_polyline([p(*q) for q in pts], hw)

    def arc(cx, cy, r, a0, a1):
        c = p(cx, cy)
        return sd_arc(c[0], c[1], r * scale, a0, a1, hw)

    def oval():
        return sd_ring(sd_round_rect(*p(0, 0), *p(8, 12), 4 * scale), hw)

    shapes = {
        "E": lambda: sd_union(line((8, 0), (0, 0), (0, 12), (8, 12)), line((0, 6), (6, 6))),
        "O": oval,
        "Q": lambda: sd_union(oval(), line((5, 8.5), (8.5, 12.5))),
        "R": lambda: sd_union(line((0, 12), (0, 0), (4.5, 0)), arc(4.5, 3.2, 3.2, -90, 90),
                              line((4.5, 6.4), (0, 6.4)), line((4, 6.4), (8, 12))),
        "U": lambda: sd_union(line((0, 0), (0, 8)), line((8, 0), (8, 8)), arc(4, 8, 4, 0, 180)),
        "V": lambda: line((0, 0), (4, 12), (8, 0)),
        "X": lambda: sd_union(line((0, 0), (8, 12)), line((8, 0), (0, 12))),
    }
    return shapes[letter]()


def word_mark(canvas, text, x, y, cap_height, tracking, paint):
    scale = cap_height / 12.0
    hw = 0.55 + 0.05 * cap_height
    for ch in text:
        if ch != " ":
            canvas.fill(glyph(ch, x, y, scale, hw), paint)
        x += 8 * scale + tracking
    return x


# ---------------------------------------------------------------------------
# Icons of the action buttons
# ---------------------------------------------------------------------------

def icon_close(cx, cy, size):
    s = size * 0.2
    hw = max(0.9, size * 0.055)
    return sd_union(sd_segment(cx - s, cy - s, cx + s, cy + s, hw), sd_segment(cx + s, cy - s, cx - s, cy + s, hw))


def icon_add_folder(cx, cy, size):
    """A folder outline with a plus badge: 'add shortcuts'."""
    u = size / 22.0
    hw = max(0.75, 0.8 * u)
    body = sd_round_rect(cx - 7 * u, cy - 4 * u, cx + 7 * u, cy + 6 * u, 1.6 * u)
    tab = sd_round_rect(cx - 7 * u, cy - 6.5 * u, cx - 1 * u, cy - 2 * u, 1.4 * u)
    folder = sd_ring(sd_union(body, tab), hw)
    plus = sd_union(sd_segment(cx, cy - 0.5 * u, cx, cy + 3.9 * u, hw),
                    sd_segment(cx - 2.2 * u, cy + 1.7 * u, cx + 2.2 * u, cy + 1.7 * u, hw))
    return folder, plus


def icon_palette(cx, cy, size):
    """A painter's palette (blob with a thumb hole) and its paint dots."""
    u = size / 22.0
    blob = sd_ellipse(cx, cy + 0.3 * u, 7.6 * u, 6.4 * u)
    hole = sd_circle(cx + 3.2 * u, cy + 3.0 * u, 1.7 * u)
    notch = sd_circle(cx + 7.0 * u, cy + 3.4 * u, 2.6 * u)
    body = sd_subtract(sd_subtract(blob, hole), notch)
    dots = [sd_circle(cx - 3.8 * u, cy + 0.6 * u, 1.3 * u), sd_circle(cx - 1.6 * u, cy - 3.0 * u, 1.3 * u),
            sd_circle(cx + 2.3 * u, cy - 3.0 * u, 1.3 * u)]
    return body, dots


# ---------------------------------------------------------------------------
# Sounds
# ---------------------------------------------------------------------------

class Noise:
    """A small linear congruential generator: deterministic noise."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


def envelope(t, attack, decay):
    rise = 1.0 if attack <= 0 else min(1.0, t / attack)
    return rise * math.exp(-t / decay)


def tone(rate, duration, freq, amp, attack, decay, partials=((1.0, 1.0),), glide=0.0, fade=0.01):
    """A sum of sine partials (ratio, level) with an exponential decay and an
    optional pitch glide (fractional change over the duration)."""
    n = int(rate * duration)
    out = []
    phases = [0.0] * len(partials)
    for i in range(n):
        t = i / rate
        f = freq * (1.0 + glide * t / duration)
        v = 0.0
        for k, (ratio, level) in enumerate(partials):
            phases[k] += 2 * math.pi * f * ratio / rate
            # Higher partials die away sooner, as struck things do.
            v += level * math.sin(phases[k]) * math.exp(-t * (ratio - 1.0) * 6.0)
        tail = min(1.0, (duration - t) / fade)
        out.append(amp * v * envelope(t, attack, decay) * tail)
    return out


def noise_burst(rate, duration, amp, decay, smoothing, seed):
    noise = Noise(seed)
    n = int(rate * duration)
    out, low = [], 0.0
    for i in range(n):
        t = i / rate
        low += (noise.next() - low) * smoothing
        out.append(amp * low * envelope(t, 0.0005, decay))
    return out


def mixdown(*tracks, offsets=None):
    offsets = offsets or [0] * len(tracks)
    length = max(o + len(t) for t, o in zip(tracks, offsets))
    out = [0.0] * length
    for track, offset in zip(tracks, offsets):
        for i, v in enumerate(track):
            out[offset + i] += v
    return out


def chime(rate, notes, amp, spacing, ring, partials):
    tracks = [tone(rate, ring, f, amp, 0.004, ring / 4.0, partials, fade=0.05) for f in notes]
    return mixdown(*tracks, offsets=[int(i * spacing * rate) for i in range(len(notes))])


# ---------------------------------------------------------------------------
# INI text
# ---------------------------------------------------------------------------

def ini_section(name, rows, comment=None):
    """rows: (key, value) pairs or '; comment' strings."""
    lines = []
    if comment:
        lines += ["; " + line if line else ";" for line in comment.split("\n")]
    lines.append("[%s]" % name)
    for row in rows:
        if isinstance(row, str):
            lines += ["; " + part for part in row.split("\n")]
        else:
            lines.append("%s=%s" % row)
    return "\n".join(lines) + "\n"


def skin_info_section(name, comment, description, startup_sound, sections, styles):
    return ini_section("SkinInfo", [
        ("SkinName", name),
        ("AuthorName", "The Quorvex team"),
        ("AuthorWebsite", "https://quorvex.example/skins"),
        ("AuthorEmail", "skins@quorvex.example"),
        ("AuthorComment", comment),
        ("SkinCopyright", "Part of Quorvex; free to copy and adapt."),
        ("SkinDescription", description),
        "1: the chooser shows thumbnail.bmp from this folder; 0: the launcher's nothumb.bmp.",
        ("SkinThumbnail", 1),
        ("SkinStartupSound", startup_sound),
        "Modifiers in this order only: ctrl+ alt+ shift+, then ScrollLock, F1..F16, A..Z or 0..9.",
        ("Hotkey", "ScrollLock"),
        "0: other windows may cover the launcher; the hot key brings it back to the front.",
        ("AlwaysOnTop", 0),
        ("enableSound", 1),
        "First placement: X 1 left edge, 2 right edge, 3 centred; Y 1 top, 2 bottom, 3 centred.",
        ("PositionX", 2),
        ("PositionY", 1),
        ("SectionNum", sections),
        ("ActionButtonStyles", styles),
    ], "The skin as a whole: what the chooser shows, and how the window starts.")


def action_button_rows(prefix, left, top, sounds, transparency=1):
    down, up, action, hover = sounds
    return [("Transparency", transparency), ("Left", left), ("Top", top), ("RegionOnly", 0),
            (prefix + "DownSound", down), (prefix + "UpSound", up),
            (prefix + "Sound", action), (prefix + "HoverSound", hover)]


def font_rows(size, bold=0):
    return [("FontName", "DejaVu Sans"), ("FontSize", size), ("FontBold", bold), ("FontItalic", 0)]


def section_rows(background_note, style, left, top, sounds, colours, font_size, slots_note, slots):
    """A section button: sounds are (hover, down, up), colours (normal, hover, current)."""
    hover, down, up = sounds
    normal, hover_colour, current = colours
    return [
        background_note,
        ("Style", style),
        ("Transparency", 1),
        ("Left", left), ("Top", top),
        "Caption placement on the tab: 7 is centred both ways; 255 shows no caption.",
        ("TextAlignment", 7),
        ("HoverSound", hover), ("MouseDownSound", down), ("MouseUpSound", up),
        ("RegionOnly", 0),
        ("FontColor", normal), ("HoverColor", hover_colour), ("CurrentColor", current),
    ] + font_rows(font_size) + [slots_note, ("ActionButtonNumber", len(slots))] + slot_rows(slots)


def launch_style_rows(caption, sounds, icon, colours, font_size):
    """A launch-button style. caption: (note, label alignment, left, top,
    width, height); sounds: hover, down, up, drag-over, drop; icon: (note,
    alignment, size code); colours: (normal, pointer over)."""
    note, alignment, left, top, width, height = caption
    hover, down, up, drag_over, drop = sounds
    icon_note, icon_alignment, icon_size = icon
    return [
        ("Transparency", 1), ("RegionOnly", 0),
        note,
        ("TextAlignment", alignment),
        "CaptionAlignment 255: the button itself draws no caption; the label does.",
        ("CaptionAlignment", 255),
        ("TextLeft", left), ("TextTop", top), ("TextWidth", width), ("TextHeight", height),
        ("HoverSound", hover), ("MouseDownSound", down), ("MouseUpSound", up),
        ("OLEHoverSound", drag_over), ("OLEDropSound", drop),
        icon_note,
        ("IconAlignment", icon_alignment), ("IconSize", icon_size),
        ("FontColor", colours[0]), ("FontHoverColor", colours[1]),
    ] + font_rows(font_size)


def slot_rows(slots):
    rows = []
    for n, (left, top, style) in enumerate(slots):
        rows += [("Button%02dLeft" % n, left), ("Button%02dTop" % n, top), ("Button%02dStyle" % n, style)]
    return rows



# ---------------------------------------------------------------------------
# Pieces shared by the skins
# ---------------------------------------------------------------------------

class ButtonLook:
    """Fill, rim and glyph colours of one state of a small square button."""

    def __init__(self, top, bottom, rim, glyph, highlight, glyph_dy=0):
        self.top, self.bottom, self.rim, self.glyph = top, bottom, rim, glyph
        self.highlight, self.glyph_dy = highlight, glyph_dy


def draw_action_button(background, x, y, size, radius, look, glyph_shapes):
    """One state picture of an action button, drawn over the background it
    sits on so that its rounded corners blend without a mask."""
    tile = background.crop(x, y, size, size)
    outer = sd_round_rect(0.5, 0.5, size - 0.5, size - 0.5, radius)
    tile.fill(outer, look.rim)
    inner = sd_round_rect(1.5, 1.5, size - 1.5, size - 1.5, radius - 1)
    tile.fill(inner, vertical(look.top, look.bottom, 1.5, size - 1.5))
    if look.highlight is not None:
        top_line = sd_intersect(sd_ring(inner, 0.5), sd_round_rect(0, 0, size, size * 0.45, 0))
        tile.fill(top_line, look.highlight, 0.6)
    for shape, paint in glyph_shapes(size / 2.0, size / 2.0 + look.glyph_dy, size, look):
        tile.fill(shape, paint)
    return tile


class CardColours:
    def __init__(self, top, bottom, edge, accent, rest_alpha=0.035):
        self.top, self.bottom, self.edge, self.accent, self.rest_alpha = top, bottom, edge, accent, rest_alpha


def card_picture(background, x, y, w, h, radius, state, colours):
    """One state of a launch button drawn as a rounded card over the
    background: 1 resting, 2 pointer over, 3 pressed, 4 released inside."""
    t = background.crop(x, y, w, h)
    card = sd_round_rect(0.5, 0.5, w - 0.5, h - 0.5, radius)
    rim = sd_ring(card, 0.5)
    if state == 1:
        t.fill(card, (255, 255, 255), colours.rest_alpha)
        t.fill(rim, (255, 255, 255), colours.rest_alpha * 1.5)
    elif state == 2:
        t.fill(card, vertical(lighten(colours.top, 0.16), lighten(colours.top, 0.08), 0, h))
        t.fill(rim, colours.accent, 0.65)
    elif state == 3:
        t.fill(card, vertical(darken(colours.bottom, 0.40), darken(colours.bottom, 0.25), 0, h))
        t.fill(rim, darken(colours.edge, 0.3), 0.8)
        # A shade along the inner top edge reads as "pushed in".
        inner_rim = sd_ring(sd_round_rect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1), 0.5)
        t.fill(sd_intersect(inner_rim, sd_round_rect(0, 0, w, h / 2, 0)), (0, 0, 0), 0.3)
    else:
        t.fill(card, vertical(mix(colours.top, colours.accent, 0.28), mix(colours.top, colours.accent, 0.18), 0, h))
        t.fill(rim, lighten(colours.accent, 0.2), 0.9)
    return t


def close_glyph(cx, cy, size, look):
    return [(icon_close(cx, cy, size), look.glyph)]


def add_glyph(cx, cy, size, look):
    folder, plus = icon_add_folder(cx, cy, size)
    return [(folder, look.glyph), (plus, look.glyph)]


def palette_glyph(dot_colours):
    def shapes(cx, cy, size, look):
        body, dots = icon_palette(cx, cy, size)
        return [(body, look.glyph)] + [(d, c) for d, c in zip(dots, dot_colours)]
    return shapes


def write_action_buttons(out, folder, background, positions, size, radius, looks, palette_dots):
    """Writes the Exit_*, SC_* and sm_* pictures and returns the up ones by
    name; looks maps each name to a ButtonLook per state."""
    kinds = [("Exit", close_glyph), ("SC", add_glyph), ("sm", palette_glyph(palette_dots))]
    up = {}
    for name, glyph_fn in kinds:
        x, y = positions[name]
        for state in ("up", "down", "hover"):
            picture = draw_action_button(background, x, y, size, radius, looks[name][state], glyph_fn)
            out.bitmap("%s/%s_%s.bmp" % (folder, name, state), picture)
            up.setdefault(name, picture)
    return up


def sample_icon(kind, x, y, size, hue):
    """Stand-in shortcut icons for thumbnails and previews."""
    u = size / 32.0
    shapes = []
    if kind == 0:
        shapes.append((sd_round_rect(x + 4 * u, y + 4 * u, x + 28 * u, y + 28 * u, 6 * u), hue))
        shapes.append((sd_circle(x + 16 * u, y + 16 * u, 6 * u), lighten(hue, 0.7)))
    elif kind == 1:
        shapes.append((sd_circle(x + 16 * u, y + 16 * u, 12 * u), hue))
        shapes.append((sd_segment(x + 10 * u, y + 16 * u, x + 22 * u, y + 16 * u, 2 * u), lighten(hue, 0.8)))
    else:
        shapes.append((sd_round_rect(x + 5 * u, y + 7 * u, x + 27 * u, y + 25 * u, 3 * u), hue))
        shapes.append((sd_round_rect(x + 8 * u, y + 10 * u, x + 24 * u, y + 18 * u, 1 * u), lighten(hue, 0.75)))
    return shapes


def thumbnail_from(preview, backdrop, width=120, height=90, margin=4):
    """The skin's preview scaled into a landscape thumbnail on a plain backdrop."""
    scale = min((width - 2 * margin) / preview.width, (height - 2 * margin) / preview.height)
    w, h = max(1, int(round(preview.width * scale))), max(1, int(round(preview.height * scale)))
    flat = preview.copy()
    flat.replace_magenta(backdrop(0, 0) if callable(backdrop) else backdrop)
    small = flat.scaled(w, h)
    thumb = Canvas(width, height)
    thumb.fill(sd_round_rect(0, 0, width, height, 0), backdrop)
    # Only the skin's own pixels are pasted; the cut-out corners show the backdrop.
    mask = preview.scaled_mask(w, h)
    ox, oy = (width - w) // 2, (height - h) // 2
    for j in range(h):
        for i in range(w):
            cover = mask[j * w + i]
            if cover > 0:
                old = thumb.get(ox + i, oy + j)
                thumb.set(ox + i, oy + j, mix(old, small.get(i, j), cover))
    return thumb



def no_preview_picture(width=120, height=90):
    """The chooser's stand-in for skins without a thumbnail: an empty picture
    frame (hills and a sun) struck through, in quiet greys."""
    c = Canvas(width, height)
    c.fill(sd_round_rect(0, 0, width, height, 0), vertical(hex_colour("e4e6e9"), hex_colour("c9cdd2"), 0, height))
    ink = hex_colour("8a929b")
    fx0, fy0, fx1, fy1 = width * 0.27, height * 0.24, width * 0.73, height * 0.76
    frame = sd_round_rect(fx0, fy0, fx1, fy1, 4)
    c.fill(frame, hex_colour("f3f4f6"))
    inner = sd_round_rect(fx0 + 4, fy0 + 4, fx1 - 4, fy1 - 4, 1.5)
    hills = sd_intersect(inner, sd_union(sd_circle(fx0 + 14, fy1 + 10, 22), sd_circle(fx1 - 10, fy1 + 16, 24)))
    c.fill(hills, hex_colour("c2c8ce"))
    c.fill(sd_circle(fx1 - 15, fy0 + 14, 5), hex_colour("d3d8dd"))
    c.fill(sd_ring(frame, 1.0), ink)
    c.fill(sd_segment(fx0 - 6, fy1 + 6, fx1 + 6, fy0 - 6, 3.2), hex_colour("e4e6e9"))
    c.fill(sd_segment(fx0 - 6, fy1 + 6, fx1 + 6, fy0 - 6, 1.4), ink)
    return c


INI_HEADER = """; %(name)s -- a skin for the Quorvex launcher.
;
; Positions and sizes are pixels from the top-left corner of the window, which
; is the top-left corner of %(name)s.bmp (%(w)d x %(h)d). Magenta (FF00FF) in that
; bitmap is cut out of the window's outline. Colours are RRGGBB without a prefix.
; File names are found regardless of letter case. The launcher writes its own
; [UserSettings] section (last position, shaded state) at the end of this file.
"""


# ---------------------------------------------------------------------------
# Slatewise: the default skin, calm slate blue and graphite
# ---------------------------------------------------------------------------

class Slatewise:
    NAME = "Slatewise"
    W, H = 308, 384
    RADIUS = 16

    RIM = hex_colour("161c23")
    RIM_SOFT = hex_colour("56616d")
    BODY_TOP, BODY_BOTTOM = hex_colour("2f3a47"), hex_colour("222a33")
    TITLE_TOP, TITLE_BOTTOM = hex_colour("485b6f"), hex_colour("37475a")
    WELL_TOP, WELL_BOTTOM = hex_colour("34414f"), hex_colour("2d3845")
    WELL_EDGE = hex_colour("1b222a")
    ACCENT = hex_colour("7eb0d8")
    INK = hex_colour("c9d5e1")

    # Section tabs along the top edge of the well.
    TAB_Y, TAB_W, TAB_H, TAB_GAP, TAB_X0 = 48, 68, 27, 4, 12
    WELL = (12, 74, 296, 346)
    # Launch tiles: icon tile with its caption underneath.
    TILE_W, TILE_H = 64, 44
    GRID_X0, GRID_Y0, GRID_DX, GRID_DY, GRID_COLS, GRID_ROWS = 17, 82, 70, 66, 4, 4
    BUTTON = 24
    CLOCK = (104, 356, 100, 18)

    def __init__(self, out):
        self.out = out
        self.folder = "skins/" + self.NAME
        self.action_positions = {"sm": (214, 8), "SC": (242, 8), "Exit": (270, 8)}

    def tab_x(self, i):
        return self.TAB_X0 + i * (self.TAB_W + self.TAB_GAP)

    def slots(self):
        return [(self.GRID_X0 + c * self.GRID_DX, self.GRID_Y0 + r * self.GRID_DY, 0)
                for r in range(self.GRID_ROWS) for c in range(self.GRID_COLS)]

    def outline(self):
        return sd_round_rect(0, 0, self.W, self.H, self.RADIUS)

    def background(self):
        W, H = self.W, self.H
        c = Canvas(W, H, self.BODY_BOTTOM)
        c.fill(self.outline(), vertical(self.BODY_TOP, self.BODY_BOTTOM, 0, H))
        # Title band with a hairline highlight and a two-tone divider.
        c.fill(sd_round_rect(0, 0, W, 40, 0), vertical(self.TITLE_TOP, self.TITLE_BOTTOM, 0, 40))
        c.fill(sd_round_rect(0, 1, W, 2, 0), lighten(self.TITLE_TOP, 0.18), 0.7)
        c.fill(sd_round_rect(0, 40, W, 41, 0), self.WELL_EDGE)
        c.fill(sd_round_rect(0, 41, W, 42, 0), lighten(self.BODY_TOP, 0.08))
        # Emblem and word mark.
        # Emblem: four tiles, the launcher in miniature.
        for k in range(4):
            ex, ey = 16 + (k % 2) * 7.5, 13 + (k // 2) * 7.5
            tile = sd_round_rect(ex, ey, ex + 6, ey + 6, 1.6)
            c.fill(sd_grow(tile, 0.8), darken(self.TITLE_BOTTOM, 0.45), 0.8)
            c.fill(tile, vertical(lighten(self.ACCENT, 0.25 if k != 3 else 0.0),
                                  darken(self.ACCENT, 0.15 if k != 3 else 0.35), ey, ey + 6))
        word_mark(c, "QUORVEX", 39, 15, 10, 4.2, self.INK)
        # The well that holds the launch tiles; tabs sit on its top edge.
        x0, y0, x1, y1 = self.WELL
        c.shadow(sd_round_rect(x0, y0 + 1, x1, y1 + 1, 8), darken(self.BODY_BOTTOM, 0.5), 3, 0.5)
        c.fill(sd_round_rect(x0, y0, x1, y1, 8), self.WELL_EDGE)
        c.fill(sd_round_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 7),
               vertical(self.WELL_TOP, self.WELL_BOTTOM, y0, y1))
        # Square the well's top-left corner under the first tab.
        c.fill(sd_round_rect(x0, y0, x0 + 9, y0 + 9, 0), self.WELL_EDGE)
        c.fill(sd_round_rect(x0 + 1, y0 + 1, x0 + 10, y0 + 10, 0), self.WELL_TOP)
        # Clock recess at the foot.
        cx, cy, cw, ch = self.CLOCK
        pill = sd_round_rect(cx + 4, cy - 2, cx + cw - 4, cy + ch + 2, (ch + 4) / 2)
        c.fill(sd_grow(pill, 1), lighten(self.BODY_BOTTOM, 0.07))
        c.fill(pill, vertical(darken(self.BODY_BOTTOM, 0.35), darken(self.BODY_BOTTOM, 0.15), cy - 2, cy + ch + 2))
        # Grip dots either side of the clock: the window is dragged by its body.
        for side in (-1, 1):
            for k in range(3):
                gx = W / 2 + side * (cw / 2 + 10 + k * 6)
                c.fill(sd_circle(gx, cy + ch / 2, 1.1), lighten(self.BODY_BOTTOM, 0.16))
        c.cut_outline(self.outline(), self.RIM, self.RIM_SOFT)
        return c

    # Tab pictures: 1 normal, 2 current, 3 pointer over, 4 pressed.
    def tab(self, background, i, state):
        x, w, h = self.tab_x(i), self.TAB_W, self.TAB_H
        t = background.crop(x, self.TAB_Y, w, h)
        shape = sd_round_rect(0.5, 0.5, w - 0.5, h + 8, 6)
        inner = sd_round_rect(1.5, 1.5, w - 1.5, h + 8, 5)
        well_top = self.WELL_TOP
        if state == 2:
            t.fill(shape, self.WELL_EDGE)
            t.fill(inner, vertical(lighten(well_top, 0.10), well_top, 0, h))
            t.fill(sd_intersect(inner, sd_round_rect(0, 0, w, 3.5, 0)), self.ACCENT)
            return t
        fills = {1: (lighten(self.BODY_TOP, 0.02), darken(self.BODY_BOTTOM, 0.05)),
                 3: (lighten(self.BODY_TOP, 0.16), lighten(self.BODY_TOP, 0.06)),
                 4: (darken(self.BODY_BOTTOM, 0.30), darken(self.BODY_BOTTOM, 0.15))}
        top, bottom = fills[state]
        t.fill(shape, self.WELL_EDGE)
        t.fill(inner, vertical(top, bottom, 0, h))
        if state == 3:
            t.fill(sd_intersect(inner, sd_round_rect(0, 0, w, 2.5, 0)), self.ACCENT, 0.55)
        if state == 4:
            t.fill(sd_intersect(inner, sd_round_rect(0, 0, w, 3.5, 0)), darken(self.ACCENT, 0.3))
        # The tab's foot is the well's top edge.
        t.fill(sd_round_rect(0, h - 1, w, h, 0), self.WELL_EDGE)
        return t

    # Launch tile pictures: 1 normal, 2 pointer over, 3 pressed, 4 released inside.
    def tile(self, background, state):
        return card_picture(background, self.GRID_X0, self.GRID_Y0, self.TILE_W, self.TILE_H, 7, state,
                            CardColours(self.WELL_TOP, self.WELL_BOTTOM, self.WELL_EDGE, self.ACCENT))

    def action_looks(self):
        glyph = hex_colour("c3d0dc")
        up = ButtonLook(hex_colour("3e4f62"), hex_colour("334254"), self.RIM, glyph, lighten(self.TITLE_TOP, 0.3))
        hover = ButtonLook(hex_colour("53687f"), hex_colour("44576c"), self.RIM, (255, 255, 255),
                           lighten(self.TITLE_TOP, 0.45))
        down = ButtonLook(hex_colour("263241"), hex_colour("2e3b4b"), self.RIM, hex_colour("a9b8c7"), None, 1)
        exit_hover = ButtonLook(hex_colour("a5545a"), hex_colour("8a4047"), self.RIM, (255, 255, 255),
                                hex_colour("c98a8f"))
        exit_down = ButtonLook(hex_colour("6e3035"), hex_colour("7d3a40"), self.RIM, hex_colour("e8d0d2"), None, 1)
        looks = {name: {"up": up, "hover": hover, "down": down} for name in ("SC", "sm")}
        looks["Exit"] = {"up": up, "hover": exit_hover, "down": exit_down}
        return looks

    def sounds(self):
        rate = 44100
        folder = self.folder
        click = mixdown(noise_burst(rate, 0.014, 0.30, 0.003, 0.35, 7),
                        tone(rate, 0.07, 1150, 0.22, 0.0008, 0.012, ((1, 1), (2.3, 0.3))))
        self.out.sound(folder + "/click.wav", click, rate)
        self.out.sound(folder + "/tick.wav", tone(rate, 0.04, 2600, 0.13, 0.0005, 0.006, ((1, 1), (1.5, 0.2))), rate)
        self.out.sound(folder + "/hover.wav", tone(rate, 0.05, 1760, 0.045, 0.006, 0.014), rate)
        self.out.sound(folder + "/drop.wav", tone(rate, 0.16, 520, 0.28, 0.002, 0.04, ((1, 1), (2, 0.3)), glide=-0.3),
                       rate)
        bell = ((1, 1.0), (2.0, 0.22), (3.01, 0.07))
        self.out.sound(folder + "/startup.wav", chime(rate, (587.33, 880.0), 0.28, 0.14, 1.0, bell), rate)
        self.out.sound(folder + "/goodbye.wav", chime(rate, (880.0, 587.33), 0.22, 0.11, 0.55, bell), rate)

    def preview(self, background, tabs, tile_pictures, buttons):
        """The window as the launcher would show it, with stand-in icons."""
        p = background.copy()
        for i in range(4):
            p.paste(tabs[(i, 2 if i == 0 else 1)], self.tab_x(i), self.TAB_Y)
        for n, (x, y, _) in enumerate(self.slots()[:7]):
            p.paste(tile_pictures[2 if n == 1 else 1], x, y)
            for shape, paint in sample_icon(n % 3, x + 16, y + 6, 32, [self.ACCENT, hex_colour("9fc98a"),
                                                                       hex_colour("e0b36a")][n % 3]):
                p.fill(shape, paint)
            p.fill(sd_round_rect(x + 14, y + 50, x + 50, y + 53, 1.5), self.INK, 0.6)
        for i in range(4):
            tx = self.tab_x(i)
            p.fill(sd_round_rect(tx + 16, self.TAB_Y + 12, tx + self.TAB_W - 16, self.TAB_Y + 15, 1.5),
                   (255, 255, 255) if i == 0 else self.INK, 0.8 if i < 3 else 0.0)
        for name, (x, y) in self.action_positions.items():
            p.paste(buttons[name], x, y)
        return p

    def build(self):
        out, folder = self.out, self.folder
        bg = self.background()
        out.bitmap("%s/%s.bmp" % (folder, self.NAME), bg)
        buttons = write_action_buttons(out, folder, bg, self.action_positions, self.BUTTON, 6, self.action_looks(),
                                       (hex_colour("e07a6a"), hex_colour("f0c75e"), hex_colour("6fb7e0")))
        tabs = {}
        for i in range(4):
            for s in range(1, 5):
                tabs[(i, s)] = self.tab(bg, i, s)
                out.bitmap("%s/section%02d_%d.bmp" % (folder, i, s), tabs[(i, s)])
        tiles = {}
        for s in range(1, 5):
            tiles[s] = self.tile(bg, s)
            out.bitmap("%s/style000_%d.bmp" % (folder, s), tiles[s])
        self.sounds()
        preview = self.preview(bg, tabs, tiles, buttons)
        out.bitmap("%s/thumbnail.bmp" % folder, thumbnail_from(preview, hex_colour("d9dde2")))
        out.text("%s/%s.ini" % (folder, self.NAME), self.ini())
        return preview

    def ini(self):
        x0 = self.action_positions
        parts = [INI_HEADER % {"name": self.NAME, "w": self.W, "h": self.H}]
        parts.append(skin_info_section(
            "Slatewise", "Drawn entirely by scripts/make-skins.py; change the script, not the bitmaps.",
            "Calm slate blue and graphite. Four tabs, sixteen launch tiles per tab, a clock.",
            "startup.wav", 4, 1))
        sounds = ("click.wav", "tick.wav", "", "hover.wav")
        parts.append(ini_section("ExitButton", action_button_rows("Exit", *x0["Exit"], sounds[:2] + ("goodbye.wav",) + sounds[3:]),
                     "The three action buttons sit in the title band. Each is as large as its _up picture;\n"
                     "_hover and _down are swapped in under the pointer and while pressed.\n"
                     "Transparency=1 draws the pictures as they are: they already carry the band behind them.\n"
                     "Transparency=0 would make their magenta pixels see-through."))
        parts.append(ini_section("ShortcutButton", action_button_rows("SC", *x0["SC"], sounds)))
        parts.append(ini_section("SkinButton", action_button_rows("Skin", *x0["sm"], sounds)))
        cx, cy, cw, ch = self.CLOCK
        parts.append(ini_section("Clock", [
            ("Left", cx), ("Top", cy), ("Width", cw), ("Height", ch),
            "0 left, 1 right, 2 centred; 255 (or no value) hides the clock.",
            ("Alignment", 2),
            ("FontName", "DejaVu Sans"), ("FontSize", 8), ("FontBold", 0), ("FontItalic", 0),
            "h hour, hh with a leading zero; mm (or nn) minutes; am/pm gives the 12-hour clock.",
            ("Format", "h:mm am/pm"),
            ("FontColor", "9FB3C6"),
        ], "The clock sits in the recess at the foot of the window."))
        parts.append(ini_section("Shading", [
            ("Left", 0), ("Top", 0), ("Width", 0), ("Height", 0),
            ("ShadeSound", ""), ("RestoreSound", ""),
        ], "No window shade in this skin: Width and Height 0 switch it off."))
        parts.append("; No animations either: without [FilmLoop1] .. [FilmLoop8] sections none plays.\n")
        for i in range(4):
            rows = section_rows("Background 0 is Slatewise.bmp; every tab keeps it.", 0, self.tab_x(i), self.TAB_Y,
                                ("hover.wav", "click.wav", "tick.wav"), ("9FB0C1", "E6EDF3", "FFFFFF"), 7,
                                "Sixteen launch tiles, four rows of four, positions from the window's top-left corner.",
                                self.slots())
            comment = None
            if i == 0:
                comment = ("Sections are the tabs along the top of the well, one per folder below shortcuts.\n"
                           "Pictures section<NN>_1..4.bmp: 1 normal, 2 current, 3 pointer over, 4 pressed.\n"
                           "The current tab is drawn in the well's own colour so that it joins it.")
            parts.append(ini_section("Section%02d" % i, rows, comment))
        parts.append(ini_section("Style000", launch_style_rows(
            ("The caption is a label below the tile: 0 left, 1 right, 2 centred, 255 none.",
             2, 0, self.TILE_H + 2, self.TILE_W, 16),
            ("hover.wav", "click.wav", "tick.wav", "hover.wav", "drop.wav"),
            ("Icon centred on the tile (7); IconSize 1 is the 32-pixel icon, 2 the 16-pixel one, 0 none.", 7, 1),
            ("C9D5E1", "FFFFFF"), 7), "Launch tiles. Pictures style000_1..4.bmp: 1 normal, 2 pointer over, 3 pressed,\n"
           "4 released over the tile (the shortcut is being opened)."))
        return "\n".join(parts)


# ---------------------------------------------------------------------------
# Ferrolume: warm charcoal with an ember accent, a capsule title bar that
# doubles as the rolled-up window, six side tabs and two tile styles
# ---------------------------------------------------------------------------

class Ferrolume:
    NAME = "Ferrolume"
    W, H = 340, 352
    CAP_H = 36
    BODY = (8, 30, 332, 352)
    BODY_RADIUS = 16

    RIM = hex_colour("0d0a09")
    RIM_SOFT = hex_colour("5a4a40")
    CAP_TOP, CAP_BOTTOM = hex_colour("3a302a"), hex_colour("241e1a")
    BODY_TOP, BODY_BOTTOM = hex_colour("211b18"), hex_colour("161210")
    WELL_TOP, WELL_BOTTOM = hex_colour("2a231f"), hex_colour("221c19")
    WELL_EDGE = hex_colour("0f0c0b")
    INK = hex_colour("ead9c4")
    EMBER = hex_colour("ec8a3c")
    # One accent per window background: ember, rose copper and brass.
    ACCENTS = (hex_colour("ec8a3c"), hex_colour("d9685a"), hex_colour("d6b25e"))

    FILM = (6, 4, 28, 8)                      # left, top, frame size, frames
    SHADE_STRIP = (40, 3, 160, 30)
    CLOCK = (204, 9, 52, 18)
    BUTTON = 22
    TAB_X, TAB_Y0, TAB_W, TAB_H, TAB_DY, TABS = 16, 46, 88, 30, 36, 6
    WELL = (112, 44, 326, 336)
    BIG = (64, 46)
    SMALL = (96, 22)

    def __init__(self, out):
        self.out = out
        self.folder = "skins/" + self.NAME
        self.action_positions = {"sm": (262, 7), "SC": (287, 7), "Exit": (312, 7)}

    def tab_y(self, i):
        return self.TAB_Y0 + i * self.TAB_DY

    def slots(self):
        big = [(118 + c * 68, 52 + r * 66, 0) for r in range(2) for c in range(3)]
        small = [(118 + c * 104, 196 + r * 27, 1) for r in range(5) for c in range(2)]
        return big + small

    def cap_shape(self):
        return sd_round_rect(0, 0, self.W, self.CAP_H, self.CAP_H / 2)

    def outline(self):
        x0, y0, x1, y1 = self.BODY
        return sd_union(self.cap_shape(), sd_round_rect(x0, y0, x1, y1, self.BODY_RADIUS))

    def paint_cap(self, c):
        cap = self.cap_shape()
        c.fill(cap, vertical(self.CAP_TOP, self.CAP_BOTTOM, 0, self.CAP_H))
        c.fill(sd_intersect(sd_ring(sd_grow(cap, -1.5), 0.5), sd_round_rect(0, 0, self.W, 10, 0)),
               lighten(self.CAP_TOP, 0.25), 0.5)
        word_mark(c, "QUORVEX", 44, 13, 10, 4.0, self.INK)
        # Clock recess.
        x, y, w, h = self.CLOCK
        pill = sd_round_rect(x, y - 1, x + w, y + h + 1, (h + 2) / 2)
        c.fill(sd_offset(pill, 0, 1), lighten(self.CAP_BOTTOM, 0.12))
        c.fill(pill, vertical(darken(self.CAP_BOTTOM, 0.55), darken(self.CAP_BOTTOM, 0.35), y, y + h))

    def background(self, accent, scale=1):
        W, H = self.W, self.H
        c = Canvas(W, H, self.BODY_BOTTOM, scale)
        x0, y0, x1, y1 = self.BODY
        c.fill(sd_round_rect(x0, y0, x1, y1, self.BODY_RADIUS), vertical(self.BODY_TOP, self.BODY_BOTTOM, y0, y1))
        # A glow under the cap in the section's accent colour.
        c.fill(sd_round_rect(x0 + 14, self.CAP_H, x1 - 14, self.CAP_H + 1.2, 0.6), accent, 0.85)
        c.shadow(sd_round_rect(x0 + 14, self.CAP_H, x1 - 14, self.CAP_H + 1, 0.5), accent, 4, 0.25)
        self.paint_cap(c)
        # The well of launch tiles, with an engraved rule between the two tile kinds.
        wx0, wy0, wx1, wy1 = self.WELL
        c.fill(sd_round_rect(wx0, wy0, wx1, wy1, 10), self.WELL_EDGE)
        c.fill(sd_round_rect(wx0 + 1, wy0 + 1, wx1 - 1, wy1 - 1, 9), vertical(self.WELL_TOP, self.WELL_BOTTOM, wy0, wy1))
        c.fill(sd_round_rect(wx0 + 10, 187, wx1 - 10, 188, 0), self.WELL_EDGE)
        c.fill(sd_round_rect(wx0 + 10, 188, wx1 - 10, 189, 0), lighten(self.WELL_BOTTOM, 0.06))
        # The hearth below the side tabs: rings in the accent colour.
        hx, hy = (self.TAB_X + self.TAB_X + self.TAB_W) / 2, 302
        c.shadow(sd_circle(hx, hy, 6), accent, 22, 0.18)
        for k, r in enumerate((26, 18, 10)):
            c.fill(sd_ring(sd_circle(hx, hy, r), 0.6), accent, 0.22 + 0.15 * k)
        c.fill(sd_circle(hx, hy, 3.2), lighten(accent, 0.2), 0.9)
        if scale > 1:
            self.fine_detail(c, accent, hx, hy)
        c.cut_outline(self.outline(), self.RIM, self.RIM_SOFT)
        return c

    def fine_detail(self, c, accent, hx, hy):
        """Hairlines thinner than a skin pixel, which only a high-density
        screen can show: fainter rings between the hearth's rings, a lit edge
        along the top of the tile well and a fine groove under the cap."""
        for r in (22, 14, 6.5):
            c.fill(sd_ring(sd_circle(hx, hy, r), 0.2), lighten(accent, 0.1), 0.3)
        wx0, wy0, wx1, _ = self.WELL
        c.fill(sd_round_rect(wx0 + 9, wy0 + 1.25, wx1 - 9, wy0 + 1.5, 0.1), lighten(self.WELL_TOP, 0.18), 0.8)
        x0, _, x1, _ = self.BODY
        c.fill(sd_round_rect(x0 + 14, self.CAP_H + 2.5, x1 - 14, self.CAP_H + 2.75, 0.1), darken(self.BODY_TOP, 0.5),
               0.8)

    def shade_picture(self, scale=1):
        """The rolled-up window: the cap alone, with its own outline. It has
        the same top-left corner as the full window, so the film loop, the
        clock and the action buttons keep their places on it."""
        c = Canvas(self.W, self.CAP_H, self.CAP_BOTTOM, scale)
        self.paint_cap(c)
        c.cut_outline(self.cap_shape(), self.RIM, self.RIM_SOFT)
        return c

    def film_strip(self, background):
        """An ember circling a glowing core: eight frames side by side. Pixels
        outside the ornament are magenta (drawn see-through); its edges are
        blended toward the cap behind it rather than toward magenta."""
        fx, fy, size, frames = self.FILM
        behind = background.crop(fx, fy, size, size)
        s = background.scale
        strip = Canvas(size * frames, size, MAGENTA, s)
        cx = cy = size / 2.0
        for f in range(frames):
            frame = behind.copy()
            pulse = 0.5 + 0.5 * math.cos(2 * math.pi * f / frames)
            frame.shadow(sd_circle(cx, cy, 3.0), self.EMBER, 7 + 2 * pulse, 0.35 + 0.2 * pulse)
            frame.fill(sd_ring(sd_circle(cx, cy, 9.5), 0.6), self.EMBER, 0.35)
            frame.fill(sd_circle(cx, cy, 3.2 + 0.8 * pulse), lighten(self.EMBER, 0.35 + 0.3 * pulse))
            for trail in range(4):
                a = 2 * math.pi * (f - trail * 0.35) / frames - math.pi / 2
                ex, ey = cx + 9.5 * math.cos(a), cy + 9.5 * math.sin(a)
                frame.fill(sd_circle(ex, ey, 2.6 - trail * 0.45), lighten(self.EMBER, 0.45 - trail * 0.15),
                           1.0 - trail * 0.22)
            ornament = sd_circle(cx, cy, 13.2)
            for y in range(size * s):
                for x in range(size * s):
                    inside = ornament((x + 0.5) / s, (y + 0.5) / s) <= 0
                    strip.set(f * size * s + x, y, frame.get(x, y) if inside else MAGENTA)
        return strip

    def round_button(self, background, name, state):
        x, y = self.action_positions[name]
        d = self.BUTTON
        t = background.crop(x, y, d, d)
        disc = sd_circle(d / 2, d / 2, d / 2 - 0.5)
        face = sd_circle(d / 2, d / 2, d / 2 - 1.5)
        glyph = self.INK
        dy = 0
        if state == "up":
            top, bottom, ring = lighten(self.CAP_TOP, 0.12), self.CAP_BOTTOM, None
        elif state == "hover":
            top, bottom, ring = lighten(self.CAP_TOP, 0.22), lighten(self.CAP_BOTTOM, 0.08), self.EMBER
            glyph = (255, 241, 224) if name != "Exit" else lighten(self.EMBER, 0.6)
        else:
            top, bottom, ring, dy = darken(self.CAP_BOTTOM, 0.5), darken(self.CAP_BOTTOM, 0.2), None, 1
            glyph = mix(self.INK, self.EMBER, 0.5)
        if name == "Exit" and state != "up":
            top, bottom = mix(top, hex_colour("b0452f"), 0.55), mix(bottom, hex_colour("7a2c1f"), 0.55)
        t.fill(disc, self.RIM)
        t.fill(face, vertical(top, bottom, 1, d - 1))
        if ring:
            t.fill(sd_ring(sd_circle(d / 2, d / 2, d / 2 - 1.5), 0.6), ring, 0.9)
        look = ButtonLook(top, bottom, self.RIM, glyph, None, dy)
        glyphs = {"Exit": close_glyph, "SC": add_glyph,
                  "sm": palette_glyph((hex_colour("e0735a"), hex_colour("f2c65c"), hex_colour("8fc0a9")))}[name]
        for shape, paint in glyphs(d / 2, d / 2 + dy, d * 0.92, look):
            t.fill(shape, paint)
        # The panel draws these with Transparency 0: magenta outside the disc
        # lets the cap show through, so the button is round to the pointer's eye.
        s = t.scale
        for yy in range(d * s):
            for xx in range(d * s):
                if disc((xx + 0.5) / s, (yy + 0.5) / s) > 0.5 / s:
                    t.set(xx, yy, MAGENTA)
        return t

    def tab(self, background, i, state, accent):
        x, y, w, h = self.TAB_X, self.tab_y(i), self.TAB_W, self.TAB_H
        t = background.crop(x, y, w, h)
        shape = sd_round_rect(0.5, 0.5, w - 0.5, h - 0.5, 7)
        inner = sd_round_rect(1.5, 1.5, w - 1.5, h - 1.5, 6)
        fills = {1: (lighten(self.BODY_TOP, 0.05), self.BODY_TOP),
                 2: (lighten(self.WELL_TOP, 0.10), self.WELL_TOP),
                 3: (lighten(self.BODY_TOP, 0.2), lighten(self.BODY_TOP, 0.1)),
                 4: (darken(self.BODY_BOTTOM, 0.5), darken(self.BODY_BOTTOM, 0.3))}
        top, bottom = fills[state]
        t.fill(shape, self.WELL_EDGE)
        t.fill(inner, vertical(top, bottom, 0, h))
        marker = sd_round_rect(4, 8, 7, h - 8, 1.5)
        if state == 2:
            t.shadow(marker, accent, 5, 0.35)
            t.fill(marker, lighten(accent, 0.15))
            t.fill(sd_ring(inner, 0.5), accent, 0.35)
        elif state == 3:
            t.fill(marker, accent, 0.55)
        elif state == 4:
            t.fill(marker, darken(accent, 0.2))
        else:
            t.fill(marker, lighten(self.BODY_TOP, 0.12))
        return t

    def sounds(self):
        rate = 22050
        folder = self.folder
        wood = ((1, 1.0), (2.76, 0.35), (5.4, 0.12))
        self.out.sound(folder + "/tap.wav", mixdown(noise_burst(rate, 0.01, 0.18, 0.002, 0.25, 11),
                                                    tone(rate, 0.12, 340, 0.28, 0.001, 0.03, wood)), rate)
        self.out.sound(folder + "/lift.wav", tone(rate, 0.07, 680, 0.2, 0.001, 0.015, wood), rate)
        self.out.sound(folder + "/glow.wav", tone(rate, 0.06, 990, 0.05, 0.008, 0.018), rate)
        self.out.sound(folder + "/settle.wav", tone(rate, 0.2, 260, 0.3, 0.002, 0.05, wood, glide=-0.2), rate)
        self.out.sound(folder + "/roll-up.wav", tone(rate, 0.24, 620, 0.22, 0.01, 0.09, ((1, 1), (2, 0.25)),
                                                     glide=-0.45), rate)
        self.out.sound(folder + "/roll-down.wav", tone(rate, 0.24, 340, 0.22, 0.01, 0.09, ((1, 1), (2, 0.25)),
                                                       glide=0.8), rate)
        bell = ((1, 1.0), (3.0, 0.18), (4.1, 0.06))
        self.out.sound(folder + "/kindle.wav", chime(rate, (440.0, 659.25), 0.3, 0.16, 1.1, bell), rate)
        self.out.sound(folder + "/embers-out.wav", chime(rate, (659.25, 440.0), 0.24, 0.12, 0.6, bell), rate)

    def preview(self, background, tabs, big, small, buttons, film):
        p = background.copy()
        for i in range(self.TABS):
            p.paste(tabs[(i, 2 if i == 0 else 1)], self.TAB_X, self.tab_y(i))
            if i < 5:
                p.fill(sd_round_rect(self.TAB_X + 24, self.tab_y(i) + 13, self.TAB_X + 66, self.tab_y(i) + 16, 1.5),
                       self.INK, 0.9 if i == 0 else 0.55)
        hues = [self.EMBER, hex_colour("8fc0a9"), hex_colour("d6b25e")]
        for n, (x, y, style) in enumerate(self.slots()[:11]):
            if style == 0:
                p.paste(big[2 if n == 1 else 1], x, y)
                for shape, paint in sample_icon(n % 3, x + 16, y + 7, 32, hues[n % 3]):
                    p.fill(shape, paint)
                p.fill(sd_round_rect(x + 14, y + 53, x + 50, y + 56, 1.5), self.INK, 0.6)
            else:
                p.paste(small[1], x, y)
                for shape, paint in sample_icon(n % 3, x, y + 3, 16, hues[n % 3]):
                    p.fill(shape, paint)
                p.fill(sd_round_rect(x + 22, y + 10, x + 22 + 30 + (n * 7) % 30, y + 13, 1.5), self.INK, 0.6)
        for name, (x, y) in self.action_positions.items():
            p.paste(buttons[name], x, y, see_through=True)
        p.paste(film, self.FILM[0], self.FILM[1], see_through=True)
        return p

    def pictures(self, scale):
        """Writes every picture of the skin at one scale: the ordinary ones
        at 1, their name@2x.bmp partners for high-density screens at 2.
        Returns the 1x pieces the preview is made of."""
        out, folder = self.out, self.folder
        suffix = "" if scale == 1 else "@%dx" % scale

        def write(name, picture):
            out.bitmap("%s/%s%s.bmp" % (folder, name, suffix), picture)

        backgrounds = [self.background(a, scale) for a in self.ACCENTS]
        bg = backgrounds[0]
        for n, picture in enumerate(backgrounds):
            write("%s%s" % (self.NAME, n if n else ""), picture)
        write("shade", self.shade_picture(scale))
        film = self.film_strip(bg)
        write("FilmLoop1", film)
        buttons = {}
        for name in ("Exit", "SC", "sm"):
            for state in ("up", "down", "hover"):
                picture = self.round_button(bg, name, state)
                write("%s_%s" % (name, state), picture)
                if state == "up":
                    buttons[name] = picture
        tabs = {}
        for i in range(self.TABS):
            for s in range(1, 5):
                tabs[(i, s)] = self.tab(bg, i, s, self.ACCENTS[i % len(self.ACCENTS)])
                write("section%02d_%d" % (i, s), tabs[(i, s)])
        colours = CardColours(self.WELL_TOP, self.WELL_BOTTOM, self.WELL_EDGE, self.EMBER, 0.03)
        slots = self.slots()
        big_x, big_y, _ = slots[0]
        small_x, small_y, _ = next(slot for slot in slots if slot[2] == 1)
        big, small = {}, {}
        for s in range(1, 5):
            big[s] = card_picture(bg, big_x, big_y, self.BIG[0], self.BIG[1], 8, s, colours)
            small[s] = card_picture(bg, small_x, small_y, self.SMALL[0], self.SMALL[1], 6, s, colours)
            write("style000_%d" % s, big[s])
            write("style001_%d" % s, small[s])
        return bg, tabs, big, small, buttons, film

    def build(self):
        out, folder = self.out, self.folder
        bg, tabs, big, small, buttons, film = self.pictures(1)
        self.pictures(2)
        self.sounds()
        preview = self.preview(bg, tabs, big, small, buttons, film.crop(0, 0, self.FILM[2], self.FILM[2]))
        out.bitmap(folder + "/thumbnail.bmp", thumbnail_from(preview, hex_colour("d8cfc6")))
        out.text("%s/%s.ini" % (folder, self.NAME), self.ini())
        return preview

    def ini(self):
        pos = self.action_positions
        parts = [INI_HEADER % {"name": self.NAME, "w": self.W, "h": self.H} +
                 ";\n; Every picture also comes as <name>@2x.bmp, drawn at twice the detail; a screen of\n"
                 "; device-pixel ratio 2 shows those instead. Positions stay in the pixels above.\n"]
        parts.append(skin_info_section(
            "Ferrolume", "Drawn entirely by scripts/make-skins.py. Double-click the title to roll the window up.",
            "Warm charcoal with an ember glow. Six side tabs, large and compact tiles, "
            "a 24-hour clock and a window shade.",
            "kindle.wav", self.TABS, 2))
        sounds = ("tap.wav", "lift.wav", "", "glow.wav")
        parts.append(ini_section(
            "ExitButton", action_button_rows("Exit", *pos["Exit"], sounds[:2] + ("embers-out.wav",) + sounds[3:], 0),
            "Round buttons at the right end of the title cap. Their pictures are magenta outside\n"
            "the disc, and Transparency=0 lets the cap show through there."))
        parts.append(ini_section("ShortcutButton", action_button_rows("SC", *pos["SC"], sounds, 0)))
        parts.append(ini_section("SkinButton", action_button_rows("Skin", *pos["sm"], sounds, 0)))
        x, y, w, h = self.CLOCK
        parts.append(ini_section("Clock", [
            ("Left", x), ("Top", y), ("Width", w), ("Height", h),
            "0 left, 1 right, 2 centred; 255 (or no value) hides the clock.",
            ("Alignment", 2),
            ("FontName", "DejaVu Sans"), ("FontSize", 8), ("FontBold", 1), ("FontItalic", 0),
            "hh hour with a leading zero, nn minutes; without am/pm the clock runs from 00:00 to 23:59.",
            ("Format", "hh:nn"),
            ("FontColor", "EC8A3C"),
        ], "The clock sits in the dark recess of the title cap; it stays visible when the window is rolled up."))
        sx, sy, sw, sh = self.SHADE_STRIP
        parts.append(ini_section("Shading", [
            ("Left", sx), ("Top", sy), ("Width", sw), ("Height", sh),
            ("ShadeSound", "roll-up.wav"), ("RestoreSound", "roll-down.wav"),
        ], "Double-clicking this strip of the title cap rolls the window up to shade.bmp, which is\n"
           "the cap alone with its own magenta outline. The film loop, the clock and the round\n"
           "buttons lie inside the cap and so stay in place. Double-click the cap again to unroll."))
        fx, fy, size, frames = self.FILM
        parts.append(ini_section("FilmLoop1", [
            ("UseFilmLoop", 1),
            "FilmLoop1.bmp holds the frames side by side; each frame is the width divided by FrameCount.",
            ("FrameCount", frames),
            "Frames per second.",
            ("FrameRate", 10),
            "1: magenta pixels of the frames are see-through.",
            ("UseTransparency", 1),
            ("Left", fx), ("Top", fy),
        ], "An ember circling its core at the left end of the title cap.\n"
           "[FilmLoop2] .. [FilmLoop8] are absent, so those loops stay off."))
        names = ("the ember background, Ferrolume.bmp", "the copper background, Ferrolume1.bmp",
                 "the brass background, Ferrolume2.bmp")
        for i in range(self.TABS):
            style = i % len(self.ACCENTS)
            rows = section_rows("Window background while this tab is current: %s." % names[style], style,
                                self.TAB_X, self.tab_y(i), ("glow.wav", "tap.wav", "lift.wav"),
                                ("A8988A", "EAD9C4", "FFF3E4"), 8,
                                "Six large tiles (style 0) above the rule, ten compact rows (style 1) below it.",
                                self.slots())
            comment = None
            if i == 0:
                comment = ("The tabs run down the left side, one per folder below shortcuts.\n"
                           "Pictures section<NN>_1..4.bmp: 1 normal, 2 current, 3 pointer over, 4 pressed.\n"
                           "Each tab's marker glows in the accent of the background it brings up.\n"
                           "Backgrounds are numbered from 0: Ferrolume.bmp, Ferrolume1.bmp, Ferrolume2.bmp.\n"
                           "Backgrounds load in order and stop at the first missing number, so keep them\n"
                           "consecutive.")
            parts.append(ini_section("Section%02d" % i, rows, comment))
        sounds = ("glow.wav", "tap.wav", "lift.wav", "glow.wav", "settle.wav")
        bw, bh = self.BIG
        parts.append(ini_section("Style000", launch_style_rows(
            ("The caption is a label below the tile: 0 left, 1 right, 2 centred, 255 none.", 2, 0, bh + 2, bw, 16),
            sounds, ("The 32-pixel icon (IconSize 1) centred on the tile (IconAlignment 7).", 7, 1),
            ("D9C8B4", "FFF3E4"), 7), "Large tiles. Pictures style000_1..4.bmp: 1 normal, 2 pointer over, 3 pressed,\n"
           "4 released over the tile (the shortcut is being opened)."))
        sw_, sh_ = self.SMALL
        parts.append(ini_section("Style001", launch_style_rows(
            ("Caption left-aligned (0) beside the icon, inside the row.", 0, 22, 3, sw_ - 26, sh_ - 6),
            sounds, ("The 16-pixel icon (IconSize 2) at the left, centred vertically (IconAlignment 1).\n"
                     "Placement codes: 0 left-top, 1 left-middle, 2 left-bottom, 3 right-top, 4 right-middle,\n"
                     "5 right-bottom, 6 centre-top, 7 centre-middle, 8 centre-bottom.", 1, 2),
            ("C9B8A5", "FFF3E4"), 8), "Compact rows. Pictures style001_1..4.bmp, in the same order as style 0."))
        return "\n".join(parts)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draws the bundled skins.")
    parser.add_argument("--out", default=os.path.join(here, os.pardir, "assets"),
                        help="folder that receives skins/ and nothumb.bmp")
    parser.add_argument("--preview", help="also write a preview picture of each skin into this folder")
    args = parser.parse_args()
    out = Output(os.path.normpath(args.out))
    previews = {"Slatewise": Slatewise(out).build(), "Ferrolume": Ferrolume(out).build()}
    out.bitmap("nothumb.bmp", no_preview_picture())
    if args.preview:
        pv = Output(args.preview)
        for name, canvas in previews.items():
            pv.bitmap(name + "-preview.bmp", canvas)
    print("wrote %d files below %s" % (len(out.written), out.root))
    return 0


if __name__ == "__main__":
    sys.exit(main())
