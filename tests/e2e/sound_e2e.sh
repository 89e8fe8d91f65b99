# Sound in the real program: a refused key sends samples to SDL's disk driver,
# rings no bell, and the screen stays the game's own (library messages on
# stderr never reach it).

. "$(dirname "$0")/lib.sh"

samples() { [ "$(tr -d '\000' <"$RUN/audio.raw" | wc -c)" -gt 0 ]; }

run 'SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw "$GAME"'
prompted
within "the disk driver should write" test -s "$RUN/audio.raw"
not samples || fail "samples before any cue"
keys -l x
within "samples after a refused key" samples
expect_at 1 11 "$BOX_TOP" "the top of the box"
expect_at 22 11 "$BOX_BOTTOM" "the bottom of the box"
expect_at 24 29 "$SELECT" "the first prompt"
not eval 'tmx capture-pane -p | grep -qiE "sdl|alsa|pulse|critical|error"' || fail "a message on the screen"
[ "$(tmx display-message -p '#{window_bell_flag}')" = 0 ] || fail "the bell rang for a clip"
keys Escape
ended 0
restored
ok "with the disk driver a refusal sends samples, no bell, and the screen stays intact"
