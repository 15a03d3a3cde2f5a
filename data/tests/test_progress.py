import io
import unittest

from lexdata.progress import Progress, clock


class FakeClock:
    def __init__(self):
        self.t = 1000.0

    def __call__(self):
        return self.t


class Lines(unittest.TestCase):
    def setUp(self):
        self.out = io.StringIO()
        self.time = FakeClock()
        self.p = Progress(self.out, heartbeat=30, start=self.time.t - 65, now=self.time)

    def lines(self):
        return self.out.getvalue().splitlines()

    def test_stage_start_end_and_heartbeat_only_after_silence(self):
        self.assertEqual("1:05", clock(65.9))
        with self.p.stage("packages"):
            self.time.t += 29
            self.p.beat()                   # 29 s silent: nothing yet
            self.time.t += 1
            self.p.beat()
            self.p.beat()                   # the line just printed counts
            self.time.t += 5
        self.p.beat()                       # no stage: no heartbeat
        self.assertEqual(["[1:05] packages ...",
                          "[1:35]   ... still packages (0:30)",
                          "[1:40] packages: done in 0:35"], self.lines())

    def test_items_timed_from_when_a_worker_took_them(self):
        def results():
            self.time.t += 10
            yield "a", 1            # a and b started together
            self.time.t += 40       # c started when a was done
            self.p.beat()           # the heartbeat names the running ones
            yield "c", 3
            self.time.t += 5
            yield "b", 2

        self.p.items("lexicons", results(), ["a", "b", "c"],
                     lambda item, result, seconds: f"{item}={result} {seconds:.0f} s", jobs=2)
        self.assertEqual(["[1:05] lexicons: 3 to do ...",
                          "[1:15]   a=1 10 s [1/3]",
                          "[1:55]   ... still lexicons: b 0:50, c 0:40",
                          "[1:55]   c=3 40 s [2/3]",
                          "[2:00]   b=2 55 s [3/3]",
                          "[2:00] lexicons: done in 0:55"], self.lines())


if __name__ == "__main__":
    unittest.main()
