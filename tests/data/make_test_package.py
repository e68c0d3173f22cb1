#!/usr/bin/env python3
"""Writes the test content package into tests/data/package.

Small but complete: three modules, every answer type, groups and alternatives, a paper
of exactly 80 sub-answers, lists without a leading ";" (tests damage copies for worse), pages with and without pictures,
worked solutions for the first two questions of paper 101, all 92 pictures (plain
placeholders of the skin's sizes) and the learner-record templates.
Run it from anywhere; it needs ImageMagick's /usr/bin/convert for the GIF and ICO files.
"""
import base64
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "package")
CRLF = "\r\n"

# Module layout: (label, topic names, papers). A paper is a list of questions; a question
# is a list of (type, key, marks) sub-answers, optionally with a picture flag.
def q(*subs, picture=False):
    return {"subs": list(subs), "picture": picture}

def s(t, key, marks=1):
    return (t, key, marks)

def simple_paper(n):
    return [q(s("Q", str((n % 4) + 1))), q(s("T", "word%d" % n))]

def paper_80():
    questions = []
    for k in range(8):
        subs = []
        for j in range(10):
            if j % 2 == 0:
                subs.append(s("Q", str(j % 4 + 1), 2 if k == 0 and j == 0 else 1))
            else:
                subs.append(s("T", chr(ord("a") + j)))
        questions.append(q(*subs))
    return questions

MODULE1 = [
    # 101: one each of Q, T, N
    [q(s("Q", "3")), q(s("T", "Lungs")), q(s("N", "0.25"), picture=True)],
    # 102: alternatives and groups
    [q(s("M", ";Gas;Gaseous")),
     q(s("G", ";Sand;Wood"), s("G", " ")),
     q(s("G", ";a;b;c"), s("G", " "), s("G", " ")),
     q(s("M", ";Respond;React"), picture=True)],
    # 103: exact forms and a long answer
    [q(s("L", "photosynthesis")), q(s("X", "1 1/2")), q(s("F", "2:3")), q(s("R", "abc"))],
    # 104: exactly 80 sub-answers
    paper_80(),
    # 105: lists written without a leading ";", a true/false item, a negative number
    [q(s("M", "Sand ; Wood")), q(s("G", "Red ; Blue"), s("G", " ")), q(s("T", "T")),
     q(s("N", "-3"))],
    # 106: one question of 16 sub-answers
    [q(*[s("T", chr(ord("a") + j)) for j in range(16)])],
    # 107..110: one-question papers
    [q(s("Q", "2"))], [q(s("Q", "1"))], [q(s("Q", "4"))], [q(s("T", "end"))],
]
MODULES = [
    ("Alpha", ["Numbers", "Words"], MODULE1),
    ("Beta", ["Shapes", "Groups", "Mock Examination"], [simple_paper(n) for n in range(15)]),
    ("Gamma", ["Odds"], [[q(s("T", "odd%d" % n), picture=(n == 0))] for n in range(5)]),
]

# Placeholder pictures at the skin's sizes.
PICTURES = (
    [(n, "%s.bmp" % name, (56, 50)) for n, name in enumerate([
        "about_off", "about_on", "about_pressed", "back_disabled", "back_off", "back_on",
        "back_pressed", "close_off", "close_on", "close_pressed", "forward_disabled",
        "forward_off", "forward_on", "forward_pressed", "home_off", "home_on", "home_pressed",
        "mark_disabled", "mark_off", "mark_on", "mark_pressed", "print_off", "print_on",
        "print_pressed", "report_off", "report_on", "report_pressed", "save_disabled",
        "save_off", "save_on", "save_pressed", "setup_off", "setup_on", "setup_pressed",
        "trash_off", "trash_on", "trash_pressed"], start=1)]
)
SIZES = {
    "tabs": (96, 26), "border_bot": (8, 5), "border_left": (5, 8), "border_left_corners": (5, 5),
    "border_right": (5, 8), "border_right_corners": (5, 5), "border_top": (8, 30),
    "border_white": (8, 30), "prog": (21, 21), "loadbutton": (22, 20), "button": (80, 26),
    "bottombg": (120, 24), "columnhead1": (160, 24), "columnhead2": (240, 24),
    "progressbar": (12, 16), "statusgrabber": (14, 14), "bullet": (10, 10), "Handle": (10, 48),
    "pen": (24, 24), "bar": (12, 16),
}
HIGH = ["tabs_back_off", "tabs_back_on", "tabs_front_off", "tabs_front_on", "border_bot",
        "border_left", "border_left_corners", "border_right", "border_right_corners",
        "border_top_center", "border_top_left", "border_top_right", "border_white_top_center",
        "border_white_top_left", "border_white_top_right", "prog_blue_close", "prog_blue_max",
        "prog_blue_min", "prog_blue_norm", "prog_blueoff_close", "prog_blueoff_max",
        "prog_blueoff_min", "prog_blueoff_norm", "prog_white_close", "prog_white_max",
        "prog_white_min", "prog_white_norm", "loadbutton_on", "loadbutton_off", "button_off",
        "button_on", "button_pressed", "bottombg1", "bottombg2", "bottombg3", "bottombg4",
        "columnhead1", "columnhead2", "progressbar", "statusgrabber", "bullet", "Handle", "pen",
        "bar"]

def size_of(name):
    for prefix in sorted(SIZES, key=len, reverse=True):
        if name == prefix or name.startswith(prefix):
            return SIZES[prefix]
    raise KeyError(name)

for n, name in enumerate(HIGH, start=41):
    PICTURES.append((n, name + ".bmp", size_of(name)))
for n, name in enumerate(["OVicon", "pencil", "hand"], start=85):
    PICTURES.append((n, name + ".ico", (16, 16)))
