# Shared by the end-to-end tests, which run the real games in a private tmux
# server: keys go in with send-keys, the screen comes back with capture-pane.
# Rows and columns are 1-based terminal positions. A failed check prints its
# message, the screen and the program's stderr, and ends the script with 1.
# Every script is run as: sh NAME_e2e.sh path/to/blockslide-a path/to/blockslide-b

if [ $# -ne 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
    echo "usage: sh $0 path/to/blockslide-a path/to/blockslide-b" >&2
    exit 2
fi
command -v tmux >/dev/null || { echo "FAIL: the end-to-end tests need tmux" >&2; exit 1; }
GAME_A=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
GAME_B=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
DIR=$(mktemp -d "${TMPDIR:-/tmp}/blockslide-e2e.XXXXXX") || exit 1
SOCKET=blockslide-e2e-$$
SOCKET_PATH=
RUN=
RUNS=0
MARK='--- program ended ---'
ESC=$(printf '\033')
for TERM_TYPE in tmux-256color screen-256color xterm-256color; do
    infocmp "$TERM_TYPE" >/dev/null 2>&1 && break
done
# The games keep their state until they exit; the sanitizer need not list it.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
unset TMUX
trap 'tmx kill-server 2>/dev/null; rm -rf "$DIR" ${SOCKET_PATH:+"$SOCKET_PATH"}' EXIT
trap 'exit 1' INT TERM HUP

tmx() { tmux -L "$SOCKET" -f /dev/null "$@"; }

ok() { echo "ok - $*"; }

fail() {
    {
        echo "FAIL: $*"
        if screen=$(tmx capture-pane -p 2>/dev/null); then
            printf '    |' && printf '%10s' 10 20 30 40 50 60 70 80 90 100 && echo
            printf '%s\n' "$screen" | awk '{ printf "%3d |%s\n", NR, $0 }'
        fi
        [ -e "$RUN/status" ] && echo "The program ended with status $(cat "$RUN/status")."
        [ -s "$RUN/err" ] && echo "Its stderr:" && cat "$RUN/err"
    } >&2
    exit 1
}

# repeat TEXT COUNT
repeat() { printf "%$2s" '' | sed "s/ /$1/g"; }

SELECT='Select your first move'
BOX_TOP="┌$(repeat ─ 57)┐"
BOX_BOTTOM="└$(repeat ─ 57)┘"
PAD=$(repeat ' ' 100)

# run COMMAND [COLUMNS ROWS]: the shell command (which may use $GAME) in a
# fresh terminal of exactly that size (80 x 25 unless told), in its own
# directory $RUN. When it ends, $RUN/status holds its exit status, stty.before
# and stty.after the terminal modes around it, and $MARK follows on the screen.
run() {
    RUNS=$((RUNS + 1))
    RUN=$DIR/run$RUNS
    mkdir "$RUN"
    cat >"$RUN/run.sh" <<EOF
cd '$RUN' || exit 1
stty -g >stty.before && stty -a >modes.before
export TERM=$TERM_TYPE LC_ALL=C.UTF-8
$1
status=\$?
stty -g >stty.after && stty -a >modes.after
echo \$status >status.new && mv status.new status
echo '$MARK'
exec sleep 100
EOF
    tmx kill-session -t play 2>/dev/null # the server stays, restarting it races
    tmx start-server \; set -g exit-empty off \; set -g escape-time 0 \; set -g status off \; \
        set -g remain-on-exit on \; set -g default-terminal "$TERM_TYPE" \; \
        new-session -d -s play -e "GAME=$GAME" -x "${2:-80}" -y "${3:-25}" "sh '$RUN/run.sh'" ||
        fail "tmux did not start"
    SOCKET_PATH=$(tmx display-message -p '#{socket_path}')
    size=$(tmx display-message -p '#{pane_width} x #{pane_height}')
    [ "$size" = "${2:-80} x ${3:-25}" ] || fail "the terminal is $size, not ${2:-80} x ${3:-25}"
}

# play [COLUMNS ROWS]: the game $GAME in a fresh terminal, its stderr in $RUN/err.
play() { run '"$GAME" 2>err' "$@"; }

# keys KEY...: tmux key names (Escape, Up, Space); -l Q types Q literally.
keys() { tmx send-keys "$@" || fail "could not send the keys $*"; }

# at ROW COLUMN TEXT: whether TEXT, blanks included, stands there now.
at() {
    rest=$(tmx capture-pane -p | sed -n "$1{s/\$/$PAD/;p;}" |
        LC_ALL=C.UTF-8 sed "s/^.\{$(($2 - 1))\}//")
    case $rest in "$3"*) return 0 ;; esac
    return 1
}

