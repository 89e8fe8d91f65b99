# Each game in a terminal larger than 80 x 25 draws its screen centred, and
# follows the terminal when it is resized to 80 x 25 while playing.
# Usage: sh larger_terminal_e2e.sh path/to/blockslide-a path/to/blockslide-b

. "$(dirname "$0")/lib.sh"
e2e_setup larger_terminal "$@"

LARGE_COLUMNS=100
LARGE_ROWS=30
# The 80 x 25 screen sits (100 - 80) / 2 columns right and (30 - 25) / 2
# rows down.
COLUMN_SHIFT=10
ROW_SHIFT=2

BOX_TOP_EDGE="┌$(repeat ─ 57)┐"
BOX_BOTTOM_EDGE="└$(repeat ─ 57)┘"

# expect_screen_placed ROW_SHIFT COLUMN_SHIFT: landmarks of the game screen
# shifted by that much.
expect_screen_placed() {
    expect_text_at $((1 + $1)) $((11 + $2)) "$BOX_TOP_EDGE" "top edge of the box"
    expect_text_at $((22 + $1)) $((11 + $2)) "$BOX_BOTTOM_EDGE" "bottom edge of the box"
    word_row=8
    for word in $GAME_COMMANDS; do
        expect_text_at $((word_row + $1)) $((4 + $2)) "$word" "command word"
        word_row=$((word_row + 1))
    done
    if [ "$GAME_NAME" = blockslide-b ]; then
        expect_text_at $((6 + $1)) $((2 + $2)) "GAME #1" "puzzle number"
    fi
}

for game in a b; do
    use_game $game
    context "$GAME_NAME in $LARGE_COLUMNS x $LARGE_ROWS"
    start_game "$GAME_PROGRAM" $LARGE_COLUMNS $LARGE_ROWS
    wait_for_text_at $((STATUS_ROW + ROW_SHIFT)) $((SELECT_FIRST_MOVE_COLUMN + COLUMN_SHIFT)) \
        "$SELECT_FIRST_MOVE" "first prompt"
    expect_screen_placed $ROW_SHIFT $COLUMN_SHIFT
    row=1
    while [ $row -le $ROW_SHIFT ]; do
        expect_text_at $row 1 "$(blanks $LARGE_COLUMNS)" "row above the game screen"
        row=$((row + 1))
    done
    expect_text_at $((1 + ROW_SHIFT)) 1 "$(blanks $((10 + COLUMN_SHIFT)))" \
        "left of the box's top edge"
    type_text 2
    wait_for_text_at $((STATUS_ROW + ROW_SHIFT)) $((MOVE_COUNTER_COLUMN + COLUMN_SHIFT)) \
        "Moves: 1" "move counter"
    pass "box corner at row $((1 + ROW_SHIFT)), column $((11 + COLUMN_SHIFT)); a move counts"

    context "$GAME_NAME resized to 80 x 25"
    tmx resize-window -t "$E2E_SESSION" -x 80 -y 25 || fail "could not resize the window"
    wait_for_text_at 1 11 "$BOX_TOP_EDGE" "top edge of the box"
    wait_for_move_count 1
    expect_screen_placed 0 0
    pass "the screen moves to the corner and keeps the move count"

    context "$GAME_NAME Esc"
    press Escape
    wait_for_exit 0
    expect_terminal_restored
    pass "exit status 0, terminal restored"
done
