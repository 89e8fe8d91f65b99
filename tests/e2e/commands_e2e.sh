# The commands of each game typed into a real terminal: a refused quit,
# moves with and without an arrow key, the instructions, an auto-play
# stopped by a key, and a confirmed quit.
# Usage: sh commands_e2e.sh path/to/blockslide-a path/to/blockslide-b

. "$(dirname "$0")/lib.sh"
e2e_setup commands "$@"

GREEN=2
MAGENTA=5
LIGHT_GRAY=7
LIGHT_RED=12
WHITE=15
BLACK=0

# Q, then N: the question comes and goes, the game goes on.
check_quit_refused() {
    context "$GAME_NAME Q then N"
    type_text Q
    wait_for_text_at $STATUS_ROW $QUIT_QUESTION_COLUMN "$QUIT_QUESTION" "quit question"
    expect_colours $STATUS_ROW $QUIT_QUESTION_COLUMN $MAGENTA $WHITE "quit question"
    # The cursor waits visibly just after the question (row 24, column 59).
    wait_for_pane_format '#{cursor_flag} #{cursor_y} #{cursor_x}' "1 23 58" \
        "cursor shown at row 24, column 59 (0-based in tmux)"
    type_text N
    wait_until_gone $STATUS_ROW $QUIT_QUESTION_COLUMN "$QUIT_QUESTION" "quit question"
    expect_text_at $STATUS_ROW $PROMPT_AREA_COLUMN "$(blanks $PROMPT_AREA_WIDTH)" \
        "status line after N"
    wait_for_pane_format '#{cursor_flag}' 0 "cursor hidden after N"
    expect_still_running "after N the game"
    pass "question shown at (24, 22) and blanked after N"
}

# A move with one way to go, then one that asks for an arrow key.
check_moves() {
    context "$GAME_NAME moves"
    case $GAME_NAME in
        blockslide-a)
            # Block 2 goes left; block 3 can then go up or left.
            block_2_to_top=7 block_2_to_left=46
            second_block=3 arrow=Up second_to_top=7 second_to_left=57 second_from_top=12
            ;;
        blockslide-b)
            # Block 2 goes down; it can then go up or down again.
            block_2_to_top=12 block_2_to_left=35
            second_block=2 arrow=Down second_to_top=17 second_to_left=35 second_from_top=12
            ;;
    esac
    type_text 2
    wait_for_move_count 1
    expect_block_at $block_2_to_top $block_2_to_left 11 5 2

    type_text $second_block
    wait_for_text_at $STATUS_ROW $DIRECTION_PROMPT_COLUMN "$DIRECTION_PROMPT" "direction prompt"
    expect_text_at $STATUS_ROW $MOVE_COUNTER_COLUMN "Moves: 1" "move counter at the direction prompt"
    press $arrow
    wait_for_move_count 2
    expect_text_at $STATUS_ROW $PROMPT_AREA_COLUMN "$(blanks $PROMPT_AREA_WIDTH)" \
        "status line after the arrow"
    expect_block_at $second_to_top $second_to_left 11 5 $second_block
    expect_blank_area $second_from_top $second_to_left 11 5
    pass "2 moved block 2; $second_block and $arrow moved block $second_block"
}

# H shows the instructions; Esc only acknowledges them and the puzzle
# starts over.
check_instructions() {
    context "$GAME_NAME instructions"
    type_text h
    case $GAME_NAME in
        blockslide-a)
            heading_column=31 heading="─ INSTRUCTIONS ─"
            goal_text="The objective is to move the man in the big blue block to the"
            # Box rows 2 to 23; entry k of the text is on row 2 + k.
            minimal_row=20 any_key_row=22 bottom_row=23
            ;;
        blockslide-b)
            heading_column=28 heading=" INSTRUCTIONS ─ Game #1"
            goal_text="The objective is to move the man in the blue block to the lower"
            # Box rows 2 to 24; entry k of the text is on row 2 + k.
            minimal_row=21 any_key_row=23 bottom_row=24
            ;;
    esac
    # The lowest row reaches the terminal last.
    wait_for_text_at $bottom_row 7 "╚$(repeat ═ 65)╝" "bottom border of the instructions"
    expect_text_at 2 7 "╔$(repeat ═ 65)╗" "top border of the instructions"
    expect_text_at 3 $heading_column "$heading" "instructions heading"
    expect_text_at 5 9 "$goal_text" "first instruction line"
    expect_text_at $minimal_row 9 \
        "The minimal solution is $GAME_MINIMAL_MOVES moves. See if you can do as well!" \
        "minimal solution line"
    expect_text_at $any_key_row 35 "<any key>" "closing line of the instructions"
    expect_colours 2 7 $GREEN $WHITE "border of the instructions"
    expect_colours $minimal_row 9 $BLACK $WHITE "text of the instructions"
    pass "box with \"INSTRUCTIONS\" and $GAME_MINIMAL_MOVES moves"

    press Escape
    wait_for_fresh_board "the puzzle after the instructions"
    expect_still_running "Esc at the instructions"
    case $GAME_NAME in
        blockslide-a) expect_block_at 7 57 11 5 2 ;;
        blockslide-b) expect_block_at 7 35 11 5 2 ;;
    esac
    pass "Esc returns to the puzzle in its start position"
}

# A starts the replay of the stored solution; a key stops it and the puzzle
# starts over.
check_auto_play_stopped() {
    context "$GAME_NAME auto-play"
    type_text a
    wait_for_text_at $STATUS_ROW $AUTO_PLAY_CAPTION_COLUMN "$AUTO_PLAY_CAPTION" "auto-play caption"
    expect_colours $STATUS_ROW $AUTO_PLAY_CAPTION_COLUMN $LIGHT_RED $BLACK "auto-play caption"
    wait_for_move_count 1
    expect_text_at $STATUS_ROW $AUTO_PLAY_CAPTION_COLUMN "$AUTO_PLAY_CAPTION" \
        "auto-play caption during the replay"
    expect_colours "$GAME_TARGET_FIRST_ROW" 69 $LIGHT_GRAY - "goal marker during auto-play"
    pass "caption at (24, 21), then \"Moves: 1\""

    press Space
    wait_for_fresh_board "the puzzle after auto-play was stopped"
    expect_no_text_at $STATUS_ROW $AUTO_PLAY_CAPTION_COLUMN "$AUTO_PLAY_CAPTION" "auto-play caption"
    expect_still_running "auto-play stopped by a key"
    case $GAME_NAME in
        blockslide-a) expect_block_at 7 57 11 5 2 ;;
        blockslide-b) expect_block_at 7 35 11 5 2 ;;
    esac
    pass "a key stops it and the puzzle starts over"
}

check_quit_confirmed() {
    context "$GAME_NAME Q then Y"
    type_text Q
    wait_for_text_at $STATUS_ROW $QUIT_QUESTION_COLUMN "$QUIT_QUESTION" "quit question"
    type_text Y
    wait_for_exit 0
    expect_terminal_restored
    pass "exit status 0, terminal restored"
}

for game in a b; do
    use_game $game
    context "$GAME_NAME start"
    start_game "$GAME_PROGRAM"
    wait_for_fresh_board
    check_quit_refused
    check_moves
    check_instructions
    check_auto_play_stopped
    check_quit_confirmed
done
