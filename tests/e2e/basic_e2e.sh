# The start screen of each game in a real 80 x 25 terminal, one move, and
# Esc giving the terminal back.
# Usage: sh basic_e2e.sh path/to/blockslide-a path/to/blockslide-b

. "$(dirname "$0")/lib.sh"
e2e_setup basic "$@"

BOX_TOP_ROW=1
BOX_BOTTOM_ROW=22
BOX_LEFT=11
BOX_RIGHT=69
BOX_INNER_WIDTH=57
DARK_GRAY=8
BLACK=0
YELLOW=14
LIGHT_GRAY=7
LIGHT_CYAN=11
WHITE=15
BLUE=1

check_box() {
    context "$GAME_NAME box"
    expect_text_at $BOX_TOP_ROW $BOX_LEFT "┌$(repeat ─ $BOX_INNER_WIDTH)┐" "top edge of the box"
    expect_text_at $BOX_BOTTOM_ROW $BOX_LEFT "└$(repeat ─ $BOX_INNER_WIDTH)┘" "bottom edge of the box"
    row=2
    while [ $row -lt $BOX_BOTTOM_ROW ]; do
        expect_text_at $row $BOX_LEFT "│█" "left side of the box"
        if [ $row -ge "$GAME_TARGET_FIRST_ROW" ] && [ $row -le "$GAME_TARGET_LAST_ROW" ]; then
            expect_text_at $row 68 "██" "right side of the box with the goal marker"
        else
            expect_text_at $row 68 "█│" "right side of the box"
        fi
        row=$((row + 1))
    done
    expect_colours $BOX_TOP_ROW $BOX_LEFT $BLACK $DARK_GRAY "top-left corner of the box"
    expect_colours $BOX_TOP_ROW 40 $BLACK $DARK_GRAY "top edge of the box"
    expect_colours $BOX_BOTTOM_ROW $BOX_RIGHT $BLACK $DARK_GRAY "bottom-right corner of the box"
    expect_colours 10 12 $DARK_GRAY $DARK_GRAY "left wall of the box"
    expect_colours 4 $BOX_RIGHT $BLACK $DARK_GRAY "right edge of the box"
    expect_colours "$GAME_TARGET_FIRST_ROW" $BOX_RIGHT $YELLOW - "goal marker at the start"
    pass "dark gray box from (1, 11) to (22, 69), goal marker on rows $GAME_TARGET_FIRST_ROW to $GAME_TARGET_LAST_ROW"
}

check_command_bar() {
    context "$GAME_NAME command bar"
    row=8
    for word in $GAME_COMMANDS; do
        expect_text_at $row 4 "$word" "command word"
        expect_colours $row 4 $YELLOW $BLACK "first letter of \"$word\""
        expect_colours $row 5 $LIGHT_GRAY $BLACK "rest of \"$word\""
        row=$((row + 1))
    done
    expect_text_at $row 4 "    " "row after the last command word"
    if [ "$GAME_NAME" = blockslide-b ]; then
        expect_text_at 6 2 "GAME #1" "puzzle number"
        expect_colours 6 2 $LIGHT_CYAN $BLACK "puzzle number"
    else
        expect_text_at 6 2 "       " "row 6 (no puzzle number)"
    fi
    pass "$GAME_COMMANDS"
}

check_start_screen() {
    context "$GAME_NAME start"
    start_game "$GAME_PROGRAM"
    wait_for_fresh_board
    expect_colours $STATUS_ROW $SELECT_FIRST_MOVE_COLUMN $LIGHT_GRAY $BLACK "first prompt"
    title=$(pane_format '#{pane_title}')
    [ "$title" = "$GAME_TITLE" ] || fail "window title is \"$title\", expected \"$GAME_TITLE\""
    expect_colours $((GAME_FACE_TOP + 1)) $((GAME_FACE_LEFT + 1)) - $BLUE "inside the big blue block"
    pass "\"$SELECT_FIRST_MOVE\" at (24, 29), title set"
    check_box
    check_command_bar
}

# One legal move of block 2: its start place and where it goes, from the
# start layout of each puzzle.
check_move_of_block_2() {
    context "$GAME_NAME move"
    case $GAME_NAME in
        blockslide-a)
            # Block 2 (cyan, 11 x 5) at c4 r1 can only go left into c3 r1.
            from_top=7 from_left=57 to_top=7 to_left=46 colour=3
            ;;
        blockslide-b)
            # Block 2 (red, 11 x 5) at c2 r1 can only go down into c2 r2.
            from_top=7 from_left=35 to_top=12 to_left=35 colour=4
            ;;
    esac
    expect_block_at $from_top $from_left 11 5 2
    expect_colours $((from_top + 2)) $((from_left + 5)) $WHITE $colour "label of block 2"
    expect_blank_area $to_top $to_left 11 5
    expect_colours $((to_top + 2)) $((to_left + 5)) - $BLACK "free cell"

    type_text 2
    wait_for_move_count 1
    expect_colours $STATUS_ROW $MOVE_COUNTER_COLUMN $LIGHT_CYAN $BLACK "move counter"
    expect_text_at $STATUS_ROW $PROMPT_AREA_COLUMN "$(blanks $PROMPT_AREA_WIDTH)" \
        "status line after the first move"
    expect_block_at $to_top $to_left 11 5 2
    expect_colours $((to_top + 2)) $((to_left + 5)) $WHITE $colour "label of the moved block 2"
    expect_blank_area $from_top $from_left 11 5
    expect_colours $((from_top + 2)) $((from_left + 5)) - $BLACK "cell block 2 left"
    expect_colours "$GAME_TARGET_FIRST_ROW" $BOX_RIGHT $LIGHT_GRAY - "goal marker after the first key"
    pass "2 moves block 2 from ($from_top, $from_left) to ($to_top, $to_left); \"Moves: 1\" at (24, 69)"
}

check_escape_ends_game() {
    context "$GAME_NAME Esc"
    press Escape
    wait_for_exit 0
    expect_terminal_restored
    title=$(pane_format '#{pane_title}')
    [ "$title" != "$GAME_TITLE" ] || fail "the window title still names the game"
    pass "exit status 0, terminal restored"
}

for game in a b; do
    use_game $game
    check_start_screen
    check_move_of_block_2
    check_escape_ends_game
done
