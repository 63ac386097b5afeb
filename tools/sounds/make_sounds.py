#!/usr/bin/env python3
"""Builds the game's five sound effects and three music clips into assets/sound.

Every sound is synthesised here (see synth.py); the clips are encoded with LAME. The same run
gives the same files byte for byte, so a change shows up as a change in the repository.

    python3 tools/sounds/make_sounds.py [--out FOLDER] [--keep-waves]
"""

import argparse
import pathlib
import shutil
import subprocess
import sys
import tempfile

import synth
from synth import Mix, note, midi_hz

EFFECT_RATE = 22050
MUSIC_RATE = 44100


def hz(name):
    return midi_hz(note(name))


# The effects: short, each with its own shape, so a child can tell them apart without looking.

def right_answer():
    """A bright rising chime, C-E-G, the last note ringing over a soft octave."""
    mix = Mix(EFFECT_RATE, 0.6)
    for i, name in enumerate(["C6", "E6", "G6"]):
        ring = 0.45 if i == 2 else 0.22
        mix.add(0.07 * i, synth.bell(hz(name), ring + 0.1, EFFECT_RATE, decay=ring * 0.6),
                0.8 if i < 2 else 1.0)
    mix.add(0.14, synth.bell(hz("C5"), 0.45, EFFECT_RATE, decay=0.25), 0.35)
    return mix.finish(peak=0.7)


def wrong_answer():
    """A soft low "boop-boop", falling a third: a friendly "uh-oh", not a buzzer."""
    mix = Mix(EFFECT_RATE, 0.5)
    mix.add(0.0, synth.boop(hz("E4"), 0.17, EFFECT_RATE, fall=0.05))
    mix.add(0.21, synth.boop(hz("C4"), 0.24, EFFECT_RATE, fall=0.12))
    return mix.finish(peak=0.5)  # low tones carry: kept quieter to sound as loud as the rest


def worm_unleashed():
    """A playful wobbly slide whistle up and a little way down, with a pluck to start it."""
    mix = Mix(EFFECT_RATE, 0.8)
    mix.add(0.0, synth.marimba(hz("G4"), 0.2, EFFECT_RATE, decay=0.08), 0.5)
    mix.add(0.02, synth.slide(hz("G4"), hz("D6"), hz("A5"), 0.7, EFFECT_RATE))
    return mix.finish(peak=0.5)  # a steady tone: quieter at the peak than the bells


def clue():
    """A sparkle: quick high bells running up a pentatonic scale."""
    mix = Mix(EFFECT_RATE, 0.7)
    run = ["G5", "A5", "C6", "D6", "E6", "G6", "A6"]
    for i, name in enumerate(run):
        mix.add(0.045 * i, synth.bell(hz(name), 0.35, EFFECT_RATE, decay=0.12),
                0.45 + 0.08 * i)
    return mix.finish(peak=0.6)


def tick():
    """A short woodblock tick."""
    mix = Mix(EFFECT_RATE, 0.09)
    mix.add(0.0, synth.woodblock(1150.0, 0.08, EFFECT_RATE))
    return mix.finish(peak=0.6, fade=0.01)


# The clips: marimba melodies over bells, a round bass and quiet sustained chords.

def arrange(mix, beat, parts):
    """parts: (instrument, gain, [(beat, length in beats, note name), ...])."""
    for instrument, gain, events in parts:
        for at, length, name in events:
            mix.add(at * beat, instrument(hz(name), length * beat, mix.rate), gain)


def chords(events):
    """Splits (beat, length, "C4 E4 G4") into one event per note."""
    return [(at, length, name) for at, length, names in events for name in names.split()]


def long_marimba(freq, length, rate):
    return synth.marimba(freq, length + 0.5, rate, decay=0.4)


def ringing_bell(freq, length, rate):
    return synth.bell(freq, length + 1.0, rate, decay=0.9)


def start_jingle():
    """A bouncy "let's go" in C major that starts on its very first note."""
    beat = 0.4
    mix = Mix(MUSIC_RATE, 4.0)
    melody = [(0, .5, "C5"), (.5, .5, "E5"), (1, .5, "G5"), (1.5, .5, "A5"), (2, 1, "G5"),
              (3, 1, "E5"), (4, .5, "F5"), (4.5, .5, "A5"), (5, .5, "G5"), (5.5, .5, "D5"),
              (6, 2, "C6")]
    arrange(mix, beat, [
        (long_marimba, 1.0, melody),
        (ringing_bell, 0.45, [(6, 2, "E6"), (6, 2, "G5")]),
        (synth.bass, 0.7, [(0, 1, "C3"), (2, 1, "G2"), (4, 1, "F2"), (5, 1, "G2"),
                           (6, 2, "C3")]),
        (synth.pad, 0.16, chords([(0, 4, "C4 E4 G4"), (4, 1, "F4 A4 C5"), (5, 1, "D4 G4 B4"),
                                   (6, 2.5, "C4 E4 G4")])),
        (lambda f, d, r: synth.woodblock(f, 0.08, r), 0.18,
         [(b, 0.2, "C6") for b in (1, 3, 5)]),
    ])
    mix.room(wet=0.14)
    return mix.finish(peak=0.75, fade=0.3)


