#!/usr/bin/env python3
"""Synthesises Tablewise's nine sound effects as 8-bit PCM WAVE clips.

Run from anywhere: the clips land in src/ui/resources/sounds/. The random
source is seeded, so every run writes byte-identical files; the clips are kept
in the tree and only need regenerating when this script changes.
"""

import math
import random
import struct
import wave
from pathlib import Path

OUT_DIR = Path(__file__).resolve().parent.parent / "src" / "ui" / "resources" / "sounds"
SEED = 1993

# Peak level each clip is scaled to, as a fraction of full scale: loud enough to
# hear over a fan, quiet enough not to startle.
NOISY_PEAK = 0.45   # snaps and flicks: broadband, so they sound louder per volt
TONAL_PEAK = 0.55   # bells, plucks and the fanfare

# A few milliseconds of ramp at both ends so no clip starts or stops with a click.
EDGE_FADE_SECONDS = 0.004

TAU = 2.0 * math.pi

# Partial ratios of a small metal bar (glockenspiel-like): bright but not shrill.
BAR_PARTIALS = ((1.0, 1.0), (2.756, 0.35), (5.404, 0.12))


def frame_count(rate, seconds):
    """Clip length in frames, rounded half up on the exact decimal product: several
    lengths land on exactly half a frame, where float rounding would go either way."""
    millis = round(seconds * 1000)
    return (rate * millis + 500) // 1000


