#!/usr/bin/env python3
"""Writes the small sprites that the sample enemy units are drawn with.

Run from the repository root:  python3 tests/data/enemy/make_sample_sprites.py
Each picture below is one row of text per pixel row; every character maps to a
colour index of the master palette (0 is the transparent background).
"""
import os
import struct
import sys

# Character -> colour index.
COLOURS = {
    '.': 0,    # transparent
    'k': 16,   # outline, near black
    'w': 31,   # white (eyes, teeth, bone)
    'r': 40,   # red (pupils, mouth)
    'g': 120,  # body green
    'G': 124,  # light green
    'b': 150,  # mud brown
    'B': 154,  # light brown
    's': 100,  # grey (rotten skin)
    'S': 104,  # light grey
    'p': 200,  # purple armour
    'P': 204,  # light purple
    'y': 60,   # gold
    'o': 64,   # orange (embers)
}

GNASHER = """
................
.....kkkkkk.....
...kkggggggkk...
..kgGGggggGGgk..
..kgwwkggkwwgk..
.kggwrkggkrwggk.
.kggggggggggggk.
.kgkwkwkwkwkwgk.
.kgkrrrrrrrrkgk.
.kgkwkwkwkwkwgk.
..kgggggggggkk..
...kkggggggkk...
...kgk....kgk...
..kggk....kggk..
..kkkk....kkkk..
................
"""

BOGLING = """
................
................
.......kk.......
......kBBk......
.....kBbbBk.....
....kbbbbbbk....
...kbwkbbwkbk...
...kbwrbbwrbk...
..kbbbbbbbbbbk..
..kbbbkrrkbbbk..
.kbbbbbkkbbbbbk.
.kbBbbbbbbbbBbk.
kbbbbbbbbbbbbbbk
kbBbbBbbbbBbbBbk
.kkkkkkkkkkkkkk.
................
"""

BOGLING_ZOMBIE = """
................
................
.......kk.......
......kSSk......
.....kSssSk.....
....kssssssk....
...kswksskrk....
...kswrsskkskk..
..ksssssssssssk.
..ksskwwwwksssk.
.kssssskkssswsk.
.ksSssssssswwwk.
ksssssbsssssswsk
ksSssSssbssSsssk
.kkkkkkkkkkkkkk.
................
"""

WARDEN = """
.k............k.
.kwk........kwk.
..kwk.kkkk.kwk..
..kwkkppppkkwk..
...kkpPPPPpkk...
...kpPyyyyPpk...
..kppkkkkkkppk..
..kpkwrkkrwkpk..
..kppkkkkkkppk..
..kpppkrrkpppk..
...kpkwwwwkpk...
..kkppkkkkppkk..
.kpPpppyyppppPk.
kpPppppyypppppPk
kppkppppppppkppk
.kk.kkkkkkkk.kk.
"""

EMBER_BAT = """
................
................
kk............kk
kokk..k..k..kkok
koook.kkkk.koook
.kooookrrkooook.
.koyookkkkooyok.
..kooykwwkyook..
..koookrrkoook..
...kkookkookk...
.....kokkok.....
.....ko..ok.....
......k..k......
................
................
................
"""

SPRITES = [
    ('GRAFIK/UNITS/GNASHU1.SPR', GNASHER),
    ('GRAFIK/UNITS/BOGLU1.SPR', BOGLING),
    ('GRAFIK/UNITS/BOGLZ1.SPR', BOGLING_ZOMBIE),
    ('GRAFIK/UNITS/EMBERU1.SPR', EMBER_BAT),
    ('GRAFIK/BOSS/WARDENU1.SPR', WARDEN),
]


def sprite_bytes(picture):
    rows = [row for row in picture.strip('\n').split('\n')]
    width, height = len(rows[0]), len(rows)
    if any(len(row) != width for row in rows):
        sys.exit('rows of unequal length')
    pixels = bytes(COLOURS[c] for row in rows for c in row)
    return b'TAVSPR\x01' + struct.pack('<hh', width * 8, height) + pixels


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..', 'sample')
    for relative, picture in SPRITES:
        path = os.path.join(root, relative)
        with open(path, 'wb') as out:
            out.write(sprite_bytes(picture))
        print(os.path.normpath(path))


if __name__ == '__main__':
    main()
