"""The client through real SOCKS5 proxies on loopback: microsocks and dante."""

import os
import secrets
import shutil
import signal
import socket
import subprocess
import tempfile
import time
import unittest

import harness
from harness import GameListener, Lobby

# TCP states in /proc/net/tcp that mean the client still holds its side open.
OPEN_STATES = {"01", "02", "08"}  # established, SYN sent, close wait


def login_result(token):
    """A type-18 login result that accepts the login, carrying a link token."""
    frame = bytearray(harness.FRAME)
    frame[3] = 18
    frame[15] = 1
    frame[260:262] = token
    return bytes(frame)


def wait_listening(port, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def open_connections_to(port):
    """Loopback TCP sockets whose far end is `port`, in a state that is still open."""
    found = 0
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        try:
            with open(table) as f:
                rows = f.read().splitlines()[1:]
        except OSError:
            continue
        for row in rows:
            fields = row.split()
            remote_port = int(fields[2].split(":")[1], 16)
            if remote_port == port and fields[3] in OPEN_STATES:
                found += 1
    return found


def printed(lobby, text):
    """True when a line the lobby (or the client it started) printed contains `text`."""
    return any(text in line for line in list(lobby.all_lines))


def boxes_shown(lobby):
    return sum("message box" in line for line in list(lobby.all_lines))


class Proxies(unittest.TestCase):
    def setUp(self):
        self.title = harness.unique_title("proxy lobby")
        self.caption = harness.unique_title("proxy table")
        self.tmp = tempfile.mkdtemp(prefix="vantry-proxy-")
        self.addCleanup(shutil.rmtree, self.tmp, True)

    def start(self, args):
        # Its own process group: dante forks helpers that must go with it.
        proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)

        def stop():
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proc.wait()

        self.addCleanup(stop)
        return proc

    def microsocks(self, user=None, password=None):
        if not shutil.which("microsocks"):
            self.skipTest("microsocks is not installed")
        port = harness.free_port()
        args = ["microsocks", "-i", "127.0.0.1", "-p", str(port)]
        if user:
            args += ["-u", user, "-P", password]
        self.start(args)
        self.assertTrue(wait_listening(port), "microsocks listens")
        return port

    def system_account(self):
        """A throwaway system account for dante's user name check."""
        if os.geteuid() != 0 or not shutil.which("useradd"):
            self.skipTest("creating a system account needs root")
        user = "vtp" + secrets.token_hex(4)
        password = "pw" + secrets.token_hex(6)
        subprocess.run(["useradd", "-M", "-N", "-s", "/usr/sbin/nologin", user], check=True)
        self.addCleanup(subprocess.run, ["userdel", user], check=False)
        subprocess.run(["chpasswd"], input="%s:%s\n" % (user, password), text=True, check=True)
        return user, password

    def dante(self):
        danted = shutil.which("danted") or "/usr/sbin/danted"
        if not os.path.exists(danted):
            self.skipTest("dante-server is not installed")
        port = harness.free_port()
        config = os.path.join(self.tmp, "danted.conf")
        with open(config, "w") as f:
            f.write(
                "logoutput: stderr\n"
                "internal: 127.0.0.1 port = %d\n"
                "external: 127.0.0.1\n"
                "clientmethod: none\n"
                "socksmethod: username\n"
                "user.privileged: root\n"
                "user.unprivileged: nobody\n"
                "client pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n}\n"
                "socks pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n  command: connect\n}\n"
                % port)
        self.start([danted, "-f", config, "-p", os.path.join(self.tmp, "danted.pid")])
        self.assertTrue(wait_listening(port), "danted listens")
        return port

    def lobby(self, game_port, proxy_port, user="", password="", account="alice", key="K-7"):
        lobby = Lobby("--headless", "--title", self.title, "--caption", self.caption,
                      "--server", "127.0.0.1", "--port", str(game_port),
                      "--account", account, "--key", key,
                      "--proxy-type", "5", "--proxy-host", "127.0.0.1",
                      "--proxy-port", str(proxy_port),
                      "--proxy-user", user, "--proxy-password", password)
        self.addCleanup(lobby.stop)
        return lobby

    def assert_plays_through(self, proxy_port, user="", password=""):
        listener = GameListener()
        self.addCleanup(listener.close)
        lobby = self.lobby(listener.port, proxy_port, user, password)
        listener.accept()
        # The proxy relays the login frame, byte for byte and nothing before it.
        self.assertEqual(listener.read_frames(1), [harness.login_frame("alice", "K-7")])
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x303) >= 1),
                        "the lobby hears that the proxy relays")
        self.assertEqual(lobby.count(0x303), 1)
        # The server's answer goes back through the proxy and is dispatched:
        # an accepted login tells the lobby 0x303 once more.
        listener.send(login_result(b"\x12\x34"))
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x303) >= 2),
                        "the login result reached the client")
        self.assertFalse(lobby.exited.is_set())
        self.assertGreaterEqual(open_connections_to(proxy_port), 1)

    def test_microsocks_without_authentication_relays_both_ways(self):
        self.assert_plays_through(self.microsocks())

    def test_microsocks_with_user_name_and_password_relays_both_ways(self):
        self.assert_plays_through(self.microsocks("tabler", "s3cret"), "tabler", "s3cret")

    def test_dante_with_the_username_method_relays_both_ways(self):
        user, password = self.system_account()
        self.assert_plays_through(self.dante(), user, password)

    def assert_wrong_password_refused(self, proxy_port, user, password):
        listener = GameListener()
        self.addCleanup(listener.close)
        lobby = self.lobby(listener.port, proxy_port, user, password)
        self.assertTrue(lobby.wait_for(lambda: printed(lobby, "message box: 代理服务器用户验证失败！"),
                                       timeout=15), "\n".join(lobby.all_lines))
        # The socket is closed before the box and nothing tries again.
        self.assertTrue(lobby.wait_for(lambda: open_connections_to(proxy_port) == 0, timeout=5))
        time.sleep(2)
        self.assertEqual(open_connections_to(proxy_port), 0)
        listener.server.settimeout(0.2)
        with self.assertRaises(OSError):
            listener.server.accept()
        self.assertEqual(lobby.count(0x303), 0)
        self.assertEqual(boxes_shown(lobby), 1, "\n".join(lobby.all_lines))

    def test_microsocks_with_a_wrong_password_is_refused_once(self):
        self.assert_wrong_password_refused(self.microsocks("tabler", "s3cret"), "tabler", "wrong")

    def test_dante_with_a_wrong_password_is_refused_once(self):
        user, _ = self.system_account()
        self.assert_wrong_password_refused(self.dante(), user, "wrong")

    def test_a_proxy_nobody_listens_on_is_reported_and_not_retried(self):
        listener = GameListener()
        self.addCleanup(listener.close)
        proxy_port = harness.free_port()  # nothing listens there
        lobby = self.lobby(listener.port, proxy_port)
        self.assertTrue(lobby.wait_for(lambda: printed(lobby, "message box: 无法连接代理服务器！"),
                                       timeout=15), "\n".join(lobby.all_lines))
        time.sleep(1)
        self.assertEqual(open_connections_to(proxy_port), 0)
        self.assertEqual(lobby.count(0x303), 0)
        self.assertFalse(lobby.exited.is_set())
        self.assertEqual(boxes_shown(lobby), 1, "\n".join(lobby.all_lines))


if __name__ == "__main__":
    unittest.main()