def note(name):
    """Frequency of a note written like "C5", "F#4" or "Bb3" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semitone -= 1
        rest = rest[1:]
    semitone += (int(rest) - 4) * 12
    return 440.0 * 2.0 ** (semitone / 12.0)


class Lowpass:
    """One-pole low-pass: cheap, gentle, good enough to take the edge off noise."""

    def __init__(self, rate, cutoff):
        self.a = 1.0 - math.exp(-TAU * cutoff / rate)
        self.y = 0.0

    def __call__(self, x):
        self.y += self.a * (x - self.y)
        return self.y


class Bandpass:
    """Low-pass minus a lower low-pass: a soft band for card-like noise."""

    def __init__(self, rate, low, high):
        self.upper = Lowpass(rate, high)
        self.lower = Lowpass(rate, low)

    def __call__(self, x):
        y = self.upper(x)
        return y - self.lower(y)


def add_snap(buf, rate, rng, start, amp, low=900.0, high=4500.0, decay=0.004, body_hz=170.0):
    """One card edge slapping the next: a short band of noise over a faint thump."""
    first = int(start * rate)
    length = int(decay * 8 * rate)
    band = Bandpass(rate, low, high)
    soften = Lowpass(rate, high)  # a second pole, so the snap has no hiss above the band
    attack = max(1, int(0.0006 * rate))
    for i in range(length):
        k = first + i
        if k >= len(buf):
            break
        t = i / rate
        env = (i / attack if i < attack else 1.0) * math.exp(-t / decay)
        body = 0.35 * math.sin(TAU * body_hz * t) * math.exp(-t / (decay * 1.5))
        buf[k] += amp * env * (4.0 * soften(band(rng.uniform(-1.0, 1.0))) + body)


def add_whoosh(buf, rate, rng, start, seconds, amp, cutoff_from, cutoff_to, shape_power=1.0):
    """Cards sliding over each other: low-passed noise whose cutoff glides."""
    first = int(start * rate)
    length = int(seconds * rate)
    lp = Lowpass(rate, cutoff_from)
    lp2 = Lowpass(rate, cutoff_from)
    for i in range(length):
        k = first + i
        if k >= len(buf):
            break
        p = i / length
        cutoff = cutoff_from + (cutoff_to - cutoff_from) * p
        lp.a = lp2.a = 1.0 - math.exp(-TAU * cutoff / rate)
        env = math.sin(math.pi * p) ** shape_power
        buf[k] += amp * env * 2.5 * lp2(lp(rng.uniform(-1.0, 1.0)))


def add_tone(buf, rate, start, freq, seconds, amp, partials, decay, attack=0.003,
             release=0.02, vibrato=0.0, vibrato_delay=0.15):
    """A pitched voice: partials (ratio, level) with a shared exponential decay;
    higher partials die faster, as they do on struck metal and plucked strings."""
    first = int(start * rate)
    length = int(seconds * rate)
    nyquist = rate / 2.0
    voices = [(ratio, level) for ratio, level in partials if freq * ratio < nyquist * 0.9]
    phases = [0.0] * len(voices)
    for i in range(length):
        k = first + i
        if k >= len(buf):
            break
        t = i / rate
        env = min(1.0, t / attack) if attack > 0 else 1.0
        env *= math.exp(-t / decay) if decay else 1.0
        left = seconds - t
        if left < release:
            env *= max(0.0, left / release)
        wobble = 1.0
        if vibrato and t > vibrato_delay:
            depth = min(1.0, (t - vibrato_delay) / 0.2) * vibrato
            wobble = 1.0 + depth * math.sin(TAU * 5.2 * t)
        sample = 0.0
        for j, (ratio, level) in enumerate(voices):
            phases[j] += TAU * freq * ratio * wobble / rate
            partial_env = math.exp(-t * (ratio - 1.0) / (decay * 3.0)) if decay else 1.0
            sample += level * partial_env * math.sin(phases[j])
        buf[k] += amp * env * sample


def add_bell(buf, rate, start, freq, amp, decay=0.6, seconds=None):
    add_tone(buf, rate, start, freq, seconds or decay * 5, amp, BAR_PARTIALS, decay,
             attack=0.002, release=0.05)


def add_jingle(buf, rate, rng, start, amp):
    """A shake of little bells: a few tiny, slightly detuned bells struck at once."""
    for _ in range(rng.randint(3, 5)):
        at = start + rng.uniform(0.0, 0.018)
        freq = rng.uniform(2600.0, 3900.0)
        partials = ((1.0, 1.0), (1.52, 0.4), (2.3, 0.15))
        add_tone(buf, rate, at, freq, 0.16, amp * rng.uniform(0.5, 1.0), partials,
                 decay=rng.uniform(0.03, 0.06), attack=0.001, release=0.03)
    add_snap(buf, rate, rng, start, amp * 0.25, low=3000.0, high=7000.0, decay=0.002, body_hz=0.0)


def brass(ratio_count=7, tilt=1.4):
    return tuple((k, 1.0 / k ** tilt) for k in range(1, ratio_count + 1))


def normalized(buf, peak):
    top = max(abs(x) for x in buf) or 1.0
    return [x * peak / top for x in buf]


def fade_edges(buf, rate, fade_out=EDGE_FADE_SECONDS):
    n = len(buf)
    ramp_in = max(1, int(EDGE_FADE_SECONDS * rate))
    ramp_out = max(1, int(fade_out * rate))
    for i in range(min(ramp_in, n)):
        buf[i] *= i / ramp_in
    for i in range(min(ramp_out, n)):
        buf[n - 1 - i] *= i / ramp_out
    return buf


def to_u8(x):
    return max(0, min(255, 128 + round(x * 127.0)))


def write_clip(name, rate, channels):
    """channels: one list of floats per channel, all of the same length."""
    path = OUT_DIR / f"{name}.wav"
    frames = bytearray()
    for samples in zip(*channels):
        frames.extend(struct.pack(f"{len(samples)}B", *(to_u8(s) for s in samples)))
    with wave.open(str(path), "wb") as out:
        out.setnchannels(len(channels))
        out.setsampwidth(1)
        out.setframerate(rate)
        out.writeframes(bytes(frames))
    print(f"{path.name}: {len(channels)} ch, {rate} Hz, {len(channels[0])} frames")


def finish(buf, rate, peak, fade_out=EDGE_FADE_SECONDS):
    return fade_edges(normalized(buf, peak), rate, fade_out)


# --- the clips ------------------------------------------------------------------

def shuffle(rng):
    """A riffle: snaps that quicken, then thin out, and the bridge settling."""
    rate = 22050
    buf = [0.0] * frame_count(rate, 0.78)
    t = 0.02
    riffle_end = 0.56
    while t < riffle_end:
        p = (t - 0.02) / (riffle_end - 0.02)
        swell = math.sin(math.pi * min(1.0, p * 1.1)) ** 0.6
        add_snap(buf, rate, rng, t, 0.35 + 0.65 * swell * rng.uniform(0.7, 1.0),
                 low=rng.uniform(700, 1000), high=rng.uniform(3500, 5000))
        t += 0.022 - 0.01 * swell + rng.uniform(-0.002, 0.003)
    add_whoosh(buf, rate, rng, 0.55, 0.21, 0.35, 600.0, 1800.0)
    add_snap(buf, rate, rng, 0.70, 0.5, low=300.0, high=2200.0, decay=0.008, body_hz=120.0)
    return rate, [finish(buf, rate, NOISY_PEAK, 0.03)]


def deal(rng):
    """One card slid off the deck and laid down: a brief slide, a soft snap."""
    rate = 22050
    buf = [0.0] * frame_count(rate, 0.21)
    add_whoosh(buf, rate, rng, 0.005, 0.09, 0.35, 800.0, 2500.0)
    add_snap(buf, rate, rng, 0.085, 1.0, low=500.0, high=3500.0, decay=0.009, body_hz=140.0)
    return rate, [finish(buf, rate, NOISY_PEAK * 0.9, 0.02)]


def opening(rng):
    """A light welcome: a rising arpeggio of chimes that drifts across the stereo field."""
    rate = 22050
    n = frame_count(rate, 2.17)
    left, right = [0.0] * n, [0.0] * n
    run = ["G5", "C6", "E6", "G6", "C7"]
    for i, name in enumerate(run):
        pan = i / (len(run) - 1)
        scratch = [0.0] * n
        add_bell(scratch, rate, 0.02 + i * 0.11, note(name), 1.0 - i * 0.08, decay=0.55)
        gain_l, gain_r = math.cos(pan * math.pi / 2), math.sin(pan * math.pi / 2)
        for k, x in enumerate(scratch):
            left[k] += gain_l * x
            right[k] += gain_r * x
    # A soft chord under the last chime, centred, to round it off.
    for name in ("C5", "E5", "G5"):
        scratch = [0.0] * n
        add_tone(scratch, rate, 0.55, note(name), 1.6, 0.25, ((1.0, 1.0), (2.0, 0.2), (3.0, 0.05)),
                 decay=0.7, attack=0.08, release=0.4)
        for k, x in enumerate(scratch):
            left[k] += 0.7 * x
            right[k] += 0.7 * x
    for _ in range(6):
        at = rng.uniform(0.6, 1.2)
        pan = rng.uniform(0.2, 0.8)
        scratch = [0.0] * n
        add_bell(scratch, rate, at, note(rng.choice(["E7", "G7", "C8"])), 0.12, decay=0.25)
        for k, x in enumerate(scratch):
            left[k] += math.cos(pan * math.pi / 2) * x
            right[k] += math.sin(pan * math.pi / 2) * x
    top = max(max(abs(x) for x in left), max(abs(x) for x in right))
    scale = TONAL_PEAK / top
    left = fade_edges([x * scale for x in left], rate, 0.3)
    right = fade_edges([x * scale for x in right], rate, 0.3)
    return rate, [left, right]


def jester(rng):
    """The jester's cap: bells shaken in a skipping rhythm under a little tune."""
    rate = 22050
    seconds = 4.93
    buf = [0.0] * frame_count(rate, seconds)
    beat = 0.18  # a skipping six-eight: long-short pairs
    t = 0.03
    i = 0
    while t < seconds - 0.45:
        accent = 1.0 if i % 3 == 0 else 0.55
        add_jingle(buf, rate, rng, t + rng.uniform(-0.005, 0.005), 0.35 * accent)
        t += beat * (1.3 if i % 3 == 0 else 0.85)
        i += 1
    tune = [("G6", 0.0), ("E6", 0.30), ("G6", 0.45), ("C7", 0.75), ("A6", 1.20), ("G6", 1.35),
            ("E6", 1.65), ("F6", 2.10), ("D6", 2.25), ("B5", 2.55), ("G5", 3.00), ("C6", 3.30),
            ("E6", 3.45), ("G6", 3.60), ("C7", 3.90)]
    for name, at in tune:
        add_bell(buf, rate, 0.05 + at, note(name), 0.5, decay=0.35)
    add_jingle(buf, rate, rng, 3.9, 0.5)
    return rate, [finish(buf, rate, TONAL_PEAK * 0.9, 0.5)]


