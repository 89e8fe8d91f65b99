# Each game refuses a terminal it cannot drive (no cursor addressing, an
# unknown type, no type at all) the way it refuses no terminal: exit status
# 1, one line on stderr, nothing drawn, and the terminal left in the modes
# the shell had set.
# Usage: sh unusable_terminal_e2e.sh path/to/blockslide-a path/to/blockslide-b

. "$(dirname "$0")/lib.sh"
e2e_setup unusable_terminal "$@"

UNKNOWN_TERMINAL_TYPE=no-such-terminal-blockslide

for game in a b; do
    use_game $game
    quoted=$(shell_quote "$GAME_PROGRAM")
    expect_refused_in_terminal "on an unknown terminal type" \
        "TERM=$UNKNOWN_TERMINAL_TYPE $quoted 2>stderr"
    expect_refused_in_terminal "with no terminal type" "env -u TERM $quoted 2>stderr"
    expect_refused_in_terminal "on a terminal that cannot place the cursor" \
        "TERM=dumb $quoted 2>stderr"
done
