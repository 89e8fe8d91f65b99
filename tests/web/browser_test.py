#!/usr/bin/python3
"""Both web pages played in headless chromium, checked against the pictures and tables the
scripted tests use. Exit 77 when the browser cannot start. Usage: browser_test.py SERVED_FOLDER
(with Debian's python3, which has python3-selenium)."""
import functools, http.server, re, sys, tempfile, threading, wave
from pathlib import Path
from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

TOP = Path(__file__).resolve().parents[2]
TABLES = (TOP / "tests/game_tables.h").read_text()
N = {name: int(value) for name, value in re.findall(r"\b(k\w+) = (\d+)", TABLES)}
for name, value in re.findall(r"int (k\w+) = ([^;]+);",  # the screen's layout, in order
                              (TOP / "engine/include/engine/screen_layout.h").read_text()):
    N[name] = eval(value, {}, N)
STATUS = {k: (text, int(at)) for k, text, at in re.findall(r'(k\w+)\{"([^"]*)", (\d+)', TABLES)}
COLOUR = {"rgb(%d, %d, %d)" % tuple(bytes.fromhex(rgb)): n for n, rgb in enumerate((  # text mode's
    "000000 0000aa 00aa00 00aaaa aa0000 aa00aa aa5500 aaaaaa "
    "555555 5555ff 55ff55 55ffff ff5555 ff55ff ffff55 ffffff").split())}
CELLS = """return [...document.querySelectorAll('#screen span')].map(cell => { const style =
    getComputedStyle(cell); return [cell.textContent, style.color, style.backgroundColor]; })"""
STATUS_ROW = "return document.getElementById('screen').children[23].textContent"


def facts(function, picture):
    """Blocks (column, row, columns, rows, colour), puzzle titles, start picture rows."""
    body = TABLES.split(f"& {function}() {{")[1].split("return facts")[0]
    blocks = re.findall(r"\{(\d+), (\d+), (\d+), (\d+), (k\w+)\}", body)
    text = (TOP / "tests/screen_pictures.h").read_text().split(f"{picture}[] = {{")[1]
    rows = re.findall(r'"((?:[^"\\]|\\.)*)"', text.split("};")[0])
    return ([(*map(int, b[:4]), N[b[4]]) for b in blocks],
            re.findall(r'\{"([^"]+)", \d+, \d+, \d+, \d+\}', body),
            [re.sub(r"\\(.)", r"\1", row).ljust(80) for row in rows])


A, B = facts("farnswog", "kStartScreenA"), facts("traxolumbine", "kStartScreenB")


def place(block):
    top = N["kBoardTopRow"] + block[1] * N["kCellHeight"]
    left = N["kBoardLeftColumn"] + block[0] * N["kCellWidth"]
    return top, left, top + block[3] * N["kCellHeight"] - 1, left + block[2] * N["kCellWidth"] - 1


def titled(program, puzzle):
    return DRIVER.title == " ".join(program[1][puzzle - 1].split())


def check_start(program):
    """The title, then glyph, ink and paper of rows 1 to 22 (None: not looked at)."""
    blocks, _, picture = program
    assert titled(program, 1), DRIVER.title
    top, bottom = N["kBoxTopRow"], N["kBoxBottomRow"]
    left, right = N["kBoxLeftColumn"], N["kBoxRightColumn"]
    wanted = {}
    for row, column in ((r, c) for r in range(1, 23) for c in range(1, 81)):
        glyph, in_box = picture[row - 1][column - 1], left <= column <= right
        edge = row in (top, bottom) or column in (left, right)
        wall = not edge and column in (left + 1, right - 1)
        ink = N["kLightCyan" if row == 6 else "kYellow" if column == 4 else "kLightGray"]
        wanted[row, column] = (glyph, None if in_box or glyph == " " else ink, N["kBlack"])
        if in_box and (edge or wall):
            wanted[row, column] = (glyph, N["kDarkGray" if wall else "kBlack"], N["kDarkGray"])
        if column == right and top < row < bottom and glyph == "█":  # the bar
            wanted[row, column] = (glyph, N["kYellow"], None)
    for block in blocks:
        top, left, bottom, right = place(block)
        for row, column in ((r, c) for r in range(top, bottom + 1) for c in range(left, right + 1)):
            outline = row in (top, bottom) or column in (left, right)
            wanted[row, column] = (wanted[row, column][0], N["kWhite"] if outline else None, block[4])
    shown = DRIVER.execute_script(CELLS)
    for (row, column), (glyph, ink, paper) in wanted.items():
        found = shown[(row - 1) * 80 + column - 1]
        colours = [COLOUR.get(colour) for colour in found[1:]]
        assert found[0] == glyph and ink in (None, colours[0]) and paper in (None, colours[1]), (
            row, column, found, glyph, ink, paper)


