# Shared helpers for the end-to-end tests: each script runs the real games
# in a private tmux server and reads the terminal back with capture-pane.
#
# Positions are 1-based terminal rows and columns; in an 80 x 25 terminal
# they are the game's own screen positions. Colours are given as the game's
# console colour numbers (0 black ... 8 dark gray ... 15 white) and compared
# with the colours the terminal was told to show.
#
# A script sources this file, calls e2e_setup, then start_game (or
# start_in_terminal) for every run. Any failed check prints what was
# expected, the terminal's screen and the program's error output, and ends
# the script with status 1. The tmux server is always killed on exit.

E2E_WAIT_SECONDS=${E2E_WAIT_SECONDS:-10}
E2E_POLL_SECONDS=0.1
E2E_SESSION=game
E2E_AFTER_MARK='--- program ended ---'

# Ends the script with a message, the screen and the program's stderr.
fail() {
    {
        echo "FAIL: $E2E_CONTEXT: $*"
        show_screen
        if [ -n "$E2E_RUN_DIR" ] && [ -e "$E2E_RUN_DIR/status" ]; then
            echo "The program has ended with status $(cat "$E2E_RUN_DIR/status")."
        fi
        if [ -n "$E2E_RUN_DIR" ] && [ -s "$E2E_RUN_DIR/stderr" ]; then
            echo "Program stderr:"
            sed 's/^/    /' "$E2E_RUN_DIR/stderr"
        fi
    } >&2
    exit 1
}

pass() {
    echo "ok - $E2E_CONTEXT: $*"
}

# What is being tested, for the messages.
context() {
    E2E_CONTEXT=$*
}

tmx() {
    tmux -L "$E2E_SOCKET" -f /dev/null "$@"
}

e2e_cleanup() {
    tmx kill-server >/dev/null 2>&1
    # tmux leaves the socket file behind.
    if [ -n "$E2E_SOCKET_PATH" ]; then
        rm -f "$E2E_SOCKET_PATH"
    fi
    if [ -n "$E2E_DIR" ] && [ -z "$E2E_KEEP" ]; then
        rm -rf "$E2E_DIR"
    fi
}

