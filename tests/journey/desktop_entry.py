#!/usr/bin/python3
"""The Debian package from outside: made from the build tree, its contents and desktop entry
checked; then, as root, installed, started from its desktop entry the way a desktop starts it
(gio launch) on an X server of its own, closed, and removed again.

Usage: desktop_entry.py --build BUILD_DIR --package PACKAGE_DIR --shots SHOTS_DIR [--cpack CPACK]
Exits 77 (skipped) after the package checks when not root or when an orlavine package is
already installed.
"""

import argparse
import configparser
import contextlib
import glob
import os
import shlex
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean of __pycache__

from records import LearnerFiles, Package, RecordError
from xsession import XSession, begin_test, wait_for

PACKAGE_TOOLS = ("dpkg-deb", "desktop-file-validate")
SESSION_TOOLS = ("gio", "Xvfb", "openbox", "xdotool", "xprop", "import", "wmctrl")
# Where a desktop looks for programs and icons when nothing else is set.
SYSTEM_PATH = ("/usr/local/sbin", "/usr/local/bin", "/usr/sbin", "/usr/bin", "/sbin", "/bin")
DATA_DIRS = ("/usr/local/share", "/usr/share")
# The libraries the program links: shlibdeps must have found each one's package.
NEEDED = {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
          "libqt6printsupport6", "libqt6webenginewidgets6"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def make_deb(args, work):
    out = os.path.join(work, "deb")
    run(args.cpack, "-G", "DEB", "--config", os.path.join(args.build, "CPackConfig.cmake"),
        "-B", out)
    debs = glob.glob(os.path.join(out, "*.deb"))
    assert len(debs) == 1, f"cpack made {debs}"
    return debs[0]


def check_deb(deb, tree):
    """Checks the package's fields and files; returns (files, executable, desktop entry)."""
    fields = dict(line.split(": ", 1) for line in run("dpkg-deb", "-f", deb).splitlines()
                  if ": " in line)
    assert fields.get("Package") == "orlavine", f"the package is named {fields.get('Package')}"
    assert fields.get("Architecture") == run("dpkg", "--print-architecture").strip()
    depends = {alt.split()[0] for d in fields.get("Depends", "").split(",")
               for alt in d.split("|") if alt.strip()}
    assert NEEDED <= depends, f"Depends lacks {sorted(NEEDED - depends)}"
    files = []
    for line in run("dpkg-deb", "-c", deb).splitlines():
        mode, owner, *_ = line.split(None, 5)
        path = line.split(None, 5)[5].split(" -> ")[0].lstrip(".").rstrip("/")
        assert owner == "root/root", f"{path} belongs to {owner}"
        if mode[0] != "d":
            files.append(path)
    programs = [f for f in files if f.endswith("/bin/orlavine")]
    assert len(programs) == 1, f"the package holds the executable {len(programs)} times"
    prefix = programs[0][:-len("/bin/orlavine")]
    stray = [f for f in files if not f.startswith(prefix + "/")]
    assert not stray, f"files outside {prefix}: {stray}"
    assert os.access(tree + programs[0], os.X_OK), "bin/orlavine is not executable"
    entry = f"{prefix}/share/applications/orlavine.desktop"
    assert entry in files, f"the package holds no {entry}"
    print(f"package: {os.path.basename(deb)}, {os.path.getsize(deb) / 1e6:.1f} MB, "
          f"{len(files)} files under {prefix}\nDepends: {fields['Depends']}")
    return files, programs[0], entry


def check_entry(tree, entry, program, files):
    """desktop-file-validate, then Exec and Icon resolved as a desktop does; returns the icon."""
    result = subprocess.run(["desktop-file-validate", tree + entry], capture_output=True,
                            text=True)
    assert result.returncode == 0 and not result.stdout.strip(), \
        f"desktop-file-validate:\n{result.stdout}{result.stderr}"
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(tree + entry, encoding="utf-8")
    values = parser["Desktop Entry"]
    command = shlex.split(values["Exec"])[0]
    found = command if os.path.isabs(command) else next(
        (f"{d}/{command}" for d in SYSTEM_PATH if f"{d}/{command}" in files), None)
    assert found == program, f"Exec={values['Exec']} does not start {program}"
    icon = values["Icon"]
    icons = [icon] if os.path.isabs(icon) else [
        f for f in files for d in DATA_DIRS
        if f.startswith(f"{d}/icons/hicolor/") and f.endswith(f"/apps/{icon}.png")]
    assert icons and icons[0] in files, f"Icon={icon} names no icon of the package"
    with open(tree + icons[0], "rb") as png:
        header = png.read(24)
    assert header[:8] == b"\x89PNG\r\n\x1a\n", f"{icons[0]} is not a PNG"
    size = "{}x{}".format(*struct.unpack(">II", header[16:24]))
    assert f"/{size}/" in icons[0], f"{icons[0]} is {size}"
    return icons[0]


def installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "orlavine"],
                            capture_output=True, text=True).stdout.split()
    return bool(status) and status[-1] not in ("not-installed", "config-files")


