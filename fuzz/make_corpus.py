#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs to fuzz/corpus: a solved game of each
puzzle (its stored solution typed as block keys, each followed by the arrow of
its direction, as a terminal sends it), the demonstration, the quit question
and a game longer than the history. The input format is described in
fuzz/fuzz_script.h."""
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
ARROWS = {"U": b"\x1b[A", "D": b"\x1b[B", "R": b"\x1b[C", "L": b"\x1b[D"}
PAUSE = b"\xff"  # followed by tenths of a second
ESC_ALONE = b"\x1b" + PAUSE + b"\x01"


def solutions(source):
    """The stored solutions of one puzzle source, in order."""
    text = (ROOT / "puzzles" / source).read_text()
    tables = re.findall(r"kSolution\[\] = \{(.*?)\};|Solution\[\] = \{(.*?)\};", text, re.S)
    return [re.findall(r'"(\w)([UDRL])"', a or b) for a, b in tables]


def typed(moves):
    return b"".join(key.encode() + ARROWS[way] for key, way in moves)


def main():
    (a_solution,) = solutions("farnswog.cpp")
    lower_right, upper_right = solutions("traxolumbine.cpp")
    long_pause = (PAUSE + b"\xff") * 6  # 153 s: the longest demonstration runs out
    seeds = {
        "solved_a": b"a" + typed(a_solution) + b"x",
        "solved_b1": b"b" + typed(lower_right) + b"x",
        "solved_b2": b"bg" + typed(upper_right) + b"x",
        "demo_a": b"aA" + long_pause + b"xqy",  # x for "<any key>" at its end
        "demo_stopped_b": b"b3A" + PAUSE + b"\x14" + b"x1" + ESC_ALONE,
        # Block 3 can go two ways once block 2 has moved: Esc at its prompt asks.
        "quit_question_a": b"a23" + ESC_ALONE + b"n" + b"\x1b[A" + b"qn3\x1b[A" + b"bQY",
        # Block 9 slides right and back 1100 times: the history's window slides.
        "long_game_a": b"a" + b"9" * 1100 + b"B" * 3 + b"9L",
        "quit_question_b": b"bfhxrlq" + b"N" + ESC_ALONE,
    }
    corpus = ROOT / "fuzz" / "corpus"
    corpus.mkdir(exist_ok=True)
    for name, data in seeds.items():
        (corpus / name).write_bytes(data)


if __name__ == "__main__":
    main()
