# Each game refuses to run without a terminal for input and output, or on a
# terminal type it cannot drive: exit status 1, exactly one line on stderr,
# nothing on stdout or on the screen, and the terminal modes as they were.

. "$(dirname "$0")/lib.sh"

# refused STATUS DESCRIPTION: the verdict on the run in $RUN.
refused() {
    [ "$1" = 1 ] || fail "$name $2: exit status $1, expected 1"
    [ ! -s "$RUN/out" ] || fail "$name $2: stdout should be empty: [$(cat -v "$RUN/out")]"
    [ "$(wc -l <"$RUN/err")" -eq 1 ] && [ -z "$(tail -c 1 "$RUN/err")" ] &&
        grep -q '[^ ]' "$RUN/err" && ! grep -q "$ESC" "$RUN/err" ||
        fail "$name $2: stderr should be one line of text: [$(cat -v "$RUN/err")]"
    ok "$name $2: $(cat "$RUN/err")"
}

for GAME in "$GAME_A" "$GAME_B"; do
    name=$(basename "$GAME")
    tmx kill-session -t play 2>/dev/null # no stale screen in the messages
    RUN=$DIR/$name
    mkdir "$RUN"
    TERM=$TERM_TYPE "$GAME" </dev/null >"$RUN/out" 2>"$RUN/err"
    refused $? "with no terminal at all"
    echo | TERM=$TERM_TYPE "$GAME" >"$RUN/out" 2>"$RUN/err"
    refused $? "reading a pipe, writing a file"

    for command in 'echo | "$GAME"' '"$GAME" >out' 'TERM=no-such-terminal "$GAME"' \
        'env -u TERM "$GAME"' 'TERM=dumb "$GAME"'; do
        run "$command 2>err"
        ended 1
        restored
        refused 1 "in a terminal as: $command"
    done
done
