# blockslide-a started from an interactive shell, mid-line: a 1 MB paste that begins by ending
# the game leaves nothing for the shell to run, and the whole last screen stays with the prompt
# below it; Ctrl-Z gives the shell its screen, cursor and mouse back; after a shell that sets its
# own title and fg, the window has the game's title again.

. "$(dirname "$0")/lib.sh"

TITLE='  FARNSWOG!   move the big blue block to the far right.'

# prompt: the shell's prompt is the last thing on the screen.
prompt() { [ "$(tmx capture-pane -p | grep . | tail -n 1)" = '$' ]; }
title() { [ "$(tmx display-message -p '#{pane_title}')" = "$1" ]; }

# The game starts with the shell's cursor mid-line, after "-> ".
start_in_shell() {
    run 'PS1="$ " sh -i'
    within "the shell's first prompt" at 1 1 '$ '
    keys -l 'printf "%s" "-> "; "$GAME" 2>err' && keys Enter
    prompted
}

start_in_shell
{ printf '2qy\n' && seq 70000 | sed 's/^/touch leaked/'; } | head -c 1048576 >"$DIR/paste"
tmx load-buffer -b paste "$DIR/paste" && tmx paste-buffer -b paste -t play ||
    fail "could not paste"
within "the shell's prompt below the game" at 25 1 '$ '
sleep 1
expect_at 1 11 "$BOX_TOP" "the top of the box, kept above the prompt"
expect_at 24 69 "Moves: 1" "the move counter, kept"
keys -l exit && keys Enter
ended 0
[ -z "$(ls "$RUN" | grep leaked)" ] || fail "the shell ran $(ls "$RUN" | grep -c leaked) pasted lines"
ok "a 1 MB paste that begins with 2, Q, Y: the shell runs nothing, and the whole board stays"

start_in_shell
within "the game's title" title "$TITLE"
keys C-z
within "the shell's prompt after Ctrl-Z" prompt
flags=$(tmx display-message -p '#{alternate_on} #{cursor_flag} #{mouse_any_flag}')
[ "$flags" = "0 1 0" ] || fail "alternate screen, cursor, mouse after Ctrl-Z: $flags, not 0 1 0"
keys -l "printf '${ESC}]0;shell\\007'; fg" && keys Enter
prompted "after fg"
within "the game's title after fg" title "$TITLE"
keys -l Q
wait_at 24 22 "$QUESTION" "the quit question after fg"
keys -l Y
within "the shell's prompt after the game" prompt
keys -l exit && keys Enter
ended 0
ok "the game's title comes back after Ctrl-Z and fg"
