"""The real client on an X server (Xvfb), started by the stand-in lobby, against
a game server scripted here: it logs the client in, seats four players, deals
a known hand and then plays single turns. The client's own countdowns act when
nobody clicks, and one turn is played by clicking the real window with xdotool."""

import os
import queue
import re
import socket
import subprocess
import tempfile
import threading
import time
import unittest

import harness
from harness import FRAME, GameListener, Lobby

OWN_SEAT = 1  # the client sits at seat bit 1; 2 is on its left, 4 opposite, 8 on its right
LINK_TOKEN = b"\x5a\xa5"  # echoed in bytes 260-261 of every frame the client sends
KEEP_ALIVE = 24

# The dealt hand as (suit, rank, id): suits 1 diamonds, 2 clubs, 4 hearts,
# 8 spades. The client sorts it highest first: K♠ Q♥ 9♦ 6♠ 6♣ 5♥.
HAND = [(4, 5, 11), (8, 6, 12), (2, 6, 13), (1, 9, 14), (4, 12, 15), (8, 13, 16)]
HIGHEST_ID = 16  # K♠, drawn first (card image 0)
LOWEST_ID = 11  # 5♥, drawn last

# The table window at 1024 x 768 keeps the design size (scale 1.0) and has no
# frame of its own, so design pixels are window pixels. The hand's card images
# start at x = 400 and step by 0.22 x 90 px; each later card covers all but the
# left 19 px of the one before; the hand's top is at y = 565, a card is 120 high.
# The play button Operation(0) is the 60 x 40 button at (400, 470).
SCREEN = (1024, 768)
CARD_IMAGE_0 = (405, 620)
PLAY_BUTTON = (430, 490)

INSTANCE_LOCK = b"\0vantry-instance"


def frame(message_type, fields=None):
    """A server frame: the type, the given bytes (offset -> int or bytes) and the link token."""
    f = bytearray(FRAME)
    f[3] = message_type
    for at, value in (fields or {}).items():
        if isinstance(value, int):
            f[at] = value
        else:
            f[at:at + len(value)] = value
    f[260:262] = LINK_TOKEN
    return bytes(f)


def login_accepted(turn_seconds=10):
    return frame(18, {9: 0, 11: turn_seconds, 15: 1})


def join(seat, account, nickname):
    return frame(20, {
        6: OWN_SEAT, 16: nickname.encode("gbk"), 48: b"m3", 64: 1, 72: "北京".encode("gbk"),
        96: (5000).to_bytes(8, "little"), 168: account.encode("ascii"),
        208: 1 if seat != OWN_SEAT else 0, 210: b"27", 218: b"20", 226: seat,
        234: (1).to_bytes(4, "little"), 255: 1})


def deal_start():
    fields = {6: OWN_SEAT, 11: 0, 268: (0x01020304).to_bytes(4, "little")}
    for i, (suit, rank, card_id) in enumerate(HAND):
        fields[16 + 4 * i] = bytes([suit, rank, 0, card_id])
    return frame(1, fields)


def declaration_turn(option_set, seconds):
    return frame(2, {6: OWN_SEAT, 8: option_set.to_bytes(2, "big"), 16: seconds})


def play(seat, next_seat, sub_code, cards=(), seconds=2):
    """A play broadcast: `seat` played `cards` (suit, rank, id); `next_seat` acts next."""
    fields = {6: seat, 11: next_seat, 15: sub_code, 17: len(cards), 18: len(cards), 255: seconds}
    for k, (suit, rank, card_id) in enumerate(cards):
        fields[20 + 4 * k] = bytes([suit, rank, 0, card_id])
    return frame(message_type=6, fields=fields)


def local_play(card_ids):
    """The type-7 play frame the client must send for these cards."""
    return frame(7, {6: OWN_SEAT, 15: 2, 17: len(card_ids), 18: len(card_ids),
                     20: bytes(card_ids)})


def local_pass():
    return frame(7, {6: OWN_SEAT, 15: 1})


def say_nothing():
    return frame(3, {6: OWN_SEAT, 8: 0, 9: 1})


def instance_lock_free():
    """True when no client holds the single-instance lock of this machine."""
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        s.bind(INSTANCE_LOCK)
        return True
    except OSError:
        return False
    finally:
        s.close()


class Xvfb:
    """An X server of its own on a free display number."""

    def __init__(self, size):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % size,
             "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            self.proc.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def stop(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


class ClientFrames:
    """Reads the client's frames in the background; keep-alives are left out."""

    def __init__(self, conn):
        self.conn = conn
        self.frames = queue.Queue()
        self.buffer = b""
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        self.conn.settimeout(None)
        try:
            while True:
                data = self.conn.recv(65536)
                if not data:
                    break
                self.buffer += data
                while len(self.buffer) >= FRAME:
                    f, self.buffer = self.buffer[:FRAME], self.buffer[FRAME:]
                    if f[3] != KEEP_ALIVE:
                        self.frames.put((time.monotonic(), f))
        except OSError:
            pass

    def next(self, timeout):
        """(arrival time, frame), or None when nothing comes within `timeout` seconds."""
        try:
            return self.frames.get(timeout=timeout)
        except queue.Empty:
            return None


