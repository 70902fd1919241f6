"""The real client, started through the stand-in lobby, plays against the
practice server with no human input: the server's short turns and the
client's own countdowns drive the deals."""

import os
import re
import time
import unittest

import harness
from harness import Lobby

DEALS = 3


class PracticeGame(unittest.TestCase):
    def setUp(self):
        self.info_file = os.path.join(harness.BIN, "info.qv")
        if os.path.exists(self.info_file):
            os.remove(self.info_file)
        # Ready time above the client's 12-second countdown: each next deal
        # starts because the client asked for it. The server waits two seconds
        # past the turn, so the client's own countdown acts for the player.
        self.server = harness.PracticeServer(
            "e2e", "--turn-time", "2", "--grace", "2", "--bot-delay", "20", "--ready-time", "30",
            "--seed", "11")
        self.addCleanup(self.server.stop)
        self.port = self.server.port

    def server_log(self):
        return self.server.log()

    def test_three_deals_are_settled_and_continued_without_input(self):
        title = harness.unique_title("e2e lobby")
        lobby = Lobby("--headless", "--title", title, "--caption", title + " table",
                      "--server", "127.0.0.1", "--port", str(self.port), "--account", "player1")
        self.addCleanup(lobby.stop)

        def progress():
            log = self.server_log()
            settled = log.count("out type 9 ") // 4
            continued = len(re.findall(r"in  type 16 .*table status sub 1", log))
            return settled, continued

        deadline = time.monotonic() + 300
        while time.monotonic() < deadline and progress()[1] < DEALS:
            self.assertIsNone(lobby.proc.poll(), "the lobby and its client are still running")
            time.sleep(1)
        settled, continued = progress()
        self.assertGreaterEqual(settled, DEALS)
        self.assertGreaterEqual(continued, DEALS)
        log = self.server_log()
        self.assertIsNone(re.search(r"rejected|malformed", log, re.I))
        self.assertIn("in  type 7 ", log, "the client played or passed by itself")

        # Every settlement board was built and kept in the info file.
        with open(self.info_file, "rb") as f:
            info = f.read()
        for deal in range(1, DEALS + 1):
            self.assertIn(b"[juNum:%d]" % deal, info)
        self.assertTrue(lobby.count(0x467) >= DEALS, "the lobby hears every deal start")


if __name__ == "__main__":
    unittest.main()
