#!/usr/bin/env python3
"""Synthesises the games' four sound clips into resources/ as 16-bit PCM WAVE files.

Usage: tools/make_clips.py [output directory]   (default: resources/ beside tools/)

Every clip has a fixed length in sample frames (the games and their Windows
resources expect these exact data sizes), a short fade-in and fade-out, and a
peak well below full scale, so nothing clicks or clips. The output is the same
on every run.
"""

import math
import os
import struct
import sys

RATE = 22050
PEAK = 0.55  # of full scale, after mixing
FADE_IN_S = 0.006
FADE_OUT_S = 0.030
ATTACK_S = 0.005


def tone(frequency, start_s, length_s, decay_per_s, level=1.0, glide_to=None):
    """A sine partial as (start frame, samples) with an exponential decay."""
    frames = int(length_s * RATE)
    phase = 0.0
    samples = []
    for i in range(frames):
        t = i / RATE
        f = frequency if glide_to is None else frequency + (glide_to - frequency) * i / frames
        phase += 2 * math.pi * f / RATE
        attack = min(1.0, t / ATTACK_S)  # every note swells in, so no note clicks
        samples.append(level * attack * math.exp(-decay_per_s * t) * math.sin(phase))
    return int(start_s * RATE), samples


def bell(frequency, start_s, length_s, level=1.0, decay=4.0):
    """A bell-like note: a few inharmonic partials, the higher ones dying sooner."""
    partials = [(1.0, 1.0, 1.0), (2.0, 0.45, 1.6), (2.76, 0.25, 2.4), (5.4, 0.04, 4.0)]
    return [tone(frequency * ratio, start_s, length_s, decay * speed, level * weight)
            for ratio, weight, speed in partials]


def mix(frames, parts):
    buffer = [0.0] * frames
    for start, samples in parts:
        for i, value in enumerate(samples[: max(0, frames - start)]):
            buffer[start + i] += value
    return buffer


def shaped(buffer):
    """Fades both ends to silence and scales the loudest sample to PEAK."""
    n = len(buffer)
    fade_in = max(1, int(FADE_IN_S * RATE))
    fade_out = max(1, int(FADE_OUT_S * RATE))
    for i in range(n):
        gain = 1.0
        if i < fade_in:
            gain = 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
        if i >= n - fade_out:
            gain *= 0.5 - 0.5 * math.cos(math.pi * (n - 1 - i) / fade_out)
        buffer[i] *= gain
    loudest = max(abs(v) for v in buffer) or 1.0
    return [v * PEAK / loudest for v in buffer]


def beep(frames):
    # A soft low beep: a round fundamental with a touch of octave.
    length = frames / RATE
    return [shaped(mix(frames, [tone(523.25, 0, length, 5.0), tone(1046.5, 0, length, 9.0, 0.15)]))]


def ding(frames):
    # The channels differ only in how fast the bell dies away, so a little room is heard in
    # stereo while both stay in phase: a mono mix (L+R)/2 keeps the 880 Hz note at full level.
    # (A delayed copy would cancel it: 4 ms is about three and a half periods of 880 Hz.)
    length = frames / RATE
    left = mix(frames, bell(880.0, 0.0, length))
    right = mix(frames, bell(880.0, 0.0, length, decay=4.4))
    return [shaped(left), shaped(right)]


def done(frames):
    # A rising major arpeggio, C E G C, drifting from left to right.
    length = frames / RATE
    notes = [523.25, 659.26, 783.99, 1046.5]
    left, right = [], []
    for k, frequency in enumerate(notes):
        start = k * 0.12
        pan = k / (len(notes) - 1)
        ring = length - start
        left += bell(frequency, start, ring, level=1.0 - 0.5 * pan, decay=3.0)
        right += bell(frequency, start, ring, level=0.5 + 0.5 * pan, decay=3.0)
    return [shaped(mix(frames, left)), shaped(mix(frames, right))]


def blip(frames):
    length = frames / RATE
    return [shaped(mix(frames, [tone(880.0, 0, length, 10.0, glide_to=1320.0)]))]


SYNTHESISERS = {"beep2": beep, "ding2": ding, "done2": done, "notify2": blip}
BYTES_PER_SAMPLE = 2


def clips(manifest):
    """(name, channels, data bytes) of each clip that resources/clips.txt lists."""
    for line in open(manifest):
        if line.strip() and not line.startswith("#"):
            name, channels, data_bytes = line.split()
            yield name, int(channels), int(data_bytes)


def wave_file(channels, data):
    block_align = channels * BYTES_PER_SAMPLE
    fmt = struct.pack("<HHIIHH", 1, channels, RATE, RATE * block_align, block_align,
                      8 * BYTES_PER_SAMPLE)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def interleaved(channels):
    out = bytearray()
    for frame in zip(*channels):
        for value in frame:
            out += struct.pack("<h", round(value * 32767))
    return bytes(out)


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    target = sys.argv[1] if len(sys.argv) > 1 else resources
    os.makedirs(target, exist_ok=True)
    for name, channels, data_bytes in clips(os.path.join(resources, "clips.txt")):
        frames = data_bytes // (channels * BYTES_PER_SAMPLE)
        data = interleaved(SYNTHESISERS[name](frames))
        assert len(data) == data_bytes, name
        with open(os.path.join(target, name + ".wav"), "wb") as out:
            out.write(wave_file(channels, data))


if __name__ == "__main__":
    main()
