#!/usr/bin/python3
"""One pupil's whole journey through the installed program, driven from outside with xdotool.

Installs the build into a temporary prefix, starts <prefix>/bin/orlavine --folder <folder> on
an X server of its own with openbox, and goes: start, choose a topic, open a paper, answer,
Next, save, close, reopen, mark, a worked solution, second attempt, mark, the report's four
sections and a question to practise opened from it, print the card, erase every result, close
the program. After each step it checks the learner files;
it keeps a screenshot of each step in the shots folder.

Usage: journey.py --build BUILD_DIR --package PACKAGE_DIR --shots SHOTS_DIR [--keep]
"""

import argparse
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean of __pycache__

from records import Package, LearnerFiles, RecordError
from xsession import XSession, begin_test, wait_for

TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "import", "pdftotext")
MODULE = 1
TOPIC = 2
PAPER = 1

# Places in the main window (pixels at 96 dpi, from the window's top-left corner).
TOPIC_ENTRY = lambda k: (75, 159 + 24 * (k - 1))
FIRST_ATTEMPT = lambda p: (301, 200 + 62 * (p - 1))
SECOND_ATTEMPT = lambda p: (301, 221 + 62 * (p - 1))
TOOL = lambda n: (42 + 60 * (n - 1), 95)  # Home, Report, Print, Close / About, Trash, -, Setup
NUMBER_TAB = (50, 50)
HELP_TAB = (329, 53)
TRASH_BUTTON = (202, 257)
TRASH_YES = (152, 257)
# Points on the report's section headers when they are open (dark blue bars), one under
# the other: Overall at the top, then Topical, Trend, What to Practise Next.
REPORT_HEADER_POINTS = {"overall": (300, 124), "topical": (300, 149), "trend": (300, 173),
                        "practise": (300, 197)}
# The report's closed section headers sit at the bottom: distances from the window's bottom.
TOPICAL_HEADER_FROM_BOTTOM = (60, 66)
TREND_HEADER_FROM_BOTTOM = (60, 42)
PRACTISE_HEADER_FROM_BOTTOM = (60, 17)
# The first question to practise, under its topic's name, once that section is open.
FIRST_TO_PRACTISE = (120, 270)
# Places in a practice window: its tool bar, from the left.
PRACTICE_TOOL = {"save": (40, 60), "mark": (104, 60), "close": (232, 60)}
FIRST_ANSWER_BOX = (595, 101)
# A part of a practice window's page viewer that a question page draws in.
VIEWER_PART = (20, 130, 400, 300)