absolute_path() {
    case $1 in
        /*) printf '%s\n' "$1" ;;
        *) printf '%s/%s\n' "$(cd "$(dirname "$1")" && pwd)" "$(basename "$1")" ;;
    esac
}

# Quotes a word for sh.
shell_quote() {
    printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"
}

# The first terminal description tmux and the games can both use.
pick_terminal_type() {
    for candidate in tmux-256color screen-256color xterm-256color; do
        if infocmp "$candidate" >/dev/null 2>&1; then
            echo "$candidate"
            return
        fi
    done
    echo xterm-256color
}

# e2e_setup SCRIPT_NAME PROGRAM_A PROGRAM_B
# Sets GAME_A and GAME_B (absolute paths), a scratch directory and the
# private tmux socket.
e2e_setup() {
    E2E_CONTEXT=$1
    if [ $# -ne 3 ]; then
        echo "usage: sh $1_e2e.sh path/to/blockslide-a path/to/blockslide-b" >&2
        exit 2
    fi
    for program in "$2" "$3"; do
        if [ ! -x "$program" ]; then
            echo "FAIL: $1: no program at $program" >&2
            exit 1
        fi
    done
    if ! command -v tmux >/dev/null 2>&1; then
        echo "FAIL: $1: tmux is needed for the end-to-end tests" >&2
        exit 1
    fi
    GAME_A=$(absolute_path "$2")
    GAME_B=$(absolute_path "$3")
    unset TMUX
    E2E_SOCKET="blockslide-e2e-$1-$$"
    E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/blockslide-e2e-$1.XXXXXX")
    E2E_SOCKET_PATH=
    E2E_RUN_DIR=
    E2E_RUNS=0
    E2E_TERM=$(pick_terminal_type)
    # The sanitizer build reports leaks at exit by default; the games keep
    # their state for the whole run on purpose.
    E2E_ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM HUP
}

# start_in_terminal COLUMNS ROWS COMMAND
# Runs the shell command COMMAND in a fresh tmux window of exactly
# COLUMNS x ROWS with TERM=$E2E_TERM and a UTF-8 locale, from a new run
# directory ($E2E_RUN_DIR). Afterwards that directory holds `status` (the
# command's exit status) and `stty.before` / `stty.after` (terminal modes
# around it, `stty-a.*` in readable form); the pane then prints
# $E2E_AFTER_MARK and stays open for a while. Every byte the command writes
# to the terminal is kept in `terminal.log`.
start_in_terminal() {
    columns=$1
    rows=$2
    command=$3
    tmx kill-server >/dev/null 2>&1
    E2E_RUNS=$((E2E_RUNS + 1))
    E2E_RUN_DIR="$E2E_DIR/run$E2E_RUNS"
    mkdir -p "$E2E_RUN_DIR"
    cat >"$E2E_RUN_DIR/run.sh" <<EOF
cd $(shell_quote "$E2E_RUN_DIR") || exit 1
# Wait until the terminal log is being recorded.
while [ ! -e go ]; do sleep 0.05; done
stty -g >stty.before
stty -a >stty-a.before
export TERM=$(shell_quote "$E2E_TERM") LC_ALL=C.UTF-8 ASAN_OPTIONS=$(shell_quote "$E2E_ASAN_OPTIONS")
$command
echo \$? >status.partial
stty -g >stty.after
stty -a >stty-a.after
mv status.partial status
printf '%s\n' $(shell_quote "$E2E_AFTER_MARK")
# Long enough to read the screen back; the server is killed before.
exec sleep 120
EOF
    tmx start-server \; \
        set -g escape-time 0 \; \
        set -g default-terminal "$E2E_TERM" \; \
        set -g status off \; \
        set -g remain-on-exit on \; \
        new-session -d -s "$E2E_SESSION" -x "$columns" -y "$rows" \
        "sh $(shell_quote "$E2E_RUN_DIR/run.sh")" ||
        fail "could not start tmux"
    E2E_SOCKET_PATH=$(tmx display-message -p '#{socket_path}')
    size=$(tmx display-message -p -t "$E2E_SESSION" '#{pane_width}x#{pane_height}')
    [ "$size" = "${columns}x${rows}" ] ||
        fail "the terminal is $size, not ${columns}x${rows}"
    tmx pipe-pane -O -t "$E2E_SESSION" "cat >>$(shell_quote "$E2E_RUN_DIR/terminal.log")" ||
        fail "could not record the terminal output"
    touch "$E2E_RUN_DIR/go"
}

# start_game PROGRAM [COLUMNS ROWS]: the game in a terminal, 80 x 25 unless
# told otherwise, its stderr kept in the run directory.
start_game() {
    start_in_terminal "${2:-80}" "${3:-25}" "$(shell_quote "$1") 2>stderr"
}

# The visible screen as plain text, one line per row.
capture_screen() {
    tmx capture-pane -p -t "$E2E_SESSION" 2>/dev/null
}

# The visible screen with its colours as escape sequences.
capture_screen_with_colours() {
    tmx capture-pane -p -e -t "$E2E_SESSION" 2>/dev/null
}

show_screen() {
    screen=$(capture_screen) || return
    width=$(pane_format '#{pane_width}' 2>/dev/null)
    echo "Screen (row |text, columns counted from 1):"
    tens='    |' ones='    |' column=1
    while [ "$column" -le "${width:-80}" ]; do
        if [ $((column % 10)) = 0 ]; then
            tens=$(printf '%s%9s%d' "$tens" '' $((column / 10 % 10)))
        fi
        ones=$ones$((column % 10))
        column=$((column + 1))
    done
    echo "$tens"
    echo "$ones"
    printf '%s\n' "$screen" | {
        row=1
        while IFS= read -r line; do
            printf '%3d |%s\n' "$row" "$line"
            row=$((row + 1))
        done
    }
}

E2E_PADDING=$(printf '%240s' '')

# text_at ROW COLUMN LENGTH: LENGTH characters from that position, blanks
# included (capture-pane drops them at the end of a line).
text_at() {
    capture_screen | sed -n "$1{p;q}" | LC_ALL=C.UTF-8 sed \
        -e "s/\$/$E2E_PADDING/" \
        -e "s/^.\{$(($2 - 1))\}//" \
        -e "s/^\(.\{$3\}\).*/\1/"
}

