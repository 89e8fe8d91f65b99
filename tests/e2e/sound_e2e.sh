# blockslide-a's sound heard through a private PulseAudio server whose null sink runs at the clips'
# own rate (22050 Hz, 16-bit stereo), so every sample arrives as stored: a refused key plays beep2
# whole; Q plays ding2, and a refused key half a second later cuts it off with a fade no steeper
# than the ding itself, then plays beep2 whole; Q again, and Y's quit fades the ding out to
# silence. No bell rings. Skipped without PulseAudio or ALSA's PulseAudio plug-in.

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

# Each started straight from this shell, so that $! is the process to stop at the end. The pipe
# sink writes what it plays to a pipe, in real time.
pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disable-shm=yes \
    -L "module-pipe-sink sink_name=out file=$PA/sink format=s16le rate=$RATE channels=2 \
        use_system_clock_for_timing=yes" \
    -L "module-native-protocol-unix socket=$PA/native auth-anonymous=1" >/dev/null 2>"$PA/log" &
PA_PIDS=$!
polls=50
until pactl info >/dev/null 2>&1; do
    [ $((polls -= 1)) -gt 0 ] || { echo "SKIP: PulseAudio did not start" >&2; exit 77; }
    sleep 0.1
done
cat "$PA/sink" >"$PA/heard.raw" &
PA_PIDS="$PA_PIDS $!"

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

# The recording, frame by frame, against the clips; "ok" or what went wrong.
verdict=$(awk -v rate=$RATE '
BEGIN { n = nb = nd = 0 }
FILENAME == ARGV[1] { beep[nb++] = $0; next }
FILENAME == ARGV[2] { ding[nd++] = $0; next }
{ frame[n] = $0; split($0, s); L[n] = s[1]; R[n++] = s[2] }
function abs(x) { return x < 0 ? -x : x }
function next_sound(i) { while (i < n && frame[i] == "0 0") i++; return i }
# Where a millisecond of silence starts, from frame i on.
function quiet_from(i) { while (i < n && next_sound(i) - i < ms) i = next_sound(i) + 1; return i }
function lead(clip) { for (k = 0; clip[k] == "0 0"; k++); return k }
# How many of the clip frames the recording holds from frame i on.
function held(i, clip, size) { for (k = 0; k < size && i + k < n && frame[i + k] == clip[k]; k++); return k }
function whole_beep(i) { return held(i, beep, nb) == nb }
# The largest change from one frame to the next, either side, in the recording from..to.
function steepest(from, to) {
    worst = 0
    for (j = from + 1; j <= to; j++) {
        if (abs(L[j] - L[j - 1]) > worst) worst = abs(L[j] - L[j - 1])
        if (abs(R[j] - R[j - 1]) > worst) worst = abs(R[j] - R[j - 1])
    }
    return worst
}
function fail(why) { print why; exit }
END {
    ms = int(rate / 1000)
    for (j = 0; j < nd; j++) { split(ding[j], s); L[n + j] = s[1]; R[n + j] = s[2] }
    ding_step = steepest(n, n + nd - 1)  # the ding itself, parked after the recording
    at = next_sound(0) - lead(beep)
    if (!whole_beep(at)) fail("the first beep2 is not whole at frame " at)
    at = next_sound(at + nb) - lead(ding)
    cut = at + held(at, ding, nd)
    if (cut - at < 200 * ms) fail("ding2 played only " (cut - at) " frames before its cut")
    for (b = cut; b < cut + 10 * ms && !whole_beep(b); b++);
    if (b >= cut + 10 * ms) fail("no whole beep2 within 10 ms of the cut at frame " cut)
    if (b - cut < ms) fail("ding2 was cut off without a fade: beep2 " (b - cut) " frames after")
    if (steepest(cut - 1, b) > ding_step) fail("a click at the cut: " steepest(cut - 1, b) " > " ding_step)
    at = next_sound(b + nb) - lead(ding)
    cut = at + held(at, ding, nd)
    if (cut - at < 200 * ms) fail("the second ding2 played only " (cut - at) " frames")
    if (cut - at >= nd) fail("the second ding2 was not cut off by the quit")
    if (next_sound(cut + 10 * ms) < n) fail("sound after the quit fade, at frame " next_sound(cut + 10 * ms))
    if (quiet_from(cut) - cut < ms) fail("the quit cut ding2 off without a fade")
    if (steepest(cut - 1, cut + 10 * ms) > ding_step) fail("a click at the quit: " steepest(cut - 1, cut + 10 * ms))
    print "ok"
}' "$PA/beep" "$PA/ding" "$PA/heard")
[ "$verdict" = ok ] || fail "what the server played: $verdict"
ok "beep2, ding2 cut by beep2, ding2 cut by the quit: each as stored, each cut faded"
