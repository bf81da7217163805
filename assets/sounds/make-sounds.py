#!/usr/bin/env python3
"""Synthesizes the nine sound cues of Splotchery (Python 3 standard library only).

Run from anywhere: python3 assets/sounds/make-sounds.py
It rewrites splot0.wav ... splot8.wav beside this script: mono, 16-bit, 22050 Hz, normalised to
-1 dBFS. The build uses the committed WAV files; this script is here to tune and remake them.

  splot0  start-up jingle: a fairground organ tune with oom-pah bass and a glockenspiel sparkle
  splot1  a wet splat of paint on the wall
  splot2  the pump's squirt
  splot3  victory fanfare: brass, a cymbal on the last chord
  splot4  chatter "hee-hee-hee"   splot5 "wubba-wub?"   splot6 "oh-la-la!"
  splot7  chatter "bim-bam-bo"    splot8 "yippee!"
"""

import math
import os
import random
import struct
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
TAU = 2 * math.pi


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_into(buf, part, at_seconds, gain=1.0):
    start = int(at_seconds * RATE)
    need = start + len(part)
    if need > len(buf):
        buf.extend([0.0] * (need - len(buf)))
    for i, v in enumerate(part):
        buf[start + i] += v * gain


def note_hz(name):
    """'C5', 'F#4', 'Bb3' -> frequency."""
    names = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
    n = names[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        n += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        n -= 1
        rest = rest[1:]
    midi = 12 * (int(rest) + 1) + n
    return 440.0 * 2 ** ((midi - 69) / 12)


def envelope(n, attack, release, decay_to=1.0):
    """Attack ramp, a linear fall to decay_to over the body, and a release ramp (all in seconds)."""
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    out = []
    for i in range(n):
        if i < a:
            g = i / a
        else:
            g = 1.0 + (decay_to - 1.0) * (i - a) / max(1, n - a)
        if i > n - r:
            g *= max(0.0, (n - i) / r)
        out.append(g)
    return out


class Biquad:
    """RBJ cookbook filters: 'lowpass', 'highpass', 'bandpass' (constant 0 dB peak gain)."""

    def __init__(self, kind, freq, q=0.707):
        self.kind, self.q = kind, q
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0
        self.set(freq)

    def set(self, freq):
        freq = min(freq, RATE * 0.45)
        w = TAU * freq / RATE
        cw, sw = math.cos(w), math.sin(w)
        alpha = sw / (2 * self.q)
        if self.kind == "lowpass":
            b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        elif self.kind == "highpass":
            b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        else:
            b0, b1, b2 = alpha, 0.0, -alpha
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
        self.b0, self.b1, self.b2, self.a1, self.a2 = b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0

    def __call__(self, x):
        y = self.b0 * x + self.b1 * self.x1 + self.b2 * self.x2 - self.a1 * self.y1 - self.a2 * self.y2
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def noise(n, seed):
    rnd = random.Random(seed)
    return [rnd.uniform(-1, 1) for _ in range(n)]


# ---------------------------------------------------------------------------------------------
# Instruments

def organ(freq, seconds, seed=0):
    """A fairground organ pipe: a few harmonics, a gentle vibrato and a breath of air."""
    n = int(seconds * RATE)
    env = envelope(n, 0.012, 0.05, 0.75)
    air = noise(n, seed)
    bp = Biquad("bandpass", freq * 2, 2.0)
    out = []
    ph = 0.0
    for i in range(n):
        t = i / RATE
        vib = 1 + 0.004 * math.sin(TAU * 5.5 * t) * min(1.0, t * 6)
        ph += TAU * freq * vib / RATE
        v = (math.sin(ph) + 0.55 * math.sin(2 * ph) + 0.35 * math.sin(3 * ph) + 0.18 * math.sin(4 * ph)
             + 0.08 * math.sin(6 * ph))
        out.append((v * 0.5 + bp(air[i]) * 0.25) * env[i])
    return out


def glock(freq, seconds):
    """A glockenspiel bar: bright, inharmonic overtone, quick fade."""
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        out.append((math.sin(TAU * freq * t) + 0.4 * math.sin(TAU * freq * 2.76 * t) * math.exp(-t * 18))
                   * math.exp(-t * 6) * min(1.0, i / 40))
    return out


def brass(freq, seconds, bright=1.0):
    """A trumpet-like tone: a band-limited sawtooth whose brightness opens with the attack."""
    n = int(seconds * RATE)
    env = envelope(n, 0.03, 0.06, 0.85)
    lp = Biquad("lowpass", 800, 1.1)
    out = []
    ph = 0.0
    harmonics = max(1, min(12, int(RATE * 0.45 / freq)))
    for i in range(n):
        t = i / RATE
        vib = 1 + 0.005 * math.sin(TAU * 6 * t) * min(1.0, max(0.0, t - 0.15) * 4)
        ph += TAU * freq * vib / RATE
        v = sum(math.sin(k * ph) / k for k in range(1, harmonics + 1))
        if i % 32 == 0:
            lp.set(600 + 3200 * bright * min(1.0, t / 0.04) * (0.75 + 0.25 * env[i]))
        out.append(lp(v) * env[i])
    return out


def bass(freq, seconds):
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = math.sin(TAU * freq * t) + 0.3 * math.sin(TAU * 2 * freq * t)
        out.append(v * math.exp(-t * 7) * min(1.0, i / 60))
    return out


def cymbal(seconds, seed):
    n = int(seconds * RATE)
    src = noise(n, seed)
    hp = Biquad("highpass", 5000, 0.8)
    return [hp(src[i]) * math.exp(-i / RATE * 3.5) * min(1.0, i / 30) for i in range(n)]


def room(buf, mix=0.18, size=1.0):
    """A small, warm room: four feedback combs into two all-passes (a Schroeder reverb)."""
    n = len(buf)
    wet = [0.0] * n
    for delay_ms, feedback in ((29.7, 0.72), (37.1, 0.7), (41.1, 0.68), (43.7, 0.66)):
        d = int(delay_ms * size * RATE / 1000)
        line = [0.0] * n
        damp = 0.0
        for i in range(n):
            back = line[i - d] if i >= d else 0.0
            damp = 0.6 * back + 0.4 * damp  # darker echoes
            line[i] = buf[i] + feedback * damp
            wet[i] += line[i] * 0.25
    for delay_ms in (5.0, 1.7):
        d = int(delay_ms * RATE / 1000)
        g = 0.6
        out = [0.0] * n
        for i in range(n):
            x_d = wet[i - d] if i >= d else 0.0
            y_d = out[i - d] if i >= d else 0.0
            out[i] = -g * wet[i] + x_d + g * y_d
        wet = out
    return [(1 - mix) * a + mix * b for a, b in zip(buf, wet)]


# ---------------------------------------------------------------------------------------------
# The cues

def jingle():
    """splot0: a bright, bouncy fairground opening, about 1.5 s."""
    buf = silence(1.5)
    beat = 0.13
    tune = [("G4", 0, 1), ("C5", 1, 1), ("E5", 2, 1), ("G5", 3, 2), ("E5", 5, 1), ("G5", 6, 1.6)]
    for k, (name, start, length) in enumerate(tune):
        mix_into(buf, organ(note_hz(name), beat * length * 0.95, k), start * beat, 0.55)
    # Oom-pah under the tune.
    for name, start in (("C3", 0), ("G3", 2), ("C3", 4), ("G3", 6)):
        mix_into(buf, bass(note_hz(name), beat * 1.8), start * beat, 0.45)
    # The last chord, with a sparkle on top.
    end = 8 * beat
    for name in ("C5", "E5", "G5", "C6"):
        mix_into(buf, organ(note_hz(name), 1.5 - end - 0.02, 9), end, 0.3)
    mix_into(buf, bass(note_hz("C3"), 0.45), end, 0.5)
    for k, name in enumerate(("C7", "G6", "E7")):
        mix_into(buf, glock(note_hz(name), 0.4), end + 0.06 * k, 0.22)
    return buf[: int(1.5 * RATE)]


def splat():
    """splot1: a soft thump, a burst of wet noise closing down, a few droplets."""
    n = int(0.42 * RATE)
    buf = [0.0] * n
    src = noise(n, 101)
    lp = Biquad("lowpass", 3000, 0.9)
    ph = 0.0
    for i in range(n):
        t = i / RATE
        f = 45 + 110 * math.exp(-t * 25)
        ph += TAU * f / RATE
        thump = math.sin(ph) * math.exp(-t * 16) * min(1.0, i / 20)
        if i % 16 == 0:
            lp.set(350 + 3800 * math.exp(-t * 14))
        slap = lp(src[i]) * math.exp(-t * 11) * min(1.0, i / 15) * 1.8
        buf[i] = 0.9 * thump + slap
    rnd = random.Random(7)
    for _ in range(5):
        at = rnd.uniform(0.06, 0.3)
        f0 = rnd.uniform(500, 900)
        m = int(rnd.uniform(0.018, 0.03) * RATE)
        drop = []
        phd = 0.0
        for i in range(m):
            frac = i / m
            phd += TAU * f0 * (1 + 1.2 * frac) / RATE
            drop.append(math.sin(phd) * math.sin(math.pi * frac) ** 2)
        mix_into(buf, drop, at, rnd.uniform(0.12, 0.25))
    return buf[:n]


def squirt():
    """splot2: the plunger's knock, then a hissing jet that rises and sputters out."""
    n = int(0.5 * RATE)
    buf = [0.0] * n
    src = noise(n, 202)
    bp = Biquad("bandpass", 1500, 1.6)
    knock_bp = Biquad("bandpass", 260, 3.0)
    for i in range(n):
        t = i / RATE
        if i % 16 == 0:
            bp.set(1400 + 3000 * min(1.0, t / 0.3))
        env = min(1.0, max(0.0, (t - 0.03) / 0.05)) * (1.0 if t < 0.3 else math.exp(-(t - 0.3) * 16))
        flutter = 0.75 + 0.25 * math.sin(TAU * 31 * t) * math.sin(TAU * 7 * t)
        jet = bp(src[i]) * env * flutter * 2.2
        knock = knock_bp(src[i] * (1.0 if t < 0.025 else 0.0)) * 5.0
        buf[i] = jet + knock
    # A little gurgle of paint in the hose.
    ph = 0.0
    for i in range(int(0.12 * RATE)):
        t = i / RATE
        ph += TAU * (180 + 90 * math.sin(TAU * 22 * t)) / RATE
        buf[i + int(0.05 * RATE)] += 0.25 * math.sin(ph) * math.sin(math.pi * t / 0.12)
    return buf


def fanfare():
    """splot3: ta-ta-ta-taaa, ta-taaaa, with a cymbal on the last chord; about 1.6 s."""
    buf = silence(1.6)
    parts = [("C5", 0.00, 0.11), ("C5", 0.12, 0.11), ("C5", 0.24, 0.11), ("G5", 0.36, 0.30),
             ("E5", 0.68, 0.12), ("G5", 0.81, 0.12)]
    for name, at, length in parts:
        mix_into(buf, brass(note_hz(name), length), at, 0.5)
        mix_into(buf, brass(note_hz(name) / 2, length, 0.6), at, 0.25)
    end = 0.95
    for name in ("C5", "E5", "G5", "C6"):
        mix_into(buf, brass(note_hz(name), 1.6 - end - 0.01, 0.9), end, 0.27)
    mix_into(buf, bass(note_hz("C3"), 0.6), end, 0.6)
    mix_into(buf, cymbal(0.6, 303), end, 0.35)
    return buf[: int(1.6 * RATE)]


# --- Chatter: a tiny formant voice -----------------------------------------------------------

VOWELS = {  # formant frequencies (Hz) and their gains, raised a little for small creatures
    "a": ((850, 1.0), (1300, 0.6), (2700, 0.25)),
    "e": ((560, 1.0), (2000, 0.5), (2800, 0.25)),
    "i": ((340, 1.0), (2400, 0.45), (3200, 0.25)),
    "o": ((560, 1.0), (950, 0.7), (2600, 0.2)),
    "u": ((380, 1.0), (850, 0.5), (2500, 0.15)),
}


def syllable(consonant, vowel, seconds, pitch_from, pitch_to, seed, scale=1.25):
    """One syllable: a consonant onset and a vowel sung on a gliding pitch."""
    out = []
    rnd = random.Random(seed)
    # Consonant onset.
    if consonant in ("h", "s", "sh", "y"):
        m = int((0.035 if consonant != "y" else 0.02) * RATE)
        centre = {"h": 1800, "s": 6000, "sh": 3500, "y": 2600}[consonant]
        bp = Biquad("bandpass", centre, 1.2)
        for i in range(m):
            out.append(bp(rnd.uniform(-1, 1)) * 0.6 * math.sin(math.pi * i / m))
    elif consonant in ("b", "p", "d", "g", "t", "k"):
        out.extend([0.0] * int(0.012 * RATE))
        m = int(0.012 * RATE)
        bp = Biquad("bandpass", {"b": 500, "p": 900, "d": 1800, "t": 3000, "g": 1200, "k": 2200}[consonant], 1.0)
        for i in range(m):
            out.append(bp(rnd.uniform(-1, 1)) * 1.2 * (1 - i / m))
    # Vowel (nasals and liquids are sung too, darker and softer, at its start).
    n = int(seconds * RATE)
    filters = [(Biquad("bandpass", f * scale, 6.0), g) for f, g in VOWELS[vowel]]
    dark = Biquad("lowpass", 500, 0.7)
    nasal = consonant in ("m", "n", "w", "l")
    ph = 0.0
    for i in range(n):
        frac = i / n
        pitch = pitch_from + (pitch_to - pitch_from) * (frac * frac * (3 - 2 * frac))
        pitch *= 1 + 0.02 * math.sin(TAU * 9 * i / RATE)
        dt = pitch / RATE
        ph += dt
        ph -= math.floor(ph)
        source = 2 * ph - 1  # a sawtooth, its jump smoothed (polyBLEP) so it does not alias
        if ph < dt:
            x = ph / dt
            source -= x + x - x * x - 1
        elif ph > 1 - dt:
            x = (ph - 1) / dt
            source -= x * x + x + x + 1
        voiced = sum(flt(source) * g for flt, g in filters)
        if nasal and frac < 0.3:
            w = frac / 0.3
            voiced = voiced * w + dark(source) * 0.6 * (1 - w)
        env = min(1.0, i / (0.012 * RATE)) * min(1.0, (n - i) / (0.03 * RATE))
        out.append(voiced * env)
    return out


def chatter(syllables, gap=0.018):
    buf = []
    for k, (cons, vowel, secs, p0, p1) in enumerate(syllables):
        buf.extend(syllable(cons, vowel, secs, p0, p1, k + 1))
        if k + 1 < len(syllables):
            buf.extend([0.0] * int(gap * RATE))
    return buf


def chatters():
    return [
        chatter([("h", "i", 0.07, 620, 560), ("h", "i", 0.07, 580, 520), ("h", "i", 0.08, 540, 470)]),
        chatter([("w", "u", 0.08, 330, 380), ("b", "a", 0.07, 380, 360), ("w", "u", 0.1, 360, 560)]),
        chatter([("", "o", 0.1, 480, 380), ("l", "a", 0.07, 430, 470), ("l", "a", 0.1, 520, 400)]),
        chatter([("b", "i", 0.06, 500, 520), ("b", "a", 0.07, 420, 440), ("b", "o", 0.11, 460, 340)]),
        chatter([("y", "i", 0.07, 450, 520), ("p", "i", 0.14, 560, 780)]),
    ]


# ---------------------------------------------------------------------------------------------

def finish(buf, fade_out=0.006, peak=0.89):
    """Remove any offset, fade the ends, normalise to the peak (no clipping), as 16-bit samples."""
    if not buf:
        return b""
    mean = sum(buf) / len(buf)
    buf = [v - mean for v in buf]
    fade = min(len(buf) // 4, int(0.006 * RATE))
    for i in range(fade):
        buf[i] *= i / fade
    fade = min(len(buf) // 4, int(fade_out * RATE))
    for i in range(fade):
        buf[-1 - i] *= (i / fade) ** 2
    top = max(abs(v) for v in buf) or 1.0
    scale = peak * 32767 / top
    return b"".join(struct.pack("<h", int(round(v * scale))) for v in buf)


def write(name, buf, fade_out=0.006):
    with wave.open(os.path.join(HERE, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(finish(buf, fade_out))


def main():
    write("splot0.wav", room(jingle(), 0.2), 0.15)
    write("splot1.wav", room(splat(), 0.12, 0.6), 0.05)
    write("splot2.wav", squirt())
    write("splot3.wav", room(fanfare(), 0.2), 0.15)
    for k, buf in enumerate(chatters(), start=4):
        write(f"splot{k}.wav", buf)


if __name__ == "__main__":
    main()
