#!/usr/bin/env python3
"""Builds the two single-line stroke fonts that HPGL labels are drawn with.

    python3 tools/make_fonts.py [--hanzi DIR] [--hershey DIR] [--out DIR]

writes resources/fonts/fon_en.bin (Latin) and resources/fonts/fon_hz.bin
(Chinese, GB2312) from free stroke data:

  * Latin and the GB2312 symbol rows: the Hershey fonts of the Debian package
    hershey-fonts-data (default --hershey /usr/share/hershey-fonts).
  * Chinese: the stroke medians of the npm package hanzi-writer-data, installed
    in a folder outside the repository, e.g.
        mkdir -p /tmp/hwd && cd /tmp/hwd && npm install hanzi-writer-data
    (default --hanzi /tmp/hwd/node_modules/hanzi-writer-data).

The output is deterministic: the same inputs give byte-identical files.

File formats (little-endian), an index sorted by code followed by the glyph
byte strings back to back in index order:
  fon_en.bin: u16 4, u16 22, u16 7, u32 count, then count x
              {u16 code, u16 byte count, u16 advance, u32 offset}
  fon_hz.bin: u16 16 (cell width), u16 16 (cell height), u32 count, then
              count x {u16 code, u16 byte count, u32 offset}
Glyph bytes are shape vector codes: 1 pen down, 2 pen up, 8 dx dy one move,
9 (dx dy)... 0 0 a run of moves, a byte >= 0x10 a vector (length nibble,
direction nibble), 0 the end.  The drawing program multiplies Latin font units
by 16 and Chinese cell units by 26, so both fonts are 416 design units high.
"""
import argparse
import json
import math
import os
import struct
import sys
import unicodedata

# Written into the Chinese font after its last glyph (the Arphic Public
# License asks for a notice of how and when the font data was changed).
CHANGE_DATE = "2026-12-10"
HZ_NOTICE = (
    "\n\nfon_hz.bin - single-line stroke font for plotter labels.\n"
    "Modified " + CHANGE_DATE + ": the Chinese glyphs are the stroke medians of the "
    "hanzi-writer-data package (derived from the Make Me a Hanzi project, which "
    "extracted them from the fonts AR PL KaitiM GB and AR PL UKai, Copyright (C) 1999 "
    "Arphic Technology Co., Ltd.), simplified (Ramer-Douglas-Peucker, 0.375 cell), "
    "rounded to a 16 x 16 grid and converted to shape vector codes. The symbol rows "
    "are converted from the Hershey fonts. Distributed under the Arphic Public "
    "License: see ARPHICPL.TXT beside this file. There is NO WARRANTY.\n"
).encode("ascii")

LATIN_FACTOR = 16    # design units per Latin font unit (the Chinese cell height)
CHINESE_FACTOR = 26  # design units per Chinese cell unit (4 + 22)
CELL = 16

# Shape vector directions: displacement = (ax*L + bx*H, ay*L + by*H), H = L // 2.
DIRECTIONS = [
    (1, 0, 0, 0), (1, 0, 0, 1), (1, 0, 1, 0), (0, 1, 1, 0),
    (0, 0, 1, 0), (0, -1, 1, 0), (-1, 0, 1, 0), (-1, 0, 0, 1),
    (-1, 0, 0, 0), (-1, 0, 0, -1), (-1, 0, -1, 0), (0, -1, -1, 0),
    (0, 0, -1, 0), (0, 1, -1, 0), (1, 0, -1, 0), (1, 0, 0, -1),
]


def round_half_up(v):
    return int(math.floor(v + 0.5))


# ---------------------------------------------------------------- encoding