def until(condition):
    WebDriverWait(DRIVER, 20, poll_frequency=0.01).until(lambda _: condition())


def shows(name):
    text, column = STATUS[name]
    return DRIVER.execute_script(STATUS_ROW)[column - 1:].startswith(text)


def load(address):
    no_errors()  # on the page before
    DRIVER.get(address)
    until(lambda: shows("kFirstPrompt"))


def cell(row, column):
    return DRIVER.find_element(By.CSS_SELECTOR, f"#screen>:nth-child({row})>:nth-child({column})")


def heard(*expected):
    """The clips started, in order, each whole and with the status line it belongs to."""
    cues = DRIVER.execute_script("return blockslide.cues")
    assert [cue["name"] for cue in cues] == [name for name, _ in expected], cues
    for cue, (name, status) in zip(cues, expected):
        with wave.open(str(TOP / f"resources/{name.lower()}.wav")) as clip:
            assert abs(cue["seconds"] - clip.getnframes() / clip.getframerate()) < 1e-6, cue
        assert status is None or STATUS[status][0] in cue["status"], (cue, status)


def no_errors():
    errors = [entry for entry in DRIVER.get_log("browser") if entry["level"] == "SEVERE"]
    assert not errors, errors


def play(address):
    ended = lambda: until(lambda: DRIVER.find_element(By.ID, "ended").is_displayed())
    load(address + "blockslide-a.html")
    check_start(A)
    # Block 5 cannot move at the start: x and q wait while it flashes, and come in that order.
    ActionChains(DRIVER).send_keys("5xq").perform()
    until(lambda: shows("kQuitQuestion"))
    asked, (text, column) = DRIVER.execute_script(CELLS), STATUS["kQuitQuestion"]
    cell(N["kStatusRow"], column + text.index("Y")).click()
    ended()
    assert DRIVER.execute_script(CELLS)[:22 * 80] == asked[:22 * 80]  # the last screen stays
    heard(("BEEP2", "kFirstPrompt"), ("BEEP2", "kFirstPrompt"), ("DING2", "kQuitQuestion"))
    load(address + "blockslide-a.html?silent")
    ActionChains(DRIVER).send_keys("5q").perform()
    until(lambda: shows("kQuitQuestion"))
    heard()

    # Block 2 may go down only: a click moves it; then up or down: a drag says which, or the
    # direction would be asked for.
    load(address + "blockslide-b.html")
    check_start(B)
    top, left, _, _ = place(B[0][1])
    cell(top + 2, left + 5).click()
    until(lambda: "Moves: 1" in DRIVER.execute_script(STATUS_ROW))
    actions = ActionChains(DRIVER).move_to_element(cell(top + 7, left + 5)).click_and_hold()
    actions.move_to_element(cell(top + 12, left + 5)).release().perform()
    until(lambda: "Moves: 2" in DRIVER.execute_script(STATUS_ROW))
    bottom = DRIVER.execute_script(CELLS)[(top + 10 - 1) * 80 + left - 1]
    assert COLOUR.get(bottom[2]) == N["kRed"], bottom  # block 2 went down twice
    ActionChains(DRIVER).send_keys("g").perform()
    until(lambda: titled(B, 2))
    heard(("DING2", None))

    load(address + "blockslide-b.html")
    solution = (TOP / "puzzles/traxolumbine.cpp").read_text().split("kLowerRightSolution[] = {")[1]
    arrows = {"U": Keys.ARROW_UP, "R": Keys.ARROW_RIGHT, "D": Keys.ARROW_DOWN, "L": Keys.ARROW_LEFT}
    for count, (block, way) in enumerate(re.findall(r'"(\d)([URDL])"', solution.split("};")[0]), 1):
        ActionChains(DRIVER).send_keys(block).perform()
        moved = lambda: f"Moves: {count}" in DRIVER.execute_script(STATUS_ROW)
        until(lambda: moved() or shows("kDirectionPrompt"))
        if not moved():
            ActionChains(DRIVER).send_keys(arrows[way]).perform()
    until(lambda: shows("kCongratulation"))
    ActionChains(DRIVER).send_keys("x").perform()
    ended()
    heard(("DONE2", "kCongratulation"))
    no_errors()


if __name__ == "__main__":
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    for flag in ("headless no-sandbox disable-gpu disable-quic no-first-run disable-sync "
                 "disable-background-networking disable-component-update").split():
        options.add_argument("--" + flag)
    options.add_argument("--user-data-dir=" + tempfile.mkdtemp(prefix="blockslide-chromium-"))
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    try:
        DRIVER = webdriver.Chrome(options=options)
    except WebDriverException as problem:
        print("skipped: the browser does not start:", problem.msg)
        sys.exit(77)
    try:
        play(f"http://127.0.0.1:{server.server_address[1]}/")
    finally:
        DRIVER.quit()
    print("both pages played")
