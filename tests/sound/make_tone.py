#!/usr/bin/env python3
"""Writes the sound of the playback test: make_tone.py OUT.wav -- 0.2 s of a 440 Hz tone,
8-bit mono PCM at 8000 Hz, in a plain RIFF "WAVE" image."""
import math
import sys
import wave

if len(sys.argv) != 2:
    sys.exit(__doc__)
rate = 8000
samples = bytes(128 + int(100 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate // 5))
with wave.open(sys.argv[1], 'wb') as out:
    out.setnchannels(1)
    out.setsampwidth(1)
    out.setframerate(rate)
    out.writeframes(samples)
