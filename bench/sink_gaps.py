#!/usr/bin/env python3
"""sink_gaps.py REC.wav: the tone bursts and the silences between them in a 16-bit PCM recording.

Prints one line per silence ("gap MS"), per whole burst ("burst MS") and per start of a burst to the
start of the next ("period MS"); the last burst, cut off when the recording stopped, is not printed.
A sample counts as sound above 2% of full scale; a silence is a stretch of at least 5 ms without sound
(a 440 Hz tone crosses zero far more often than that)."""
import array
import struct
import sys

THRESHOLD = int(0.02 * 32768)
MIN_SILENCE_S = 0.005


def read_samples(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        sys.exit(f"sink_gaps: {path} is not a WAV file")
    pos, rate, channels = 12, None, None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        body = pos + 8
        if tag == b"fmt ":
            fmt, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", data, body)
            if fmt != 1 or bits != 16:
                sys.exit(f"sink_gaps: {path} is not 16-bit PCM")
        elif tag == b"data":
            # A recorder stopped by a signal may leave the size unset: the data runs to the end then.
            end = len(data) if size in (0, 0xFFFFFFFF) or body + size > len(data) else body + size
            end -= (end - body) % 2
            samples = array.array("h", data[body:end])
            if sys.byteorder != "little":
                samples.byteswap()
            return rate, channels, samples
        pos = body + size + (size & 1)
    sys.exit(f"sink_gaps: {path} has no data")


def main():
    rate, channels, samples = read_samples(sys.argv[1])
    frame_rate = rate
    loud = [i // channels for i, s in enumerate(samples) if abs(s) > THRESHOLD]
    if not loud:
        return
    min_silence = int(MIN_SILENCE_S * frame_rate)
    start = loud[0]
    for before, after in zip(loud, loud[1:]):
        if after - before > min_silence:
            print(f"burst {(before - start) * 1000 / frame_rate:.1f}")
            print(f"gap {(after - before) * 1000 / frame_rate:.1f}")
            print(f"period {(after - start) * 1000 / frame_rate:.1f}")
            start = after


main()
