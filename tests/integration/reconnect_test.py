"""The real client loses its connection in the middle of a deal and reconnects.

The client, started through the stand-in lobby, reaches the practice server
through a small relay in this test (client -> relay -> server). Once a few plays
have passed, the relay hands the client the first bytes of the next frame and
then cuts both sides, as a broken network would; it keeps listening. The
client must come back with a reconnect frame carrying its account and the key
of the running deal, the server must accept it, and the deal must go on to its
settlement and the next deal start, which the client can only recognise if it
threw away the broken frame and kept its frames in step."""

import os
import re
import socket
import sys
import threading
import time
import unittest

import harness
from harness import FRAME, Lobby

PLAYS_BEFORE_CUT = 3
PARTIAL_BYTES = 100
LOCK_REFUSED = "Vantry已经运行！"


def instance_lock_held():
    """True while a client on this machine holds the instance lock (an abstract
    socket, listed without being touched)."""
    with open("/proc/net/unix") as f:
        return any(line.rstrip().endswith(" @vantry-instance") for line in f)


def wait_instance_free(timeout):
    deadline = time.monotonic() + timeout
    while instance_lock_held():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.5)
    return True


class Frames:
    """Splits a byte stream into 272-byte frames."""

    def __init__(self):
        self.pending = b""

    def feed(self, data):
        self.pending += data
        frames = []
        while len(self.pending) >= FRAME:
            frames.append(self.pending[:FRAME])
            self.pending = self.pending[FRAME:]
        return frames


class RelayedConnection:
    def __init__(self, number, client, server):
        self.number = number
        self.client = client
        self.server = server
        self.up = []    # frames from the client, in order
        self.down = []  # frames forwarded whole to the client, in order
        self.closed = threading.Event()

    def close(self):
        for s in (self.client, self.server):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            s.close()
        self.closed.set()


class CuttingRelay:
    """Relays every connection of the client to the server. On the first
    connection, after PLAYS_BEFORE_CUT type-6 frames, it forwards only the first
    PARTIAL_BYTES of the next frame and then closes both sides."""

    def __init__(self, server_port):
        self.server_port = server_port
        self.port = harness.free_port()
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", self.port))
        self.listener.listen(4)
        self.listener.settimeout(0.2)
        self.connections = []
        self.cut = threading.Event()
        self.deal_key = None  # bytes 268-271 of the last deal start sent to the client
        self.stopping = False
        self.lock = threading.Lock()
        threading.Thread(target=self._accept, daemon=True).start()

    def stop(self):
        self.stopping = True
        for c in list(self.connections):
            c.close()
        self.listener.close()

    def _accept(self):
        while not self.stopping:
            try:
                client, _ = self.listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            try:
                server = socket.create_connection(("127.0.0.1", self.server_port), timeout=5)
            except OSError:
                client.close()
                continue
            server.settimeout(None)
            client.settimeout(None)
            c = RelayedConnection(len(self.connections) + 1, client, server)
            with self.lock:
                self.connections.append(c)
            threading.Thread(target=self._upstream, args=(c,), daemon=True).start()
            threading.Thread(target=self._downstream, args=(c,), daemon=True).start()

    def _upstream(self, c):
        frames = Frames()
        while True:
            try:
                data = c.client.recv(65536)
            except OSError:
                break
            if not data:
                break
            c.up.extend(frames.feed(data))
            try:
                c.server.sendall(data)
            except OSError:
                break
        c.close()

    def _downstream(self, c):
        frames = Frames()
        plays = 0
        while True:
            try:
                data = c.server.recv(65536)
            except OSError:
                break
            if not data:
                break
            for frame in frames.feed(data):
                if c.number == 1 and plays >= PLAYS_BEFORE_CUT:
                    # The link breaks in the middle of this frame.
                    try:
                        c.client.sendall(frame[:PARTIAL_BYTES])
                    except OSError:
                        pass
                    time.sleep(0.2)  # let the part reach the client before the close
                    c.close()
                    self.cut.set()
                    return
                if frame[3] == 1 and frame[11] == 0:
                    self.deal_key = frame[268:272]
                if frame[3] == 6:
                    plays += 1
                try:
                    c.client.sendall(frame)
                except OSError:
                    c.close()
                    return
                c.down.append(frame)
        c.close()