# Whether TEXT stands at ROW, COLUMN now.
text_is_at() {
    [ "$(text_at "$1" "$2" "$(text_length "$3")")" = "$3" ]
}

text_length() {
    printf '%s' "$1" | LC_ALL=C.UTF-8 wc -m | tr -d ' '
}

# blanks N: N blanks.
blanks() {
    printf "%$1s" ''
}

# repeat TEXT N: TEXT N times.
repeat() {
    count=0
    while [ "$count" -lt "$2" ]; do
        printf '%s' "$1"
        count=$((count + 1))
    done
}

expect_text_at() {
    row=$1
    column=$2
    text=$3
    found=$(text_at "$row" "$column" "$(text_length "$text")")
    [ "$found" = "$text" ] ||
        fail "${4:-text} at row $row, column $column: expected \"$text\", found \"$found\""
}

expect_no_text_at() {
    found=$(text_at "$1" "$2" "$(text_length "$3")")
    [ "$found" != "$3" ] || fail "${4:-text} \"$3\" is still at row $1, column $2"
}

# wait_for_text_at ROW COLUMN TEXT DESCRIPTION: polls until TEXT shows there.
wait_for_text_at() {
    polls=$(wait_polls)
    while [ "$polls" -gt 0 ]; do
        text_is_at "$1" "$2" "$3" && return 0
        sleep "$E2E_POLL_SECONDS"
        polls=$((polls - 1))
    done
    fail "${4:-text} never appeared: waited ${E2E_WAIT_SECONDS} s for \"$3\" at row $1, column $2"
}

# wait_until_gone ROW COLUMN TEXT DESCRIPTION: polls until TEXT is no longer there.
wait_until_gone() {
    polls=$(wait_polls)
    while [ "$polls" -gt 0 ]; do
        text_is_at "$1" "$2" "$3" || return 0
        sleep "$E2E_POLL_SECONDS"
        polls=$((polls - 1))
    done
    fail "${4:-text} never went away: waited ${E2E_WAIT_SECONDS} s for \"$3\" to leave row $1, column $2"
}

wait_polls() {
    echo $((E2E_WAIT_SECONDS * 10))
}

# Keys: type TEXT sends the characters literally; press KEY sends a tmux key
# name (Escape, Up, Down, Left, Right, Enter, Space).
type_text() {
    tmx send-keys -t "$E2E_SESSION" -l -- "$1" || fail "could not type \"$1\""
}

press() {
    tmx send-keys -t "$E2E_SESSION" "$1" || fail "could not press $1"
}

pane_format() {
    tmx display-message -p -t "$E2E_SESSION" "$1"
}

# wait_for_pane_format FORMAT EXPECTED DESCRIPTION: polls a tmux format
# (cursor, modes of the pane) until it gives EXPECTED.
wait_for_pane_format() {
    polls=$(wait_polls)
    while [ "$polls" -gt 0 ]; do
        [ "$(pane_format "$1")" = "$2" ] && return 0
        sleep "$E2E_POLL_SECONDS"
        polls=$((polls - 1))
    done
    fail "$3: \"$1\" gives \"$(pane_format "$1")\", expected \"$2\""
}

program_has_ended() {
    [ -e "$E2E_RUN_DIR/status" ]
}

expect_still_running() {
    program_has_ended && fail "${1:-the program} ended with status $(cat "$E2E_RUN_DIR/status")"
    return 0
}

