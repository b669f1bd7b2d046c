#!/usr/bin/env bash
# Starts the program on its own X display and session bus, with the
# accessibility bus that screen readers use, and runs the AT-SPI check on it.
# Exit code 77 (skipped) when the tools are not installed.
set -euo pipefail
program=$1
here=$(dirname "$0")
# The distribution's Python, which has the AT-SPI bindings (not one from PATH).
python=/usr/bin/python3
for tool in dbus-run-session xvfb-run xdotool $python; do
  command -v "$tool" >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
  { echo "python3-pyatspi not installed: skipped"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core not installed: skipped"; exit 77; }
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$python" "$here/check_screen_reader.py" "$program"
