# blockslide-a's screen: Ctrl-S does not freeze it, it stays in colour after
# the game with the prompt below it, and on eight-colour terminals the box
# around the board is still drawn in gray (7), apart from the black board.

. "$(dirname "$0")/lib.sh"

GAME=$GAME_A
DARK_GRAY=8 LIGHT_GRAY=7 BLACK=0 # terminal colour numbers

play
prompted
keys C-s
keys -l 2
wait_at 24 69 "Moves: 1" "a move after Ctrl-S"
ok "Ctrl-S does not freeze the screen"

keys -l Q
wait_at 24 22 "$QUESTION" "the quit question"
keys -l Y
ended 0
restored
# Two rows have scrolled away: the screen's 25 rows and the line printed
# after them do not fit in 25.
expect_at 20 11 "$BOX_BOTTOM" "the bottom edge of the box, kept"
expect_background 20 11 $DARK_GRAY "the box, kept"
expect_at 22 22 "$QUESTION" "the answered question, kept"
expect_at 22 69 "Moves: 1" "the move counter, kept"
expect_at 24 1 "$MARK" "the shell's output below the last screen"
expect_background 24 1 default "the shell's output"
ok "the last screen stays, in colour, with the shell below it"

for type in xterm linux; do
    run "TERM=$type \"\$GAME\" 2>err"
    prompted "with TERM=$type"
    expect_at 1 11 "$BOX_TOP" "the top edge of the box"
    expect_background 1 11 $LIGHT_GRAY "the box outline"
    expect_background 2 12 $LIGHT_GRAY "the box's inner bar"
    expect_background 9 50 $BLACK "the free cell inside"
    keys Escape
    ended 0
    restored
    ok "TERM=$type: the box stays visible in eight colours"
done