# wait_for_exit EXPECTED_STATUS: the program ends with that status.
wait_for_exit() {
    polls=$(wait_polls)
    while ! program_has_ended; do
        [ "$polls" -gt 0 ] || fail "the program did not end within ${E2E_WAIT_SECONDS} s"
        sleep "$E2E_POLL_SECONDS"
        polls=$((polls - 1))
    done
    status=$(cat "$E2E_RUN_DIR/status")
    [ "$status" = "$1" ] || fail "the program ended with status $status, expected $1"
}

# After the program has ended, the terminal modes (stty) are those it
# started with.
expect_terminal_modes_kept() {
    cmp -s "$E2E_RUN_DIR/stty.before" "$E2E_RUN_DIR/stty.after" ||
        fail "the program left the terminal modes changed (stty -a before and after):
$(diff "$E2E_RUN_DIR/stty-a.before" "$E2E_RUN_DIR/stty-a.after")"
}

# After the program has ended: the shell's terminal modes are back, the
# cursor shows, the normal screen (not the game's) is on view and holds
# nothing but what came after the program.
expect_terminal_restored() {
    wait_for_text_at 1 1 "$E2E_AFTER_MARK" "the line printed after the program"
    expect_terminal_modes_kept
    [ "$(pane_format '#{alternate_on}')" = 0 ] || fail "the terminal is still on the alternate screen"
    [ "$(pane_format '#{cursor_flag}')" = 1 ] || fail "the cursor is still hidden"
    [ "$(pane_format '#{keypad_cursor_flag}')" = 0 ] ||
        fail "the cursor keys are still in application mode"
    leftover=$(capture_screen | sed '1d' | tr -d ' \n')
    [ -z "$leftover" ] || fail "the screen still shows game output after the program ended"
}

# Colours ---------------------------------------------------------------

# The terminal colour number the games use for a console colour: the console
# numbers blue first, terminals red first; 8 to 15 are the bright ones.
terminal_colour() {
    set -- "$1" 0 4 2 6 1 5 3 7
    console=$1
    shift $((console % 8 + 1))
    echo $(($1 + (console >= 8 ? 8 : 0)))
}

