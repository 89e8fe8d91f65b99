# Each game played in a real 80 x 25 terminal, twice. First: the start screen
# and its colours, a move by digit, a move that needs an arrow key, and Esc.
# Then: a refused quit, the instructions, an auto-play stopped by a key, and
# Ctrl-C, which ends it with status 130 and the terminal modes restored.

. "$(dirname "$0")/lib.sh"

for game in a b; do
    # Block 2 moves to the free cell; then block $two can go two ways.
    if [ $game = a ]; then
        GAME=$GAME_A face_row=8 minimal=118 row=20 from=7,57 to=7,46 two=3 arrow=Up two_from=12,57
    else
        GAME=$GAME_B face_row=3 minimal=41 row=21 from=7,35 to=12,35 two=2 arrow=Down two_from=12,35
    fi
    name=$(basename "$GAME")
    block() { expect_at "${1%,*}" "${1#*,}" "┌─────────┐" "block $2" && expect_at $((${1%,*} + 2)) $((${1#*,} + 5)) "$2" "label $2"; }
    fresh() { wait_at 24 29 "$SELECT" "$1" && wait_gone 24 69 "Moves:" && block $from 2; }

    play
    fresh "$name: the first prompt"
    expect_at 1 11 "$BOX_TOP" "top edge of the box"
    expect_at 22 11 "$BOX_BOTTOM" "bottom edge of the box"
    expect_background 1 11 8 "the box"
    expect_background $face_row 14 4 "inside the face block" # terminal blue
    keys -l 2
    wait_at 24 69 "Moves: 1" "the move counter"
    block $to 2
    keys -l $two
    wait_at 24 28 "Specify direction (arrow)"
    keys $arrow
    wait_at 24 69 "Moves: 2" "the move counter"
    expect_at $((${two_from%,*} + 2)) ${two_from#*,} "$(repeat ' ' 11)" "the cell block $two left"
    keys Escape
    ended 0
    restored
    ok "$name: moves by digit and by arrow; Esc ends it with status 0"

    play
    fresh "$name: the first prompt"
    keys -l Q
    wait_at 24 22 " Do you wish to quit the game? (Y/n) " "the quit question"
    keys -l N
    wait_gone 24 22 " Do you"
    keys -l h
    wait_at $row 9 "The minimal solution is $minimal moves. See if you can do as well!"
    keys Escape # only closes the instructions
    fresh "the puzzle after the instructions"
    keys -l a
    wait_at 24 69 "Moves: 1" "the first auto-play move"
    keys Space
    fresh "the puzzle after auto-play"
    keys C-c
    ended 130
    restored
    ok "$name: Q N, instructions, auto-play stopped; Ctrl-C ends it with status 130"
done
