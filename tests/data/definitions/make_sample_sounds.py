#!/usr/bin/env python3
"""Writes the short sample sounds of the bundled game folder (sample/SOUNDS).

Each sound is a few hundredths of a second of 8-bit mono audio at 8 kHz: a
tone (or a noise burst) with a quick fade, a few hundred bytes per file.
Run from anywhere: python3 tests/data/definitions/make_sample_sounds.py
"""
import math
import pathlib
import random
import wave

RATE = 8000
SOUNDS = pathlib.Path(__file__).resolve().parents[3] / "sample" / "SOUNDS"

# name on disk: (first frequency in Hz, last frequency in Hz, seconds); 0 Hz is noise
VOICES = {
    "anvil.wav": (1760, 1760, 0.06),
    "chime.wav": (1320, 1480, 0.07),
    "cough.wav": (0, 0, 0.05),
    "giggle.wav": (660, 990, 0.06),
    "SPLASH.WAV": (0, 0, 0.04),
    "yawn.wav": (330, 220, 0.07),
}


def samples(start_hz, end_hz, seconds, noise):
    count = int(RATE * seconds)
    phase = 0.0
    for i in range(count):
        t = i / count
        fade = min(1.0, i / 40) * (1.0 - t)
        if start_hz == 0:
            value = noise.uniform(-1.0, 1.0)
        else:
            phase += 2 * math.pi * (start_hz + (end_hz - start_hz) * t) / RATE
            value = math.sin(phase)
        yield 128 + round(100 * fade * value)


def main():
    SOUNDS.mkdir(parents=True, exist_ok=True)
    noise = random.Random(7)
    for name, (start_hz, end_hz, seconds) in VOICES.items():
        with wave.open(str(SOUNDS / name), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(1)
            out.setframerate(RATE)
            out.writeframes(bytes(samples(start_hz, end_hz, seconds, noise)))


if __name__ == "__main__":
    main()