def stock(rng):
    """A quick flick of the thumb: a short rising swish and a crisp tick."""
    rate = 22050
    buf = [0.0] * frame_count(rate, 0.23)
    add_whoosh(buf, rate, rng, 0.0, 0.07, 0.5, 1200.0, 5000.0, shape_power=0.7)
    add_snap(buf, rate, rng, 0.055, 0.8, low=1200.0, high=5500.0, decay=0.005, body_hz=200.0)
    add_snap(buf, rate, rng, 0.09, 0.25, low=900.0, high=3000.0, decay=0.006, body_hz=150.0)
    return rate, [finish(buf, rate, NOISY_PEAK, 0.04)]


def undo(rng):
    """A small wooden "tock": a low knock whose pitch sags as it dies."""
    rate = 11025
    n = frame_count(rate, 0.09)
    buf = [0.0] * n
    phase = phase2 = 0.0
    click = Lowpass(rate, 2000.0)
    for i in range(n):
        t = i / rate
        freq = 620.0 * (1.0 - 0.15 * min(1.0, t / 0.03))
        phase += TAU * freq / rate
        phase2 += TAU * freq * 2.4 / rate
        env = min(1.0, t / 0.0015) * math.exp(-t / 0.016)
        tick = click(rng.uniform(-1.0, 1.0)) * math.exp(-t / 0.002)
        buf[i] = env * (math.sin(phase) + 0.25 * math.sin(phase2) * math.exp(-t / 0.006)) + 0.6 * tick
    return rate, [finish(buf, rate, TONAL_PEAK * 0.8, 0.01)]


