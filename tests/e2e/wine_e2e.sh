# blockslide-a.exe under wine in an 80 x 25 terminal, started as a player starts it the first time:
# on a wine prefix that does not exist yet, its stderr on the terminal. The start screen in its
# characters, with nothing of wine's over it; one move, and Esc, which keeps the last board. Run
# by the Windows build's tests (tools/windows-build) with the two .exe files.
. "$(dirname "$0")/lib.sh"
WINE=$(cd "$(dirname "$0")/../../tools" && pwd)/wine-run
export WINEPREFIX="$DIR/wine"

run "'$WINE' \"\$GAME\""
# Setting up the new prefix comes first and takes a while.
polls=600
until at 24 29 "$SELECT"; do
    [ $((polls -= 1)) -gt 0 ] && sleep 0.1 || fail "the first prompt on a new prefix (waited 60 s)"
done
BLOCK_TOP="┌$(repeat ─ 20)┐" SIDE=$(repeat ' ' 10) END=$(repeat ' ' 11)
expect_at 1 1 "$SIDE$BOX_TOP$END" "row 1: the box's top edge alone"
expect_at 2 1 "$SIDE│█$BLOCK_TOP$BLOCK_TOP┌$(repeat ─ 9)┐█│$END" "row 2: the tops of blocks 5, 6 and 1"
expect_at 22 11 "$BOX_BOTTOM" "the box's bottom edge"
expect_at 8 4 'Back' "the first command"
ok "the start screen on a new prefix"

keys 2
wait_at 24 69 'Moves: 1' "the move counter"
expect_at 7 46 "┌─────────┐" "block 2, moved left"
keys Escape
ended 0
cursor_shown() { [ "$(tmx display-message -p '#{cursor_flag}')" = 1 ]; }
within "the cursor should be shown again" cursor_shown
tmx capture-pane -p | grep -qF "┌─────────┐┌─────────┐" || fail "the last board is not kept"
ok "block 2 moves; Esc ends the program with status 0, the last board kept, the cursor back"