for n, (name, size) in enumerate([("info_mark", (32, 32)), ("Logo", (200, 64)),
                                  ("instruction", (250, 80)), ("Border_bot_left", (8, 8)),
                                  ("Border_bot_right", (8, 8))], start=88):
    PICTURES.append((n, name + ".gif", size))
for n, name in enumerate(["solution_off", "solution_on", "solution_pressed"], start=93):
    PICTURES.append((n, name + ".bmp", (56, 50)))

# Questions with a worked solution (resource id = question id + 10000).
SOLVED = [16001, 16002]

def solution_page(qid):
    html = qp("<html><head><title>Worked solution</title></head><body>"
              "<h2>Worked solution</h2><p>Solution of test question %d.</p></body></html>" % qid)
    return CRLF.join(["MIME-Version: 1.0", 'Content-Type: text/html; charset="us-ascii"',
                      "Content-Transfer-Encoding: quoted-printable",
                      "Content-Location: http://orlavine.example/s%d.htm" % qid, "", html, ""])

PIXEL_GIF = base64.b64decode("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==")

def qp(text):
    """Quoted-printable for plain ASCII HTML: '=' escaped, lines kept short."""
    out = []
    for line in text.split("\n"):
        line = line.replace("=", "=3D")
        while len(line) > 74:
            out.append(line[:74] + "=")
            line = line[74:]
        out.append(line)
    return CRLF.join(out)

def page(qid, number, question):
    letters = "abcdefghijklmnopqrst"
    subs = question["subs"]
    body = ["<html><head><title>Question %d</title></head><body>" % number,
            "<h2>Question %d</h2>" % number, "<p>Test question %d.</p>" % qid]
    if len(subs) > 1:
        body += ["<p>(%s) part %d</p>" % (letters[k], k + 1) for k in range(len(subs))]
    if question["picture"]:
        body.append('<p><img src="picture1.gif" alt="picture"></p>')
    body.append("</body></html>")
    html = qp("\n".join(body))
    location = "http://orlavine.example/q%d.htm" % qid
    if not question["picture"]:
        return CRLF.join(["MIME-Version: 1.0", 'Content-Type: text/html; charset="us-ascii"',
                          "Content-Transfer-Encoding: quoted-printable",
                          "Content-Location: " + location, "", html, ""])
    boundary = "----=_Part_%d" % qid
    return CRLF.join([
        "MIME-Version: 1.0",
        'Content-Type: multipart/related; boundary="%s"; type="text/html"' % boundary, "",
        "--" + boundary, 'Content-Type: text/html; charset="us-ascii"',
        "Content-Transfer-Encoding: quoted-printable", "Content-Location: " + location, "", html,
        "--" + boundary, "Content-Type: image/gif", "Content-Transfer-Encoding: base64",
        "Content-Location: http://orlavine.example/picture1.gif", "",
        base64.b64encode(PIXEL_GIF).decode(), "--" + boundary + "--", ""])

def record(key, fields):
    return "#%s#>" % key + ">".join(fields) if fields else "#%s#>" % key

def write(name, text):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(text.encode("cp1252"))

def table(lines):
    return CRLF.join(["..."] + lines + ["..."])

def main():
    shutil.rmtree(OUT, ignore_errors=True)
    os.makedirs(OUT)
    settings = ["#NME#>Test Practice", "#COD#>TS", "-" * 31]
    qid = 16001
    for m, (label, topics, papers) in enumerate(MODULES, start=1):
        tp = len(papers)
        settings += ["#L%sH#>%s" % ("ABC"[m - 1], label), "#TT%d#>%d" % (m, len(topics)),
                     "#TP%d#>%d" % (m, tp), record("TN%d" % m, topics)]
        paper_lines, keys, types, marks, blanks = [], [], [], [], []
        for p, paper in enumerate(papers, start=101):
            ids = []
            for number, question in enumerate(paper, start=1):
                ids.append(str(qid))
                keys.append(record(qid, [sub[1] for sub in question["subs"]]))
                types.append(record(qid, [sub[0] for sub in question["subs"]]))
                marks.append(record(qid, [str(sub[2]) for sub in question["subs"]]))
                write("%d.mht" % qid, page(qid, number, question))
                if qid in SOLVED:
                    write("%d.mht" % (qid + 10000), solution_page(qid))
                qid += 1
            paper_lines.append(record(p, ids))
            blanks.append(record(p, [""] * sum(len(x["subs"]) for x in paper)))
        for offset, lines in zip(range(2, 6), [paper_lines, keys, types, marks]):
            write("%d.txt" % (30000 + 10 * m + offset), table(lines))
        marks_template = [record(k, [v] * 50) for k, v in
                          [("FSE", ""), ("SSE", ""), ("LTM", ""), ("CDD", ""), ("FST", "0"), ("SST", "0")]]
        base = 30100 + 10 * m
        write("%d-marks.txt" % (base + 1), table(marks_template))
        for k, name in zip(range(2, 6), ["first", "second", "fresults", "sresults"]):
            write("%d-%s.txt" % (base + k, name), table(blanks))
        write("%d-trend.txt" % (base + 6), "#TRD#")
    write("30000-settings.txt", table(settings))

    for n, name, (w, h) in PICTURES:
        target = os.path.join(OUT, "%d-%s" % (n, name))
        colour = "rgb(%d,%d,%d)" % (40 + n * 2, 90 + n, 200 - n)
        subprocess.run(["/usr/bin/convert", "-size", "%dx%d" % (w, h), "xc:" + colour,
                        "-define", "bmp:format=bmp3", "-type", "TrueColor", target
                        if not name.endswith(".bmp") else "BMP3:" + target], check=True)

if __name__ == "__main__":
    sys.exit(main())
