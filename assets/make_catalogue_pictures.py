#!/usr/bin/env python3
"""Makes the pictures catalogue shows, which its resource file compiles into it:

  catalogue.ico          the program's icon: an open catalogue
  entry_*.ico            the entry buttons' pictures, one per program of the maker
                         (32, 24 and 16 pixels; each also becomes the detail
                         dialog's icon)
  button_*.ico           the picture buttons: "Commander", "Quitter", "Imprimer",
                         "Annuler", and "OK" (what "Annuler" shows once printed)
  logo.bmp               the maker's logo, 186 x 67 pixels
  pointer_*.cur          the pointers of the mail link, the web link and the logo

Usage: make_catalogue_pictures.py OUTPUT_DIR
"""
import math
import os
import sys

from make_data_files import HAND, write_cursor
from pictures import (Canvas, Shape, arc, capsule, circle, curve, ellipse, icon_images,
                      linear_gradient, mix, polygon, rect, ring, rotated, rounded_rect, stroke,
                      vertical_gradient, write_bitmap, write_icon)

BLACK = (25, 25, 30)
WHITE = (255, 255, 255)
OUTLINE = (60, 60, 70)


def outlined_rounded_rect(c, x0, y0, x1, y1, r, paint, line=OUTLINE, width=1.0):
    c.fill(rounded_rect(x0, y0, x1, y1, r), line)
    c.fill(rounded_rect(x0 + width, y0 + width, x1 - width, y1 - width, max(r - width, 0.1)), paint)


def outlined_circle(c, cx, cy, r, paint, line=OUTLINE, width=1.0):
    c.fill(circle(cx, cy, r), line)
    c.fill(circle(cx, cy, r - width), paint)


def sparkle(c, x, y, size, colour=(255, 250, 220)):
    c.fill(polygon([(x - size, y), (x, y - size * 0.25), (x + size, y), (x, y + size * 0.25)]), colour)
    c.fill(polygon([(x, y - size), (x + size * 0.25, y), (x, y + size), (x - size * 0.25, y)]), colour)


# The program's icon.

