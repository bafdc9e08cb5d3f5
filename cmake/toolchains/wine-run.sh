#!/bin/sh
# Runs a Windows program under wine64 for CTest. The wine server is kept up for 30 s after
# its last client: programs started while one server exits and the next starts can fail to
# launch at all.
WINEDEBUG=-all
export WINEDEBUG
/usr/lib/wine/wineserver -p30 2>/dev/null
exec /usr/lib/wine/wine64 "$@"
