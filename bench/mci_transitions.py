#!/usr/bin/env python3
"""mci_transitions.py LABEL TRACE: the transitions between plays in a Wine trace taken with
WINEDEBUG=+timestamp,+mci, printed as one line of figures.

A transition runs from a successful end notification ("mciDriverNotify (hwnd, device, 0001)", sent by the
device's play thread) to the next play command ("mciSendCommandA (device, MCI_PLAY, ...)"). The stamps
are Wine's, in milliseconds. Also counted: the status queries between two plays, per second of play.
"""
import re
import statistics
import sys

STAMP = r"^(\d+\.\d+):[0-9a-fA-F]+:trace:mci:"
NOTIFY = re.compile(STAMP + r"mciDriverNotify \([0-9a-fA-F]+, [0-9a-fA-F]+, 0*1\)")
PLAY = re.compile(STAMP + r"mciSendCommandA \([0-9a-fA-F]+, MCI_PLAY,")
STATUS = re.compile(STAMP + r"mciSendCommandA \([0-9a-fA-F]+, MCI_STATUS,")


def main():
    label, path = sys.argv[1], sys.argv[2]
    transitions = []
    statuses = 0
    first_play = last_play = None
    ended_at = None
    with open(path, errors="replace") as trace:
        for line in trace:
            if m := NOTIFY.match(line):
                ended_at = float(m.group(1))
            elif m := PLAY.match(line):
                at = float(m.group(1))
                if ended_at is not None:
                    transitions.append((at - ended_at) * 1000)
                    ended_at = None
                first_play = at if first_play is None else first_play
                last_play = at
            elif STATUS.match(line) and first_play is not None:
                statuses += 1
    if not transitions:
        print(f"  {label:<34} no transition found")
        return
    played = (last_play - first_play) if last_play and first_play else 0
    rate = f"{statuses / played:5.1f}" if played > 0 else "  n/a"
    print(f"  {label:<34} median {statistics.median(transitions):4.1f} ms   min {min(transitions):4.1f}"
          f"   max {max(transitions):4.1f}   n={len(transitions):<3} status queries/s {rate}")


if __name__ == "__main__":
    main()