class Journey:
    def __init__(self, args, work):
        self.args = args
        self.work = work
        self.shots = args.shots
        self.step_number = 0
        self.session = None
        self.program = None
        # The paper the pupil works: its number in the module and its window's caption.
        self.index = (TOPIC - 1) * 5 + PAPER
        self.caption = None

    # --- set-up -------------------------------------------------------------------------

    def install(self):
        prefix = os.path.join(self.work, "prefix")
        subprocess.run([self.args.cmake, "--install", self.args.build, "--prefix", prefix],
                       check=True, capture_output=True)
        executable = os.path.join(prefix, "bin", "orlavine")
        assert os.access(executable, os.X_OK), "the install left no bin/orlavine"
        return executable

    def start_program(self, executable):
        self.folder = os.path.join(self.work, "folder")
        os.makedirs(self.folder)
        env = {"QT_QPA_PLATFORM": "xcb", "LC_ALL": "C.UTF-8",
               "XDG_CONFIG_HOME": os.path.join(self.work, "config"),
               "XDG_DATA_HOME": os.path.join(self.work, "data")}
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        self.command, self.env = [executable, "--folder", self.folder], env
        self.program = self.session.start(self.command, "orlavine", env)
        self.pid = str(self.program.pid)

    # --- windows ------------------------------------------------------------------------

    def visible_windows(self):
        return set(self.session.search("--onlyvisible", "--pid", self.pid))

    def window_named(self, caption, timeout=60):
        pattern = "^" + caption.replace("(", "\\(").replace(")", "\\)") + "$"

        def find():
            self.check_running()
            found = [w for w in self.session.search("--onlyvisible", "--name", pattern)]
            return found[0] if found else None

        return wait_for(f'the window "{caption}"', find, timeout)

    def window_gone(self, window):
        wait_for("a window to close", lambda: window not in self.visible_windows())

    def viewer_loaded(self):
        """Whether the program has loaded its practice windows' page viewer (Qt WebEngine)."""
        with open(f"/proc/{self.pid}/maps") as maps:
            return "libQt6WebEngineCore" in maps.read()

    def check_running(self):
        if self.program.poll() is not None:
            raise AssertionError(f"the program ended (exit status {self.program.returncode})")

    def answer_popup(self, before, key="Return", what="the pop-up box"):
        """Waits for a window that was not in `before` (the program's pop-up box), takes a
        screenshot, then answers it with `key` and waits for it to go."""
        def new_window():
            self.check_running()
            fresh = self.visible_windows() - before
            return sorted(fresh)[0] if fresh else None

        popup = wait_for(what, new_window)
        time.sleep(0.3)
        self.popups += 1
        self.shot(f"popup{self.popups}")
        self.session.key(popup, key)
        self.window_gone(popup)

    def click_and_answer(self, window, place, key="Return", what="the pop-up box"):
        before = self.visible_windows()
        self.session.click(window, *place)
        self.answer_popup(before, key, what)

    def click_and_see(self, window, place, what):
        """Clicks at place and waits until the window looks different: the pointer is brought
        there first, so its hover pictures are in place before the window is compared."""
        self.session.activate(window)
        self.session.xdotool("mousemove", "--window", window, str(place[0]), str(place[1]))
        before = self.session.settled_image(window, what="the hover pictures")
        self.session.click(window, *place)
        wait_for(what, lambda: self.session.window_image(window) != before)

    def page_shown(self, window, before=None):
        """Waits until a practice window's viewer shows a page that has settled: not a
        blank one, and not `before` (the page it showed before). Returns its pixels."""
        def drawn(image):
            pixels = image.split(b"\n", 3)[3]  # after the PPM header
            return image != before and pixels != pixels[:3] * (len(pixels) // 3)

        return self.session.settled_image(window, VIEWER_PART, drawn, "the question page")

    def header_at(self, window, section):
        """True when a report section header (dark blue) is where it is once that section
        is open."""
        red, _, blue = self.session.pixel(window, *REPORT_HEADER_POINTS[section])
        return red < 100 and blue > 150 and blue - red > 80

    # --- records ------------------------------------------------------------------------

    def step(self, name):
        self.step_number += 1
        self.current = f"{self.step_number:02d}-{name}"
        self.popups = 0
        print(f"step {self.current}", flush=True)

    def shot(self, suffix=""):
        time.sleep(0.2)
        name = self.current + (f"-{suffix}" if suffix else "") + ".png"
        self.session.screenshot(os.path.join(self.shots, name))

    def assert_unchanged(self, snapshot, action):
        now = LearnerFiles(self.folder, MODULE, self.package.code).snapshot()
        changed = sorted(name for name in snapshot if now[name] != snapshot[name])
        assert not changed, f"{action} changed {', '.join(changed)}"

    def wait_files(self, what, condition):
        """Waits until the learner files, read afresh, satisfy condition(files)."""
        def check():
            try:
                files = LearnerFiles(self.folder, MODULE, self.package.code)
                return files if condition(files) else None
            except (RecordError, OSError):
                return None
        return wait_for(what, check)

    # --- the journey --------------------------------------------------------------------

    def run(self):
        self.package = Package(self.args.package)
        self.caption = f"{self.package.topic_name(MODULE, TOPIC)} - Paper {PAPER}"
        self.check_paper()
        executable = self.install()
        self.session = XSession(self.work)
        self.start_program(executable)
        self.first_attempt()
        self.second_attempt()
        self.report_and_card()
        self.erase_and_close()

    def check_paper(self):
        """The journey types the first answer of each key: its first two questions must take
        plain answers (no group of answers in any order)."""
        for question in self.package.paper_questions(MODULE, self.index)[:2]:
            types = self.package.types(MODULE, question)
            assert "G" not in types, \
                f"question {question} of paper {self.index} takes answers in any order"

    def first_attempt(self):
        """Start, choose a topic, open a paper, answer, Next, save, close, reopen, mark."""
        self.step("start")
        self.main = main = self.window_named(self.package.name)
        files = self.wait_files("fresh learner files", lambda f: f.complete())
        assert files.marks("FST") == ["0"] * 50 and files.marks("FSE") == [""] * 50, \
            "a fresh start has scores"
        assert files.trend() == [], "a fresh start has a trend"
        # The start does not wait for the page viewer: it is warmed once the program is idle.
        wait_for("the page viewer warmed while idle", self.viewer_loaded)
        self.shot()
        untouched = files.snapshot()

        self.step("second-copy")
        # A second start on the same folder hands over to the running copy and ends.
        second = self.session.start(self.command, "orlavine-second", self.env)
        wait_for("the second copy to end", lambda: second.poll() is not None)
        assert second.returncode == 0, f"the second copy ended with {second.returncode}"
        self.check_running()
        assert self.window_named(self.package.name) == main, "the main window changed"
        self.assert_unchanged(untouched, "starting a second copy")

        self.step("choose-topic")
        self.click_and_see(main, TOPIC_ENTRY(TOPIC), "the topic's papers")
        self.shot()
        self.assert_unchanged(untouched, "choosing a topic")

        index = self.index
        caption = self.caption
        questions = self.package.paper_questions(MODULE, index)
        first_keys = self.package.keys(MODULE, questions[0])
        slots = sum(len(self.package.keys(MODULE, q)) for q in questions)

        self.step("open-paper")
        self.session.click(main, *FIRST_ATTEMPT(PAPER))
        practice = self.window_named(caption)
        self.page_shown(practice)
        assert self.viewer_loaded(), "a paper is open without the page viewer"
        self.shot()
        self.assert_unchanged(untouched, "opening a paper")

        self.step("answer")
        # The first box is clicked: on opening, the keyboard focus is not in it.
        self.session.click(practice, *FIRST_ANSWER_BOX)
        for i, key in enumerate(first_keys):
            if i:
                self.session.key(practice, "Tab")
            self.session.type(practice, self.package.typed_answer(key))
        self.shot()
        self.assert_unchanged(untouched, "typing answers")

        self.step("next")
        self.session.key(practice, "Next")  # Page Down
        files = self.wait_files("the answers of question 1 saved by Next",
                                lambda f: f.answers("first", index)[:len(first_keys)] ==
                                [self.package.typed_answer(k) for k in first_keys])
        assert files.marks("FST")[index - 1] == "0", "Next marked the paper"
        self.shot()

        self.step("save")
        wrong = "zz"
        self.session.type(practice, wrong)
        before = self.visible_windows()
        self.session.key(practice, "ctrl+s")
        self.answer_popup(before, what='"Paper saved"')
        files = self.wait_files("the wrong answer saved",
                                lambda f: f.answers("first", index)[len(first_keys)] == wrong)
        assert len(files.answers("first", index)) == slots, "the answer line lost fields"
        saved = files.snapshot()

        self.step("same-paper")
        # The paper's button while it is open: the same window comes to the front.
        self.session.type(practice, "9")
        self.session.click(main, *FIRST_ATTEMPT(PAPER))
        wait_for("the practice window in front",
                 lambda: self.session.xdotool("getactivewindow") == practice)
        assert self.window_named(caption) == practice, "the paper was opened again"
        self.shot()
        self.assert_unchanged(saved, "the open paper's button")

        self.step("close")
        self.click_and_answer(practice, PRACTICE_TOOL["close"], what='"Confirm?"')
        self.window_gone(practice)
        self.shot()
        self.assert_unchanged(saved, "closing after a save")

        self.step("reopen")
        self.session.click(main, *FIRST_ATTEMPT(PAPER))
        practice = self.window_named(caption)
        self.page_shown(practice)
        self.shot()
        self.assert_unchanged(saved, "reopening the paper")

        self.step("mark")
        self.click_and_answer(practice, PRACTICE_TOOL["mark"], what="the marking question")
        # The marks file is written before the trend: wait for both.
        files = self.wait_files("the first attempt marked", lambda f: (
            f.marks("FST")[index - 1] == "1" and len(f.trend()) == 1))
        first_score = files.percent("FSE", index)
        results = files.answers("fresults", index)
        assert results[:len(first_keys)] == ["\u00fc"] * len(first_keys), \
            f"question 1 answered right is not all ticked: {results}"
        assert results[len(first_keys)] == "\u00fb", "the wrong answer is not crossed"
        assert 0 < first_score < 100, f"first attempt scored {first_score}"
        assert files.marks("LTM")[index - 1] and files.marks("CDD")[index - 1], \
            "no time taken or date"
        assert len(files.trend()) == 1 and files.percent_text(files.trend()[0]) == first_score
        first_marked = files.snapshot()
        time.sleep(1)
        self.shot()

        self.step("solution")
        question_page = self.page_shown(practice)
        self.session.key(practice, "ctrl+e")
        self.page_shown(practice, question_page)
        self.shot()
        self.assert_unchanged(first_marked, "showing a worked solution")
        self.click_and_answer(practice, PRACTICE_TOOL["close"], what='"Confirm?"')
        self.window_gone(practice)
        self.shot("home")
        self.assert_unchanged(first_marked, "closing a marked paper")
        self.first_score = first_score
        self.first_marked = first_marked

    def second_attempt(self):
        """The second attempt: question 2 answered right this time, then marked."""
        main, index, caption = self.main, self.index, self.caption
        first_score, first_marked = self.first_score, self.first_marked
        questions = self.package.paper_questions(MODULE, index)
        first_keys = self.package.keys(MODULE, questions[0])
        second_keys = self.package.keys(MODULE, questions[1])

        self.step("second-attempt")
        self.session.click(main, *SECOND_ATTEMPT(PAPER))
        practice = self.window_named(caption)
        first_page = self.page_shown(practice)
        self.shot()
        self.assert_unchanged(first_marked, "opening the second attempt")
        self.session.key(practice, "Next")
        self.page_shown(practice, first_page)
        for i, key in enumerate(second_keys):
            if i:
                self.session.key(practice, "Tab")
            self.session.type(practice, self.package.typed_answer(key))
        self.shot("answered")

        self.step("mark-second")
        self.click_and_answer(practice, PRACTICE_TOOL["mark"], what="the marking question")
        files = self.wait_files("the second attempt marked",
                                lambda f: f.marks("SST")[index - 1] == "1")
        second_score = files.percent("SSE", index)
        assert second_score > first_score, f"second attempt {second_score} <= {first_score}"
        assert files.percent("FSE", index) == first_score, "the first score changed"
        assert len(files.trend()) == 1, "a second attempt added to the trend"
        second_results = files.answers("sresults", index)
        start = len(first_keys)
        assert second_results[start:start + len(second_keys)] == ["\u00fc"] * len(second_keys), \
            f"question 2 answered right in the second attempt is not ticked: {second_results}"
        marked = files.snapshot()
        time.sleep(1)
        self.shot()
        self.click_and_answer(practice, PRACTICE_TOOL["close"], what='"Confirm?"')
        self.window_gone(practice)
        self.assert_unchanged(marked, "closing the marked second attempt")
        self.marked = marked

    def report_and_card(self):
        """The report's four sections, a question to practise opened, then the card printed."""
        main, marked = self.main, self.marked
        self.step("report")
        assert not self.header_at(main, "overall"), "the home page looks like the report"
        self.session.click(main, *TOOL(2))
        wait_for("the report page", lambda: self.header_at(main, "overall"))
        assert not self.header_at(main, "topical"), "the report opened on another section"
        self.shot("overall")
        height = self.session.geometry(main)[3]
        self.session.click(main, TOPICAL_HEADER_FROM_BOTTOM[0],
                           height - TOPICAL_HEADER_FROM_BOTTOM[1])
        wait_for("the topical section", lambda: self.header_at(main, "topical"))
        assert not self.header_at(main, "trend"), "the trend section opened too"
        self.shot("topical")
        self.session.click(main, TREND_HEADER_FROM_BOTTOM[0], height - TREND_HEADER_FROM_BOTTOM[1])
        wait_for("the trend section", lambda: self.header_at(main, "trend"))
        assert not self.header_at(main, "practise"), "the practise section opened too"
        self.shot("trend")
        self.session.click(main, PRACTISE_HEADER_FROM_BOTTOM[0],
                           height - PRACTISE_HEADER_FROM_BOTTOM[1])
        wait_for("the practise section", lambda: self.header_at(main, "practise"))
        self.shot("practise")
        # Its first entry opens the marked second attempt at that question, solution shown.
        self.session.click(main, *FIRST_TO_PRACTISE)
        practice = self.window_named(self.caption)
        self.page_shown(practice)
        self.shot("solution")
        self.click_and_answer(practice, PRACTICE_TOOL["close"], what='"Confirm?"')
        self.window_gone(practice)
        self.assert_unchanged(marked, "the report")

        self.step("print")
        if os.environ.get("ORLAVINE_TEST_PRINTER"):
            self.print_card(main)
        else:
            print("  skipped: no test printer (./test starts one, ORLAVINE_TEST_PRINTER)")

    def erase_and_close(self):
        """Help tab, Trash, Trash, Yes: every result erased after a backup; then Close."""
        main, marked = self.main, self.marked
        self.step("trash")
        self.click_and_see(main, HELP_TAB, "the Help tab")
        self.click_and_see(main, TOOL(2), "the page that erases results")
        self.shot("page")
        self.click_and_see(main, TRASH_BUTTON, '"Are you sure?"')
        self.shot("sure")
        self.session.click(main, *TRASH_YES)
        # The six files are rewritten one after the other, the trend last.
        files = self.wait_files("every result erased", lambda f: (
            f.marks("FST") == ["0"] * 50 and f.marks("SST") == ["0"] * 50 and
            f.marks("FSE") == [""] * 50 and f.trend() == [] and
            all(a == "" for a in f.answers("first", self.index))))
        backups = glob.glob(os.path.join(self.folder, "Backup", "*", f"marks{MODULE}*.txt"))
        assert backups, "nothing was backed up before erasing"
        with open(backups[0], "rb") as backup:
            assert backup.read() == marked[os.path.basename(backups[0])], \
                "the backup is not the marks file as it was"
        self.shot("done")
        erased = files.snapshot()

        self.step("close-program")
        # A paper left open with an answer typed: closing the program saves it.
        self.click_and_see(main, NUMBER_TAB, "the first module's tab")
        self.click_and_see(main, TOPIC_ENTRY(TOPIC), "the topic's papers")
        self.session.click(main, *FIRST_ATTEMPT(PAPER))
        practice = self.window_named(self.caption)
        self.page_shown(practice)
        self.session.click(practice, *FIRST_ANSWER_BOX)
        self.session.type(practice, "4")  # a choice takes one digit
        self.shot()
        self.session.click(main, *TOOL(4))
        wait_for("the program to end", lambda: self.program.poll() is not None)
        assert self.program.returncode == 0, f"the program ended with {self.program.returncode}"
        files = LearnerFiles(self.folder, MODULE, self.package.code)
        assert files.answers("first", self.index)[0] == "4", "the answer on screen was lost"
        erased.pop(os.path.basename(files.paths["first"]))
        self.assert_unchanged(erased, "closing the program")

    def print_card(self, main):
        """Prints the card and waits for a new PDF in the printer's folder whose text has the
        paper's row (both scores, the time taken, the date) under its topic; other programs
        may print to the same folder meanwhile."""
        outputs = [os.path.expanduser("~/PDF"), "/root/PDF"]
        existing = {p for d in outputs for p in glob.glob(os.path.join(d, "*.pdf"))}
        files = LearnerFiles(self.folder, MODULE, self.package.code)
        index = self.index
        values = [files.marks(key)[index - 1] for key in ("FSE", "LTM", "CDD", "SSE")]
        assert all(values), f"the marks file lacks a value of paper {index}: {values}"
        topic = self.package.topic_name(MODULE, TOPIC)
        self.session.click(main, *TOOL(3))
        seen = {}

        def printed_card():
            self.check_running()
            for path in {p for d in outputs for p in glob.glob(os.path.join(d, "*.pdf"))}:
                if path in existing:
                    continue
                # cups-pdf writes the file in place: read it until its text is whole.
                text = subprocess.run(["pdftotext", "-layout", path, "-"],
                                      capture_output=True, text=True).stdout
                seen[path] = text
                if topic in text:
                    section = text[text.index(topic):].splitlines()
                    row = next((r for r in section if r.startswith(f"Paper {PAPER} ")), "")
                    if all(value in row for value in values):
                        return path
            return None

        try:
            pdf = wait_for("the card in the PDF printer's folder", printed_card, timeout=90,
                           step=0.5)
        except AssertionError:
            print("new PDF files and their text:", seen)
            raise
        self.shot()
        shutil.move(pdf, os.path.join(self.shots, self.current + ".pdf"))

    def close(self):
        if self.session:
            self.session.close()


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--package", required=True, help="the package built into the program")
    parser.add_argument("--shots", required=True)
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    return parser.parse_args()


def run_journey(kind, name):
    """Runs the journey `kind` (a Journey class) as a test program named `name`: its
    exit status, with a screenshot and the program's log when a step fails."""
    args = parse_arguments()
    skipped = begin_test(TOOLS, args.shots)
    if skipped:
        return skipped
    work = tempfile.mkdtemp(prefix=f"orlavine-{name.replace(' ', '-')}-")
    journey = kind(args, work)
    started = time.monotonic()
    try:
        journey.run()
        print(f"{name} passed in {time.monotonic() - started:.1f} s")
        return 0
    except AssertionError as failure:
        print(f"FAILED at step {getattr(journey, 'current', 'set-up')}: {failure}")
        try:
            journey.shot("failure")
        except Exception:
            pass
        for log in ("orlavine.log",):
            path = os.path.join(work, log)
            if os.path.exists(path):
                print(f"--- {log}\n" + open(path, errors="replace").read()[-4000:])
        return 1
    finally:
        journey.close()
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


def main():
    return run_journey(Journey, "journey")


if __name__ == "__main__":
    sys.exit(main())
