"""The client through real SOCKS5 proxies from Debian's packages, on loopback."""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

import harness
from harness import GameListener, Lobby


def wait_for_port(port, timeout=10):
    import socket
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return True
        time.sleep(0.05)
    return False


def login_result_accepted():
    frame = bytearray(harness.FRAME)
    frame[3] = 18
    frame[11] = 10
    frame[15] = 1
    return bytes(frame)


class ThroughAProxy(unittest.TestCase):
    def start(self, *command):
        proc = subprocess.Popen(list(command), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (proc.kill(), proc.wait()))
        return proc

    def lobby(self, proxy_port, user="", password="", game_port=None):
        listener = GameListener(game_port)
        self.addCleanup(listener.close)
        title = harness.unique_title("proxy lobby")
        lobby = Lobby("--headless", "--title", title, "--caption", title + " table",
                      "--server", "127.0.0.1", "--port", str(listener.port),
                      "--proxy-type", "5", "--proxy-host", "127.0.0.1",
                      "--proxy-port", str(proxy_port), "--proxy-user", user,
                      "--proxy-password", password, "--account", "alice", "--key", "K")
        self.addCleanup(lobby.stop)
        return listener, lobby

    def assert_login_and_reply(self, listener, lobby):
        listener.accept()
        self.assertEqual(listener.read_frames(1), [harness.login_frame("alice", "K")])
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x303) == 1))
        # A login result sent back reaches the client: it tells the lobby again.
        listener.send(login_result_accepted())
        self.assertTrue(lobby.wait_for(lambda: lobby.count(0x303) == 2))

    def microsocks(self, *auth):
        port = harness.free_port()
        self.start("microsocks", "-i", "127.0.0.1", "-p", str(port), *auth)
        self.assertTrue(wait_for_port(port))
        return port

    def test_microsocks_without_authentication(self):
        port = self.microsocks()
        self.assert_login_and_reply(*self.lobby(port))

    def test_microsocks_with_user_and_password(self):
        port = self.microsocks("-u", "player", "-P", "s3cret")
        self.assert_login_and_reply(*self.lobby(port, "player", "s3cret"))

    def test_a_wrong_password_is_refused_without_retry(self):
        port = self.microsocks("-u", "player", "-P", "s3cret")
        listener, lobby = self.lobby(port, "player", "wrong")
        self.assertTrue(lobby.wait_for(
            lambda: any("代理服务器用户验证失败！" in line for line in lobby.all_lines)))
        listener.server.settimeout(1.0)
        with self.assertRaises(OSError):
            listener.server.accept()
        self.assertEqual(lobby.count(0x303), 0)

    @unittest.skipUnless(shutil.which("danted") and os.geteuid() == 0,
                         "dante needs its server and root for the account")
    def test_dante_with_the_username_method(self):
        user, password = "vantryproxy", "Pr0xy-pass"
        subprocess.run(["useradd", "-M", "-s", "/usr/sbin/nologin", user],
                       stderr=subprocess.DEVNULL)
        subprocess.run(["chpasswd"], input=f"{user}:{password}\n", text=True, check=True)
        port = harness.free_port()
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, True)
        config = os.path.join(folder, "danted.conf")
        with open(config, "w") as f:
            f.write(f"""logoutput: stderr
internal: 127.0.0.1 port = {port}
external: 127.0.0.1
socksmethod: username
user.privileged: root
user.unprivileged: nobody
client pass {{ from: 127.0.0.0/8 to: 0.0.0.0/0 }}
socks pass {{ from: 127.0.0.0/8 to: 0.0.0.0/0 }}
""")
        self.start("danted", "-f", config, "-p", os.path.join(folder, "danted.pid"))
        self.assertTrue(wait_for_port(port))
        self.assert_login_and_reply(*self.lobby(port, user, password))


if __name__ == "__main__":
    unittest.main()