class Reconnection(unittest.TestCase):
    def setUp(self):
        # Short turns and a short wait before each deal: the client's own
        # countdowns act for the player, so the deals run without input.
        self.server = harness.PracticeServer(
            "reconnect", "--turn-time", "2", "--grace", "2", "--bot-delay", "50", "--ready-time", "3",
            "--seed", "11")
        self.addCleanup(self.server.stop)
        self.port = self.server.port
        self.relay = CuttingRelay(self.port)
        self.addCleanup(self.relay.stop)

    def server_log(self):
        return self.server.log()

    def start_client(self):
        """The lobby and its client; waits for another test's client to end first."""
        for _ in range(5):
            self.assertTrue(wait_instance_free(120), "another client holds the instance lock")
            title = harness.unique_title("reconnect lobby")
            lobby = Lobby("--headless", "--title", title, "--caption", title + " table",
                          "--server", "127.0.0.1", "--port", str(self.relay.port),
                          "--account", "player1")
            refused = lobby.wait_for(
                lambda: any(LOCK_REFUSED in line for line in list(lobby.all_lines)), timeout=2)
            if not refused:
                self.addCleanup(lobby.stop)
                return lobby
            lobby.stop()
        self.fail("the instance lock stayed taken")

    def wait(self, lobby, predicate, timeout, what):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if predicate():
                return
            self.assertFalse(lobby.exited.is_set(), "the client ended while waiting for " + what)
            time.sleep(0.1)
        self.fail("timed out waiting for " + what)

    def test_a_connection_cut_in_the_middle_of_a_deal_is_reconnected_and_the_deal_goes_on(self):
        lobby = self.start_client()
        started = time.monotonic()
        relay = self.relay

        self.wait(lobby, relay.cut.is_set, 30, "the cut in the middle of a deal")
        first = relay.connections[0]
        self.assertEqual(first.up[0][3], 18, "the first connection logs in")
        self.assertIsNotNone(relay.deal_key)

        self.wait(lobby, lambda: len(relay.connections) >= 2 and relay.connections[1].up, 10,
                  "the client to come back")
        second = relay.connections[1]
        reconnect = second.up[0]
        self.assertEqual(reconnect[3], 28, "the new connection starts with a reconnect frame")
        self.assertEqual(reconnect[16:23], b"player1")
        self.assertEqual(reconnect[268:272], relay.deal_key)
        self.assertEqual(reconnect[32:260], first.up[0][32:260], "the login key goes along")

        self.wait(lobby, lambda: re.search(r"out type 29 .*reconnect result 1", self.server_log()),
                  5, "the server to accept the reconnection")

        # The deal goes on to its settlement over the new connection ...
        self.wait(lobby, lambda: sum(f[3] == 9 for f in second.down) >= 4, 40,
                  "the settlement of the interrupted deal")
        # ... and the client, its frames in step, recognises the next deal start.
        deal_starts_before = lobby.count(0x467)
        self.wait(lobby, lambda: lobby.count(0x467) > deal_starts_before, 20,
                  "the client to see the next deal start")
        self.assertEqual(len(relay.connections), 2, "one reconnection was enough")
        print("cut, reconnection, settlement and next deal in %.1f s"
              % (time.monotonic() - started), file=sys.stderr)
        log = self.server_log()
        self.assertIsNone(re.search(r"malformed|reconnection refused", log, re.I))
        self.assertEqual(sum(f[3] == 28 for f in first.up + second.up), 1)


if __name__ == "__main__":
    unittest.main()
