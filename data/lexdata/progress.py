"""Progress of a long build on stderr: stages as they start and end, the
items of a stage as they finish, and a heartbeat when nothing has been
printed for a while.

Times are counted from $LEMM_BUILD_START (seconds since the epoch, set by
tools/build-dictionaries so that its stages and these share one clock),
else from the start of this process.
"""

import contextlib
import os
import sys
import threading
import time

HEARTBEAT = 30   # seconds without a line before "still ..." is printed


def clock(seconds):
    seconds = int(seconds)
    return f"{seconds // 60}:{seconds % 60:02d}"


class Progress:
    def __init__(self, stream=None, heartbeat=HEARTBEAT, start=None, now=time.time):
        self.stream = stream or sys.stderr
        self.now = now
        if start is None:
            start = float(os.environ.get("LEMM_BUILD_START") or now())
        self.start = start
        self.heartbeat = heartbeat
        self.last = now()
        self.doing = None          # () -> what a heartbeat says is going on
        self.lock = threading.Lock()
        self.stop = threading.Event()
        self.thread = None

    def say(self, message):
        with self.lock:
            self.last = self.now()
            print(f"[{clock(self.last - self.start)}] {message}", file=self.stream,
                  flush=True)

    def beat(self):
        """Print what is going on when nothing was printed for a while."""
        if self.doing is not None and self.now() - self.last >= self.heartbeat:
            self.say(f"  ... still {self.doing()}")

    def _run(self):
        while not self.stop.wait(1):
            self.beat()

    def __enter__(self):
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.stop.set()
        self.thread.join()

    @contextlib.contextmanager
    def stage(self, name):
        """A stage: its start and end with the time it took."""
        t0 = self.now()
        self.say(f"{name} ...")
        self.doing = lambda: f"{name} ({clock(self.now() - t0)})"
        try:
            yield
        finally:
            self.doing = None
            self.say(f"{name}: done in {clock(self.now() - t0)}")

    def items(self, name, results, items, describe, jobs=2, label=str):
        """Print the results of a stage's items as they come.

        results: (item, result) pairs in the order the items finish (a
        pool's imap_unordered over a function that returns its item too);
        each is printed as describe(item, result, seconds) with the count
        done.  A pool hands the items to its workers in order, so the items
        running are taken to be the first `jobs` not yet done: the heartbeat
        names them, and an item's time is counted from when it became one.
        """
        queue = list(items)
        running = {}

        def fill():
            while queue and len(running) < jobs:
                running[queue.pop(0)] = self.now()

        def doing():
            return f"{name}: " + ", ".join(f"{label(item)} {clock(self.now() - t)}"
                                           for item, t in running.items())

        t0 = self.now()
        total = len(queue)
        self.say(f"{name}: {total} to do ...")
        fill()
        self.doing = doing
        done = 0
        try:
            for item, result in results:
                if item in running:
                    started = running.pop(item)
                else:
                    queue.remove(item)
                    started = t0
                fill()
                done += 1
                self.say(f"  {describe(item, result, self.now() - started)} [{done}/{total}]")
        finally:
            self.doing = None
        self.say(f"{name}: done in {clock(self.now() - t0)}")
