# blockslide-a in a real terminal, fed keys that start with Esc: Alt with a digit, Home as
# different terminals send it, arrows whose bytes come apart, F11; Ctrl-S, which freezes
# nothing; and a held key that cannot bury a later one.

. "$(dirname "$0")/lib.sh"

DIRECTION='Specify direction (arrow)'

# slowly BYTE...: each written on its own, 30 ms apart, as over a slow link. The
# pauses run inside the tmux server, so a busy machine cannot stretch them.
slowly() {
    count=$#
    for byte in "$@"; do set -- "$@" send-keys -l "$byte" ';' run-shell 'sleep 0.03' ';'; done
    shift "$count"
    tmx "$@" || fail "could not send the keys slowly"
}

play
prompted
keys M-2 # block 2 has one way to go: left, to the free cell
wait_at 24 69 "Moves: 1" "Alt+2 taken as 2"
keys Home
slowly "$ESC" "[" "A"
keys C-s # no flow control: Ctrl-S freezes nothing, it is refused like any key
keys -l 3 # block 3 can now go up or left
wait_at 24 28 "$DIRECTION" "the direction prompt after Home and a split arrow"
slowly "$ESC" "[" "D"
wait_at 24 69 "Moves: 2" "a split Left arrow at the direction prompt"
expect_at 12 46 "┌─────────┐" "block 3 moved left"
ok "Alt+2, Home and split arrows at both prompts are keys, not Esc"

keys F11 # a key of its own, refused; were it Esc and more, the game would end
sleep 0.5
[ ! -e "$RUN/status" ] || fail "F11 ended the game"
keys -l Q
wait_at 24 22 "$QUESTION" "the quit question"
keys F11
ended 0
restored
ok "F11 is refused at the first prompt and answers the quit question"

play
prompted
# Block 1 cannot move: each press is refused with a 200 ms flash.
for burst in $(seq 20); do keys -l "$(repeat 1 30)" && sleep 0.1; done
sleep 0.3
keys -l q
started=$(date +%s)
wait_at 24 22 "$QUESTION" "the quit question after a held key"
[ $(($(date +%s) - started)) -le 5 ] || fail "q after a held key took more than 5 s"
keys -l y
ended 0
restored
ok "q after 600 refused presses is answered within 5 s"