not() { ! "$@"; }

# within DESCRIPTION COMMAND...: polls COMMAND until it succeeds, at most 10 s.
within() {
    what=$1
    shift
    polls=100
    until "$@"; do
        polls=$((polls - 1))
        [ $polls -gt 0 ] || fail "$what (waited 10 s)"
        sleep 0.1
    done
}

# expect_at / wait_at / wait_gone ROW COLUMN TEXT [DESCRIPTION]
expect_at() { at "$@" || fail "${4:-text} at row $1, column $2: expected \"$3\""; }
wait_at() { within "${4:-text} at row $1, column $2: expected \"$3\"" at "$@"; }
wait_gone() { within "\"$3\" should leave row $1, column $2" not at "$@"; }

# ended STATUS: the program ends, with that exit status.
ended() {
    within "the program should have ended" test -e "$RUN/status"
    [ "$(cat "$RUN/status")" = "$1" ] || fail "exit status $(cat "$RUN/status"), expected $1"
}

# restored: after the program the terminal modes are those it started with,
# the normal screen is back with a visible cursor and normal cursor keys, and
# $MARK stands on the first row (nothing was drawn) or, below the game's last
# screen, on the row above the bottom one, with nothing else after it.
restored() {
    within "$MARK on the first row or above the bottom one" eval \
        'at 1 1 "$MARK" || at $(($(tmx display-message -p "#{pane_height}") - 1)) 1 "$MARK"'
    cmp -s "$RUN/stty.before" "$RUN/stty.after" ||
        fail "the terminal modes changed: $(diff "$RUN/modes.before" "$RUN/modes.after")"
    flags=$(tmx display-message -p '#{alternate_on} #{cursor_flag} #{keypad_cursor_flag}')
    [ "$flags" = "0 1 0" ] ||
        fail "alternate screen, cursor shown, cursor keys mode are $flags, expected 0 1 0"
    [ -z "$(tmx capture-pane -p | sed "0,/^$MARK/d" | tr -d ' \n')" ] ||
        fail "the screen shows more than \"$MARK\" after the program"
}

# background ROW COLUMN: the terminal colour number the terminal was last told
# to paint backgrounds with before that cell ("default" after a reset). Only
# SGR is read: 40-47, 100-107 (bright: 8-15), 48;5;N, 49 and resets.
background() {
    tmx capture-pane -p -e | sed -n "$1p" | LC_ALL=C awk -F "${ESC}[[]" -v column="$2" '{
        bg = "default"
        for (i = 1; i <= NF; i++) {
            text = $i
            if (i > 1) {
                end = index(text, "m")
                n = split(substr(text, 1, end - 1), p, /[;:]/)
                text = substr(text, end + 1)
                if (n == 0) bg = "default"
                for (j = 1; j <= n; j++) {
                    v = p[j] + 0
                    if (v == 0 || v == 49) bg = "default"
                    else if (v >= 40 && v <= 47) bg = v - 40
                    else if (v >= 100 && v <= 107) bg = v - 92
                    else if (v == 48 && p[j + 1] == 5) bg = p[j + 2] + 0
                    if (v == 38 || v == 48) j += p[j + 1] == 5 ? 2 : 4
                }
            }
            gsub(/[\200-\277]/, "", text)  # count UTF-8 characters, not bytes
            cells += length(text)
            if (cells >= column) { print bg; exit }
        }
    }'
}

# expect_background ROW COLUMN TERMINAL_COLOUR DESCRIPTION
expect_background() {
    found=$(background "$1" "$2")
    [ "$found" = "$3" ] ||
        fail "$4 at row $1, column $2: background colour $found, expected $3"
}
