#!/usr/bin/env python3
"""Generates the cabinet's sound files: short synthetic tones, PCM WAV, mono, 16 bit,
of the rates and lengths the sequencer's timing relies on. Run from any folder:
    python3 resources/sounds/make_sounds.py
The files are written beside this script and kept in the repository."""
import math
import os
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))


def tone_pattern(rate, length_ms, segments):
    """segments: list of (start_ms, end_ms, freq_hz); silence elsewhere."""
    count = -(-rate * length_ms // 1000)  # whole samples, never shorter than asked
    out = bytearray()
    for n in range(count):
        t_ms = n * 1000.0 / rate
        value = 0.0
        for start, end, freq in segments:
            if start <= t_ms < end:
                # short linear fade at both ends so the tone does not click
                fade = min(1.0, (t_ms - start) / 5.0, (end - t_ms) / 5.0)
                value = 0.5 * fade * math.sin(2 * math.pi * freq * n / rate)
                break
        out += struct.pack('<h', int(value * 32767))
    return bytes(out)


def pulses(length_ms, on_ms, off_ms, freqs):
    segs, t, i = [], 0, 0
    while t < length_ms:
        segs.append((t, min(t + on_ms, length_ms), freqs[i % len(freqs)]))
        t += on_ms + off_ms
        i += 1
    return segs


SOUNDS = [
    # name, rate, length ms, segments
    ("warning3.wav", 22050, 729, [(0, 350, 880), (380, 729, 880)]),
    ("AlarmWrongProduct2.wav", 22050, 2890, pulses(2890, 120, 60, [1200, 900])),
    ("discardAlarm2.wav", 22050, 3970, pulses(3970, 400, 100, [660, 440])),
    ("keystroke.wav", 22050, 11, [(0, 11, 2000)]),
    ("nfcChime.wav", 22050, 1248, [(0, 400, 1319), (400, 1248, 988)]),
    ("AlarmWrongProductUni.wav", 24000, 1560, pulses(1560, 150, 50, [1400, 1000, 700])),
    ("nfcChimeUni.wav", 24000, 1410, [(0, 350, 1568), (350, 700, 1319), (700, 1410, 1047)]),
    # carried in the resource tree but never played
    ("warningAlarm2.wav", 22050, 500, [(0, 500, 880)]),
    ("keystroke2.wav", 22050, 15, [(0, 15, 1500)]),
]


def main():
    for name, rate, length_ms, segments in SOUNDS:
        with wave.open(os.path.join(HERE, name), 'wb') as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(rate)
            w.writeframes(tone_pattern(rate, length_ms, segments))


if __name__ == '__main__':
    main()
