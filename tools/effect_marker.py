#!/usr/bin/env python3
"""Marks the moment each key is sent to the game, in the sound itself.

effect_marker.py TIMES KEY: plays an unbroken stream of silence into the default sink with a
small buffer (libpulse-simple), and TIMES times, every 0.7 s, writes a 1 ms click into the right
channel and at once sends KEY to the focused window with xdotool. Prints the stream's latency in
ms, measured by the server, which is how long after the key the click is heard.
"""
import ctypes
import ctypes.util
import struct
import subprocess
import sys
import time

RATE, BLOCK = 44100, 220  # 5 ms blocks of stereo 16-bit frames


class SampleSpec(ctypes.Structure):
    _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32), ("channels", ctypes.c_uint8)]


class BufferAttr(ctypes.Structure):
    _fields_ = [(name, ctypes.c_uint32) for name in ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]


pulse = ctypes.CDLL(ctypes.util.find_library("pulse-simple"))
pulse.pa_simple_new.restype = ctypes.c_void_p
pulse.pa_simple_get_latency.restype = ctypes.c_uint64
pulse.pa_simple_get_latency.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int)]
pulse.pa_simple_write.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t, ctypes.POINTER(ctypes.c_int)]
spec = SampleSpec(3, RATE, 2)  # PA_SAMPLE_S16LE
block_bytes = BLOCK * 4
attr = BufferAttr(0xFFFFFFFF, 2 * block_bytes, block_bytes, block_bytes, 0xFFFFFFFF)
error = ctypes.c_int(0)
stream = pulse.pa_simple_new(None, b"marker", 1, None, b"marker", ctypes.byref(spec), None, ctypes.byref(attr),
                             ctypes.byref(error))
if not stream:
    sys.exit(f"effect_marker: no sound server ({error.value})")

times, key = int(sys.argv[1]), sys.argv[2]
silence = bytes(block_bytes)
click = struct.pack("<hh", 0, 20000) * 44 + bytes(block_bytes - 44 * 4)
latencies = []
next_mark = time.monotonic() + 1.0
marks = 0
while marks < times:
    if time.monotonic() >= next_mark:
        pulse.pa_simple_write(stream, click, len(click), ctypes.byref(error))
        latencies.append(pulse.pa_simple_get_latency(stream, ctypes.byref(error)) / 1000)
        subprocess.run(["xdotool", "key", key], check=False)
        marks += 1
        next_mark += 0.7
    else:
        pulse.pa_simple_write(stream, silence, len(silence), ctypes.byref(error))
for _ in range(100):  # half a second more, so the last sound is recorded whole
    pulse.pa_simple_write(stream, silence, len(silence), ctypes.byref(error))
print(f"{sorted(latencies)[len(latencies) // 2]:.1f}")
