# blockslide-a.exe under wine in an 80 x 25 terminal: the start screen in its
# characters and colours, one move, and Esc. Run by the Windows build's tests
# (tools/windows-build) with the two .exe files.
. "$(dirname "$0")/lib.sh"
WINE=$(cd "$(dirname "$0")/../../tools" && pwd)/wine-run
export WINEPREFIX=${WINEPREFIX:-$(dirname "$GAME_A")/wine}
# A new prefix takes a while to set up; that is done before the clock runs.
"$WINE" cmd /c exit >/dev/null 2>&1 || fail "wine does not start"

run "'$WINE' \"\$GAME\" 2>err"
prompted
expect_at 1 11 "$BOX_TOP" "the box's top edge"
expect_at 22 11 "$BOX_BOTTOM" "the box's bottom edge"
expect_at 2 11 '│█' "the box's left side"
expect_at 8 4 'Back' "the first command"

expect_background 1 11 8 "the box (dark gray)"
ok "the start screen"

keys 2
wait_at 24 69 'Moves: 1' "the move counter"
expect_background 8 58 0 "the place block 2 left (black)"
ok "block 2 moves left"

keys Escape
ended 0
cursor_shown() { [ "$(tmx display-message -p '#{cursor_flag}')" = 1 ]; }
within "the cursor should be shown again" cursor_shown
ok "Esc ends the program with status 0 and gives the cursor back"
