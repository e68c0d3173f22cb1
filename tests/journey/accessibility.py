#!/usr/bin/env python3
"""What a screen reader finds of the installed program over AT-SPI: the controls of the main
window and of a practice window named and of the right role, Tab into the question page and
out of it, a paper opened and marked through the press actions of their buttons, and the
pop-up box as an alert telling its message.
Runs on an X server and a session bus of its own, which starts the accessibility bus."""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from journey import Journey, parse_arguments  # noqa: E402  (install and start as the journey does)
from records import Package  # noqa: E402
from xsession import XSession, begin_test, wait_for  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "dbus-run-session")

MAIN_BUTTONS = ["Home", "Report", "Print", "Close", "Help", "Minimise",
                "Paper 1, 1st attempt", "Paper 5, 1st attempt"]
PRACTICE_BUTTONS = ["Save", "Mark", "Print", "Close", "Back", "Next", "Maximise",
                    "Hide answer sheet"]


def controls(node, found=None):
    """(role name, name, object) of every object under node."""
    found = [] if found is None else found
    for child in node:
        if child is None:
            continue
        found.append((child.getRoleName(), child.name, child))
        controls(child, found)
    return found


def program(pyatspi):
    """The program's application object in the accessibility tree, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is not None and application.name == "orlavine":
            return application
    return None


def named(pyatspi, role, name):
    """The program's first object of `role` named `name`, or None."""
    application = program(pyatspi)
    if application is None:
        return None
    for found_role, found_name, node in controls(application):
        if found_role == role and found_name == name:
            return node
    return None


def check(pyatspi, role, names, where):
    """Waits until the program shows an object of `role` by each of `names`."""
    for name in names:
        wait_for(f'{where}: a {role} named "{name}"', lambda: named(pyatspi, role, name))


def focused(pyatspi):
    """(role name, name) of the program's control with the keyboard focus, its page's
    document aside (focused within the page whatever the window's focus)."""
    for role, name, node in controls(program(pyatspi)):
        if role not in ("document web", "filler") or name:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return role, name
    return None


def unnamed_buttons(pyatspi):
    """The buttons on show that have no name."""
    return [node for role, name, node in controls(program(pyatspi))
            if role == "push button" and not name
            and node.getState().contains(pyatspi.STATE_SHOWING)]


def run(args, work):
    import pyatspi
    package = Package(args.package)
    journey = Journey(args, work)
    executable = journey.install()
    journey.session = session = XSession(work)
    try:
        journey.start_program(executable)
        first_tab, first_topic = package.settings["LAH"][0], package.topic_name(1, 1)
        check(pyatspi, "push button", MAIN_BUTTONS + [first_tab, first_topic], "main window")
        assert not unnamed_buttons(pyatspi), "a button of the main window has no name"
        # A paper opened as a screen reader user opens it: the press action of its button.
        named(pyatspi, "push button", "Paper 1, 1st attempt").queryAction().doAction(0)
        check(pyatspi, "push button", PRACTICE_BUTTONS, "practice window")
        check(pyatspi, "text", ["Answer (a)"], "practice window")
        wait_for("the answered count", lambda: any(
            role == "label" and name.startswith("Questions answered: 0 / ")
            for role, name, _ in controls(program(pyatspi))))
        assert not unnamed_buttons(pyatspi), "a button of the practice window has no name"
        # Tab moves into the question page and out of it again, both ways.
        practice = journey.window_named(f"{first_topic} - Paper 1")
        page = ("filler", "Question page")

        def press(key):
            before = focused(pyatspi)
            session.key(practice, key)
            return wait_for(f"{key} to move the focus from {before}",
                            lambda: focused(pyatspi) not in (before, None) and focused(pyatspi))

        wait_for("an answer box focused", lambda: focused(pyatspi) == ("text", "Answer (a)"))
        if not any(press("Tab") == page for _ in range(30)):
            raise AssertionError("Tab did not reach the question page")
        assert press("Tab") != page, "Tab did not leave the question page"
        assert press("shift+Tab") == page, "Shift+Tab did not go back into the question page"
        assert press("shift+Tab") != page, "Shift+Tab did not leave the question page"
        # Mark with nothing answered: the pop-up box tells its question as an alert.
        named(pyatspi, "push button", "Mark").queryAction().doAction(0)
        alert = wait_for("the pop-up box as an alert", lambda: next(
            (node for role, _, node in controls(program(pyatspi)) if role == "alert"), None))
        assert alert.name == "Marking" and alert.description.startswith(
            "You have not answered all the questions."), \
            f"the pop-up box tells {alert.name!r}: {alert.description!r}"
        no = next(node for role, name, node in controls(alert)
                  if role == "push button" and name == "No")
        no.queryAction().doAction(0)
        wait_for("the pop-up box to close", lambda: not any(
            role == "alert" for role, _, _ in controls(program(pyatspi))))
    finally:
        session.close()


def main():
    args = parse_arguments()
    skipped = begin_test(TOOLS, args.shots)
    if skipped:
        return skipped
    if "ORLAVINE_OWN_BUS" not in os.environ:
        # Again on a session bus of its own, which starts the accessibility bus on demand.
        try:
            import pyatspi  # noqa: F401
        except ImportError:
            print("skipped: missing python3-pyatspi (./test installs it)")
            return 77
        if not os.path.exists(BUS_LAUNCHER):
            print("skipped: missing at-spi2-core (./test installs it)")
            return 77
        os.environ["ORLAVINE_OWN_BUS"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    work = tempfile.mkdtemp(prefix="orlavine-accessibility-")
    try:
        run(args, work)
        print("accessibility passed")
        return 0
    except AssertionError as failure:
        print(f"FAILED: {failure}")
        path = os.path.join(work, "orlavine.log")
        if os.path.exists(path):
            print("--- orlavine.log\n" + open(path, errors="replace").read()[-4000:])
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
