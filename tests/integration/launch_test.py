"""The client started by the stand-in lobby, against a loopback listener of the test."""

import os
import subprocess
import unittest

import harness
from harness import GameListener, Lobby

RESTORE = (0x112, 0xF120, 0)


class LaunchAndLogin(unittest.TestCase):
    def setUp(self):
        self.title = harness.unique_title("lobby")
        self.caption = harness.unique_title("table")

    def lobby(self, *args):
        lobby = Lobby("--headless", "--title", self.title, "--caption", self.caption, *args)
        self.addCleanup(lobby.stop)
        return lobby

    def test_the_login_frame_reaches_the_server_byte_for_byte(self):
        listener = GameListener()
        self.addCleanup(listener.close)
        lobby = self.lobby("--port", str(listener.port), "--account", "alice", "--key", "K-42")
        listener.accept()
        frames = listener.read_frames(1)
        self.assertEqual(frames, [harness.login_frame("alice", "K-42")])
        self.assertTrue(listener.quiet_for(1.0), "only the login frame is sent")
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x303) >= 1))
        self.assertGreaterEqual(lobby.count(0x16), 1)
        self.assertEqual(lobby.count(0x303), 1)
        self.assertIn(RESTORE, lobby.messages)

    def test_while_the_server_cannot_be_reached_the_lobby_hears_0x16_every_200_ms(self):
        port = harness.free_port()  # nobody listens there
        lobby = self.lobby("--port", str(port))
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x16) >= 5, timeout=10))
        self.assertEqual(lobby.count(0x303), 0)
        self.assertFalse(lobby.exited.is_set())

    def test_a_malformed_argument_restores_the_lobby_and_ends_without_connecting(self):
        listener = GameListener()
        self.addCleanup(listener.close)
        bad = harness.launch_argument(port=listener.port, custom=(self.title, self.caption),
                                      overrides={8: ""})  # field 8 empty
        lobby = self.lobby("--argument", bad)
        self.assertTrue(lobby.wait_client_exit())
        self.assertEqual(lobby.messages, [RESTORE])
        listener.server.settimeout(0.5)
        with self.assertRaises(OSError):
            listener.server.accept()

    def test_without_its_lobby_window_the_client_ends(self):
        argument = harness.launch_argument(port=harness.free_port(),
                                           custom=(self.title, self.caption))
        result = subprocess.run([os.path.join(harness.BIN, "vantry"), argument],
                                env=harness.client_env(), timeout=20, capture_output=True)
        self.assertEqual(result.returncode, 0)


if __name__ == "__main__":
    unittest.main()
