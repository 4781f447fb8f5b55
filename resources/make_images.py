#!/usr/bin/env python3
"""Draws the program's icon sizes and cursors as PNG files (run once; the PNGs are kept)."""
import struct, zlib, os

def png(path, w, h, px):
    raw = b''.join(b'\0' + b''.join(bytes(px[y][x]) for x in range(w)) for y in range(h))
    def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d) & 0xffffffff)
    data = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    data += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    open(path, 'wb').write(data)

T = (0, 0, 0, 0); K = (0, 0, 0, 255); W = (255, 255, 255, 255)

def icon(n):
    px = [[T] * n for _ in range(n)]
    r = max(2, n // 8)
    for y in range(n):
        for x in range(n):
            dx = max(r - x, x - (n - 1 - r), 0); dy = max(r - y, y - (n - 1 - r), 0)
            if dx * dx + dy * dy <= r * r:
                t = y / (n - 1)
                px[y][x] = (int(20 + 30 * t), int(90 + 60 * t), int(200 - 40 * t), 255)
    # two cards: a question card and an answer card with a tick
    def card(x0, y0, x1, y1, col):
        for y in range(y0, y1):
            for x in range(x0, x1):
                edge = x in (x0, x1 - 1) or y in (y0, y1 - 1)
                px[y][x] = (40, 40, 60, 255) if edge else col
    s = n / 16
    card(int(2 * s), int(3 * s), int(9 * s), int(10 * s), (255, 255, 255, 255))
    card(int(7 * s), int(6 * s), int(14 * s), int(13 * s), (255, 240, 160, 255))
    pts = [(8.5, 9.5), (10, 11), (12.8, 7.8)]
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        steps = int(40 * s)
        for i in range(steps + 1):
            x = (ax + (bx - ax) * i / steps) * s; y = (ay + (by - ay) * i / steps) * s
            for oy in range(max(1, int(s))):
                for ox in range(max(1, int(s))):
                    xi, yi = int(x) + ox, int(y) + oy
                    if 0 <= xi < n and 0 <= yi < n: px[yi][xi] = (0, 140, 0, 255)
    return px

def arrow(mirror=False, extra=None):
    n = 32
    px = [[T] * n for _ in range(n)]
    shape = [  # classic arrow, tip at (0, 0)
        "X", "XX", "X.X", "X..X", "X...X", "X....X", "X.....X", "X......X", "X.......X",
        "X........X", "X.....XXXXX", "X..X..X", "X.X X..X", "XX  X..X", "X    X..X", "     X..X", "      XX"]
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            c = K if ch == 'X' else W if ch == '.' else None
            if c is None: continue
            xx = (20 - x) if mirror else (1 + x)
            yy = (5 + y) if mirror else (1 + y)
            px[yy][xx] = c
    if extra:
        extra(px)
    return px

def drag_box(px, plus=False):
    for y in range(18, 27):
        for x in range(10, 21):
            edge = x in (10, 20) or y in (18, 26)
            if edge and (x + y) % 2 == 0: px[y][x] = K
            elif edge: px[y][x] = W
    if plus:
        for y in range(20, 29):
            for x in range(20, 29):
                px[y][x] = K if x in (20, 28) or y in (20, 28) else W
        for i in range(22, 27):
            px[24][i] = K; px[i][24] = K

here = os.path.dirname(os.path.abspath(__file__))
for n in (16, 32, 48, 256):
    png(os.path.join(here, 'icons', 'lexidrill-%d.png' % n), n, n, icon(n))
png(os.path.join(here, 'cursors', 'drag.png'), 32, 32, arrow(extra=lambda p: drag_box(p)))
png(os.path.join(here, 'cursors', 'copydrag.png'), 32, 32, arrow(extra=lambda p: drag_box(p, True)))
png(os.path.join(here, 'cursors', 'noarrow.png'), 32, 32, arrow(mirror=True))
