#!/usr/bin/env python3
"""Makes the data files that lie beside the programs, from the descriptions below:

  data1.dll  greeting sound (wave): a rising three-note chime
  data2.dll  click sound (wave): a short, soft tick
  Data3.dll  cursor: pointing hand (buttons; text and list boxes in Glyvane)
  Data4.dll  cursor: text beam (text boxes)
  Data5.dll  cursor: arrow with a list mark (list boxes, option buttons)
  glyvane.ico  Glyvane's icon (catalogue's pictures: make_catalogue_pictures.py)

The names end in ".dll" because the programs look for them under those names; they
are plain wave and cursor files. Usage: make_data_files.py OUTPUT_DIR ICON_DIR
"""
import math
import os
import struct
import sys
import wave

RATE = 22050


def write_wave(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def tone(frequency, seconds, volume, decay):
    count = int(RATE * seconds)
    return [volume * math.exp(-decay * i / RATE) * math.sin(2 * math.pi * frequency * i / RATE)
            for i in range(count)]


def greeting():
    samples = []
    for frequency in (523.25, 659.25, 783.99):  # C5 E5 G5
        samples += tone(frequency, 0.14, 0.5, 12.0)
    return samples + tone(1046.5, 0.30, 0.4, 8.0)


def click():
    return tone(2200.0, 0.025, 0.6, 220.0)


# Cursors as 32 x 32 pictures: '#' black, '.' white, anything else transparent.
HAND = """
      ##
     #..#
     #..#
     #..#
     #..#
     #..###
     #..#..###
     #..#..#..##
 ### #..#..#..#.#
 #..##........#..#
 #...#...........#
  #..............#
   #.............#
   #.............#
    #............#
    #...........#
     #..........#
     #.........#
      #........#
      #........#
      ##########
"""

BEAM = """
###  ###
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
   ##
###  ###
"""

LIST_ARROW = """
#
##
#.#
#..#
#...#
#....#
#.....#
#......#
#.......#
#........#
#.....#####
#..#..#
#.# #..#
##  #..#     #######
#    #..#    #.....#
     #..#    #######
      ##     #.....#
             #######
             #.....#
             #######
"""


def picture_rows(text):
    rows = [line for line in text.split("\n")[1:]]
    rows = (rows + [""] * 32)[:32]
    return [(row + " " * 32)[:32] for row in rows]


def cursor_image(text):
    """A 1-bit cursor image: header, 2-colour palette, XOR mask, AND mask (bottom-up)."""
    rows = picture_rows(text)
    xor_rows, and_rows = [], []
    for row in rows:
        xor_bits = and_bits = 0
        for x, cell in enumerate(row):
            bit = 1 << (31 - x)
            if cell == ".":
                xor_bits |= bit
            elif cell != "#":
                and_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return header + palette + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))


def write_cursor(path, text, hotspot):
    image = cursor_image(text)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


def icon_image(size, paint):
    """A 32-bit icon image: header, BGRA pixels (bottom-up), an all-clear AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = paint(x / size, y / size)
            pixels += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    return header + bytes(pixels) + bytes(mask_row * size)


def glyph_painter(background, letter_rows):
    """A rounded tile in `background` with a white pixel letter on it."""
    height = len(letter_rows)
    width = len(letter_rows[0])

    def paint(u, v):
        corner = 0.18
        dx = max(corner - u, u - (1 - corner), 0)
        dy = max(corner - v, v - (1 - corner), 0)
        if dx * dx + dy * dy > corner * corner:
            return (0, 0, 0, 0)
        gx = int((u - 0.2) / 0.6 * width)
        gy = int((v - 0.15) / 0.7 * height)
        if 0 <= gx < width and 0 <= gy < height and letter_rows[gy][gx] == "#":
            return (255, 255, 255, 255)
        return background + (255,)

    return paint


LETTER_G = ["  ####  ", " #    # ", "#       ", "#       ", "#   ### ", "#     # ", " #    # ", "  ####  "]


def write_icon(path, paint):
    images = [icon_image(size, paint) for size in (32, 16)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


def main():
    out_dir, icon_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    os.makedirs(icon_dir, exist_ok=True)
    write_wave(os.path.join(out_dir, "data1.dll"), greeting())
    write_wave(os.path.join(out_dir, "data2.dll"), click())
    write_cursor(os.path.join(out_dir, "Data3.dll"), HAND, (7, 1))
    write_cursor(os.path.join(out_dir, "Data4.dll"), BEAM, (3, 9))
    write_cursor(os.path.join(out_dir, "Data5.dll"), LIST_ARROW, (0, 1))
    write_icon(os.path.join(icon_dir, "glyvane.ico"), glyph_painter((40, 70, 160), LETTER_G))


if __name__ == "__main__":
    main()
