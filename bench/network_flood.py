#!/usr/bin/env python3
"""A peer that floods a hosting Velloru with junk and watches its memory.

Start the game as the host first (Game > Start Network Game > Connect), then:

    python3 bench/network_flood.py <pid of velloru> move   600
    python3 bench/network_flood.py <pid of velloru> dialog 600

It joins on port 2300, passes the turn and plays pit 8, then sends the given
number of megabytes of text without a line end: in "move" mode while that
move is animated, in "dialog" mode while the "New Game" question is up (asked
and dismissed with xdotool, so the game must run on the X display in
DISPLAY). A legal move follows the flood. It prints the game's resident
memory at the start, its peak during the flood and what it settles at.
"""
import socket
import subprocess
import sys
import threading
import time

SEP = b"\xbb"


def line(command, argument=None):
    body = command.encode() + SEP
    if argument is not None:
        body += argument.encode() + SEP
    return body + b"\r"


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for entry in status:
            if entry.startswith("VmRSS"):
                return int(entry.split()[1]) // 1024
    return 0


def main():
    pid, mode, megabytes = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
    peak = [0]
    watching = [True]

    def watch():
        while watching[0]:
            peak[0] = max(peak[0], resident_mb(pid))
            time.sleep(0.02)

    threading.Thread(target=watch, daemon=True).start()
    peer = socket.create_connection(("127.0.0.1", 2300))
    print("resident at start:", resident_mb(pid), "MB", flush=True)
    print("host sent:", peer.recv(100), flush=True)
    peer.sendall(line("SwitchTurn") + line("PickHole", "8"))
    if mode == "move":
        time.sleep(0.6)  # the move starts once its line is parsed and lasts 2 s
    else:
        time.sleep(3.5)  # the move is over: ask for a new game
        subprocess.run(["xdotool", "key", "ctrl+n"], check=True)
        time.sleep(0.5)

    finished = [0.0]
    started = time.time()

    def flood():
        chunk = b"x" * (1 << 20)
        for _ in range(megabytes):
            peer.sendall(chunk)
        peer.sendall(b"\r" + line("PickHole", "9"))
        finished[0] = time.time()

    sender = threading.Thread(target=flood)
    sender.start()
    if mode == "dialog":
        time.sleep(6)
        print("resident with the question up:", resident_mb(pid), "MB", flush=True)
        subprocess.run(["xdotool", "key", "Escape"], check=True)
    sender.join()
    print(f"{megabytes} MB sent in {finished[0] - started:.1f} s", flush=True)
    time.sleep(1.5)
    watching[0] = False
    print("resident after:", resident_mb(pid), "MB; peak:", peak[0], "MB", flush=True)
    peer.close()


if __name__ == "__main__":
    main()
