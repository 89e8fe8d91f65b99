# Shared by the end-to-end tests, which run the real games in a private tmux server: keys go in with
# send-keys, the screen comes back with capture-pane. Rows and columns are 1-based. A failed check
# prints its message, the screen and the program's stderr, and ends the script with 1; without tmux
# it ends with 77 (skipped). Run as: sh NAME_e2e.sh path/to/blockslide-a path/to/blockslide-b

[ $# -eq 2 ] && [ -x "$1" ] && [ -x "$2" ] || { echo "usage: sh $0 GAME_A GAME_B" >&2; exit 2; }
command -v tmux >/dev/null || { echo "SKIP: the end-to-end tests need tmux" >&2; exit 77; }
GAME_A=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") && GAME=$GAME_A
GAME_B=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
DIR=$(mktemp -d "${TMPDIR:-/tmp}/blockslide-e2e.XXXXXX") || exit 1
SOCKET=blockslide-e2e-$$ SOCKET_PATH= RUN= RUNS=0 MARK='--- program ended ---'
ESC=$(printf '\033')
for TERM_TYPE in tmux-256color screen-256color xterm-256color; do
    infocmp "$TERM_TYPE" >/dev/null 2>&1 && break
done
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} # the games keep their state to the end
unset TMUX
trap 'tmx kill-server 2>/dev/null; rm -rf "$DIR" ${SOCKET_PATH:+"$SOCKET_PATH"}' EXIT
trap 'exit 1' INT TERM HUP

tmx() { tmux -L "$SOCKET" -f /dev/null "$@"; }
ok() { echo "ok - $*"; }
fail() {
    {
        echo "FAIL: $*"
        tmx capture-pane -p 2>/dev/null | awk '{ printf "%3d |%s\n", NR, $0 }'
        [ -e "$RUN/status" ] && echo "The program ended with status $(cat "$RUN/status")."
        [ -s "$RUN/err" ] && echo "Its stderr:" && cat "$RUN/err"
    } >&2
    exit 1
}
repeat() { printf "%$2s" '' | sed "s/ /$1/g"; } # repeat TEXT COUNT

SELECT='Select your first move' QUESTION=' Do you wish to quit the game? (Y/n) '
BOX_TOP="┌$(repeat ─ 57)┐" BOX_BOTTOM="└$(repeat ─ 57)┘" PAD=$(repeat ' ' 100)

# run COMMAND: the shell command (which may use $GAME) in a fresh 80 x 25 terminal, in its own
# directory $RUN. When it ends, $RUN/status holds its exit status, modes.before and modes.after the
# terminal modes and descriptor flags around it, and $MARK follows on the screen.
run() {
    RUNS=$((RUNS + 1)) && RUN=$DIR/run$RUNS && mkdir "$RUN"
    cat >"$RUN/run.sh" <<EOF
cd '$RUN' || exit 1
modes() { stty -g && grep -h flags /proc/\$\$/fdinfo/0 /proc/\$\$/fdinfo/1; } # and O_NONBLOCK
modes >modes.before
export TERM=$TERM_TYPE LC_ALL=C.UTF-8
trap : INT # Ctrl-C ends the program, not this script
$1
status=\$?
modes >modes.after
echo \$status >status.new && mv status.new status
echo '$MARK'
exec sleep 100
EOF
    tmx kill-session -t play 2>/dev/null # the server stays, restarting it races
    tmx start-server \; set -g exit-empty off \; set -g escape-time 0 \; set -g status off \; \
        set -g remain-on-exit on \; set -g default-terminal "$TERM_TYPE" \; \
        new-session -d -s play -e "GAME=$GAME" -x 80 -y 25 "sh '$RUN/run.sh'" ||
        fail "tmux did not start"
    SOCKET_PATH=$(tmx display-message -p '#{socket_path}')
}

play() { run '"$GAME" 2>err'; } # $GAME, its stderr in $RUN/err
prompted() { wait_at 24 29 "$SELECT" "the first prompt${1:+ $1}"; } # prompted [WHEN]
keys() { tmx send-keys "$@" || fail "could not send the keys $*"; } # tmux key names; -l: literally

# at ROW COLUMN TEXT: whether TEXT, blanks included, stands there now.
at() {
    rest=$(tmx capture-pane -p | sed -n "$1{s/\$/$PAD/;p;}" |
        LC_ALL=C.UTF-8 sed "s/^.\{$(($2 - 1))\}//")
    case $rest in "$3"*) ;; *) return 1 ;; esac
}
not() { ! "$@"; }

# within DESCRIPTION COMMAND...: polls COMMAND until it succeeds, at most 10 s.
within() {
    what=$1 polls=100 && shift
    until "$@"; do [ $((polls -= 1)) -gt 0 ] && sleep 0.1 || fail "$what (waited 10 s)"; done
}

# expect_at / wait_at ROW COLUMN TEXT [DESCRIPTION]
expect_at() { at "$@" || fail "${4:-text} at row $1, column $2: expected \"$3\""; }
wait_at() { within "${4:-text} at row $1, column $2: expected \"$3\"" at "$@"; }

# ended STATUS: the program ends, with that exit status.
ended() {
    within "the program should have ended" test -e "$RUN/status"
    [ "$(cat "$RUN/status")" = "$1" ] || fail "exit status $(cat "$RUN/status"), expected $1"
}

# restored: the terminal modes are those the program started with, the normal
# screen is back with a visible cursor, normal cursor keys and no mouse
# reports, and $MARK stands on row 1 (nothing was drawn) or 24 (below the last
# screen), alone.
restored() {
    within "$MARK on row 1 or 24" eval 'at 1 1 "$MARK" || at 24 1 "$MARK"'
    cmp -s "$RUN/modes.before" "$RUN/modes.after" ||
        fail "the terminal modes changed: $(cat "$RUN/modes.before") to $(cat "$RUN/modes.after")"
    flags=$(tmx display-message -p '#{alternate_on} #{cursor_flag} #{keypad_cursor_flag}')
    flags="$flags $(tmx display-message -p '#{mouse_any_flag}')"
    [ "$flags" = "0 1 0 0" ] || fail "alternate screen, cursor, cursor keys, mouse: $flags, not 0 1 0 0"
    [ -z "$(tmx capture-pane -p | sed "0,/^$MARK/d" | tr -d ' \n')" ] ||
        fail "the screen shows more than \"$MARK\" after the program"
}
