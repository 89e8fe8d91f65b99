# blockslide-a with the mouse in a real terminal: reporting is on while the game runs and an SGR
# click moves a block, wherever the screen is centred; --no-mouse never switches it on. (That every
# way out switches it off, the other scripts check as they check the terminal restored.)

. "$(dirname "$0")/lib.sh"

mouse() { [ "$(tmx display-message -p '#{mouse_any_flag}')" = "$1" ]; }
click() { keys -l "${ESC}[<0;$2;$1M${ESC}[<0;$2;$1m"; } # click ROW COLUMN

play
prompted
mouse 1 || fail "mouse reporting is off while the game runs"
tmx resize-window -x 100 -y 31 # the screen 3 rows down and 10 columns right
wait_at 4 21 "$BOX_TOP" "the box, centred in 100 x 31"
click 12 70 # block 2, which can only go left
wait_at 27 79 "Moves: 1" "a click on block 2"
expect_at 10 56 "┌─────────┐" "block 2 moved left"
click 17 15 # Quit
wait_at 27 32 "$QUESTION" "the quit question after a click on Quit"
keys -l Y
ended 0
tmx resize-window -x 80 -y 25
restored
ok "with the screen centred, an SGR click moves a block and another asks to quit"

run '"$GAME" --no-mouse 2>err'
prompted
mouse 0 || fail "--no-mouse switched mouse reporting on"
keys Escape
ended 0
ok "--no-mouse leaves mouse reporting off"