class TableTurns(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb(SCREEN)
        cls.env = dict(os.environ, DISPLAY=cls.xvfb.display)
        cls.env.setdefault("XDG_RUNTIME_DIR", "/tmp")
        # Only the client is shown on the X server. The lobby stays offscreen:
        # on X11 Qt takes "-title" (and "--title") for itself, which would
        # swallow the lobby's own --title option. It starts the client through
        # a script that switches it to the X server.
        cls.tmp = tempfile.TemporaryDirectory()
        cls.client_script = os.path.join(cls.tmp.name, "vantry-on-x")
        with open(cls.client_script, "w") as f:
            f.write('#!/bin/sh\nQT_QPA_PLATFORM=xcb DISPLAY=%s exec "%s" "$@"\n'
                    % (cls.xvfb.display, os.path.abspath(os.path.join(harness.BIN, "vantry"))))
        os.chmod(cls.client_script, 0o755)

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.stop()
        cls.tmp.cleanup()

    def setUp(self):
        self.caption = harness.unique_title("turns table")
        self.listener = GameListener()
        self.addCleanup(self.listener.close)
        self.start_client()
        login = self.listener.read_frames(1)
        self.assertEqual(login, [harness.login_frame("alice", "k3y")])
        self.client = ClientFrames(self.listener.conn)
        self.send(login_accepted(), join(1, "alice", "爱丽丝"), join(2, "bot1", "左家"),
                  join(4, "bot2", "对家"), join(8, "bot3", "右家"), deal_start())
        # The lobby hears of the deal start once the hand is on the table.
        self.assertTrue(self.lobby.wait_for(lambda: self.lobby.count(0x467) >= 1, timeout=10),
                        "the deal start reaches the client")
        self.window = self.find_window()

    def start_client(self):
        """Starts the lobby and its client; while another client on this machine
        holds the single-instance lock, waits and tries again."""
        deadline = time.monotonic() + 240
        while True:
            while not instance_lock_free() and time.monotonic() < deadline:
                time.sleep(1)
            title = harness.unique_title("turns lobby")
            self.lobby = Lobby("--headless", "--title", title, "--caption", self.caption,
                               "--port", str(self.listener.port), "--account", "alice",
                               "--key", "k3y", "--client", self.client_script,
                               env=harness.client_env())
            try:
                self.listener.accept(timeout=10)
                self.addCleanup(self.lobby.stop)
                return
            except socket.timeout:
                refused = any("Vantry已经运行" in line for line in self.lobby.all_lines)
                self.lobby.stop()
                if not refused or time.monotonic() > deadline:
                    self.fail("the client did not connect:\n" + "\n".join(self.lobby.all_lines))

    def find_window(self):
        """The id of the mapped table window (found by its caption)."""
        result = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % re.escape(
                self.caption)], env=self.env, capture_output=True, text=True, timeout=20)
        ids = result.stdout.split()
        self.assertTrue(ids, "the table window is mapped: " + result.stderr)
        return ids[0]

    def click(self, at, button=1):
        subprocess.run(["xdotool", "mousemove", "--window", self.window, str(at[0]), str(at[1]),
                        "click", str(button)], env=self.env, check=True, timeout=10)

    def send(self, *frames):
        for f in frames:
            self.listener.send(f)

    def assert_quiet(self, seconds):
        extra = self.client.next(seconds)
        self.assertIsNone(extra, "nothing more is sent (got %r)" % (extra[1][:20],) if extra
                          else "")

    def test_a_declaration_turn_left_to_run_out_says_nothing_once(self):
        # OptionSet 13 (宣 摊 不说话) with 1 second: the clock starts at 8, since a
        # time below 2 s stands for 8; 8 steps x 21 ticks x 50 ms = 8.4 s.
        sent = time.monotonic()
        self.send(declaration_turn(13, 1))
        got = self.client.next(15)
        self.assertIsNotNone(got, "the time-out sends a declaration")
        at, f = got
        self.assertEqual(f, say_nothing())
        self.assertGreater(at - sent, 7.5)
        self.assertLess(at - sent, 11.0)
        self.assert_quiet(2.0)

    def test_leading_when_the_clock_runs_out_plays_the_lowest_card(self):
        # The right-hand seat passes and a new trick opens with the client to lead;
        # 2 s on the clock: 2, 1, 0 and the turn runs out after about 3 s.
        self.send(play(8, OWN_SEAT, 1, seconds=2))
        got = self.client.next(8)
        self.assertIsNotNone(got, "the time-out plays a card")
        self.assertEqual(got[1], local_play([LOWEST_ID]))
        self.assert_quiet(2.0)

    def test_an_ordinary_turn_left_to_run_out_passes_once(self):
        # The right-hand seat plays the four of diamonds; the client may beat it or pass.
        self.send(play(8, OWN_SEAT, 2, [(1, 4, 80)], seconds=2))
        got = self.client.next(8)
        self.assertIsNotNone(got, "the time-out passes")
        self.assertEqual(got[1], local_pass())
        self.assert_quiet(2.0)

    def test_a_card_clicked_and_the_play_button_play_that_card(self):
        self.send(play(8, OWN_SEAT, 2, [(1, 4, 80)], seconds=20))
        # One frame takes about two 50 ms ticks to be dispatched and drawn.
        time.sleep(1.0)
        self.click(CARD_IMAGE_0)
        got = None
        for _ in range(3):  # should the play button not be drawn yet, click it again
            self.click(PLAY_BUTTON)
            got = self.client.next(2.0)
            if got:
                break
        self.assertIsNotNone(got, "the play button sends the raised card")
        self.assertEqual(got[1], local_play([HIGHEST_ID]))
        self.assert_quiet(1.0)


if __name__ == "__main__":
    unittest.main()
