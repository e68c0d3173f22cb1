#!/usr/bin/python3
"""A pupil's journey through the installed program by the keyboard alone, driven from outside
with xdotool keys (the pointer is never moved or clicked).

As journey.py: installs the build, starts the program on an X server of its own with openbox,
then by keys: choose a topic, open a paper, answer, Next, mark, close, open the report and
its questions to practise, open one, close it, close the program; after each step it checks
the learner files and keeps a screenshot in the shots folder.

Usage: keyboard_journey.py --build BUILD_DIR --package PACKAGE_DIR --shots SHOTS_DIR [--keep]
"""

import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean of __pycache__

import journey
from journey import Journey, MODULE, TOPIC, PAPER
from xsession import XSession, wait_for

# The main window's Tab order: the tabs, the four toolbar buttons, the topics, the papers.
TABS = 4
TOOLS = 4
TOPICS = 10


class KeyboardJourney(Journey):
    def keys(self, window, *keys):
        self.session.key(window, *keys)
        time.sleep(0.2)

    def keys_and_see(self, window, keys, what):
        before = self.session.settled_image(window)
        self.keys(window, *keys)
        wait_for(what, lambda: self.session.window_image(window) != before)

    def keys_and_answer(self, window, keys, key="Return", what="the pop-up box"):
        before = self.visible_windows()
        self.keys(window, *keys)
        self.answer_popup(before, key, what)

    def run(self):
        self.package = journey.Package(self.args.package)
        self.caption = f"{self.package.topic_name(MODULE, TOPIC)} - Paper {PAPER}"
        self.check_paper()
        executable = self.install()
        self.session = XSession(self.work)
        self.start_program(executable)
        index, caption = self.index, self.caption
        questions = self.package.paper_questions(MODULE, index)
        first_keys = self.package.keys(MODULE, questions[0])

        self.step("start")
        main = self.window_named(self.package.name)
        files = self.wait_files("fresh learner files", lambda f: f.complete())
        untouched = files.snapshot()
        self.shot()

        self.step("choose-topic")
        # The first Tab reaches the first tab; Down moves along the topics, Return chooses.
        self.keys(main, *["Tab"] * (TABS + TOOLS + 1))
        self.keys_and_see(main, ["Down"] * (TOPIC - 1) + ["Return"], "the topic's papers")
        self.shot()
        self.assert_unchanged(untouched, "choosing a topic")

        self.step("open-paper")
        self.keys(main, *["Tab"] * (TOPICS - TOPIC + 1), *["Down"] * (PAPER - 1))
        self.keys(main, "Return")
        practice = self.window_named(caption)
        self.page_shown(practice)
        self.shot()
        self.assert_unchanged(untouched, "opening a paper")

        self.step("answer-next")
        for i, key in enumerate(first_keys):
            if i:
                self.keys(practice, "Tab")
            self.session.type(practice, self.package.typed_answer(key))
        self.keys(practice, "Next")  # Page Down
        self.wait_files("the answers of question 1 saved by Next",
                        lambda f: f.answers("first", index)[:len(first_keys)] ==
                        [self.package.typed_answer(k) for k in first_keys])
        self.shot()

        self.step("mark")
        self.keys_and_answer(practice, ["ctrl+m"], what="the marking question")
        files = self.wait_files("the first attempt marked", lambda f: (
            f.marks("FST")[index - 1] == "1" and len(f.trend()) == 1))
        results = files.answers("fresults", index)
        assert results[:len(first_keys)] == ["\u00fc"] * len(first_keys), \
            f"question 1 answered right is not all ticked: {results}"
        first_score = files.percent("FSE", index)
        assert 0 < first_score < 100, f"first attempt scored {first_score}"
        marked = files.snapshot()
        time.sleep(1)
        self.shot()

        self.step("close")
        self.keys_and_answer(practice, ["Escape"], what='"Confirm?"')
        self.window_gone(practice)
        self.shot()
        self.assert_unchanged(marked, "closing a marked paper")

        self.step("report")
        # The focus is back on the paper's button; the Tab order goes on over the papers
        # (this one now with its second attempt) and round to the toolbar's Report.
        assert not self.header_at(main, "overall"), "the home page looks like the report"
        self.keys(main, *["Tab"] * ((5 - PAPER) + 1 + TABS + 2))
        self.keys(main, "Return")
        wait_for("the report page", lambda: self.header_at(main, "overall"))
        self.shot("overall")
        # Past Print and Close, the four section headers.
        self.keys(main, *["Tab"] * (2 + 4), "space")
        wait_for("the practise section", lambda: self.header_at(main, "practise"))
        self.shot("practise")
        self.keys(main, "Tab", "Return")
        practice = self.window_named(caption)
        self.page_shown(practice)
        self.shot("solution")
        self.keys_and_answer(practice, ["ctrl+w"], what='"Confirm?"')
        self.window_gone(practice)
        self.assert_unchanged(marked, "the report")

        self.step("close-program")
        # Back from the first question to practise: the four headers, then Close.
        self.keys(main, *["shift+Tab"] * 5, "Return")
        wait_for("the program to end", lambda: self.program.poll() is not None)
        assert self.program.returncode == 0, f"the program ended with {self.program.returncode}"
        self.assert_unchanged(marked, "closing the program")


def main():
    return journey.run_journey(KeyboardJourney, "keyboard journey")


if __name__ == "__main__":
    sys.exit(main())
