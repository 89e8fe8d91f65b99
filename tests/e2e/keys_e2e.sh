# blockslide-a in a real terminal, fed keys that start with Esc: Alt with a digit, F11; Ctrl-S,
# which freezes nothing; a held key that cannot bury a later one; and a lone Esc during auto-play.
# (Sequences whose bytes come apart over a slow link: the key decoder's own test.)

. "$(dirname "$0")/lib.sh"

play
prompted
keys M-2 # Alt+2 is 2: block 2 has one way to go, left; were it Esc and 2, the game would end
wait_at 24 69 "Moves: 1" "Alt+2 taken as 2"
keys C-s # no flow control: Ctrl-S freezes nothing, it is refused like any key
keys F11 # a key of its own, refused; were it Esc and more, the game would end
sleep 0.5
[ ! -e "$RUN/status" ] || fail "F11 ended the game"
keys -l Q
wait_at 24 22 "$QUESTION" "the quit question"
keys F11
ended 0
restored
ok "Alt+2 is 2, Ctrl-S freezes nothing, F11 is refused at the first prompt and answers the quit question"

play
prompted
# Block 1 cannot move: each press is refused with a 200 ms flash.
for burst in $(seq 20); do keys -l "$(repeat 1 30)" && sleep 0.1; done
sleep 0.3
keys -l q
wait_at 24 22 "$QUESTION" "the quit question after a held key"
keys -l y
ended 0
restored
ok "q after 600 refused presses is answered"

play
prompted
keys -l A
wait_at 24 21 "Auto-Play in Progress" "the auto-play caption"
keys Escape
prompted "after Esc stopped auto-play"
keys Escape
ended 0
ok "a lone Esc stops auto-play"