# colours_at ROW COLUMN: "FOREGROUND BACKGROUND" in terminal colour numbers
# as the terminal last set them before that cell; "default" when none.
colours_at() {
    capture_screen_with_colours | LC_ALL=C awk -v row="$1" -v column="$2" '
        function apply(parameters,    count, p, i, n) {
            count = split(parameters, p, /[;:]/)
            if (count == 0) { fg = "default"; bg = "default"; return }
            for (i = 1; i <= count; i++) {
                n = p[i] + 0
                if (p[i] == "" || n == 0) { fg = "default"; bg = "default" }
                else if (n >= 30 && n <= 37) fg = n - 30
                else if (n >= 90 && n <= 97) fg = n - 90 + 8
                else if (n == 39) fg = "default"
                else if (n >= 40 && n <= 47) bg = n - 40
                else if (n >= 100 && n <= 107) bg = n - 100 + 8
                else if (n == 49) bg = "default"
                else if ((n == 38 || n == 48) && p[i + 1] == 5) {
                    if (n == 38) fg = p[i + 2] + 0; else bg = p[i + 2] + 0
                    i += 2
                } else if ((n == 38 || n == 48) && p[i + 1] == 2) {
                    if (n == 38) fg = "rgb"; else bg = "rgb"
                    i += 4
                }
            }
        }
        BEGIN { fg = "default"; bg = "default" }
        {
            line = $0
            cell = 0
            while (length(line) > 0) {
                if (substr(line, 1, 2) == "\033[") {
                    found = match(line, /^\033\[[0-9;:]*[A-Za-z]/)
                    if (found == 0) { line = substr(line, 2); continue }
                    sequence = substr(line, 1, RLENGTH)
                    if (substr(sequence, RLENGTH, 1) == "m")
                        apply(substr(sequence, 3, RLENGTH - 3))
                    line = substr(line, RLENGTH + 1)
                    continue
                }
                c = substr(line, 1, 1)
                line = substr(line, 2)
                if (c ~ /[\200-\277]/) continue
                cell++
                if (NR == row && cell == column) { print fg, bg; exit }
            }
            if (NR == row) { print fg, bg; exit }
        }'
}

# expect_colours ROW COLUMN FOREGROUND BACKGROUND DESCRIPTION, in console
# colours; "-" leaves one side unchecked. A black background may also be the
# terminal's default one.
expect_colours() {
    found=$(colours_at "$1" "$2")
    found_foreground=${found% *}
    found_background=${found#* }
    if [ "$3" != - ] && [ "$found_foreground" != "$(terminal_colour "$3")" ]; then
        fail "$5 at row $1, column $2: foreground is terminal colour $found_foreground, expected $(terminal_colour "$3") (console colour $3)"
    fi
    if [ "$4" != - ] && [ "$found_background" != "$(terminal_colour "$4")" ]; then
        if [ "$4" != 0 ] || [ "$found_background" != default ]; then
            fail "$5 at row $1, column $2: background is terminal colour $found_background, expected $(terminal_colour "$4") (console colour $4)"
        fi
    fi
}

# The games ----------------------------------------------------------------

# use_game a|b: facts about one game for the scripts.
#   GAME_PROGRAM   path of the program
#   GAME_NAME      blockslide-a or blockslide-b
#   GAME_TITLE     window title at start
#   GAME_COMMANDS  command words down the left edge, from row 8
#   GAME_TARGET_FIRST_ROW, GAME_TARGET_LAST_ROW   the goal marker in column 69
#   GAME_FACE_TOP, GAME_FACE_LEFT                 the big blue block at start
#   GAME_MINIMAL_MOVES                            stated by the instructions
use_game() {
    case $1 in
        a)
            GAME_PROGRAM=$GAME_A
            GAME_NAME=blockslide-a
            GAME_TITLE='  FARNSWOG!   move the big blue block to the far right.'
            GAME_COMMANDS='Back Last Redo Face Auto Help Quit'
            GAME_TARGET_FIRST_ROW=7
            GAME_TARGET_LAST_ROW=16
            GAME_FACE_TOP=7
            GAME_FACE_LEFT=13
            GAME_MINIMAL_MOVES=118
            ;;
        b)
            GAME_PROGRAM=$GAME_B
            GAME_NAME=blockslide-b
            GAME_TITLE='     TRAXOLUMBINE #1 - move the big blue block to the lower right.'
            GAME_COMMANDS='Game Back Last Redo Face Auto Help Quit'
            GAME_TARGET_FIRST_ROW=12
            GAME_TARGET_LAST_ROW=21
            GAME_FACE_TOP=2
            GAME_FACE_LEFT=13
            GAME_MINIMAL_MOVES=41
            ;;
        *)
            echo "use_game: no game $1" >&2
            exit 2
            ;;
    esac
}

# Texts of the status line (row 24), each centred at column 40 - length / 2.
SELECT_FIRST_MOVE='Select your first move'
SELECT_FIRST_MOVE_COLUMN=29
QUIT_QUESTION=' Do you wish to quit the game? (Y/n) '
QUIT_QUESTION_COLUMN=22
AUTO_PLAY_CAPTION='Auto-Play in Progress <any key to stop>'
AUTO_PLAY_CAPTION_COLUMN=21
DIRECTION_PROMPT='Specify direction (arrow)'
DIRECTION_PROMPT_COLUMN=28
STATUS_ROW=24
MOVE_COUNTER_COLUMN=69
# Columns 13 to 62 of the status line, blanked after a move or a quit refused.
PROMPT_AREA_COLUMN=13
PROMPT_AREA_WIDTH=50

# block_top_edge WIDTH: the top outline of a block that many columns wide.
block_top_edge() {
    printf '┌%s┐' "$(repeat ─ $(($1 - 2)))"
}

