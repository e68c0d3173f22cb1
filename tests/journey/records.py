"""Reads the program's record files: lines "#KEY#>field>field...", CR LF, Windows-1252."""

import glob
import os


class RecordError(Exception):
    """A record file that does not read as the program writes it."""


def read_records(path):
    """The file's record lines as an ordered list of (key, fields)."""
    with open(path, "rb") as f:
        data = f.read()
    text = data.decode("cp1252")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    records = []
    for line in lines:
        if "\n" in line or "\r" in line:
            raise RecordError(f"{path}: a line break other than CR LF")
        if not line.startswith("#"):
            continue
        end = line.find("#", 1)
        if end < 0:
            raise RecordError(f"{path}: a key without its closing #: {line!r}")
        rest = line[end + 1:]
        if rest and not rest.startswith(">"):
            raise RecordError(f"{path}: no > after the key: {line!r}")
        records.append((line[1:end], rest.split(">")[1:] if rest else []))
    return records


class Package:
    """The tables of a package folder (one file per resource, named "<id>...")."""

    def __init__(self, folder):
        self.folder = folder
        settings = dict(self.table(30000))
        self.name = settings["NME"][0]
        self.code = settings["COD"][0]
        self.settings = settings

    def table(self, resource):
        paths = [p for p in glob.glob(os.path.join(self.folder, f"{resource}*"))
                 if os.path.basename(p).split("-")[0].split(".")[0] == str(resource)]
        if len(paths) != 1:
            raise RecordError(f"resource {resource} not found once in {self.folder}")
        return read_records(paths[0])

    def topic_name(self, module, topic):
        return self.settings[f"TN{module}"][topic - 1]

    def paper_questions(self, module, index):
        """The question ids of the module's paper number `index` (1-based, file order)."""
        return self.table(30002 + 10 * module)[index - 1][1]

    def keys(self, module, question):
        return dict(self.table(30003 + 10 * module))[question]

    def types(self, module, question):
        return dict(self.table(30004 + 10 * module))[question]

    @staticmethod
    def typed_answer(key):
        """What a pupil types for a key: its first alternative."""
        pieces = key[1:].split(";") if key.startswith(";") else key.split(";")
        return pieces[0].strip()


LEARNER_NAMES = ("marks", "first", "second", "fresults", "sresults", "trend")


class LearnerFiles:
    """The six learner files of one module, as read at construction."""

    def __init__(self, folder, module, code):
        self.paths = {name: os.path.join(folder, f"{name}{module}{code}.txt")
                      for name in LEARNER_NAMES}
        self.records = {name: read_records(path) for name, path in self.paths.items()}

    def complete(self):
        return all(self.records.values()) and len(self.records["marks"]) == 6

    def snapshot(self):
        """File name -> bytes, to compare whole files."""
        result = {}
        for path in self.paths.values():
            with open(path, "rb") as f:
                result[os.path.basename(path)] = f.read()
        return result

    def marks(self, key):
        return dict(self.records["marks"])[key]

    def answers(self, name, index):
        """The fields of paper number `index` in the first/second/fresults/sresults file."""
        return self.records[name][index - 1][1]

    def trend(self):
        return self.records["trend"][0][1]

    @staticmethod
    def percent_text(text):
        return float(text.rstrip("%"))

    def percent(self, key, index):
        return self.percent_text(self.marks(key)[index - 1])
