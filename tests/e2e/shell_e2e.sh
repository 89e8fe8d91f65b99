# blockslide-a started from an interactive shell: a paste that ends the game
# leaves nothing for the shell to run, and after Ctrl-Z, a shell that sets
# its own title and fg, the window has the game's title again.

. "$(dirname "$0")/lib.sh"

TITLE='  FARNSWOG!   move the big blue block to the far right.'

# prompt: the shell's prompt is the last thing on the screen.
prompt() { [ "$(tmx capture-pane -p | grep . | tail -n 1)" = '$' ]; }
title() { [ "$(tmx display-message -p '#{pane_title}')" = "$1" ]; }

start_in_shell() {
    run 'PS1="$ " sh -i'
    keys -l '"$GAME" 2>err' && keys Enter
    prompted
}

start_in_shell
printf '1 2 q\ntouch leaked\n' >"$DIR/paste"
tmx load-buffer -b paste "$DIR/paste" && tmx paste-buffer -b paste -t play ||
    fail "could not paste"
within "the shell's prompt below the game" at 25 1 '$ '
keys -l exit && keys Enter
ended 0
[ ! -e "$RUN/leaked" ] || fail "the shell ran a command pasted into the game"
ok "a paste ending in Q, Enter and a command: the shell runs nothing"

start_in_shell
within "the game's title" title "$TITLE"
keys C-z
within "the shell's prompt after Ctrl-Z" prompt
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
