# blockslide-a and the signals it may meet: each that ends it (Ctrl-C among them) restores the
# terminal and ends it with that signal's status; SIGTERM ends it within 2 s even when nothing reads
# the terminal, and a terminal that reads again 50 ms later is restored all the same; a storm of
# Ctrl-Z, resizes and continues leaves it alive and whole; a million Esc bytes end it.

. "$(dirname "$0")/lib.sh"

game_pid() { pgrep -P "$(tmx display-message -p '#{pane_pid}')" | head -n 1; }
alive() { kill -0 "$1" 2>/dev/null; }
writing() { [ "$(cut -d' ' -f1 "/proc/$1/syscall")" = 1 ]; } # blocked in write(2)

for signal in INT:130 USR1:138 HUP:129 TERM:143 QUIT:131; do
    play
    prompted
    if [ "${signal%:*}" = INT ]; then keys C-c; else kill -"${signal%:*}" "$(game_pid)"; fi
    ended "${signal#*:}"
    restored
    ok "SIG${signal%:*} restores the terminal and ends the game with status ${signal#*:}"
done

run '(trap "" ALRM; exec "$GAME" 2>err)' # started with SIGALRM ignored, the rest still end it
prompted
kill -TERM "$(game_pid)"
ended 143
ok "started with SIGALRM ignored, SIGTERM still ends the game"

# stalled: the game blocked writing to a terminal that nothing reads (its tmux server stopped),
# then SIGTERM.
stalled() {
    play
    prompted
    pid=$(game_pid) server=$(tmx display-message -p '#{pid}')
    kill -STOP "$server"
    for i in $(seq 1000); do # each continue repaints the whole screen, until it can no more
        kill -CONT "$pid" && sleep 0.01 && writing "$pid" && break
    done
    sleep 0.5
    writing "$pid" || { kill -CONT "$server"; fail "the game was not waiting for the terminal"; }
    kill -TERM "$pid"
}

stalled
polls=20
while alive "$pid" && [ $((polls -= 1)) -gt 0 ]; do sleep 0.1; done
kill -CONT "$server"
not alive "$pid" || fail "SIGTERM did not end the game within 2 s while nothing read the terminal"
ended 143
ok "SIGTERM ends the game within 2 s while the terminal does not read"

stalled
sleep 0.05
kill -CONT "$server"
ended 143
restored
ok "a terminal that reads again 50 ms after SIGTERM is restored"

play
prompted
pid=$(game_pid)
for i in $(seq 1000); do
    [ $((i % 100)) -eq 0 ] && tmx resize-window -x $((80 + i / 100 % 2)) -y 25
    kill -WINCH "$pid" && kill -TSTP "$pid" && kill -CONT "$pid"
done
kill -CONT "$pid"
alive "$pid" || fail "the game did not survive Ctrl-Z right after resizes"
tmx resize-window -x 80 -y 25
keys -l 2
wait_at 24 69 "Moves: 1" "a move after the storm"
expect_at 1 11 "$BOX_TOP" "the top of the box after the storm"
keys Escape
ended 0
restored
ok "1,000 Ctrl-Z, resizes and continues leave the game alive and whole"

head -c 1000000 /dev/zero | tr '\0' '\033' >"$DIR/escapes"
play
prompted
tmx load-buffer -b escapes "$DIR/escapes" && tmx paste-buffer -b escapes -t play
ended 0
restored
ok "a million Esc bytes end the game cleanly"