def vector_table(factor):
    """Maps a step in font units to the vector byte that moves exactly by it."""
    table = {}
    for n in range(1, 16):
        length = (n * factor) & 0xFFFF
        half = length // 2
        for d, (ax, bx, ay, by) in enumerate(DIRECTIONS):
            dx, dy = ax * length + bx * half, ay * length + by * half
            if dx % factor or dy % factor:
                continue
            table.setdefault((dx // factor, dy // factor), (n << 4) | d)
    return table


VECTORS = {f: vector_table(f) for f in (LATIN_FACTOR, CHINESE_FACTOR)}


def split_step(dx, dy):
    """Splits a step into steps whose parts fit a signed byte."""
    parts = max(1, math.ceil(max(abs(dx), abs(dy)) / 127))
    out, px, py = [], 0, 0
    for k in range(1, parts + 1):
        nx, ny = round(dx * k / parts), round(dy * k / parts)
        out.append((nx - px, ny - py))
        px, py = nx, ny
    return out


def s8(v):
    return v & 0xFF


def encode_pen_up_move(dx, dy, vectors):
    out = []
    for sx, sy in split_step(dx, dy):
        if (sx, sy) == (0, 0):
            continue
        vec = vectors.get((sx, sy))
        out += [vec] if vec is not None else [8, s8(sx), s8(sy)]
    return out


def encode_segments(steps, vectors):
    """Shortest encoding of pen-down steps: vector bytes where a step fits one,
    code-9 runs of byte pairs elsewhere (dynamic programming over two states:
    outside / inside a run)."""
    inf = float("inf")
    cost = [0, inf]
    paths = [[], None]
    for dx, dy in steps:
        vec = vectors.get((dx, dy))
        pair = [s8(dx), s8(dy)]
        new_cost, new_paths = [inf, inf], [None, None]

        def offer(state, c, path):
            if c < new_cost[state]:
                new_cost[state], new_paths[state] = c, path

        if cost[0] < inf:
            if vec is not None:
                offer(0, cost[0] + 1, paths[0] + [vec])
            offer(0, cost[0] + 3, paths[0] + [8] + pair)
            offer(1, cost[0] + 3, paths[0] + [9] + pair)
        if cost[1] < inf:
            offer(1, cost[1] + 2, paths[1] + pair)
            if vec is not None:
                offer(0, cost[1] + 3, paths[1] + [0, 0, vec])
        cost, paths = new_cost, new_paths
    if cost[1] + 2 < cost[0]:
        return paths[1] + [0, 0]
    return paths[0]


def encode_glyph(strokes, factor):
    """Strokes are lists of integer points in font units; the glyph's pen
    starts at (0, 0)."""
    vectors = VECTORS[factor]
    out, cur = [], (0, 0)
    for stroke in strokes:
        steps = []
        for (ax, ay), (bx, by) in zip(stroke, stroke[1:]):
            steps += [s for s in split_step(bx - ax, by - ay) if s != (0, 0)]
        if not steps:
            continue
        out.append(2)
        out += encode_pen_up_move(stroke[0][0] - cur[0], stroke[0][1] - cur[1], vectors)
        out.append(1)
        out += encode_segments(steps, vectors)
        cur = stroke[-1]
    out.append(0)
    return bytes(out)


# ---------------------------------------------------------------- geometry

def rdp(points, eps):
    """Ramer-Douglas-Peucker simplification of a polyline."""
    if len(points) < 3:
        return list(points)
    (ax, ay), (bx, by) = points[0], points[-1]
    dx, dy = bx - ax, by - ay
    norm = math.hypot(dx, dy)
    best, index = -1.0, 0
    for i in range(1, len(points) - 1):
        px, py = points[i]
        if norm == 0:
            d = math.hypot(px - ax, py - ay)
        else:
            d = abs(dx * (py - ay) - dy * (px - ax)) / norm
        if d > best:
            best, index = d, i
    if best <= eps:
        return [points[0], points[-1]]
    return rdp(points[: index + 1], eps)[:-1] + rdp(points[index:], eps)


def tidy(points):
    """Drops repeated points and the middle points of straight runs."""
    out = []
    for p in points:
        if out and out[-1] == p:
            continue
        if len(out) >= 2:
            (ax, ay), (bx, by) = out[-2], out[-1]
            ux, uy, vx, vy = bx - ax, by - ay, p[0] - bx, p[1] - by
            if ux * vy - uy * vx == 0 and ux * vx + uy * vy > 0:
                out[-1] = p
                continue
        out.append(p)
    return out


def to_grid(points, lo=1, hi=CELL - 1, eps=0.375):
    """Simplifies a polyline in cell units and rounds it onto the grid inside
    [lo, hi], so that neighbouring characters never touch."""
    simple = rdp(points, eps)
    grid = [(min(hi, max(lo, round_half_up(x))), min(hi, max(lo, round_half_up(y)))) for x, y in simple]
    grid = tidy(grid)
    if len(grid) == 1:
        # A short stroke (a dot) that rounded onto one grid point keeps one unit
        # of length in its own direction.
        (x0, y0), (x1, y1) = points[0], points[-1]
        sx = (x1 > x0) - (x1 < x0)
        sy = (y1 > y0) - (y1 < y0)
        if sx == 0 and sy == 0:
            sx = 1
        x, y = grid[0]
        nx, ny = x + sx, y + sy
        if not (lo <= nx <= hi and lo <= ny <= hi):
            nx, ny = x - sx, y - sy
        grid.append((nx, ny))
    return grid


# ---------------------------------------------------------------- Hershey

def load_jhf(path):
    """Returns the glyphs of a Hershey .jhf file in file order, each as
    (left, right, strokes) with y pointing down as in the file."""
    with open(path, encoding="latin-1") as f:
        lines = f.read().split("\n")
    glyphs, i = [], 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip():
            continue
        count = int(line[5:8])
        data = line[8:]
        while len(data) < 2 * count and i < len(lines):
            data += lines[i]
            i += 1
        left, right = ord(data[0]) - 82, ord(data[1]) - 82
        strokes, cur = [], []
        for k in range(1, count):
            a, b = data[2 * k], data[2 * k + 1]
            if a == " " and b == "R":
                if cur:
                    strokes.append(cur)
                cur = []
            else:
                cur.append((ord(a) - 82, ord(b) - 82))
        if cur:
            strokes.append(cur)
        glyphs.append((left, right, strokes))
    return glyphs


class Hershey:
    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def font(self, name):
        if name not in self.cache:
            self.cache[name] = load_jhf(os.path.join(self.folder, name + ".jhf"))
        return self.cache[name]

    def ascii(self, name, ch):
        """Glyph of an ASCII position (0x20..0x7E) of a Hershey set."""
        return self.font(name)[ord(ch) - 0x20]

    def at(self, name, index):
        return self.font(name)[index]


def shift(glyph, dx, dy=0):
    left, right, strokes = glyph
    return (left + dx, right + dx, [[(x + dx, y + dy) for x, y in s] for s in strokes])


def scale_x(glyph, k):
    left, right, strokes = glyph
    return (left * k, right * k, [[(x * k, y) for x, y in s] for s in strokes])


def row(*glyphs, gap=0):
    """Sets glyphs side by side (each after the previous one's right edge)."""
    left, x, strokes = None, 0, []
    for g in glyphs:
        l, r, st = g
        g2 = shift(g, x - l)
        if left is None:
            left = x
        strokes += g2[2]
        x += (r - l) + gap
    return (left, x - gap, strokes)


def overlay(*glyphs):
    left = min(g[0] for g in glyphs)
    right = max(g[1] for g in glyphs)
    return (left, right, [s for g in glyphs for s in g[2]])


def latin_strokes(glyph):
    """Hershey Roman glyph in Latin font units: x from the left margin,
    y' = 9 - y (baseline 0, capitals 21, descenders -7)."""
    left, right, strokes = glyph
    return [[(x - left, 9 - y) for x, y in s] for s in strokes], right - left


def place_text(glyph, scale=0.5, baseline=4.5, fit=True):
    """Places a Hershey text glyph (baseline at y = 9, y down) in the Chinese
    cell, centred across, at `scale` cell units per Hershey unit."""
    left, right, strokes = glyph
    width = max(right - left, 1)
    if fit and width * scale > CELL - 2:
        scale = (CELL - 2) / width
    cx = (left + right) / 2
    return [[(CELL / 2 + (x - cx) * scale, baseline + (9 - y) * scale) for x, y in s] for s in strokes]


def place_centred(glyph, scale, cx=CELL / 2, cy=CELL / 2):
    """Places a symbol glyph drawn about (0, 0) with its centre at (cx, cy)."""
    _, _, strokes = glyph
    return [[(cx + x * scale, cy - y * scale) for x, y in s] for s in strokes]


def grid_strokes(strokes_cells, eps=0.375):
    return [to_grid(s, eps=eps) for s in strokes_cells if len(s) >= 1]


# ---------------------------------------------------------------- GB2312

def gb_char(code):
    try:
        return bytes([code >> 8, code & 0xFF]).decode("gb2312")
    except UnicodeDecodeError:
        return None


def gb_codes():
    return [c for c in range((0xA1 << 8) | 0xA1, (0xF7 << 8) | 0xFE + 1)
            if 0xA1 <= (c & 0xFF) <= 0xFE and 0xA1 <= (c >> 8) <= 0xF7 and gb_char(c) is not None]


def hanzi_strokes(medians):
    """Stroke medians (1024 units, y up, em box y -124..900) in cell units,
    shrunk by a sixteenth about the centre of the cell."""
    k = 15 / 16 / 64
    return [[(CELL / 2 + (x - 512) * k, CELL / 2 + (y - 388) * k) for x, y in m] for m in medians]


def symbol_glyphs(h):
    """GB2312 symbol-row characters built from the Hershey sets, in cell
    units.  Characters not listed keep a byte count of 0."""
    out = {}

    def text(ch_or_glyph, font="rowmans", **kw):
        g = h.ascii(font, ch_or_glyph) if isinstance(ch_or_glyph, str) else ch_or_glyph
        return place_text(g, **kw)

    # Full-width ASCII (row 3).
    for c in range(0x21, 0x7F):
        out[chr(0xFF00 + c - 0x20)] = text(chr(c))
    # GB2312 has the yen sign and the overline where ASCII has $ and ~.
    y_glyph = h.ascii("rowmans", "Y")
    out["￥"] = text((y_glyph[0], y_glyph[1], y_glyph[2] + [[(-5, 1), (5, 1)], [(-5, 4), (5, 4)]]))
    out["￣"] = text((-8, 8, [[(-8, -12), (8, -12)]]))
    # Greek (row 6): capitals and small letters in alphabetical order.
    for i, ch in enumerate("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"):
        out[ch] = text(chr(0x41 + i), "greeks")
    for i, ch in enumerate("αβγδεζηθικλμνξοπρστυφχψω"):
        out[ch] = text(chr(0x61 + i), "greeks")
    # Cyrillic (row 7), from the phonetic layout of the Hershey Cyrillic set.
    cyr_upper = {"А": "A", "Б": "B", "В": "V", "Г": "G", "Д": "D", "Е": "[", "Ж": "H", "З": "Z",
                 "И": "I", "К": "K", "Л": "L", "М": "M", "Н": "N", "О": "O", "П": "P", "Р": "R",
                 "С": "S", "Т": "T", "У": "Y", "Ф": "F", "Х": "X", "Ц": "`", "Ч": "J", "Ш": "Q",
                 "Щ": "W", "Ъ": "]", "Ы": "$", "Ь": "_", "Э": "C", "Ю": "U", "Я": "^"}
    cyr_lower = {"а": "a", "б": "b", "в": "v", "г": "g", "д": "d", "е": "{", "ж": "h", "з": "z",
                 "и": "i", "й": "e", "к": "k", "л": "l", "м": "m", "н": "n", "о": "o", "п": "p",
                 "р": "r", "с": "s", "т": "t", "у": "y", "ф": "f", "х": "x", "ц": "%", "ч": "j",
                 "ш": "q", "щ": "w", "ъ": "|", "ы": "&", "ь": "~", "э": "c", "ю": "u", "я": "}"}
    for ch, key in list(cyr_upper.items()) + list(cyr_lower.items()):
        out[ch] = text(key, "cyrillic")
    # Й: И with the breve of й raised to capital height; Ё, ё: Е, е with two dots.
    i_small = h.ascii("cyrillic", "i")
    breve = [s for s in h.ascii("cyrillic", "e")[2] if s not in i_small[2]]
    cap_i = h.ascii("cyrillic", "I")
    out["Й"] = text((cap_i[0], cap_i[1], cap_i[2] + [[(x, y - 8) for x, y in s] for s in breve]))
    dot = h.ascii("rowmans", ".")[2]
    for ch, key, lift, size in (("Ё", "[", 23, dict(scale=0.45, baseline=3.5)), ("ё", "{", 15, {})):
        base = h.ascii("cyrillic", key)
        dots = [[(x + dx, y - lift) for x, y in s] for s in dot for dx in (-3, 3)]
        out[ch] = text((base[0], base[1], base[2] + dots), **size)
    # Kana (rows 4 and 5): Hershey Japanese positions 33..192.
    jp = h.font("japanese")
    kana_scale = 14 / 27

    def kana(index, small=False):
        if small:
            return place_centred(shift(jp[index], 0.5, 0), kana_scale * 0.7, 7, 6.5)
        return place_centred(shift(jp[index], 0.5, 0), kana_scale)

    hira = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや"
    for i, ch in enumerate(hira):
        out[ch] = kana(33 + i)
    for ch, idx in (("ゆ", 70), ("よ", 72), ("ら", 73), ("り", 74), ("る", 75), ("れ", 76),
                    ("ろ", 77), ("わ", 78), ("ゐ", 79), ("ゑ", 81), ("を", 82), ("ん", 83)):
        out[ch] = kana(idx)
    voiced = "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"
    for i, ch in enumerate(voiced):
        out[ch] = kana(88 + i)
    for i, ch in enumerate("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ"):
        out[ch] = kana(113 + i)
    for ch, idx in (("ユ", 150), ("ヨ", 152), ("ラ", 153), ("リ", 154), ("ル", 155), ("レ", 156),
                    ("ロ", 157), ("ワ", 158), ("ヰ", 159), ("ヱ", 161), ("ヲ", 162), ("ン", 163)):
        out[ch] = kana(idx)
    for i, ch in enumerate("ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ"):
        out[ch] = kana(168 + i)
    hira_index = {ch: 33 + i for i, ch in enumerate(hira)}
    kata_index = {ch: 113 + i for i, ch in enumerate("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ")}
    kata_index.update({"ユ": 150, "ヨ": 152, "ワ": 158})
    hira_index.update({"ゆ": 70, "よ": 72, "わ": 78})
    for small, big in zip("ぁぃぅぇぉっゃゅょゎ", "あいうえおつやゆよわ"):
        out[small] = kana(hira_index[big], small=True)
    for small, big in zip("ァィゥェォッャュョヮヵヶ", "アイウエオツヤユヨワカケ"):
        out[small] = kana(kata_index[big], small=True)
    # ヴ: ウ with the voicing marks of ガ.
    marks = [s for s in jp[168][2] if s not in jp[118][2]]
    out["ヴ"] = place_centred(shift((0, 0, jp[115][2] + marks), 0.5, 0), kana_scale)

    # Common punctuation and signs (row 1).
    out["、"] = kana(1)
    out["。"] = place_centred(h.at("markers", 33), 0.3, 4, 3)
    out["・"] = text("$", "mathlow")
    out["―"] = text(scale_x(h.ascii("rowmans", "-"), 2.0), fit=True)
    out["～"] = text("~")
    out["‖"] = text("y", "mathlow")
    period = h.ascii("rowmans", ".")
    out["…"] = text(row(period, period, period), fit=True)
    out["‘"] = text("`")
    out["’"] = text("'")
    quote_l, quote_r = h.ascii("rowmans", "`"), h.ascii("rowmans", "'")
    out["“"] = text(row(quote_l, quote_l, gap=-2))
    out["”"] = text(row(quote_r, quote_r, gap=-2))
    out["〈"] = text("<")
    out["〉"] = text(">")
    lt, gt = h.ascii("rowmans", "<"), h.ascii("rowmans", ">")
    out["《"] = text(row(lt, lt, gap=-12))
    out["》"] = text(row(gt, gt, gap=-12))
    for ch, key in (("±", "!"), ("×", "#"), ("÷", "x"), ("∑", ";"), ("∏", ":"), ("∪", "e"),
                    ("∩", "g"), ("∈", "h"), ("√", "o"), ("⊥", "z"), ("∥", "y"), ("∠", "|"),
                    ("∫", "p"), ("≡", "@"), ("∝", "^"), ("≠", "?"), ("≤", "&"), ("≥", "'"),
                    ("∞", "_"), ("∴", "~"), ("°", "`"), ("→", "i"), ("←", "k"), ("↑", "j"),
                    ("↓", "l")):
        out[ch] = text(key, "mathlow")
    out["∶"] = text(":")
    out["＄"] = text("$")
    for ch, idx, scale in (("○", 33, 0.7), ("□", 34, 0.8), ("△", 35, 0.7), ("◇", 36, 0.8),
                           ("☆", 37, 0.7)):
        out[ch] = place_centred(h.at("markers", idx), scale)
    numbered_symbols(h, out, text)
    pinyin_letters(h, out, text)
    return out


def numbered_symbols(h, out, text):
    """Row 2: numbers with a full stop, in parentheses, in circles; Roman
    numerals."""
    def digits(n):
        return [h.ascii("rowmans", d) for d in str(n)]

    period, lp, rp = h.ascii("rowmans", "."), h.ascii("rowmans", "("), h.ascii("rowmans", ")")
    for n in range(1, 21):
        out[chr(0x2488 + n - 1)] = text(row(*digits(n), period, gap=-2))
        out[chr(0x2474 + n - 1)] = text(row(lp, *digits(n), rp, gap=-2))
    circle = h.at("markers", 33)
    for n in range(1, 11):
        inner = place_text(row(*digits(n), gap=-2), scale=0.42 if n < 10 else 0.3, baseline=3.2)
        out[chr(0x2460 + n - 1)] = place_centred(circle, 1.0, 8, 7.5) + inner
    romans = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"]
    for n, r in enumerate(romans, 1):
        out[chr(0x2160 + n - 1)] = text(row(*[h.ascii("rowmans", c) for c in r], gap=-3))


def pinyin_letters(h, out, text):
    """Row 8: the vowels of pinyin with their tone marks (marks drawn in
    Hershey units above the x-height)."""
    marks = {
        "\u0304": [[(-4, -9), (4, -9)]],
        "\u0301": [[(-2, -8), (2, -12)]],
        "\u030c": [[(-4, -12), (0, -8), (4, -12)]],
        "\u0300": [[(-2, -12), (2, -8)]],
        "\u0302": [[(-4, -8), (0, -12), (4, -8)]],
    }
    dots = [[(-3, -8), (-3, -7)], [(3, -8), (3, -7)]]
    for code in range(0xA8A1, 0xA8BB):
        ch = gb_char(code)
        if ch is None:
            continue
        parts = unicodedata.normalize("NFD", ch)
        base = h.ascii("rowmans", parts[0])
        strokes = base[2]
        if parts[0] == "i":   # dotless i under a mark
            strokes = [max(strokes, key=lambda st: max(y for _, y in st) - min(y for _, y in st))]
        cx = (base[0] + base[1]) / 2
        lift = 0
        for m in parts[1:]:
            if m == "\u0308":
                strokes = strokes + [[(x + cx, y) for x, y in s] for s in dots]
                lift = -4
            elif m in marks:
                strokes = strokes + [[(x + cx, y + lift) for x, y in s] for s in marks[m]]
        out[ch] = text((base[0], base[1], strokes))


def box_drawing():
    """Row 9: box-drawing lines through the middle of the cell, reaching its
    edges so that neighbours join (light and heavy alike)."""
    out = {}
    for code in range(0xA9A4, 0xA9F0):
        ch = gb_char(code)
        if ch is None:
            continue
        name = unicodedata.name(ch, "")
        words = name.replace("BOX DRAWINGS ", "").split()
        arms = set()
        for w in words:
            if w in ("UP", "DOWN", "LEFT", "RIGHT"):
                arms.add(w)
            elif w == "VERTICAL":
                arms |= {"UP", "DOWN"}
            elif w == "HORIZONTAL":
                arms |= {"LEFT", "RIGHT"}
        c = CELL / 2
        if "DASH" in words:
            pieces = 3 if "TRIPLE" in words else 4
            step = CELL / pieces
            if "HORIZONTAL" in words:
                out[ch] = [[(i * step, c), (i * step + step / 2, c)] for i in range(pieces)]
            else:
                out[ch] = [[(c, i * step), (c, i * step + step / 2)] for i in range(pieces)]
            continue
        ends = {"UP": (c, CELL), "DOWN": (c, 0), "LEFT": (0, c), "RIGHT": (CELL, c)}
        strokes = []
        if "LEFT" in arms and "RIGHT" in arms:
            strokes.append([ends["LEFT"], ends["RIGHT"]])
            arms -= {"LEFT", "RIGHT"}
        if "UP" in arms and "DOWN" in arms:
            strokes.append([ends["DOWN"], ends["UP"]])
            arms -= {"UP", "DOWN"}
        strokes += [[(c, c), ends[a]] for a in sorted(arms)]
        out[ch] = strokes
    return out


# ---------------------------------------------------------------- fonts

def build_latin(h):
    glyphs = []
    for c in range(0x20, 0x7F):
        strokes, advance = latin_strokes(h.ascii("rowmans", chr(c)))
        # Latin glyph points are whole font units already.
        strokes = [tidy(s) for s in strokes]
        glyphs.append((c, encode_glyph(strokes, LATIN_FACTOR), advance))
    head = struct.pack("<HHHI", 4, 22, 7, len(glyphs))
    offset = len(head) + 10 * len(glyphs)
    index, body = b"", b""
    for code, data, advance in glyphs:
        index += struct.pack("<HHHI", code, len(data), advance, offset + len(body))
        body += data
    return head + index + body


def build_chinese(h, hanzi_dir):
    entries = []
    symbols = symbol_glyphs(h)
    boxes = box_drawing()
    missing = []
    for code in gb_codes():
        ch = gb_char(code)
        if code >> 8 >= 0xB0:
            path = os.path.join(hanzi_dir, ch + ".json")
            if not os.path.exists(path):
                missing.append(ch)
                entries.append((code, b""))
                continue
            with open(path, encoding="utf-8") as f:
                medians = json.load(f)["medians"]
            strokes = grid_strokes(hanzi_strokes(medians))
        elif ch in boxes:
            strokes = [to_grid(st, lo=0, hi=CELL) for st in boxes[ch]]
        elif ch in symbols:
            strokes = grid_strokes(symbols[ch])
        else:
            entries.append((code, b""))   # the full-width space and uncovered symbols
            continue
        entries.append((code, encode_glyph(strokes, CHINESE_FACTOR)))
    if missing:
        print("no stroke data for %d hanzi, e.g. %s" % (len(missing), "".join(missing[:10])), file=sys.stderr)
    head = struct.pack("<HHI", CELL, CELL, len(entries))
    offset = len(head) + 8 * len(entries)
    index, body = bytearray(), bytearray()
    for code, data in entries:
        index += struct.pack("<HHI", code, len(data), offset + len(body))
        body += data
    covered = sum(1 for _, d in entries if d)
    return bytes(head + index + body) + HZ_NOTICE, len(entries), covered


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--hershey", default="/usr/share/hershey-fonts")
    ap.add_argument("--hanzi", default="/tmp/hwd/node_modules/hanzi-writer-data")
    ap.add_argument("--out", default=os.path.join(root, "resources", "fonts"))
    args = ap.parse_args()
    if not os.path.isdir(args.hanzi):
        sys.exit("hanzi-writer-data not found in %s (npm install hanzi-writer-data in a folder "
                 "outside the repository, then pass --hanzi)" % args.hanzi)
    h = Hershey(args.hershey)
    os.makedirs(args.out, exist_ok=True)
    latin = build_latin(h)
    chinese, count, covered = build_chinese(h, args.hanzi)
    with open(os.path.join(args.out, "fon_en.bin"), "wb") as f:
        f.write(latin)
    with open(os.path.join(args.out, "fon_hz.bin"), "wb") as f:
        f.write(chinese)
    print("fon_en.bin: %d bytes, 95 glyphs" % len(latin))
    print("fon_hz.bin: %d bytes, %d records, %d with strokes" % (len(chinese), count, covered))


if __name__ == "__main__":
    main()
