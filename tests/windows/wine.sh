#!/bin/sh
# Runs a Windows program under wine, quietly: the emulator of the Windows
# build's tests. WINEPREFIX should name a throwaway prefix (the presets put it
# in the build directory); Mono and Gecko are never installed into it, and
# no sound driver is loaded (the host's audio library would print to the screen).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winealsa.drv,winepulse.drv=}
for wine in wine64 wine /usr/lib/wine/wine64; do
    command -v "$wine" >/dev/null 2>&1 && exec "$wine" "$@"
done
echo "wine.sh: wine is not installed" >&2
exit 127
