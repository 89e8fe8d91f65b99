# Each game refuses to run without a terminal for input and output, or on a
# terminal type it cannot drive: status 1, one line on stderr, nothing else,
# and the terminal modes as they were.

. "$(dirname "$0")/lib.sh"

for GAME in "$GAME_A" "$GAME_B"; do
    for command in '"$GAME" </dev/null' 'echo | "$GAME"' '"$GAME" >out' \
        'TERM=no-such-terminal "$GAME"' 'env -u TERM "$GAME"' 'TERM=dumb "$GAME"'; do
        run "$command 2>err"
        ended 1
        restored
        [ ! -s "$RUN/out" ] || fail "$command: stdout should be empty"
        [ "$(wc -l <"$RUN/err")" -eq 1 ] && ! grep -q "$ESC" "$RUN/err" ||
            fail "$command: stderr should be one line of text"
        ok "$(basename "$GAME") as $command: $(cat "$RUN/err")"
    done
done