# expect_block_at TOP LEFT WIDTH HEIGHT LABEL: a numbered block's outline and
# label (label at offset (HEIGHT - 1) / 2, (WIDTH - 1) / 2).
expect_block_at() {
    expect_text_at "$1" "$2" "$(block_top_edge "$3")" "top edge of block $5"
    expect_text_at $(($1 + ($4 - 1) / 2)) $(($2 + ($3 - 1) / 2)) "$5" "label of block $5"
}

# expect_blank_area TOP LEFT WIDTH HEIGHT: nothing but blanks there.
expect_blank_area() {
    blank_row=$1
    while [ "$blank_row" -lt $(($1 + $4)) ]; do
        expect_text_at "$blank_row" "$2" "$(blanks "$3")" "blank board"
        blank_row=$((blank_row + 1))
    done
}

# The screen of a freshly started puzzle: the prompt, and no move counter.
wait_for_fresh_board() {
    wait_for_text_at "$STATUS_ROW" "$SELECT_FIRST_MOVE_COLUMN" "$SELECT_FIRST_MOVE" \
        "${1:-the first prompt}"
    wait_until_gone "$STATUS_ROW" "$MOVE_COUNTER_COLUMN" "Moves:" "move counter of a fresh puzzle"
}

wait_for_move_count() {
    wait_for_text_at "$STATUS_ROW" "$MOVE_COUNTER_COLUMN" "Moves: $1" "move counter"
}

# Refusals ----------------------------------------------------------------

# The exit status of a game that cannot use its terminal.
E2E_REFUSAL_STATUS=1
E2E_ESCAPE=$(printf '\033')

# expect_one_line_reason FILE
expect_one_line_reason() {
    lines=$(wc -l <"$1" | tr -d ' ')
    [ "$lines" = 1 ] && [ -n "$(tr -d '\n' <"$1")" ] &&
        [ -z "$(tail -c 1 "$1" | tr -d '\n')" ] ||
        fail "stderr should hold exactly one line, it holds: [$(cat "$1")]"
    if grep -q "$E2E_ESCAPE" "$1"; then
        fail "stderr holds escape sequences: [$(cat -v "$1")]"
    fi
}

expect_empty_file() {
    [ -e "$1" ] && [ ! -s "$1" ] ||
        fail "standard output should be empty, it holds: [$(cat -v "$1" 2>/dev/null)]"
}

# Everything the program run by start_in_terminal wrote to the terminal,
# once the line printed after it has arrived, must be just that line.
expect_nothing_drawn() {
    log=$E2E_RUN_DIR/terminal.log
    polls=$(wait_polls)
    while ! grep -q -e "$E2E_AFTER_MARK" "$log" 2>/dev/null; do
        [ "$polls" -gt 0 ] || fail "the terminal output was not recorded"
        sleep "$E2E_POLL_SECONDS"
        polls=$((polls - 1))
    done
    written=$(tr -d '\r' <"$log")
    [ "$written" = "$E2E_AFTER_MARK" ] ||
        fail "the program wrote to the terminal: [$(tr -d '\r' <"$log" | sed "/^$E2E_AFTER_MARK\$/d" | cat -v)]"
}

# expect_refused_in_terminal DESCRIPTION SHELL_COMMAND: SHELL_COMMAND (run by
# start_in_terminal, its stderr to `stderr`) ends with the refusal status,
# one line on stderr, nothing drawn and the terminal modes as they were.
expect_refused_in_terminal() {
    context "$GAME_NAME $1"
    start_in_terminal 80 25 "$2"
    wait_for_exit $E2E_REFUSAL_STATUS
    expect_one_line_reason "$E2E_RUN_DIR/stderr"
    expect_nothing_drawn
    expect_terminal_modes_kept
    pass "status 1, one line on stderr, nothing drawn: $(cat "$E2E_RUN_DIR/stderr")"
}
