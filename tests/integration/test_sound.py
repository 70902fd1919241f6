"""The client's sound adapter against a real PulseAudio server.

A private PulseAudio server with one null sink is started for the test (its own
runtime folder and socket, so nothing else on the machine is touched). The
probe executable plays WAV files through the adapter while parec records the
sink's monitor; the recording shows what really reached the sink.

Only when PulseAudio itself cannot be started is the test skipped; the skip
message contains "PULSEAUDIO UNAVAILABLE".
"""

import array
import math
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
import wave

PROBE = os.environ.get("VANTRY_SOUND_PROBE", "")
SINK = "vantry_test_sink"
RATE = 44100
FULL_SCALE = 32767


def write_tone(path, seconds, frequency=440.0, amplitude=0.5, rate=22050):
    samples = array.array(
        "h",
        (
            int(amplitude * FULL_SCALE * math.sin(2 * math.pi * frequency * i / rate))
            for i in range(int(seconds * rate))
        ),
    )
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(samples.tobytes())


class Recording:
    """Samples recorded from the sink's monitor."""

    def __init__(self, raw):
        self.samples = array.array("h", raw)

    def peak(self):
        return max((abs(s) for s in self.samples), default=0)

    def seconds_of_signal(self, threshold=0.02):
        """Total length of the 10 ms blocks whose level is above the threshold."""
        block = RATE // 100
        limit = threshold * FULL_SCALE
        loud = 0
        for start in range(0, len(self.samples) - block + 1, block):
            part = self.samples[start : start + block]
            if math.sqrt(sum(s * s for s in part) / block) > limit:
                loud += 1
        return loud / 100.0


