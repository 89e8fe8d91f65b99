# --help and --version answer on standard output with status 0, or say on standard error that it
# cannot be written (closed or full) with status 1; an unknown argument, shown with its control
# characters escaped, or either of them with another, gets the usage on standard error with status
# 2; standard input that is not a terminal, one line and status 1. None of them draws on the
# terminal or changes its modes. A size in the environment that makes no sense is ignored.

. "$(dirname "$0")/lib.sh"
version=$(sed -n 's/^project(blockslide VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")

for GAME in "$GAME_A" "$GAME_B"; do
    name=$(basename "$GAME")
    # environment | arguments | status | stream with the answer | its first line
    while IFS='|' read -r environment arguments status stream first; do
        run "$environment \"\$GAME\" $arguments 2>err"
        ended "$status"
        restored
        [ "$(head -n 1 "$RUN/$stream")" = "$first" ] ||
            fail "$name $arguments: first line [$(head -n 1 "$RUN/$stream")], expected [$first]"
        quiet=out && [ "$stream" = out ] && quiet=err
        [ ! -s "$RUN/$quiet" ] || fail "$name $arguments: std$quiet should be empty"
        case $first in *" $version" | *terminal* | *output) ;; *)
            for part in "Usage: $name [--silent] [--no-mouse]" '--no-mouse' "man 6 $name" 'T a tip'; do
                grep -qF -e "$part" "$RUN/$stream" || fail "$name $arguments: no \"$part\" in the usage"
            done ;;
        esac
        ok "$name $arguments: status $status, $first"
    done <<EOF
|--help >out|0|out|Usage: $name [--silent] [--no-mouse]
|--silent --help >out|0|out|Usage: $name [--silent] [--no-mouse]
|--version >out|0|out|$name $version
|--version >&-|1|err|$name: cannot write to standard output
|--help >/dev/full|1|err|$name: cannot write to standard output
|--bogus >out|2|err|$name: unknown argument: --bogus
|"\$(printf 'x\033[2J\\\\y')" >out|2|err|$name: unknown argument: x\x1b[2J\\\\y
|--help extra >out|2|err|$name: unknown argument: extra
|--version --help >out|2|err|$name: unknown argument: --help
|</dev/null|1|err|$name: standard input and output must be a terminal
EOF
done

for size in 'LINES=0 COLUMNS=abc' 'LINES=-1 COLUMNS=99999'; do
    run "$size \"\$GAME\" 2>err"
    prompted "with $size"
    keys Escape
    ended 0
    ok "$size is ignored"
done