def winning_tune():
    """A small fanfare that climbs to a ringing major chord, with a sparkle on top."""
    beat = 0.36
    mix = Mix(MUSIC_RATE, 4.6)
    melody = [(0, .5, "G4"), (.5, .5, "C5"), (1, .5, "E5"), (1.5, .5, "G5"), (2, 1, "C6"),
              (3, .5, "A5"), (3.5, .5, "B5"), (4, 3, "C6")]
    sparkle = [(4 + 0.25 * i, 1, name) for i, name in enumerate(["E6", "G6", "C7", "E7"])]
    arrange(mix, beat, [
        (long_marimba, 1.0, melody),
        (ringing_bell, 0.5, [(2, 1, "E6"), (4, 3, "G5"), (4, 3, "E6")]),
        (lambda f, d, r: synth.bell(f, d + 0.6, r, decay=0.35), 0.3, sparkle),
        (synth.bass, 0.7, [(0, 1, "C3"), (1, 1, "E3"), (2, 1, "F3"), (3, 1, "G2"),
                           (4, 3, "C3")]),
        (synth.pad, 0.15, chords([(0, 2, "C4 E4 G4"), (2, 1, "F4 A4 C5"), (3, 1, "G4 B4 D5"),
                                   (4, 3.5, "C4 E4 G4 C5")])),
    ])
    mix.room(wet=0.16)
    return mix.finish(peak=0.75, fade=0.4)


def game_over_tune():
    """A gentle, unhurried tune that comes home to a warm major chord: "never mind, again"."""
    beat = 0.55
    mix = Mix(MUSIC_RATE, 4.8)
    melody = [(0, 1, "E5"), (1, .5, "D5"), (1.5, .5, "C5"), (2, 1, "A4"), (3, 1, "C5"),
              (4, .5, "D5"), (4.5, .5, "B4"), (5, 2.5, "C5")]
    arrange(mix, beat, [
        (long_marimba, 0.9, melody),
        (ringing_bell, 0.3, [(5, 2, "G5"), (5, 2, "E5")]),
        (synth.bass, 0.6, [(0, 2, "C3"), (2, 2, "F2"), (4, 1, "G2"), (5, 2.5, "C3")]),
        (synth.pad, 0.18, chords([(0, 2, "C4 E4 G4"), (2, 2, "F4 A4 C5"), (4, 1, "G4 B4 D5"),
                                   (5, 2.7, "E4 G4 C5")])),
    ])
    mix.room(wet=0.2, size=1.2)
    return mix.finish(peak=0.7, fade=0.5)


EFFECTS = {"sbok.wav": right_answer, "sbwrong.wav": wrong_answer,
           "sbtimerstart.wav": worm_unleashed, "sbclue.wav": clue, "sbtimer.wav": tick}
CLIPS = {"sbStart.mp3": start_jingle, "sbWon.mp3": winning_tune, "sbOver.mp3": game_over_tune}


def encode_mp3(wave_path, mp3_path):
    # Constant bit rate, no replay-gain scan, no tags: the encoder's output then depends only on
    # the samples (and the LAME version).
    subprocess.run(["lame", "--quiet", "--noreplaygain", "-m", "m", "-b", "96", "-q", "2",
                    str(wave_path), str(mp3_path)], check=True)


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=here.parent.parent / "assets/sound")
    parser.add_argument("--keep-waves", action="store_true",
                        help="also leave the clips' WAVE masters beside the MP3 files")
    args = parser.parse_args()
    if shutil.which("lame") is None:
        sys.exit("make_sounds: the MP3 encoder 'lame' is missing (Debian package lame)")
    args.out.mkdir(parents=True, exist_ok=True)
    for name, make in EFFECTS.items():
        make().write_wave(args.out / name)
        print(name)
    with tempfile.TemporaryDirectory() as scratch:
        for name, make in CLIPS.items():
            master = pathlib.Path(scratch) / (name[:-4] + ".wav")
            make().write_wave(master)
            encode_mp3(master, args.out / name)
            if args.keep_waves:
                shutil.copy(master, args.out / master.name)
            print(name)


if __name__ == "__main__":
    main()