class SoundReachesTheAudioServer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not PROBE or not os.path.exists(PROBE):
            raise RuntimeError("VANTRY_SOUND_PROBE does not name the probe executable")
        for tool in ("pulseaudio", "pactl", "parec"):
            if shutil.which(tool) is None:
                raise unittest.SkipTest("PULSEAUDIO UNAVAILABLE: %s is not installed" % tool)
        cls.dir = tempfile.mkdtemp(prefix="vantry-sound-")
        runtime = os.path.join(cls.dir, "run")
        os.makedirs(runtime, mode=0o700)
        socket_path = os.path.join(cls.dir, "native")
        cls.env = dict(os.environ)
        cls.env.update(
            HOME=cls.dir,
            XDG_RUNTIME_DIR=runtime,
            PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
            PULSE_SERVER="unix:" + socket_path,
        )
        cls.env.pop("DISPLAY", None)
        cls.log = open(os.path.join(cls.dir, "pulseaudio.log"), "w+")
        cls.server = subprocess.Popen(
            [
                "pulseaudio",
                "-n",
                "--daemonize=no",
                "--system=false",
                "--exit-idle-time=-1",
                "--use-pid-file=no",
                "--disable-shm=yes",
                "--load=module-null-sink sink_name=%s rate=%d channels=1" % (SINK, RATE),
                "--load=module-native-protocol-unix socket=%s auth-anonymous=1" % socket_path,
            ],
            env=cls.env,
            stdout=cls.log,
            stderr=subprocess.STDOUT,
        )
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            if cls.server.poll() is not None:
                break
            info = subprocess.run(["pactl", "info"], env=cls.env, capture_output=True, text=True)
            if info.returncode == 0 and SINK in info.stdout:
                return
            time.sleep(0.2)
        cls.log.seek(0)
        reason = cls.log.read()[-2000:]
        cls.tearDownClass()
        raise unittest.SkipTest("PULSEAUDIO UNAVAILABLE: the server did not start:\n" + reason)

    @classmethod
    def tearDownClass(cls):
        server = getattr(cls, "server", None)
        if server is not None and server.poll() is None:
            server.terminate()
            try:
                server.wait(timeout=10)
            except subprocess.TimeoutExpired:
                server.kill()
                server.wait()
        cls.log.close()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def probe(self, *args, env=None, timeout=30):
        """Runs the probe; returns its report as a dict ("play" -> "played", ...)."""
        done = subprocess.run(
            [PROBE, *args], env=env or self.env, capture_output=True, text=True, timeout=timeout
        )
        self.assertEqual(done.returncode, 0, done.stderr)
        report = {}
        for line in done.stdout.splitlines():
            key, _, value = line.partition(": ")
            report[key] = value
        return report

    def wait_for_recorder(self):
        """Waits until parec is connected to the monitor. Until then the null
        sink runs with a latency of a second or more, which would hold back
        the start of the sound."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            outputs = subprocess.run(
                ["pactl", "list", "short", "source-outputs"],
                env=self.env,
                capture_output=True,
                text=True,
            )
            if outputs.stdout.strip():
                time.sleep(0.2)
                return
            time.sleep(0.1)
        self.fail("parec did not connect to the sink's monitor")

    def play_and_record(self, *args):
        raw_path = os.path.join(self.dir, "recording.raw")
        with open(raw_path, "wb") as raw:
            recorder = subprocess.Popen(
                [
                    "parec",
                    "--device=%s.monitor" % SINK,
                    "--format=s16le",
                    "--rate=%d" % RATE,
                    "--channels=1",
                    "--raw",
                    "--latency-msec=200",
                ],
                env=self.env,
                stdout=raw,
            )
            try:
                self.wait_for_recorder()
                report = self.probe(*args)
                time.sleep(0.3)
            finally:
                recorder.send_signal(signal.SIGINT)
                try:
                    recorder.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    recorder.kill()
                    recorder.wait()
        with open(raw_path, "rb") as raw:
            data = raw.read()
        return report, Recording(data[: len(data) // 2 * 2])

    def play_and_hear(self, enough, *args):
        """Like play_and_record, but the null sink's monitor now and then
        delivers only part of what the sink played (the recording comes out
        shorter than the time it ran): a recording that heard less than
        `enough` seconds of signal is taken again, up to four times."""
        for _ in range(4):
            report, recording = self.play_and_record(*args)
            if recording.seconds_of_signal() >= enough:
                break
        return report, recording

    def wav(self, name, seconds):
        path = os.path.join(self.dir, name)
        write_tone(path, seconds)
        return path

    def test_a_wav_played_once_reaches_the_sink_at_full_volume(self):
        report, recording = self.play_and_hear(0.8, self.wav("tone.wav", 1.0), "--play-ms", "2000")
        self.assertEqual(report["open"], "ok")
        self.assertEqual(report["play"], "played")
        # The tone was written at half of full scale; full volume leaves it so.
        self.assertAlmostEqual(recording.peak() / (0.5 * FULL_SCALE), 1.0, delta=0.1)
        self.assertGreater(recording.seconds_of_signal(), 0.8)

    def test_the_end_of_a_short_sound_is_not_cut_off(self):
        # Closing the stream as soon as the last sample is handed over loses
        # what the server still buffers (150 ms and more), most of a short
        # effect. The monitor itself misses 50 ms and more at the start.
        report, recording = self.play_and_hear(0.18, self.wav("short.wav", 0.3), "--play-ms", "2000")
        self.assertEqual(report["play"], "played")
        self.assertGreater(recording.seconds_of_signal(), 0.15)

    def test_a_finished_sound_lets_go_of_its_stream(self):
        # 0.3 s of sound and 2 s of drain silence are over well before 6 s,
        # even behind the two seconds a sound server may buffer.
        report, _ = self.play_and_record(self.wav("short.wav", 0.3), "--play-ms", "6000")
        self.assertEqual(report["play"], "played")
        self.assertEqual(report["holding a sound"], "no")

    def test_an_attenuation_of_2000_hundredths_of_a_decibel_is_a_tenth_of_the_level(self):
        report, recording = self.play_and_hear(
            0.5, self.wav("tone.wav", 1.0), "--attenuation", "-2000", "--play-ms", "2000"
        )
        self.assertEqual(report["play"], "played")
        # 20 dB down is a tenth of the amplitude.
        self.assertAlmostEqual(recording.peak() / (0.05 * FULL_SCALE), 1.0, delta=0.15)

    def test_a_looping_sound_repeats_until_it_is_stopped(self):
        # A quarter-second tone looped for 2.5 s, then stopped while the probe
        # stays alive for 2.5 more seconds: many rounds are heard, and far less
        # than the 5 s a loop that ignored the stop would give.
        report, recording = self.play_and_hear(
            1.0, self.wav("short.wav", 0.25), "--loop", "--play-ms", "2500", "--after-ms", "2500"
        )
        self.assertEqual(report["play"], "played")
        self.assertEqual(report["stop"], "ok")
        heard = recording.seconds_of_signal()
        self.assertGreater(heard, 1.0)
        self.assertLess(heard, 3.5)

    def test_a_missing_file_is_refused_and_silent(self):
        report, recording = self.play_and_record(
            os.path.join(self.dir, "nothing-here.wav"), "--play-ms", "300"
        )
        self.assertEqual(report["open"], "ok")
        self.assertEqual(report["play"], "file-failed")
        self.assertEqual(recording.peak(), 0)

    def test_damaged_files_never_hang_the_adapter(self):
        header = (
            b"RIFF\x24\x00\x10\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
            b"\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00"
        )
        files = {
            # Random bytes: not a WAV file at all.
            "noise.wav": os.urandom(300),
            # A data chunk that promises a megabyte and holds eight bytes.
            "truncated.wav": header + b"data\x00\x00\x10\x00abcdefgh",
            # A format no decoder knows.
            "strange.wav": header.replace(b"\x01\x00\x01\x00\x44", b"\x07\x00\x09\x00\x44")
            + b"data\x00\x10\x00\x00"
            + os.urandom(4096),
        }
        for name, content in files.items():
            with self.subTest(name):
                path = os.path.join(self.dir, name)
                with open(path, "wb") as f:
                    f.write(content)
                started = time.monotonic()
                report = self.probe(path, "--play-ms", "500")
                self.assertLess(time.monotonic() - started, 20)
                # What is there of a cut-short file plays; the rest is refused.
                expected = "played" if name == "truncated.wav" else "file-failed"
                self.assertEqual(report["play"], expected)
                self.assertEqual(report["stop"], "ok")

    def test_without_a_sound_server_the_device_fails_at_once(self):
        env = dict(self.env, PULSE_SERVER="unix:" + os.path.join(self.dir, "no-server"))
        started = time.monotonic()
        report = self.probe(self.wav("tone.wav", 1.0), "--play-ms", "200", env=env)
        self.assertLess(time.monotonic() - started, 10)
        self.assertEqual(report["open"], "failed")
        self.assertEqual(report["play"], "device-failed")
        self.assertEqual(report["stop"], "failed")


if __name__ == "__main__":
    unittest.main()
