"""A small drawing kit for the pictures the build makes, in plain Python.

Pictures are drawn as filled shapes in design units (a 32-unit square for an icon,
pixels for a bitmap) on a canvas three times finer than the largest picture wanted,
then averaged down to each size: that smooths every edge, and the same drawing
gives an icon's 32, 24 and 16 pixel images. The writers make Windows icon (.ico)
and bitmap (.bmp) files.

A shape is an `inside(x, y)` test with a bounding box; paint is an (r, g, b) or
(r, g, b, a) colour, or a function of (x, y) that returns one.
"""
import math
import struct

OVERSAMPLE = 3


class Shape:
    def __init__(self, inside, box):
        self.inside = inside
        self.box = box  # x0, y0, x1, y1

    def __or__(self, other):
        a, b = self.inside, other.inside
        return Shape(lambda x, y: a(x, y) or b(x, y), union_box(self.box, other.box))

    def __and__(self, other):
        a, b = self.inside, other.inside
        box = (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
               min(self.box[2], other.box[2]), min(self.box[3], other.box[3]))
        return Shape(lambda x, y: a(x, y) and b(x, y), box)

    def __sub__(self, other):
        a, b = self.inside, other.inside
        return Shape(lambda x, y: a(x, y) and not b(x, y), self.box)


def union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + r - x, x - (x1 - r), 0.0)
        dy = max(y0 + r - y, y - (y1 - r), 0.0)
        return dx * dx + dy * dy <= r * r
    return Shape(inside, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, outer, inner):
    return circle(cx, cy, outer) - circle(cx, cy, inner)


def polygon(points):
    """Even-odd fill of a closed outline."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        crossings = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                crossings = not crossings
        return crossings
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def capsule(ax, ay, bx, by, width):
    """A straight stroke with round ends."""
    r = width / 2
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= r * r
    return Shape(inside, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def stroke(points, width, closed=False):
    """Strokes joining the points in turn."""
    pairs = list(zip(points, points[1:] + (points[:1] if closed else [])))
    shape = capsule(*pairs[0][0], *pairs[0][1], width)
    for a, b in pairs[1:]:
        shape = shape | capsule(*a, *b, width)
    return shape


def arc(cx, cy, r, width, start, end):
    """A stroke along a circle, from angle `start` to `end` (degrees, clockwise on
    screen from the x axis), with square ends."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (angle - start) % 360 <= (end - start) % 360
    reach = r + width / 2
    return Shape(inside, (cx - reach, cy - reach, cx + reach, cy + reach))


def curve(f, x0, x1, width):
    """A stroke along y = f(x) between x0 and x1."""
    def inside(x, y):
        if not x0 <= x <= x1:
            return False
        slope = (f(x + 0.01) - f(x - 0.01)) / 0.02
        return abs(y - f(x)) <= width / 2 * math.sqrt(1 + slope * slope)
    ys = [f(x0 + (x1 - x0) * i / 64) for i in range(65)]
    return Shape(inside, (x0, min(ys) - width, x1, max(ys) + width))


def rotated(shape, degrees, cx, cy):
    """`shape` turned about (cx, cy), clockwise on screen."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    test = shape.inside

    def inside(x, y):
        dx, dy = x - cx, y - cy
        return test(cx + dx * c + dy * s, cy - dx * s + dy * c)
    x0, y0, x1, y1 = shape.box
    corners = [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c)
               for x in (x0, x1) for y in (y0, y1)]
    return Shape(inside, (min(p[0] for p in corners), min(p[1] for p in corners),
                          max(p[0] for p in corners), max(p[1] for p in corners)))


def vertical_gradient(y0, top, y1, bottom):
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return mix(top, bottom, t)
    return paint


def linear_gradient(ax, ay, first, bx, by, second):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def paint(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return mix(first, second, t)
    return paint


def mix(a, b, t):
    a = tuple(a) + (255,) * (4 - len(a))
    b = tuple(b) + (255,) * (4 - len(b))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


class Canvas:
    """A picture of width x height design units, drawn `scale` pixels a unit times
    OVERSAMPLE, with premultiplied colours."""

    def __init__(self, width, height, scale=1):
        self.width, self.height = width, height
        self.factor = scale * OVERSAMPLE
        self.columns = int(round(width * self.factor))
        self.rows = int(round(height * self.factor))
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.columns * self.rows)]

    def fill(self, shape, paint):
        if not callable(paint):
            colour = tuple(paint) + (255,) * (4 - len(paint))
            paint = lambda x, y: colour  # noqa: E731
        x0, y0, x1, y1 = shape.box
        f = self.factor
        first_column, last_column = max(0, int(x0 * f)), min(self.columns, int(math.ceil(x1 * f)) + 1)
        first_row, last_row = max(0, int(y0 * f)), min(self.rows, int(math.ceil(y1 * f)) + 1)
        inside = shape.inside
        for row in range(first_row, last_row):
            y = (row + 0.5) / f
            base = row * self.columns
            for column in range(first_column, last_column):
                x = (column + 0.5) / f
                if not inside(x, y):
                    continue
                r, g, b, a = paint(x, y)
                alpha = a / 255.0
                pixel = self.pixels[base + column]
                keep = 1.0 - alpha
                pixel[0] = r * alpha + pixel[0] * keep
                pixel[1] = g * alpha + pixel[1] * keep
                pixel[2] = b * alpha + pixel[2] * keep
                pixel[3] = 255.0 * alpha + pixel[3] * keep

    def image(self, width, height):
        """The picture averaged down to width x height pixels: rows of (r, g, b, a)."""
        block_x, block_y = self.columns // width, self.rows // height
        assert block_x * width == self.columns and block_y * height == self.rows
        count = block_x * block_y
        rows = []
        for y in range(height):
            row = []
            for x in range(width):
                total = [0.0, 0.0, 0.0, 0.0]
                for sy in range(y * block_y, (y + 1) * block_y):
                    base = sy * self.columns
                    for sx in range(x * block_x, (x + 1) * block_x):
                        p = self.pixels[base + sx]
                        total[0] += p[0]
                        total[1] += p[1]
                        total[2] += p[2]
                        total[3] += p[3]
                a = total[3] / count
                if a <= 0:
                    row.append((0, 0, 0, 0))
                    continue
                unpremultiply = 255.0 / a / count
                row.append(tuple(min(255, int(round(total[i] * unpremultiply))) for i in range(3))
                           + (int(round(a)),))
            rows.append(row)
        return rows


def icon_entry(rows):
    """One image of an icon file: header, BGRA pixels and the AND mask, bottom-up.
    The mask marks what is mostly transparent, for systems that ignore the alpha."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, (r, g, b, a) in enumerate(row):
            pixels += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def write_icon(path, images):
    """An icon file holding each of `images` (square rows of RGBA pixels)."""
    entries = [icon_entry(rows) for rows in images]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    table = b""
    for rows, data in zip(images, entries):
        size = len(rows)
        table += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + table + b"".join(entries))


def write_bitmap(path, rows):
    """A 24-bit bitmap file; transparent parts of `rows` come out black."""
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, a in row:
            line += bytes((b * a // 255, g * a // 255, r * a // 255))
        data += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(header + info + bytes(data))


def icon_images(draw, sizes=(32, 24, 16)):
    """Draws an icon once on a 32-unit square and returns its image at each size."""
    canvas = Canvas(32, 32, scale=max(sizes) / 32)
    draw(canvas)
    return [canvas.image(size, size) for size in sizes]