def dpkg(*args):
    """dpkg, waiting up to a minute while another package tool holds its lock."""
    deadline = time.monotonic() + 60
    while True:
        result = subprocess.run(["dpkg", *args], capture_output=True, text=True)
        if result.returncode == 0:
            return
        if "lock" not in result.stderr or time.monotonic() > deadline:
            raise AssertionError(f"dpkg {' '.join(args)}:\n{result.stdout}{result.stderr}")
        time.sleep(2)


def start_from_entry(args, work, entry, program):
    """gio launch on the entry under a fresh HOME; the main window shown, closed, gone."""
    package = Package(args.package)
    home = os.path.join(work, "home")
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = {"HOME": home, "XDG_DATA_HOME": f"{home}/.local/share", "XDG_RUNTIME_DIR": runtime,
           "XDG_CONFIG_HOME": f"{home}/.config", "QT_QPA_PLATFORM": "xcb",
           "LC_ALL": "C.UTF-8", "QTWEBENGINE_DISABLE_SANDBOX": "1"}
    bindir = os.path.dirname(program)
    before = set(os.listdir(bindir))
    beside = lambda: sorted(set(os.listdir(bindir)) - before)  # what the program wrote there
    session = XSession(work)
    # gio ends once it has started the program, which stays in gio's process group.
    started = time.monotonic()
    launcher = session.start(["gio", "launch", entry], "orlavine", env)
    try:
        pattern = "^" + package.name.replace("(", "\\(").replace(")", "\\)") + "$"
        window = wait_for(f'the window "{package.name}"', lambda: next(
            iter(session.search("--onlyvisible", "--name", pattern)), None), timeout=60)
        print(f"main window shown {time.monotonic() - started:.1f} s after gio launch")
        assert launcher.wait(timeout=60) == 0, "gio launch failed"
        pid = int(session.xdotool("getwindowpid", window))
        assert os.readlink(f"/proc/{pid}/exe") == os.path.realpath(program), \
            "the window is not the installed program's"
        folder = os.path.join(env["XDG_DATA_HOME"], "orlavine")
        wait_for(f"the learner files in {folder}",
                 lambda: written(folder, package.code) or beside(), timeout=60)
        assert not beside(), f"the program wrote beside itself in {bindir}: {beside()}"
        time.sleep(1)
        session.screenshot(os.path.join(args.shots, "main-window.png"))
        session.close_window(window)
        wait_for("the program to end", lambda: not running(pid), timeout=60)
        assert not beside(), f"the program wrote beside itself in {bindir}: {beside()}"
    except BaseException:
        with contextlib.suppress(Exception):
            session.screenshot(os.path.join(args.shots, "failure.png"))
        raise
    finally:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(launcher.pid, signal.SIGKILL)
        session.close()
        # dpkg -r would leave them among the system's programs.
        for name in beside():
            path = os.path.join(bindir, name)
            if os.path.isdir(path):
                shutil.rmtree(path)
            else:
                os.remove(path)


def written(folder, code):
    """True once the first module's learner files are all there and read whole."""
    try:
        return LearnerFiles(folder, 1, code).complete()
    except (RecordError, OSError):
        return False


def running(pid):
    """True while the process lives (a zombie waiting for its parent counts as ended)."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--package", required=True, help="the package built into the program")
    parser.add_argument("--shots", required=True)
    parser.add_argument("--cpack", default="cpack")
    args = parser.parse_args()
    skipped = begin_test(PACKAGE_TOOLS, args.shots)
    if skipped:
        return skipped
    work = tempfile.mkdtemp(prefix="orlavine-deb-")
    ours = False
    try:
        deb = make_deb(args, work)
        tree = os.path.join(work, "tree")
        run("dpkg-deb", "-x", deb, tree)
        files, program, entry = check_deb(deb, tree)
        icon = check_entry(tree, entry, program, files)
        missing = [t for t in SESSION_TOOLS if not shutil.which(t)]
        reason = ("not root" if os.geteuid() != 0 else
                  "an orlavine package is installed already" if installed() else
                  "missing " + ", ".join(missing) if missing else None)
        if reason:
            print(f"package checks passed; installing skipped: {reason}")
            return 77
        ours = True
        dpkg("-i", deb)
        assert os.path.isfile(icon), f"the icon {icon} is not installed"
        start_from_entry(args, work, entry, program)
        dpkg("-r", "orlavine")
        left = [f for f in files if os.path.lexists(f)]
        assert not left and not installed(), f"dpkg -r left {left}"
        print("installed, started from its desktop entry, closed and removed")
        return 0
    except (AssertionError, subprocess.CalledProcessError) as failure:
        print(f"FAILED: {failure}\n{getattr(failure, 'stderr', '') or ''}")
        for log in glob.glob(os.path.join(work, "*.log")):
            print(f"--- {os.path.basename(log)}\n" + open(log, errors="replace").read()[-3000:])
        return 1
    finally:
        if ours and installed():
            subprocess.run(["dpkg", "-r", "orlavine"], capture_output=True)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
