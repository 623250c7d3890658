#!/usr/bin/env python3
"""Draws the program's icon and its six status images at each size and writes them as
resource files (src/resources/loupist.ico, src/resources/status_icons*.bmp).
Run it again after changing a picture; the outputs are kept in the repository."""
import math
import os
import struct

KEY = (255, 0, 255)  # transparent colour of the status strip
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources")


def canvas(w, h, fill):
    return [[fill for _ in range(w)] for _ in range(h)]


def disc(img, cx, cy, r0, r1, color):
    for y in range(len(img)):
        for x in range(len(img[0])):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if r0 <= d <= r1:
                img[y][x] = color


def rect(img, x0, y0, x1, y1, color):
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = color


def thick_line(img, x0, y0, x1, y1, width, color):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 4) + 1
    for i in range(steps + 1):
        t = i / steps
        cx, cy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for y in range(len(img)):
            for x in range(len(img[0])):
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= width / 2:
                    img[y][x] = color


# The status images are drawn for each size the title line uses: 14 pixels at 96 dots per
# inch, and 18, 21, 25 and 28 for 125, 150, 175 and 200 %, each drawn anew at its size so
# that it stays crisp.
STATUS_SIZES = (14, 18, 21, 25, 28)


def status_images(size=14):
    s = size / 14.0

    def r(v):
        return int(round(v * s))

    images = []
    # 0: stay on top - a pin.
    img = canvas(size, size, KEY)
    disc(img, 7 * s, 4.5 * s, 0, 3.5 * s, (200, 30, 30))
    rect(img, r(4), r(7), r(10), r(8), (120, 0, 0))
    thick_line(img, 7 * s, 8 * s, 7 * s, 13 * s, 1.2 * s, (60, 60, 60))
    images.append(img)
    # 1: smooth capture - two chevrons.
    img = canvas(size, size, KEY)
    for ox in (2, 7):
        thick_line(img, ox * s, 3 * s, (ox + 4) * s, 7 * s, 1.6 * s, (0, 120, 0))
        thick_line(img, (ox + 4) * s, 7 * s, ox * s, 11 * s, 1.6 * s, (0, 120, 0))
    images.append(img)
    # 2: paused - two bars.
    img = canvas(size, size, KEY)
    rect(img, r(3), r(2), r(6), r(12), (0, 0, 160))
    rect(img, r(8), r(2), r(11), r(12), (0, 0, 160))
    images.append(img)
    # 3: loupe mode - a magnifying glass.
    img = canvas(size, size, KEY)
    disc(img, 5.5 * s, 5.5 * s, 0, 3.2 * s, (200, 230, 255))
    disc(img, 5.5 * s, 5.5 * s, 3.2 * s, 4.6 * s, (40, 40, 40))
    thick_line(img, 8.8 * s, 8.8 * s, 12.5 * s, 12.5 * s, 2.2 * s, (120, 70, 20))
    images.append(img)
    # 4: fixed point - a target.
    img = canvas(size, size, KEY)
    disc(img, 7 * s, 7 * s, 4.2 * s, 5.4 * s, (200, 0, 0))
    rect(img, r(6), r(1), r(8), r(13), (200, 0, 0))
    rect(img, r(1), r(6), r(13), r(8), (200, 0, 0))
    rect(img, r(6), r(6), r(8), r(8), KEY)
    images.append(img)
    # 5: spare - a small dot.
    img = canvas(size, size, KEY)
    disc(img, 7 * s, 7 * s, 0, 2 * s, (128, 128, 128))
    images.append(img)
    return images


def bmp_24(pixels):
    h, w = len(pixels), len(pixels[0])
    row_size = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 54)
    return file_header + header + data


def magnifier_icon(size):
    s = size / 32.0
    img = canvas(size, size, (0, 0, 0, 0))
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - 13 * s, y + 0.5 - 13 * s)
            if d <= 8 * s:
                # A tiny pixel grid inside the lens.
                cell = int((x / s) // 4 + (y / s) // 4) % 2
                img[y][x] = (230, 240, 255, 255) if cell else (170, 200, 240, 255)
            elif d <= 11 * s:
                img[y][x] = (40, 40, 60, 255)
    for i in range(int(60 * s)):
        t = i / (60 * s)
        cx, cy = 20 * s + 9 * s * t, 20 * s + 9 * s * t
        for y in range(size):
            for x in range(size):
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= 2.6 * s:
                    img[y][x] = (150, 90, 30, 255)
    return img


def ico(images):
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for img in images:
        size = len(img)
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for r, g, b, a in img[y]:
                xor += bytes((b, g, r, a))
        mask_row = ((size + 31) // 32) * 4
        mask = bytearray(mask_row * size)
        for y in range(size):
            for x in range(size):
                if img[size - 1 - y][x][3] == 0:
                    mask[y * mask_row + x // 8] |= 0x80 >> (x % 8)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        blob = header + xor + mask
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def main():
    for size in STATUS_SIZES:
        strip = canvas(size * 6, size, KEY)
        for i, img in enumerate(status_images(size)):
            for y in range(size):
                for x in range(size):
                    strip[y][i * size + x] = img[y][x]
        name = "status_icons.bmp" if size == 14 else "status_icons_%d.bmp" % size
        with open(os.path.join(ROOT, name), "wb") as f:
            f.write(bmp_24(strip))
    with open(os.path.join(ROOT, "loupist.ico"), "wb") as f:
        f.write(ico([magnifier_icon(32), magnifier_icon(16)]))


if __name__ == "__main__":
    main()
