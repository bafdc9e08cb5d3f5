#!/bin/sh
# Runs a Windows program under wine64 for CTest. The first run starts the wine server and
# wine's own system processes, with none of the test's output pipes open (CTest would wait for
# them to close), and keeps them up until 30 s after the last program: programs started while
# one server exits and the next one starts can fail to launch.
WINEDEBUG=-all
export WINEDEBUG
(
    flock 9
    if /usr/lib/wine/wineserver -p30 </dev/null >/dev/null 2>&1 9>&-; then
        /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 9>&-
    fi
) 9>"${TMPDIR:-/tmp}/wine-run-$(id -u).lock"
exec /usr/lib/wine/wine64 "$@"
