"""An X server of its own (Xvfb on a free display) with openbox, and xdotool to drive it."""

import os
import shutil
import signal
import subprocess
import sys
import time


def begin_test(tools, shots):
    """The common start of the tests on a display of their own: returns 77 (skipped) when one
    of `tools` is missing, else None after emptying the `shots` folder. A stop from outside
    (CTest's time-out) then ends the test through its cleanup all the same."""
    missing = [t for t in tools if not shutil.which(t)]
    if missing:
        print("skipped: missing " + ", ".join(missing) + " (./test installs them)")
        return 77
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))
    return None


class WaitTimeout(AssertionError):
    """A condition the journey waited for did not come in time."""


def wait_for(what, condition, timeout=60.0, step=0.1):
    """Polls condition() until it gives a true value, which it returns; fails after timeout
    (generous: a busy machine is slow, and a failure shows itself all the same)."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise WaitTimeout(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(step)


class XSession:
    """Xvfb + openbox. Every process it starts is stopped by close(), even after a failure."""

    def __init__(self, log_dir):
        self.processes = []
        self.log_dir = log_dir
        self.env = dict(os.environ)
        try:
            self._start_server()
        except BaseException:
            self.close()
            raise

    def _start_server(self):
        read_end, write_end = os.pipe()
        # -displayfd: the server picks a free display itself and writes its number.
        self._start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"], "xvfb", pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start (see xvfb.log)")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display
        self.env.pop("WAYLAND_DISPLAY", None)
        self._start(["openbox", "--sm-disable"], "openbox")
        wait_for("openbox", self._window_manager_runs)

    def _window_manager_runs(self):
        result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                capture_output=True, text=True, timeout=10)
        return "window id" in result.stdout

    def _start(self, command, name, **options):
        log = open(os.path.join(self.log_dir, name + ".log"), "w")
        process = subprocess.Popen(command, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True, **options)
        self.processes.append(process)
        return process

    def start(self, command, name, env=None):
        """Starts a program on this display, logging to <name>.log; stopped by close()."""
        merged = dict(self.env)
        merged.update(env or {})
        log = open(os.path.join(self.log_dir, name + ".log"), "w")
        process = subprocess.Popen(command, env=merged, stdout=log, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                    process.wait(timeout=5)
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    try:
                        os.killpg(process.pid, signal.SIGKILL)
                    except ProcessLookupError:
                        pass
                    process.wait()

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=20)
        return result.stdout.strip() if result.returncode == 0 else ""

    def search(self, *args):
        """Window ids matching an xdotool search, as a list of texts."""
        out = self.xdotool("search", *args)
        return out.split() if out else []

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def click(self, window, x, y):
        """Left click at (x, y) inside a window, activated first as a pupil's first click
        would."""
        self.activate(window)
        self.xdotool("mousemove", "--window", window, str(x), str(y))
        time.sleep(0.1)
        self.xdotool("click", "1")

    def window_image(self, window, part=None):
        """The window's pixels as it is on the screen now (PPM bytes); part: only the
        rectangle (x, y, width, height) inside it."""
        crop = ["-crop", "{2}x{3}+{0}+{1}".format(*part), "+repage"] if part else []
        return subprocess.run(["import", "-window", window, *crop, "ppm:-"], env=self.env,
                              capture_output=True, timeout=30).stdout

    def settled_image(self, window, part=None, accept=lambda image: True,
                      what="the window to settle"):
        """Waits until two looks at the window (or its part) 0.3 s apart agree on an image
        that accept(image) takes; returns that image."""
        last = [None]

        def settled():
            now = self.window_image(window, part)
            same, last[0] = now == last[0], now
            return now if same and accept(now) else None

        return wait_for(what, settled, step=0.3)

    def close_window(self, window):
        """Asks a window to close as a desktop's close button does: the window manager sends
        it WM_DELETE_WINDOW (no key binding, focus or pointer involved)."""
        subprocess.run(["wmctrl", "-i", "-c", hex(int(window))], env=self.env, check=True,
                       capture_output=True, timeout=20)

    def activate(self, window):
        self.xdotool("windowactivate", "--sync", window)

    def key(self, window, *keys):
        """Presses keys with the window active (openbox passes them to its focus)."""
        self.activate(window)
        self.xdotool("key", "--clearmodifiers", "--delay", "60", *keys)

    def type(self, window, text):
        self.activate(window)
        self.xdotool("type", "--clearmodifiers", "--delay", "40", text)

    def pixel(self, window, x, y):
        """The (red, green, blue) on the screen at (x, y) inside a window."""
        left, top, _, _ = self.geometry(window)
        out = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{left + x}+{top + y}",
                              "-depth", "8", "txt:-"], env=self.env, capture_output=True,
                             text=True, timeout=30).stdout
        colour = out.splitlines()[-1].split("(")[1].split(")")[0]
        return tuple(int(float(c)) for c in colour.split(",")[:3])

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       capture_output=True, timeout=30)
