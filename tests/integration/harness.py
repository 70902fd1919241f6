"""Helpers for integration tests that run the real executables on loopback."""

import os
import queue
import random
import re
import signal
import socket
import subprocess
import threading
import time

BIN = os.environ.get("VANTRY_BIN", os.path.join(os.path.dirname(__file__), "../../build/bin"))
FRAME = 272


def free_port():
    """A free loopback TCP port the launch argument can carry (16-bit signed)."""
    for _ in range(200):
        port = random.randint(20000, 32000)
        with socket.socket() as s:
            try:
                s.bind(("127.0.0.1", port))
                return port
            except OSError:
                continue
    raise RuntimeError("no free port")


class PracticeServer:
    """vantry-server on a free loopback port, its verbose log in a file."""

    def __init__(self, name, *options):
        self.port = free_port()
        self.log_path = os.path.join(os.environ.get("TMPDIR", "/tmp"),
                                     "vantry-%s-%d.log" % (name, self.port))
        self._log = open(self.log_path, "w")
        self._process = subprocess.Popen(
            [os.path.join(BIN, "vantry-server"), "--port", str(self.port), *options,
             "--verbose"],
            stdout=self._log, stderr=subprocess.STDOUT)

    def stop(self):
        self._process.kill()
        self._process.wait()
        self._log.close()

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()


def unique_title(what):
    return "itest %s %d %d" % (what, os.getpid(), random.randint(0, 1 << 30))


def client_env(screen=None, tmpdir=None):
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "offscreen"
    if screen and tmpdir:
        path = os.path.join(tmpdir, "screen.json")
        with open(path, "w") as f:
            f.write('{"screens":[{"width":%d,"height":%d}]}' % screen)
        env["QT_QPA_PLATFORM"] = "offscreen:configfile=" + path
    env.setdefault("XDG_RUNTIME_DIR", "/tmp")
    return env


class Lobby:
    """The stand-in lobby with its client; collects the window messages it prints."""

    MESSAGE = re.compile(r"message 0x([0-9a-f]+) 0x([0-9a-f]+) 0x([0-9a-f]+)")

    def __init__(self, *args, env=None):
        self.lines = queue.Queue()
        self.messages = []
        self.all_lines = []
        self.client_pid = None
        self.exited = threading.Event()
        self.proc = subprocess.Popen(
            [os.path.join(BIN, "vantry-lobby"), *args],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env or client_env(),
            text=True, encoding="utf-8", errors="replace")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            line = line.rstrip("\n")
            self.all_lines.append(line)
            m = self.MESSAGE.match(line)
            if m:
                self.messages.append(tuple(int(g, 16) for g in m.groups()))
            elif line.startswith("client pid "):
                self.client_pid = int(line.split()[2])
            elif line.startswith("client exited"):
                self.exited.set()
            self.lines.put(line)

    def count(self, number):
        return sum(1 for m in self.messages if m[0] == number)

    def wait_for(self, predicate, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if predicate():
                return True
            time.sleep(0.05)
        return predicate()

    def wait_client_exit(self, timeout=10.0):
        return self.exited.wait(timeout)

    def stop(self):
        """Ends the client (if still running) and the lobby."""
        if self.client_pid and not self.exited.is_set():
            try:
                os.kill(self.client_pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.exited.wait(5)
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.proc.stdout.close()


class GameListener:
    """A loopback game server stand-in: accepts one connection and records bytes."""

    def __init__(self, port=None):
        self.port = port or free_port()
        self.server = socket.socket()
        self.server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.server.bind(("127.0.0.1", self.port))
        self.server.listen(4)
        self.server.settimeout(15)
        self.conn = None
        self.received = b""

    def accept(self, timeout=15):
        self.server.settimeout(timeout)
        self.conn, _ = self.server.accept()
        return self.conn

    def read_frames(self, count, timeout=10):
        """Reads until `count` whole frames have arrived; returns them."""
        self.conn.settimeout(timeout)
        while len(self.received) < count * FRAME:
            data = self.conn.recv(65536)
            if not data:
                break
            self.received += data
        return [self.received[i:i + FRAME] for i in range(0, count * FRAME, FRAME)
                if len(self.received) >= i + FRAME]

    def quiet_for(self, seconds):
        """True when nothing more arrives within `seconds`."""
        self.conn.settimeout(seconds)
        try:
            data = self.conn.recv(65536)
        except socket.timeout:
            return True
        self.received += data
        return not data

    def send(self, data):
        self.conn.sendall(data)

    def close(self):
        if self.conn:
            self.conn.close()
        self.server.close()


def login_frame(account, key):
    """The type-18 login frame the client must send, byte for byte."""
    frame = bytearray(FRAME)
    frame[3] = 18
    frame[14] = 1
    frame[16:16 + len(account)] = account.encode("ascii")
    frame[32:32 + len(key)] = key.encode("ascii")
    return bytes(frame)


def launch_argument(account="alice", key="k3y", host="127.0.0.1", port=6000, room="练习室",
                    proxy_type=0, custom=None, overrides=None):
    """Fifteen '$'-terminated fields; custom = (lobby title, caption) turns on custom titles."""
    fields = [account, key, host, str(port), room, str(proxy_type), "", "0", "", "",
              "1" if custom else "0", custom[0] if custom else "", custom[1] if custom else "",
              "0", "0"]
    for index, value in (overrides or {}).items():
        fields[index - 1] = value
    return "".join(f + "$" for f in fields)