def draw_catalogue(c):
    cover = [(1, 7), (16, 9.5), (31, 7), (31, 27), (16, 29.5), (1, 27)]
    c.fill(polygon(cover), (30, 60, 140))
    left = [(3, 5), (15.5, 7.5), (15.5, 27), (3, 24.5)]
    right = [(16.5, 7.5), (29, 5), (29, 24.5), (16.5, 27)]
    c.fill(polygon(left), linear_gradient(3, 0, (235, 235, 240), 15.5, 0, (255, 255, 255)))
    c.fill(polygon(right), linear_gradient(16.5, 0, (255, 255, 255), 29, 0, (235, 235, 240)))
    c.fill(stroke(left, 0.8, closed=True), (120, 120, 135))
    c.fill(stroke(right, 0.8, closed=True), (120, 120, 135))
    thumbnails = [(200, 50, 50), (240, 170, 30), (60, 150, 70), (50, 110, 200)]
    for page, x0 in ((0, 5), (1, 18.5)):
        for i, colour in enumerate(thumbnails[page * 2:] + thumbnails[:page * 2]):
            x = x0 + (i % 2) * 5
            slope = 0.2 if page == 0 else -0.2
            y = 9.5 + (i // 2) * 7 + (x - x0) * slope + (0 if page == 0 else 1)
            c.fill(rounded_rect(x, y, x + 4, y + 4, 0.8), colour)
            c.fill(rect(x, y + 4.8, x + 4, y + 5.6), (150, 150, 160))


# The entry buttons' pictures.

def draw_agenda(c):
    outlined_rounded_rect(c, 4, 5, 28, 29, 2.5, WHITE, (110, 110, 120))
    c.fill(rounded_rect(5, 6, 27, 13, 1.6) & rect(5, 6, 27, 11.5), (200, 40, 40))
    for x in (10, 16, 22):
        c.fill(capsule(x, 3, x, 8, 2.0), (90, 90, 100))
        c.fill(capsule(x, 3.6, x, 7.4, 0.8), (200, 200, 210))
    for row in range(3):
        for column in range(4):
            x, y = 7 + column * 5, 14.5 + row * 4.5
            marked = (row, column) == (1, 2)
            c.fill(rect(x, y, x + 3.5, y + 3), (230, 60, 50) if marked else (190, 200, 215))


def draw_alunissage(c):
    c.fill(circle(16, 16, 15), vertical_gradient(1, (5, 10, 40), 31, (30, 40, 90)))
    for x, y in ((7, 8), (24, 6), (27, 14), (5, 17), (12, 4.5), (21, 11)):
        c.fill(circle(x, y, 0.7), (255, 255, 230))
    ground = vertical_gradient(25, (200, 200, 205), 31, (120, 120, 130))
    c.fill(circle(16, 16, 15) & circle(16, 50, 25), ground)
    c.fill(ellipse(9, 28, 2.5, 1), (140, 140, 150))
    c.fill(ellipse(22, 27.5, 2, 0.8), (150, 150, 160))
    flame = polygon([(13.8, 20), (18.2, 20), (16, 25.5)])
    c.fill(flame, vertical_gradient(20, (255, 240, 120), 25.5, (255, 120, 20)))
    for a, b in (((12, 16), (8.5, 22.5)), ((20, 16), (23.5, 22.5))):
        c.fill(capsule(*a, *b, 1.3), (170, 170, 180))
    c.fill(capsule(6.8, 22.7, 10, 22.7, 1.3), (170, 170, 180))
    c.fill(capsule(22, 22.7, 25.2, 22.7, 1.3), (170, 170, 180))
    c.fill(polygon([(14.3, 17.5), (17.7, 17.5), (18.8, 20.3), (13.2, 20.3)]), (90, 90, 100))
    c.fill(rect(10.5, 12, 21.5, 18), (130, 95, 20))
    c.fill(rect(11.3, 12.8, 20.7, 17.2), linear_gradient(11, 12, (250, 215, 90), 21, 18, (200, 150, 40)))
    c.fill(polygon([(12, 12.4), (13, 6.5), (19, 6.5), (20, 12.4)]), (90, 90, 105))
    c.fill(polygon([(12.9, 11.8), (13.7, 7.3), (18.3, 7.3), (19.1, 11.8)]), (215, 215, 225))
    c.fill(polygon([(14.5, 8.3), (17.5, 8.3), (17.2, 10.2), (14.8, 10.2)]), (40, 60, 110))


def draw_astronomie(c):
    c.fill(circle(16, 16, 15), vertical_gradient(1, (15, 15, 60), 31, (40, 30, 100)))
    for x, y, size in ((7, 7, 2.2), (25, 25, 1.8), (26, 7, 1.4), (6, 24, 1.2)):
        sparkle(c, x, y, size)
    # The ring passes behind the planet in its far half and in front in its near half.
    planet_ring = rotated(ellipse(16, 16, 13, 4.2) - ellipse(16, 16, 9.5, 2.4), -22, 16, 16)
    back = planet_ring & rotated(rect(0, 0, 32, 16), -22, 16, 16)
    front = planet_ring & rotated(rect(0, 16, 32, 32), -22, 16, 16)
    ring_paint = linear_gradient(4, 0, (190, 160, 110), 28, 0, (245, 225, 170))
    c.fill(back, ring_paint)
    c.fill(circle(16, 16, 7.2), (120, 80, 40))
    c.fill(circle(16, 16, 6.4), linear_gradient(11, 11, (250, 215, 150), 21, 21, (190, 120, 60)))
    c.fill(circle(16, 16, 6.4) & rotated(rect(0, 13.5, 32, 15), -22, 16, 16), (215, 160, 100))
    c.fill(front, ring_paint)


def draw_awele(c):
    board = rounded_rect(1.5, 8, 30.5, 24, 4)
    c.fill(board, (95, 50, 20))
    c.fill(rounded_rect(2.5, 9, 29.5, 23, 3.2), linear_gradient(0, 9, (205, 140, 75), 0, 23, (160, 95, 45)))
    seeds = [3, 1, 2, 4, 0, 2, 1, 3, 2, 0, 4, 1]
    for i, count in enumerate(seeds):
        x, y = 5.6 + (i % 6) * 4.15, 12.6 + (i // 6) * 6.8
        c.fill(circle(x, y, 1.9), (85, 45, 15))
        for k in range(count):
            angle = k * 2 * math.pi / max(count, 1) + 0.6
            offset = 0 if count == 1 else 0.8
            c.fill(circle(x + offset * math.cos(angle), y + offset * math.sin(angle), 0.6), (245, 235, 205))


def draw_bataille_navale(c):
    c.fill(rounded_rect(1, 20, 31, 30, 3), vertical_gradient(20, (60, 130, 210), 30, (20, 60, 140)))
    for y in (23.5, 27):
        c.fill(curve(lambda x, y=y: y + 0.6 * math.sin(x * 1.1), 2.5, 29.5, 0.7), (160, 205, 245))
    c.fill(polygon([(2.5, 16.5), (29.5, 16.5), (25.5, 23), (6.5, 23)]), (55, 55, 65))
    c.fill(polygon([(3.8, 17.5), (28.2, 17.5), (25, 22), (7, 22)]), (120, 125, 135))
    c.fill(rect(10, 11.5, 21, 17), (55, 55, 65))
    c.fill(rect(10.8, 12.3, 20.2, 17), (200, 200, 210))
    c.fill(rect(13, 8.5, 18, 12), (55, 55, 65))
    c.fill(rect(13.7, 9.2, 17.3, 12), (225, 225, 235))
    c.fill(capsule(15.5, 3, 15.5, 9, 0.9), (55, 55, 65))
    c.fill(rect(22, 12.5, 24.5, 17), (170, 60, 40))
    c.fill(rect(5.5, 14.5, 9, 17), (55, 55, 65))
    c.fill(capsule(3.5, 15.2, 7, 15.2, 0.9), (55, 55, 65))
    c.fill(ring(26, 6.5, 4, 3.1), (220, 30, 30))
    c.fill(capsule(26, 1.5, 26, 11.5, 0.8) | capsule(21, 6.5, 31, 6.5, 0.8), (220, 30, 30))


def heart(x, y, s):
    return (circle(x - s * 0.5, y - s * 0.25, s * 0.55) | circle(x + s * 0.5, y - s * 0.25, s * 0.55)
            | polygon([(x - s * 1.02, y), (x + s * 1.02, y), (x, y + s * 1.25)]))


def club(x, y, s):
    return (circle(x, y - s * 0.6, s * 0.5) | circle(x - s * 0.6, y + s * 0.15, s * 0.5)
            | circle(x + s * 0.6, y + s * 0.15, s * 0.5)
            | polygon([(x - s * 0.15, y - s * 0.2), (x + s * 0.15, y - s * 0.2), (x + s * 0.45, y + s * 1.2),
                       (x - s * 0.45, y + s * 1.2)]))


def diamond(x, y, s):
    return polygon([(x, y - s * 1.2), (x + s * 0.85, y), (x, y + s * 1.2), (x - s * 0.85, y)])


def draw_belote(c):
    cards = ((-22, diamond, (210, 30, 40)), (0, club, BLACK), (22, heart, (210, 30, 40)))
    for angle, suit, colour in cards:
        c.fill(rotated(rounded_rect(9.5, 3, 22.5, 22, 1.8), angle, 16, 30), (70, 70, 80))
        c.fill(rotated(rounded_rect(10.3, 3.8, 21.7, 21.2, 1.2), angle, 16, 30), WHITE)
        c.fill(rotated(suit(16, 11.5, 3.4), angle, 16, 30), colour)


def draw_biorythmes(c):
    outlined_rounded_rect(c, 2, 4, 30, 28, 2, WHITE, (110, 110, 120))
    for x in range(6, 30, 4):
        c.fill(rect(x, 5, x + 0.35, 27), (215, 225, 235))
    c.fill(rect(3, 15.8, 29, 16.4), (150, 150, 160))
    # Physical, emotional and intellectual cycles: 23, 28 and 33 days.
    cycles = ((23, 0.0, (220, 40, 40)), (28, 2.1, (40, 160, 60)), (33, 4.0, (40, 80, 210)))
    for days, phase, colour in cycles:
        def wave(x, days=days, phase=phase):
            return 16 - 8.5 * math.sin((x - 3) * 2 * math.pi / (days * 0.75) + phase)
        c.fill(curve(wave, 3.5, 28.5, 1.5), colour)


def draw_budget(c):
    pink = linear_gradient(6, 10, (255, 195, 210), 24, 27, (225, 120, 150))
    line = (150, 60, 85)
    c.fill(capsule(3.5, 16.5, 1.8, 13.5, 1.2), line)
    for x in (7.5, 17.5):
        c.fill(rounded_rect(x, 21, x + 4, 28.5, 1.2), line)
        c.fill(rounded_rect(x + 0.8, 21, x + 3.2, 27.7, 0.8), (230, 140, 165))
    c.fill(polygon([(8, 12), (11.5, 6.5), (14.5, 11.5)]), line)
    c.fill(ellipse(15, 18, 11.5, 8.2), line)
    c.fill(ellipse(15, 18, 10.5, 7.2), pink)
    c.fill(polygon([(9.3, 11.5), (11.6, 8.2), (13.4, 11.2)]), (240, 150, 175))
    c.fill(ellipse(26.5, 18.5, 2.8, 3.4), line)
    c.fill(ellipse(26.5, 18.5, 2.0, 2.6), (240, 150, 175))
    c.fill(circle(26, 17.5, 0.5) | circle(27.2, 19.3, 0.5), line)
    c.fill(circle(21.5, 15, 1.0), BLACK)
    c.fill(capsule(12, 11.2, 18, 11.2, 1.3), (90, 30, 50))
    coin = linear_gradient(12, 2, (255, 235, 120), 18, 8, (215, 160, 30))
    outlined_circle(c, 15, 5.2, 3.6, coin, (150, 110, 20))
    c.fill(rect(14.5, 3.4, 15.5, 7), (190, 140, 25))


def draw_calculette(c):
    body = linear_gradient(5, 0, (95, 100, 115), 27, 0, (60, 65, 78))
    outlined_rounded_rect(c, 5.5, 1.5, 26.5, 30.5, 3, body, BLACK)
    c.fill(rect(8.5, 4.5, 23.5, 13.5), (40, 45, 40))
    c.fill(rect(9.2, 5.2, 22.8, 12.8), (185, 215, 165))
    c.fill(arc(17.4, 9, 3.0, 1.4, 45, 315), (30, 50, 30))
    c.fill(rect(12, 7.4, 17.4, 8.4) | rect(12, 9.6, 17.4, 10.6), (30, 50, 30))
    for row in range(3):
        for column in range(4):
            x, y = 8.5 + column * 4, 16 + row * 4.6
            colour = (245, 150, 40) if (row, column) == (2, 3) else (225, 225, 230)
            c.fill(rounded_rect(x, y, x + 3, y + 3.2, 0.7), colour)


def draw_carnet(c):
    tabs = [(250, 210, 60), (90, 180, 90), (80, 140, 230), (245, 140, 50), (230, 110, 160)]
    for i, colour in enumerate(tabs):
        y = 5 + i * 4.6
        c.fill(rounded_rect(22, y, 28.5, y + 3.6, 1), (70, 70, 80))
        c.fill(rounded_rect(22, y + 0.6, 27.9, y + 3.0, 0.7), colour)
    c.fill(rect(21, 3.5, 25, 28.5), (70, 70, 80))
    c.fill(rect(21, 4.2, 24.4, 27.8), (250, 250, 245))
    for y in range(6, 28, 2):
        c.fill(rect(21, y, 24.4, y + 0.3), (200, 200, 200))
    c.fill(rounded_rect(4, 2, 23, 30, 1.8), (90, 20, 20))
    cover = linear_gradient(4, 2, (210, 60, 55), 22, 30, (150, 30, 30))
    c.fill(rounded_rect(4.8, 2.8, 22.2, 29.2, 1.2), cover)
    c.fill(rect(4.8, 2.8, 7.5, 29.2), (120, 25, 25))
    c.fill(rect(10, 8, 20, 15), (70, 20, 20))
    c.fill(rect(10.6, 8.6, 19.4, 14.4), (250, 240, 215))
    for y in (10.2, 12.4):
        c.fill(rect(12, y, 18, y + 0.6), (150, 120, 100))


def draw_casse_briques(c):
    colours = [(220, 50, 50), (245, 150, 40), (240, 215, 50), (70, 170, 80)]
    missing = {(2, 1), (3, 2), (3, 0)}
    for row, colour in enumerate(colours):
        for column in range(4):
            if (row, column) in missing:
                continue
            x, y = 1.5 + column * 7.4, 2.5 + row * 3.6
            c.fill(rect(x, y, x + 6.8, y + 3), mix(colour, (0, 0, 0), 0.35))
            c.fill(rect(x + 0.6, y + 0.6, x + 6.2, y + 2.4), colour)
    ball = linear_gradient(11, 18.5, WHITE, 15, 22.5, (190, 190, 200))
    outlined_circle(c, 13, 20.5, 2.5, ball, (40, 40, 50), 0.8)
    paddle = linear_gradient(0, 26, (110, 160, 240), 0, 29.5, (30, 70, 170))
    outlined_rounded_rect(c, 6, 26, 22, 29.5, 1.7, paddle, (20, 40, 100), 0.8)


KNIGHT = [(22.3, 22.8), (22.8, 15), (21.6, 9.6), (18.8, 6.3), (17.6, 3.8), (16.2, 5.9), (12.6, 7.6),
          (8.2, 12.3), (7.3, 15.4), (8.6, 16.8), (12.1, 15), (13.7, 16.6), (11, 22.8)]


def draw_cavalier(c):
    for row in range(4):
        for column in range(4):
            light = (row + column) % 2 == 0
            c.fill(rect(2 + column * 7, 2 + row * 7, 9 + column * 7, 9 + row * 7),
                   (235, 215, 175) if light else (170, 120, 75))
    c.fill(stroke([(2, 2), (30, 2), (30, 30), (2, 30)], 0.8, closed=True), (110, 70, 40))
    # A black piece with a white rim, so that it stands out on either colour of square.
    c.fill(stroke(KNIGHT, 2.4, closed=True) | rounded_rect(7.6, 22, 25.4, 26, 1.4)
           | rounded_rect(6.1, 24.5, 26.9, 29, 1.6), WHITE)
    base = rounded_rect(8.8, 23.2, 24.2, 25, 0.6) | rounded_rect(7.3, 25.7, 25.7, 27.8, 0.8)
    c.fill(polygon(KNIGHT) | base, (30, 30, 35))
    c.fill(circle(14.5, 9.8, 0.8), WHITE)


def draw_cd_jaquettes(c):
    c.fill(circle(21, 16, 9.5), (110, 110, 120))
    c.fill(circle(21, 16, 9), lambda x, y: rainbow_silver(x, y, 21, 16))
    c.fill(ring(21, 16, 2.6, 1.4), (200, 200, 210))
    c.fill(rect(2, 4, 20, 28), (40, 40, 50))
    c.fill(rect(2.8, 4.8, 19.2, 27.2), linear_gradient(3, 5, (120, 60, 170), 19, 27, (40, 110, 200)))
    c.fill(rect(2.8, 4.8, 4.6, 27.2), (200, 200, 215))
    c.fill(circle(12, 12.5, 3.6), (250, 200, 60))
    for y, width in ((19, 10), (21.5, 8), (24, 9)):
        c.fill(rect(7, y, 7 + width, y + 1), (235, 235, 245))


def rainbow_silver(x, y, cx, cy):
    angle = math.atan2(y - cy, x - cx)
    silver = 200 + 40 * math.cos(2 * angle)
    tint = (0.5 + 0.5 * math.sin(3 * angle), 0.5 + 0.5 * math.sin(3 * angle + 2.1),
            0.5 + 0.5 * math.sin(3 * angle + 4.2))
    return tuple(min(255, silver * 0.8 + 60 * t) for t in tint) + (255,)


def draw_cd_orvex(c):
    c.fill(circle(16, 16, 14.5) - circle(16, 16, 1.8), (100, 100, 110))
    c.fill(circle(16, 16, 13.8) - circle(16, 16, 2.4), lambda x, y: rainbow_silver(x, y, 16, 16))
    c.fill(ring(16, 16, 6.2, 2.4), (200, 200, 210))
    c.fill(ring(16, 16, 5.8, 3.0), (240, 120, 20))
    c.fill(capsule(22, 7, 25, 10, 1.3), (255, 255, 255, 170))


# The picture buttons' pictures.

def draw_commander(c):
    outlined_rounded_rect(c, 2, 7, 30, 26, 1.5, (255, 248, 225), (120, 90, 50))
    c.fill(stroke([(2.8, 8), (16, 18), (29.2, 8)], 1.2), (120, 90, 50))
    c.fill(capsule(2.8, 25.2, 12.5, 16.2, 0.9) | capsule(29.2, 25.2, 19.5, 16.2, 0.9), (170, 140, 100))
    c.fill(circle(16, 18.2, 3.2), (190, 30, 30))
    c.fill(circle(16, 18.2, 2.0), (225, 60, 50))


def draw_quitter(c):
    c.fill(rect(4, 3, 20, 29), (80, 50, 25))
    c.fill(rect(5, 4, 19, 29), (30, 30, 35))
    door = linear_gradient(5, 0, (170, 110, 60), 14, 0, (125, 75, 35))
    c.fill(polygon([(5, 4), (14, 6.5), (14, 30.5), (5, 29)]), door)
    c.fill(circle(12, 17.5, 0.9), (250, 210, 80))
    arrow = [(15, 14), (23, 14), (23, 9.5), (30.5, 17), (23, 24.5), (23, 20), (15, 20)]
    c.fill(stroke(arrow, 1.6, closed=True), (20, 90, 30))
    c.fill(polygon(arrow), linear_gradient(15, 10, (120, 220, 110), 30, 24, (40, 150, 50)))


def draw_imprimer(c):
    c.fill(polygon([(9, 2), (23, 2), (23, 13), (9, 13)]), (90, 90, 100))
    c.fill(rect(9.8, 2.8, 22.2, 13), WHITE)
    for y in (5, 7.5, 10):
        c.fill(rect(11.5, y, 20.5, y + 0.8), (120, 140, 190))
    body = linear_gradient(0, 11, (215, 215, 220), 0, 24, (150, 150, 160))
    outlined_rounded_rect(c, 2, 11, 30, 24, 2, body, (60, 60, 70))
    c.fill(rect(6, 14.5, 26, 16), (70, 70, 80))
    c.fill(circle(25.5, 19.5, 1.1), (60, 200, 60))
    c.fill(polygon([(7, 22), (25, 22), (27, 29), (5, 29)]), (60, 60, 70))
    c.fill(polygon([(7.8, 22.8), (24.2, 22.8), (25.8, 28.2), (6.2, 28.2)]), WHITE)
    c.fill(rect(9, 25, 23, 25.8), (170, 170, 180))


def draw_annuler(c):
    red = linear_gradient(8, 4, (245, 100, 90), 24, 28, (180, 20, 20))
    outlined_circle(c, 16, 16, 14, red, (110, 10, 10))
    c.fill(capsule(10.5, 10.5, 21.5, 21.5, 3.6) | capsule(21.5, 10.5, 10.5, 21.5, 3.6), WHITE)


def draw_ok(c):
    green = linear_gradient(8, 4, (120, 215, 110), 24, 28, (30, 130, 40))
    outlined_circle(c, 16, 16, 14, green, (15, 80, 20))
    c.fill(stroke([(9, 16.5), (14, 21.5), (23.5, 10.5)], 3.8), WHITE)


ENTRY_PICTURES = {
    "entry_agenda": draw_agenda,
    "entry_alunissage": draw_alunissage,
    "entry_astronomie": draw_astronomie,
    "entry_awele": draw_awele,
    "entry_bataille_navale": draw_bataille_navale,
    "entry_belote": draw_belote,
    "entry_biorythmes": draw_biorythmes,
    "entry_budget": draw_budget,
    "entry_calculette": draw_calculette,
    "entry_carnet": draw_carnet,
    "entry_casse_briques": draw_casse_briques,
    "entry_cavalier": draw_cavalier,
    "entry_cd_jaquettes": draw_cd_jaquettes,
    "entry_cd_orvex": draw_cd_orvex,
}

BUTTON_PICTURES = {
    "button_commander": draw_commander,
    "button_quitter": draw_quitter,
    "button_imprimer": draw_imprimer,
    "button_annuler": draw_annuler,
    "button_ok": draw_ok,
}


# The logo: the maker's name in tall rounded letters on a night-blue band, with what
# it makes underneath.

LOGO_LETTERS = {
    "O": lambda x, w, top, bottom, pen: ring_letter(x, w, top, bottom, pen),
    "R": lambda x, w, top, bottom, pen: (
        stroke([(x, bottom), (x, top), (x + w * 0.55, top)], pen)
        | arc(x + w * 0.55, top + (bottom - top) * 0.26, (bottom - top) * 0.26, pen, 270, 90)
        | stroke([(x + w * 0.55, top + (bottom - top) * 0.52), (x, top + (bottom - top) * 0.52)], pen)
        | capsule(x + w * 0.45, top + (bottom - top) * 0.52, x + w, bottom, pen)),
    "V": lambda x, w, top, bottom, pen: stroke([(x, top), (x + w / 2, bottom), (x + w, top)], pen),
    "E": lambda x, w, top, bottom, pen: (
        stroke([(x + w, top), (x, top), (x, bottom), (x + w, bottom)], pen)
        | capsule(x, (top + bottom) / 2, x + w * 0.8, (top + bottom) / 2, pen)),
    "X": lambda x, w, top, bottom, pen: (
        capsule(x, top, x + w, bottom, pen) | capsule(x + w, top, x, bottom, pen)),
}


def ring_letter(x, w, top, bottom, pen):
    cx, cy = x + w / 2, (top + bottom) / 2
    rx, ry = w / 2, (bottom - top) / 2
    return ellipse(cx, cy, rx + pen / 2, ry + pen / 2) - ellipse(cx, cy, rx - pen / 2, ry - pen / 2)


# Five by seven capitals for the line under the name.
SMALL_FONT = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "G": [" ####", "#    ", "#    ", "#  ##", "#   #", "#   #", " ####"],
    "J": ["  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    " ": ["     "] * 7,
}


def small_text(text, x, y):
    cells = {(i * 6 + column, row)
             for i, letter in enumerate(text)
             for row, line in enumerate(SMALL_FONT[letter])
             for column, cell in enumerate(line) if cell == "#"}
    return Shape(lambda px, py: (math.floor(px - x), math.floor(py - y)) in cells,
                 (x, y, x + len(text) * 6, y + 7))


def draw_logo(c):
    width, height = c.width, c.height
    c.fill(rect(0, 0, width, height), vertical_gradient(0, (20, 35, 95), height, (45, 85, 170)))
    for x, y in ((10, 8), (30, 58), (172, 12), (160, 55), (96, 5), (60, 62), (178, 40)):
        c.fill(circle(x, y, 0.8), (200, 215, 255))
    c.fill(stroke([(0, 0), (width, 0), (width, height), (0, height)], 2, closed=True), (10, 20, 55))
    top, bottom, pen, letter_width, gap = 9, 42, 6.5, 24, 9
    x = (width - (5 * letter_width + 4 * gap)) / 2
    for letter in "ORVEX":
        shape = LOGO_LETTERS[letter](x, letter_width, top, bottom, pen)
        c.fill(shape_offset(shape, 2, 2), (5, 10, 35, 200))
        if letter == "O":
            c.fill(shape, vertical_gradient(top, (255, 200, 60), bottom, (235, 100, 20)))
        else:
            c.fill(shape, vertical_gradient(top, (255, 255, 255), bottom, (190, 205, 240)))
        x += letter_width + gap
    tagline = "JEUX ET PROGRAMMES"
    c.fill(small_text(tagline, (width - (len(tagline) * 6 - 1)) / 2, 51), (255, 215, 120))


def shape_offset(shape, dx, dy):
    inside = shape.inside
    x0, y0, x1, y1 = shape.box
    return Shape(lambda x, y: inside(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


# The pointers: the hand of the buttons' pointer carrying what the control leads to.

ENVELOPE = """
############
##........##
#.#......#.#
#..#....#..#
#...#..#...#
#....##....#
#..........#
############
"""

GLOBE = """
   #####
  #.#.#.#
 #..#.#..#
###########
#...#.#...#
#...#.#...#
###########
 #..#.#..#
  #.#.#.#
   #####
"""

NOTE = """
    ..........
    .########.
    .########.
    .#......#.
    .#.    .#.
    .#.    .#.
    .#.    .#.
  ...#.  ...#.
 .####. .####.
 .####. .####.
 .####. .####.
  ....   ....
"""

def hand_with(symbol, left, top):
    rows = [(line + " " * 32)[:32] for line in HAND.split("\n")[1:]]
    rows = (rows + [" " * 32] * 32)[:32]
    for i, line in enumerate(symbol.split("\n")[1:]):
        row = list(rows[top + i])
        for j, cell in enumerate(line):
            if cell != " ":
                row[left + j] = cell
        rows[top + i] = "".join(row)
    return "\n" + "\n".join(rows)


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    drawings = [("catalogue", draw_catalogue)] + list(ENTRY_PICTURES.items()) + list(BUTTON_PICTURES.items())
    made = []
    for name, draw in drawings:
        images = icon_images(draw)
        write_icon(os.path.join(out_dir, name + ".ico"), images)
        made.append(images[0])
    # A drawing given to two names by mistake would show two buttons alike.
    assert all(made[i] != made[j] for i in range(len(made)) for j in range(i)), "two pictures alike"

    logo = Canvas(186, 67)
    draw_logo(logo)
    write_bitmap(os.path.join(out_dir, "logo.bmp"), logo.image(186, 67))

    write_cursor(os.path.join(out_dir, "pointer_mail.cur"), hand_with(ENVELOPE, 15, 19), (7, 1))
    write_cursor(os.path.join(out_dir, "pointer_web.cur"), hand_with(GLOBE, 16, 18), (7, 1))
    write_cursor(os.path.join(out_dir, "pointer_logo.cur"), hand_with(NOTE, 16, 18), (7, 1))


if __name__ == "__main__":
    main()
