# Each game in a 100 x 30 terminal draws its 80 x 25 screen centred, and moves
# it to the corner when the terminal shrinks to 80 x 25 during play.

. "$(dirname "$0")/lib.sh"

# (100 - 80) / 2 columns to the right, (30 - 25) / 2 rows down.
COLUMN_SHIFT=10
ROW_SHIFT=2

for GAME in "$GAME_A" "$GAME_B"; do
    name=$(basename "$GAME")
    play 100 30
    wait_at $((24 + ROW_SHIFT)) $((29 + COLUMN_SHIFT)) "$SELECT" "$name: the first prompt"
    expect_at $((1 + ROW_SHIFT)) $((11 + COLUMN_SHIFT)) "$BOX_TOP" "top edge of the box"
    expect_at $((22 + ROW_SHIFT)) $((11 + COLUMN_SHIFT)) "$BOX_BOTTOM" "bottom edge of the box"
    expect_at 1 1 "$(repeat ' ' 100)" "the row above the screen"
    expect_at $ROW_SHIFT 1 "$(repeat ' ' 100)" "the row above the screen"
    expect_at $((1 + ROW_SHIFT)) 1 "$(repeat ' ' $((10 + COLUMN_SHIFT)))┌" "left of the box"
    keys -l 2
    wait_at $((24 + ROW_SHIFT)) $((69 + COLUMN_SHIFT)) "Moves: 1" "the move counter"
    ok "$name: centred in 100 x 30, a move counts"

    tmx resize-window -x 80 -y 25 || fail "could not resize the terminal"
    wait_at 1 11 "$BOX_TOP" "top edge of the box after the resize"
    wait_at 24 69 "Moves: 1" "the move counter after the resize"
    keys Escape
    ended 0
    restored
    ok "$name: follows the terminal to 80 x 25; Esc ends it, terminal restored"
done