def autoplay(rng):
    """A bright pluck, like a single string of a small harp."""
    rate = 22254
    buf = [0.0] * frame_count(rate, 0.22)
    partials = tuple((k, 1.0 / k) for k in range(1, 7))
    add_tone(buf, rate, 0.0, note("E6"), 0.22, 1.0, partials, decay=0.07, attack=0.001, release=0.03)
    add_tone(buf, rate, 0.0, note("E7"), 0.22, 0.2, ((1.0, 1.0),), decay=0.04, attack=0.001, release=0.03)
    add_snap(buf, rate, rng, 0.0, 0.15, low=2000.0, high=6000.0, decay=0.0015, body_hz=0.0)
    return rate, [finish(buf, rate, TONAL_PEAK * 0.8, 0.02)]


def restart(rng):
    """The cards gathered up in a soft sweep, then riffled again, gently."""
    rate = 22050
    buf = [0.0] * frame_count(rate, 1.15)
    add_whoosh(buf, rate, rng, 0.0, 0.38, 0.5, 400.0, 1500.0, shape_power=1.5)
    add_snap(buf, rate, rng, 0.36, 0.45, low=300.0, high=1800.0, decay=0.010, body_hz=110.0)
    t = 0.48
    riffle_end = 0.95
    while t < riffle_end:
        p = (t - 0.48) / (riffle_end - 0.48)
        swell = math.sin(math.pi * p) ** 0.7
        add_snap(buf, rate, rng, t, 0.25 + 0.45 * swell * rng.uniform(0.7, 1.0),
                 low=rng.uniform(600, 900), high=rng.uniform(3000, 4000))
        t += 0.024 - 0.01 * swell + rng.uniform(-0.002, 0.003)
    add_whoosh(buf, rate, rng, 0.93, 0.18, 0.3, 500.0, 1200.0)
    return rate, [finish(buf, rate, NOISY_PEAK * 0.85, 0.06)]


