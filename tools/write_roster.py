#!/usr/bin/env python3
"""Writes a roster of one current player: write_roster.py FILE [LEVEL [NAME]].

Count 1, a 56-byte record (a 40-byte name, then level, money, rows and seconds as 32-bit
integers), and the current player's index, 0.
"""
import struct
import sys

path = sys.argv[1]
level = int(sys.argv[2]) if len(sys.argv) > 2 else 1
name = (sys.argv[3] if len(sys.argv) > 3 else "Tester").encode("latin-1")[:40].ljust(40, b"\0")
with open(path, "wb") as roster:
    roster.write(struct.pack("<i", 1) + name + struct.pack("<iiiii", level, 0, 0, 0, 0))
