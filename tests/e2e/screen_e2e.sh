# blockslide-a's screen and sound: a refused key sends samples to SDL's disk driver, rings no bell,
# and the screen stays the game's own (library messages on stderr never reach it); Ctrl-S does not
# freeze it; it stays in colour after the game with the prompt below it; on eight-colour terminals
# the box is still drawn in gray (7), apart from the black board; Ctrl-C ends it with status 130 and
# the terminal modes restored.

. "$(dirname "$0")/lib.sh"

samples() { [ "$(tr -d '\000' <"$RUN/audio.raw" | wc -c)" -gt 0 ]; }
run 'SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw "$GAME" 2>err'
prompted
within "the disk driver should write" test -s "$RUN/audio.raw"
not samples || fail "samples before any cue"
keys -l x
within "samples after a refused key" samples
expect_at 1 11 "$BOX_TOP" "the top of the box"
expect_at 24 29 "$SELECT" "the first prompt"
not eval 'tmx capture-pane -p | grep -qiE "sdl|alsa|pulse|critical|error"' || fail "a message on the screen"
[ "$(tmx display-message -p '#{window_bell_flag}')" = 0 ] || fail "the bell rang for a clip"
ok "with the disk driver a refusal sends samples, no bell, and the screen stays intact"

keys C-s
keys -l 2
wait_at 24 69 "Moves: 1" "a move after Ctrl-S"
ok "Ctrl-S does not freeze the screen"

keys -l Q
wait_at 24 22 "$QUESTION" "the quit question"
keys -l Y
ended 0
restored
# Two rows have scrolled away: the screen's 25 rows and the line printed
# after them do not fit in 25.
expect_at 20 11 "$BOX_BOTTOM" "the bottom edge of the box, kept"
expect_background 20 11 8 "the box (dark gray), kept"
expect_at 22 22 "$QUESTION" "the answered question, kept"
expect_at 22 69 "Moves: 1" "the move counter, kept"
expect_at 24 1 "$MARK" "the shell's output below the last screen"
expect_background 24 1 default "the shell's output"
ok "the last screen stays, in colour, with the shell below it"

# Ctrl-C on xterm, which has an alternate screen; Esc on the linux console.
for run in "xterm C-c 130" "linux Escape 0"; do
    set -- $run && type=$1 key=$2 status=$3
    run "TERM=$type \"\$GAME\" 2>err"
    prompted "with TERM=$type"
    expect_at 1 11 "$BOX_TOP" "the top edge of the box"
    expect_background 1 11 7 "the box outline (light gray)"
    expect_background 2 12 7 "the box's inner bar (light gray)"
    expect_background 9 50 0 "the free cell inside (black)"
    keys $key
    ended $status
    restored
    ok "TERM=$type: the box stays visible in eight colours; $key ends it with status $status"
done
