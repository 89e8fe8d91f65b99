# Sound in the real program: a refused key sends samples to SDL's disk driver
# and the screen stays the game's own (library messages on stderr never reach
# it); with no audio device a refusal rings the bell instead, unless --silent.

. "$(dirname "$0")/lib.sh"

GAME=$GAME_A
samples() { [ "$(tr -d '\000' <"$RUN/audio.raw" | wc -c)" -gt 0 ]; }
bell() { [ "$(tmx display-message -p '#{window_bell_flag}')" = 1 ]; }
# refuse_and_quit CHECK DESCRIPTION: after a refused key CHECK holds within 10 s.
refuse_and_quit() {
    keys -l x
    within "$2" "$1"
    expect_at 1 11 "$BOX_TOP" "the top of the box"
    expect_at 22 11 "$BOX_BOTTOM" "the bottom of the box"
    expect_at 24 29 "$SELECT" "the first prompt"
    tmx capture-pane -p | grep -qiE 'sdl|alsa|pulse|critical|error' && fail "a message on the screen"
    keys Escape
    ended 0
    restored
    ok "$2"
}
quiet() { sleep 0.5 && not bell; }

run 'SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw "$GAME"'
wait_at 24 29 "$SELECT" "the first prompt"
within "the disk driver should write" test -s "$RUN/audio.raw"
not samples || fail "samples before any cue"
refuse_and_quit samples "with the disk driver a refusal sends samples, no bell"
bell && fail "the bell rang although the clip played"
run 'SDL_AUDIODRIVER=no-such-driver "$GAME"'
wait_at 24 29 "$SELECT" "the first prompt"
keys -l R && sleep 0.3 && not bell || fail "the bell rang for the restart's cue"
refuse_and_quit bell "with no audio device a refusal rings the bell"
run 'SDL_AUDIODRIVER=no-such-driver "$GAME" --silent'
wait_at 24 29 "$SELECT" "the first prompt"
refuse_and_quit quiet "with --silent no bell either"
