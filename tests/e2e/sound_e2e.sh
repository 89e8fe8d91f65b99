# blockslide-a's sound heard through a private PulseAudio server whose null sink runs at the clips'
# own rate (22050 Hz, 16-bit stereo), so every sample arrives as stored: a refused key plays beep2
# whole; Q plays ding2, and a refused key half a second later cuts it off with a fade, then plays
# beep2 whole; Q again, and Y's quit fades the ding out to silence. No bell rings. Then the server
# goes away mid-game: stopped, refused keys soon ring the bell; killed and started afresh, the
# sound comes back. Skipped without PulseAudio or ALSA's PulseAudio plug-in.

. "$(dirname "$0")/lib.sh"

for tool in pulseaudio pactl pacat parec od; do
    command -v $tool >/dev/null || { echo "SKIP: no $tool" >&2; exit 77; }
done
ls /etc/alsa/conf.d/*pulse* /usr/share/alsa/alsa.conf.d/*pulse* >/dev/null 2>&1 ||
    { echo "SKIP: ALSA has no PulseAudio plug-in here" >&2; exit 77; }

RESOURCES=$(cd "$(dirname "$0")/../../resources" && pwd)
PA=$DIR/pa SERVER=unix:$DIR/pa/native RATE=22050
mkdir -p "$PA/run"
trap 'kill $PA_PIDS 2>/dev/null; tmx kill-server 2>/dev/null; rm -rf "$DIR" ${SOCKET_PATH:+"$SOCKET_PATH"}' EXIT
export HOME="$PA" XDG_RUNTIME_DIR="$PA/run" PULSE_SERVER="$SERVER"

# start_server RECORDING: a server whose pipe sink writes what it plays, in real time, to a pipe
# copied to RECORDING. Each started straight from this shell, so that $! is the process to stop.
start_server() {
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disable-shm=yes \
        -L "module-pipe-sink sink_name=out file=$PA/sink format=s16le rate=$RATE channels=2 \
            use_system_clock_for_timing=yes" \
        -L "module-native-protocol-unix socket=$PA/native auth-anonymous=1" \
        >/dev/null 2>>"$PA/log" &
    SERVER_PID=$! PA_PIDS="$PA_PIDS $!"
    polls=50
    until pactl info >/dev/null 2>&1; do
        [ $((polls -= 1)) -gt 0 ] || { echo "SKIP: PulseAudio did not start" >&2; exit 77; }
        sleep 0.1
    done
    cat "$PA/sink" >"$1" &
    PA_PIDS="$PA_PIDS $!"
}
start_server "$PA/heard.raw"

run "PULSE_SERVER=$SERVER \"\$GAME\" 2>err"
prompted
within "the game's stream on the server" eval 'pactl list sink-inputs | grep -q blockslide-a'
keys -l x
sleep 0.8
keys -l Q
wait_at 24 22 "$QUESTION" "the quit question"
sleep 0.3
keys -l N
sleep 0.2
keys -l x
sleep 0.8
keys -l Q
wait_at 24 22 "$QUESTION" "the quit question, again"
sleep 0.3
keys -l Y
ended 0
sleep 0.5
kill $PA_PIDS 2>/dev/null
[ "$(tmx display-message -p '#{window_bell_flag}')" = 0 ] || fail "the bell rang"

# frames FILE OFFSET CHANNELS: a "left right" line per frame; a mono clip plays on both sides.
frames() {
    od -An -v -td2 -w$(($3 * 2)) -j "$2" "$1" | awk -v mono=$(($3 == 1)) '{ print $1, mono ? $1 : $2 }'
}
frames "$RESOURCES/beep2.wav" 44 1 >"$PA/beep"
frames "$RESOURCES/ding2.wav" 44 2 >"$PA/ding"
frames "$PA/heard.raw" 0 2 >"$PA/heard"

# The recording against the clips, in order: beep2 whole; ding2 from its start until, after a fade
# of at least a millisecond, beep2 whole; ding2 again, faded out by the quit to silence. "ok" or
# what went wrong. (That a cut never clicks, the mixer's own test shows.)
verdict=$(awk -v ms=$((RATE / 1000)) '
FILENAME == ARGV[1] { beep[nb++] = $0; next }
FILENAME == ARGV[2] { ding[nd++] = $0; next }
{ frame[n++] = $0 }
function sound(i) { while (i < n && frame[i] == "0 0") i++; return i }
function quiet_from(i) { while (i < n && sound(i) - i < ms) i = sound(i) + 1; return i }
function lead(clip) { for (k = 0; clip[k] == "0 0"; k++); return k }
function held(i, clip, size) { for (k = 0; k < size && i + k < n && frame[i + k] == clip[k]; k++); return k }
function fail(why) { print why; exit }
END {
    at = sound(0) - lead(beep)
    if (held(at, beep, nb) < nb) fail("the first beep2 is not whole at frame " at)
    for (round = 1; round <= 2; round++) {
        at = sound(at + nb) - lead(ding)
        cut = at + held(at, ding, nd)
        if (cut - at < 200 * ms) fail("ding2 " round " played only " (cut - at) " frames whole")
        if (cut - at >= nd) fail("ding2 " round " was not cut off")
        if (round == 2) break
        for (at = cut + ms; at < cut + 10 * ms && held(at, beep, nb) < nb; at++);
        if (at == cut + 10 * ms) fail("no whole beep2 from 1 to 10 ms after the cut at frame " cut)
    }
    if (quiet_from(cut) - cut < ms) fail("the quit cut ding2 off without a fade")
    if (sound(cut + 10 * ms) < n) fail("sound after the quit, at frame " sound(cut + 10 * ms))
    print "ok"
}' "$PA/beep" "$PA/ding" "$PA/heard")
[ "$verdict" = ok ] || fail "what the server played: $verdict"
ok "beep2, ding2 cut by beep2 after a fade, ding2 faded out by the quit: each as stored"

# A stopped server: the write under way never returns, so the device counts as gone. Killed, then
# started again: the device is opened anew a couple of seconds after it failed.
start_server "$PA/heard.raw"
run "PULSE_SERVER=$SERVER \"\$GAME\" 2>err"
prompted
within "the game's stream on the server" eval 'pactl list sink-inputs | grep -q blockslide-a'
kill -STOP $SERVER_PID
bell_rang() { keys -l x && sleep 0.3 && [ "$(tmx display-message -p '#{window_bell_flag}')" = 1 ]; }
within "the bell for a refused key, the server stopped" bell_rang
kill -KILL $SERVER_PID && start_server "$PA/heard.raw"
heard() { keys -l x && sleep 0.3 && od -An -td2 "$PA/heard.raw" | grep -q '[1-9]'; } # not silence
within "beep2 at the server started again" heard
ok "the bell while the server is stopped; the sound back once a new one runs"
