# Each game in a real 80 x 25 terminal: the start screen and its colours, a
# move by digit, a move that needs an arrow key, and Ctrl-C, which ends it
# with status 130 and the terminal modes restored.

. "$(dirname "$0")/lib.sh"

for game in a b; do
    # Block 2 moves to the free cell; then block $two can go two ways.
    if [ $game = a ]; then
        GAME=$GAME_A face_row=8 to=7,46 two=3 arrow=Up two_from=12,57
    else
        GAME=$GAME_B face_row=3 to=12,35 two=2 arrow=Down two_from=12,35
    fi
    play
    prompted
    expect_at 1 11 "$BOX_TOP" "top edge of the box"
    expect_at 22 11 "$BOX_BOTTOM" "bottom edge of the box"
    expect_background 1 11 8 "the box"
    expect_background $face_row 14 4 "inside the face block" # terminal blue
    keys -l 2
    wait_at 24 69 "Moves: 1" "the move counter"
    expect_at "${to%,*}" "${to#*,}" "┌─────────┐" "block 2 moved"
    keys -l $two
    wait_at 24 28 "Specify direction (arrow)"
    keys $arrow
    wait_at 24 69 "Moves: 2" "the move counter"
    expect_at $((${two_from%,*} + 2)) ${two_from#*,} "$(repeat ' ' 11)" "the cell block $two left"
    keys C-c
    ended 130
    restored
    ok "$GAME: moves by digit and by arrow; Ctrl-C ends it with status 130"
done
