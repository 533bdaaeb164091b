# SPDX-License-Identifier: MIT
# Sourced by the test and benchmark scripts: starts a virtual X display when none is set.
# -noreset keeps Xvfb from resetting when a client's probe connection closes.
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:97
    if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
        Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        for _ in $(seq 50); do
            xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
fi
