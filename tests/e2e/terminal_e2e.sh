# blockslide-a in terminals of other shapes and kinds: centred in a larger one, a notice in a
# smaller one, and the board back when it grows again; a locale without UTF-8; a stack of 64 KB;
# standard error closed; a terminal that goes away; the bell for a refused key where no sound can
# be played, but not with --silent; and a sound server that never answers, which holds up neither
# the bell nor the end.

. "$(dirname "$0")/lib.sh"

NOTICE=' Please make this terminal at least 80 columns by 25 rows. '

play
prompted
tmx resize-window -x 100 -y 31
wait_at 4 21 "$BOX_TOP" "the box, centred in 100 x 31"
tmx resize-window -x 70 -y 20
wait_at 1 1 "$NOTICE" "the notice in 70 x 20"
tmx resize-window -x 80 -y 25
wait_at 1 11 "$BOX_TOP" "the box, back in 80 x 25"
keys -l 2
wait_at 24 69 "Moves: 1" "a move after the resizes"
keys Escape
ended 0
ok "centred in a larger terminal, a notice in a smaller one, whole again in 80 x 25"

run 'LC_ALL=C "$GAME" 2>err'
prompted "in the C locale"
# tmux keeps line-drawing cells as the letters sent, between SO and SI.
line_drawing() { tmx capture-pane -p -e | sed -n "$1p" | grep -qF "$2"; }
SO=$(printf '\016')
line_drawing 1 "${SO}l$(repeat q 57)k" || fail "the top of the box is not from the line-drawing set"
expect_at 10 19 "lj ? ? mk" "the face's eyes, with no glyph for ö in the locale"
keys Escape
ended 0
restored
ok "without UTF-8 the lines come from the terminal's line-drawing set"

run '(ulimit -s 64 && exec "$GAME" 2>err)'
prompted "with a 64 KB stack"
keys Escape
ended 0
ok "a stack of 64 KB is enough"

run '"$GAME" 2>&-' # standard error closed: the audio library's words must go nowhere
prompted
keys -l x
sleep 0.5
not eval 'tmx capture-pane -p | grep -qi alsa' || fail "library text on the screen with 2>&-"
keys Escape
ended 0
ok "with standard error closed, nothing but the game reaches the screen"

run '(trap "" HUP; "$GAME" 2>err; echo $? >lost)'
prompted
tmx kill-pane -t play
within "the game to end when its terminal goes" test -s "$RUN/lost"
[ "$(cat "$RUN/lost")" = 1 ] || fail "status $(cat "$RUN/lost") when the terminal went, not 1"
grep -q "the terminal stopped sending keys" "$RUN/err" || fail "said: $(cat "$RUN/err")"
ok "a terminal that goes away without a hangup ends the game with status 1"

bell() { [ "$(tmx display-message -p '#{window_bell_flag}')" = "$1" ]; }
for silent in "" --silent; do
    run "ALSA_CONFIG_PATH=/dev/null \"\$GAME\" $silent 2>err"
    prompted
    keys -l x
    sleep 0.3
    if [ -n "$silent" ]; then bell 0 || fail "--silent rang the bell"; else bell 1 || fail "no bell"; fi
    keys Escape
    ended 0
done
ok "with no sound device a refused key rings the bell, and with --silent it does not"

# A sound server that takes the connection and never answers.
python3 -c 'import socket, sys
server = socket.socket(socket.AF_UNIX); server.bind(sys.argv[1]); server.listen(8)
clients = []
while True: clients.append(server.accept()[0]); open(sys.argv[1] + ".met", "w")' "$DIR/silent" >/dev/null 2>&1 &
SILENT=$! && trap 'kill $SILENT; tmx kill-server 2>/dev/null; rm -rf "$DIR"' EXIT
within "the silent server to listen" test -S "$DIR/silent"
run "PULSE_SERVER=unix:$DIR/silent \"\$GAME\" 2>err"
prompted
within "the game to call on the silent server" test -e "$DIR/silent.met"
keys -l x
within "the bell while the sound device is still opening" bell 1
started=$(date +%s%N)
keys Escape
ended 0
[ $(($(date +%s%N) - started)) -lt 1000000000 ] || fail "Esc took a second or more to end the game"
ok "a sound server that never answers: the bell for a refused key, and Esc ends the game at once"