def win(rng):
    """A cheerful fanfare: a rising call, an answering phrase, a bright final chord."""
    rate = 22050
    seconds = 8.54
    buf = [0.0] * frame_count(rate, seconds)
    beat = 0.42
    horn = brass(7, 1.5)
    melody = [
        ("G4", 0, .5), ("C5", .5, .5), ("E5", 1, .5), ("G5", 1.5, 1.5), ("E5", 3, .5), ("G5", 3.5, .5),
        ("A5", 4, 1), ("G5", 5, .5), ("F5", 5.5, .5), ("E5", 6, 1), ("D5", 7, 1),
        ("E5", 8, .5), ("F5", 8.5, .5), ("G5", 9, .5), ("C6", 9.5, 1.5), ("B5", 11, .5), ("A5", 11.5, .5),
        ("G5", 12, 1), ("D5", 13, .5), ("E5", 13.5, .5), ("C5", 14, 6.2),
    ]
    for name, at, length in melody:
        held = length * beat
        add_tone(buf, rate, at * beat, note(name), held * 0.97, 0.55, horn,
                 decay=2.0 if length < 4 else 1.6, attack=0.025, release=min(0.08, held * 0.4),
                 vibrato=0.004)
    harmony = [  # (chord, start beat, beats)
        (("C4", "E4", "G4"), 0, 4), (("F4", "A4", "C5"), 4, 2), (("E4", "G4", "C5"), 6, 1),
        (("D4", "G4", "B4"), 7, 1), (("C4", "E4", "G4"), 8, 2), (("F4", "A4", "C5"), 10, 2),
        (("E4", "G4", "C5"), 12, 1), (("D4", "F4", "B4"), 13, 1), (("C4", "E4", "G4"), 14, 6.2),
    ]
    for chord, at, length in harmony:
        for name in chord:
            add_tone(buf, rate, at * beat, note(name), length * beat * 0.98, 0.16, brass(5, 1.8),
                     decay=2.5, attack=0.06, release=0.12)
    bass = [("C3", 0), ("G2", 2), ("F2", 4), ("C3", 6), ("G2", 7), ("C3", 8), ("F2", 10),
            ("C3", 12), ("G2", 13)]
    for name, at in bass:
        add_tone(buf, rate, at * beat, note(name), beat * 1.6, 0.3, brass(4, 2.0),
                 decay=0.5, attack=0.02, release=0.1)
    add_tone(buf, rate, 14 * beat, note("C3"), 6.2 * beat, 0.3, brass(4, 2.0),
             decay=2.0, attack=0.02, release=0.3)
    for at in (0, 4, 8, 12, 14):  # soft timpani on the strong beats
        add_tone(buf, rate, at * beat, note("C2") * 1.5, 0.5, 0.45, ((1.0, 1.0), (1.5, 0.3)),
                 decay=0.15, attack=0.004, release=0.05)
    for i, name in enumerate(["C6", "E6", "G6", "C7", "E7", "G7", "C8"]):  # a sparkle over the chord
        add_bell(buf, rate, (14.5 + i * 0.25) * beat, note(name), 0.18, decay=0.5)
    return rate, [finish(buf, rate, TONAL_PEAK, 1.2)]


CLIPS = {
    "SHUFFLE": shuffle,
    "DEAL": deal,
    "OPEN": opening,
    "JESTER": jester,
    "STOCK": stock,
    "UNDO": undo,
    "AUTOPLAY": autoplay,
    "RESTART": restart,
    "WIN_SND": win,
}


def main():
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, make in CLIPS.items():
        # Each clip gets its own stream, so changing one leaves the others' bytes alone.
        rate, channels = make(random.Random(f"{SEED}-{name}"))
        write_clip(name, rate, channels)


if __name__ == "__main__":
    main()
