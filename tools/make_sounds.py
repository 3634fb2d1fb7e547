#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Generates the game's two sounds into data/: step.wav and mix.wav.

step.wav: a soft wooden click with a short plucked tail, played for every step.
mix.wav:  a short rattle of small tiles knocking together, played while shuffling.

Mono, 22050 Hz, 16-bit. Only the standard library is used, and the output is the
same on every run (a fixed seed drives the rattle), so the files can be rebuilt.
Run: python3 tools/make_sounds.py [output folder]
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def click(freq, length, decay, level, noise_ms=4.0, rng=None):
    """A struck-wood tone: a decaying sine with a little overtone and a soft
    noise burst at the attack, which gives the knock its edge."""
    rng = rng or random.Random(1)
    n = int(length * RATE)
    out = []
    noise_n = int(noise_ms / 1000 * RATE)
    for i in range(n):
        t = i / RATE
        env = math.exp(-t / decay)
        attack = min(1.0, i / (0.0015 * RATE))  # 1.5 ms fade-in: no pop
        tone = math.sin(2 * math.pi * freq * t) + 0.35 * math.sin(2 * math.pi * 2.76 * freq * t) * math.exp(-t / (decay * 0.4))
        hiss = 0.0
        if i < noise_n:
            hiss = (rng.random() * 2 - 1) * (1 - i / noise_n) * 0.5
        out.append(level * attack * (env * tone * 0.75 + hiss))
    return out


def fade_out(samples, ms):
    n = min(len(samples), int(ms / 1000 * RATE))
    for k in range(n):
        samples[len(samples) - n + k] *= 1 - k / n
    return samples


def mix_into(target, source, at):
    for k, v in enumerate(source):
        if at + k < len(target):
            target[at + k] += v


def step_sound():
    samples = click(freq=880.0, length=0.075, decay=0.018, level=0.55)
    return fade_out(samples, 10)


def shuffle_sound():
    rng = random.Random(20240601)
    length = 0.5
    samples = [0.0] * int(length * RATE)
    t = 0.004
    while t < length - 0.06:
        freq = rng.uniform(620.0, 1250.0)
        level = rng.uniform(0.12, 0.3) * (0.6 + 0.4 * math.sin(math.pi * t / length))
        mix_into(samples, click(freq, 0.05, rng.uniform(0.008, 0.014), level, 3.0, rng), int(t * RATE))
        t += rng.uniform(0.018, 0.045)
    return fade_out(samples, 40)


def write_wav(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = min(1.0, 0.9 / peak)
    frames = b"".join(struct.pack("<h", int(round(s * scale * 32767))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    os.makedirs(folder, exist_ok=True)
    write_wav(os.path.join(folder, "step.wav"), step_sound())
    write_wav(os.path.join(folder, "mix.wav"), shuffle_sound())


if __name__ == "__main__":
    main()
