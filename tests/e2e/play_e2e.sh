# Each game played in a real 80 x 25 terminal. First run: the start screen and
# its colours, a move by digit, a move that needs an arrow key, and Esc. Second
# run: a refused quit, the instructions, an auto-play stopped by a key and
# Ctrl-C.

. "$(dirname "$0")/lib.sh"

QUESTION=' Do you wish to quit the game? (Y/n) '
DARK_GRAY=8 # terminal colour numbers
BLUE=4

# block_at TOP LEFT LABEL: a one-cell block (11 x 5) with its label in the middle.
block_at() {
    expect_at "$1" "$2" "┌─────────┐" "top edge of block $3"
    expect_at $(($1 + 2)) $(($2 + 5)) "$3" "label of block $3"
}

# free_at TOP LEFT: the middle row of an empty cell.
free_at() { expect_at $(($1 + 2)) "$2" "$(repeat ' ' 11)" "the middle of a free cell"; }

fresh_board() {
    wait_at 24 29 "$SELECT" "$1"
    wait_gone 24 69 "Moves:"
}

for game in a b; do
    # Block 2 is a one-cell block with one way to go, to the free cell; then
    # block $second can go two ways and $arrow picks one.
    if [ $game = a ]; then
        GAME=$GAME_A face_row=8 face_column=14 minimal=118 minimal_row=20
        b2_row=7 b2_column=57 b2_to_row=7 b2_to_column=46
        second=3 arrow=Up second_row=12 second_column=57 second_to_row=7
    else
        GAME=$GAME_B face_row=3 face_column=14 minimal=41 minimal_row=21
        b2_row=7 b2_column=35 b2_to_row=12 b2_to_column=35
        second=2 arrow=Down second_row=12 second_column=35 second_to_row=17
    fi
    name=$(basename "$GAME")

    play
    fresh_board "$name: the first prompt"
    expect_at 1 11 "$BOX_TOP" "top edge of the box"
    expect_at 22 11 "$BOX_BOTTOM" "bottom edge of the box"
    expect_background 1 11 $DARK_GRAY "the box"
    expect_background $face_row $face_column $BLUE "inside the face block"
    block_at $b2_row $b2_column 2
    free_at $b2_to_row $b2_to_column
    ok "$name: box, blocks and \"$SELECT\" at row 24, column 29"

    keys -l 2
    wait_at 24 69 "Moves: 1" "the move counter"
    expect_at 24 13 "$(repeat ' ' 50)" "the prompt area after the first move"
    block_at $b2_to_row $b2_to_column 2
    free_at $b2_row $b2_column
    keys -l $second
    wait_at 24 28 "Specify direction (arrow)"
    keys $arrow
    wait_at 24 69 "Moves: 2" "the move counter"
    block_at $second_to_row $second_column $second
    free_at $second_row $second_column
    ok "$name: 2 moves block 2, $second and $arrow move block $second"

    keys Escape
    ended 0
    restored
    ok "$name: Esc ends it with status 0, terminal restored"

    play
    fresh_board "$name: the first prompt"
    keys -l Q
    wait_at 24 22 "$QUESTION" "the quit question"
    keys -l N
    wait_gone 24 22 "$QUESTION"
    keys -l 2
    wait_at 24 69 "Moves: 1" "a move after N"
    ok "$name: Q then N, the game goes on"

    keys -l h
    wait_at 2 7 "╔$(repeat ═ 65)╗" "top of the instructions box"
    wait_at $minimal_row 9 "The minimal solution is $minimal moves. See if you can do as well!"
    keys Escape # only closes the instructions, and the puzzle starts over
    fresh_board "the puzzle after the instructions"
    block_at $b2_row $b2_column 2
    ok "$name: instructions, a key returns to the puzzle"

    keys -l a
    wait_at 24 21 "Auto-Play in Progress <any key to stop>" "the auto-play caption"
    wait_at 24 69 "Moves: 1" "the first auto-play move"
    keys Space
    fresh_board "the puzzle after auto-play was stopped"
    block_at $b2_row $b2_column 2
    ok "$name: auto-play stopped by a key"

    keys C-c
    ended 130
    restored
    ok "$name: Ctrl-C ends it with status 130, terminal modes restored"
done
