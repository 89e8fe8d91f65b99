# Each game refuses to start when its input or output is not a terminal:
# exit status 1, one line on stderr, and nothing at all written to standard
# output or drawn on the terminal.
# Usage: sh no_terminal_e2e.sh path/to/blockslide-a path/to/blockslide-b

. "$(dirname "$0")/lib.sh"
e2e_setup no_terminal "$@"

# run_without_terminal DESCRIPTION SHELL_COMMAND: the command runs in a
# scratch directory with the program as $GAME; stdout and stderr go to
# files there.
run_without_terminal() {
    context "$GAME_NAME $1"
    E2E_RUN_DIR=$E2E_DIR/$GAME_NAME-$(echo "$1" | tr -c 'a-z0-9\n' '-')
    mkdir -p "$E2E_RUN_DIR"
    (
        cd "$E2E_RUN_DIR" || exit 1
        GAME=$GAME_PROGRAM
        export ASAN_OPTIONS="$E2E_ASAN_OPTIONS" LC_ALL=C.UTF-8 TERM="$E2E_TERM"
        eval "$2" >stdout 2>stderr
        echo $? >status
    )
    status=$(cat "$E2E_RUN_DIR/status")
    [ "$status" = $E2E_REFUSAL_STATUS ] || fail "exit status $status, expected $E2E_REFUSAL_STATUS"
    expect_empty_file "$E2E_RUN_DIR/stdout"
    expect_one_line_reason "$E2E_RUN_DIR/stderr"
    pass "status 1, one line on stderr: $(cat "$E2E_RUN_DIR/stderr")"
}

for game in a b; do
    use_game $game
    run_without_terminal "with no terminal at all" '"$GAME" </dev/null'
    run_without_terminal "reading a pipe, writing a file" 'echo | "$GAME"'

    quoted=$(shell_quote "$GAME_PROGRAM")
    expect_refused_in_terminal "reading a pipe, writing the terminal" "echo | $quoted 2>stderr"
    expect_refused_in_terminal "reading the terminal, writing a file" "$quoted >stdout 2>stderr"
    expect_empty_file "$E2E_RUN_DIR/stdout"
done
