"""A tiny additive synthesiser for the game's sounds: tuned instruments, a mixer and a room."""

import math
import struct
import wave


def midi_hz(note):
    """The frequency of a MIDI note number (69 is A4, 440 Hz)."""
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note(name):
    """A note name such as "C5", "F#4" or "Bb3" as a MIDI note number."""
    step = NOTE_NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + step


class Noise:
    """A seeded linear congruential generator, so every run draws the same noise."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (1664525 * self.state + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


def _attack(t, attack):
    # A raised-cosine attack: no click, and softer than a straight ramp.
    if t >= attack:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * t / attack)


def _release(t, length, release):
    # Every note fades to exactly zero at its end, so notes can be cut without a click.
    left = length - t
    if left >= release:
        return 1.0
    return max(0.0, 0.5 - 0.5 * math.cos(math.pi * left / release))


def partials(freq, length, rate, overtones, attack=0.003, release=0.02, vibrato=(0.0, 0.0)):
    """Sum of decaying sine partials. overtones: (ratio, amplitude, decay seconds) per partial.

    Partials at or above 45 % of the sample rate are left out, so nothing folds back.
    vibrato: (rate in Hz, depth as a fraction of the frequency)."""
    count = int(length * rate)
    out = [0.0] * count
    vib_rate, vib_depth = vibrato
    for ratio, amp, decay in overtones:
        f = freq * ratio
        if f >= 0.45 * rate:
            continue
        phase = 0.0
        step = 2.0 * math.pi * f / rate
        fall = math.exp(-1.0 / (decay * rate))
        level = amp
        for i in range(count):
            t = i / rate
            wobble = 1.0 + vib_depth * math.sin(2.0 * math.pi * vib_rate * t)
            out[i] += level * math.sin(phase)
            phase += step * wobble
            level *= fall
    for i in range(count):
        t = i / rate
        out[i] *= _attack(t, attack) * _release(t, length, release)
    return out


def bell(freq, length, rate, decay=0.6):
    """A soft glockenspiel-like bell: a fundamental with a few quickly fading upper partials
    and a slightly detuned twin that makes it shimmer."""
    overtones = [(1.0, 1.0, decay), (1.004, 0.35, decay), (2.0, 0.45, decay * 0.5),
            (3.0, 0.18, decay * 0.3), (4.16, 0.12, decay * 0.18), (5.43, 0.05, decay * 0.1)]
    return partials(freq, length, rate, overtones, attack=0.002, release=0.03)


def marimba(freq, length, rate, decay=0.35):
    """A wooden bar struck with a soft mallet: the bar's overtones at 4 and 10 times the
    fundamental die away first."""
    overtones = [(1.0, 1.0, decay), (2.0, 0.08, decay * 0.4), (3.99, 0.3, decay * 0.16),
            (9.9, 0.07, decay * 0.05)]
    return partials(freq, length, rate, overtones, attack=0.0025, release=0.03)


def bass(freq, length, rate):
    """A round plucked bass under the chords."""
    overtones = [(1.0, 1.0, 0.6), (2.0, 0.25, 0.25), (3.0, 0.06, 0.12)]
    return partials(freq, length, rate, overtones, attack=0.006, release=0.05)


def pad(freq, length, rate):
    """A quiet sustained organ-like tone for harmony, with a slow swell."""
    overtones = [(1.0, 1.0, 3.0), (2.0, 0.2, 2.0), (1.003, 0.4, 3.0)]
    return partials(freq, length, rate, overtones, attack=min(0.12, length / 3), release=0.15)


def boop(freq, length, rate, fall=0.12):
    """A soft rounded cartoon "boop" whose pitch sags a little."""
    count = int(length * rate)
    out = [0.0] * count
    phase = 0.0
    for i in range(count):
        t = i / rate
        f = freq * (1.0 - fall * t / length)
        phase += 2.0 * math.pi * f / rate
        tone = math.sin(phase) + 0.18 * math.sin(2 * phase) + 0.05 * math.sin(3 * phase)
        out[i] = tone * _attack(t, 0.018) * _release(t, length, 0.07) * math.exp(-t * 2.5)
    return out


def woodblock(freq, length, rate, seed=7):
    """A short hollow knock: two damped wooden modes and a breath of mallet noise."""
    out = partials(freq, length, rate, [(1.0, 1.0, 0.018), (2.71, 0.35, 0.008),
                                         (4.8, 0.12, 0.004)], attack=0.0008, release=0.01)
    noise = Noise(seed)
    smooth = 0.0
    for i in range(min(len(out), int(0.004 * rate))):
        smooth += 0.35 * (noise.next() - smooth)  # a one-pole low-pass takes the hiss off
        out[i] += 0.25 * smooth * (1.0 - i / (0.004 * rate))
    return out


def slide(start_hz, peak_hz, end_hz, length, rate):
    """A slide whistle that swoops up and settles, wobbling more as it goes."""
    count = int(length * rate)
    out = [0.0] * count
    phase = 0.0
    for i in range(count):
        x = i / count
        if x < 0.6:
            eased = 0.5 - 0.5 * math.cos(math.pi * x / 0.6)
            f = start_hz * (peak_hz / start_hz) ** eased
        else:
            eased = 0.5 - 0.5 * math.cos(math.pi * (x - 0.6) / 0.4)
            f = peak_hz * (end_hz / peak_hz) ** eased
        t = i / rate
        f *= 1.0 + (0.015 + 0.05 * x) * math.sin(2.0 * math.pi * 9.0 * t)
        phase += 2.0 * math.pi * f / rate
        tone = math.sin(phase) + 0.22 * math.sin(2 * phase) + 0.08 * math.sin(3 * phase)
        out[i] = tone * _attack(t, 0.02) * _release(t, length, 0.09)
    return out


class Mix:
    """A mono mixing buffer of a fixed sample rate."""

    def __init__(self, rate, length):
        self.rate = rate
        self.samples = [0.0] * int(length * rate)

    def add(self, at, sound, gain=1.0):
        start = int(round(at * self.rate))
        needed = start + len(sound)
        if needed > len(self.samples):
            self.samples.extend([0.0] * (needed - len(self.samples)))
        for i, value in enumerate(sound):
            self.samples[start + i] += gain * value

    def room(self, wet=0.16, size=1.0):
        """A small room (four parallel combs into two all-passes, after Schroeder), mixed in
        quietly so the notes sound as if played in a room rather than inside the computer."""
        rate = self.rate
        dry = self.samples
        tail = int(0.8 * rate)
        source = dry + [0.0] * tail
        combs = [(0.0297, 0.77), (0.0371, 0.75), (0.0411, 0.73), (0.0437, 0.71)]
        total = [0.0] * len(source)
        for delay, feedback in combs:
            d = int(delay * size * rate)
            line = [0.0] * len(source)
            for i in range(len(source)):
                back = line[i - d] if i >= d else 0.0
                line[i] = source[i] + feedback * back
            for i in range(len(source)):
                total[i] += line[i] * 0.25
        for delay, gain in [(0.005, 0.7), (0.0017, 0.7)]:
            d = int(delay * rate)
            inp = total
            outp = [0.0] * len(inp)
            for i in range(len(inp)):
                back_in = inp[i - d] if i >= d else 0.0
                back_out = outp[i - d] if i >= d else 0.0
                outp[i] = -gain * inp[i] + back_in + gain * back_out
            total = outp
        self.samples = [(source[i] + wet * total[i]) for i in range(len(source))]

    def finish(self, peak=0.8, fade=0.05):
        """Scales to the given peak, fades the last moments out and trims trailing silence."""
        samples = self.samples
        last = len(samples)
        while last > 0 and abs(samples[last - 1]) < 1e-4:
            last -= 1
        samples = samples[:last]
        top = max((abs(v) for v in samples), default=0.0)
        scale = peak / top if top > 0 else 0.0
        fade_count = min(len(samples), int(fade * self.rate))
        for i in range(fade_count):
            samples[len(samples) - 1 - i] *= i / fade_count
        self.samples = [v * scale for v in samples]
        return self

    def write_wave(self, path):
        """16-bit mono PCM."""
        frames = b"".join(
            struct.pack("<h", max(-32767, min(32767, int(round(v * 32767)))))
            for v in self.samples)
        with wave.open(str(path), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(self.rate)
            out.writeframes(frames)
