#!/bin/sh
# Starts Quillmark. The program keeps its settings file, Varnholt.ini, beside
# its own executable and rewrites it whenever a save folder is chosen. When
# the installed folder is writable (an install into a prefix of one's own,
# or root) the installed program runs as it is. Otherwise each user runs a
# private copy of the program folder under ${XDG_DATA_HOME:-~/.local/share}/quillmark,
# refreshed when the installed program changes; the user's settings file is
# seeded once from the shipped empty one and never overwritten.
set -eu

self=$(readlink -f "$0")
progdir=$(cd "$(dirname "$self")/../lib/quillmark" && pwd)

if [ -w "$progdir/Varnholt.ini" ] && [ -w "$progdir" ]; then
    exec "$progdir/quillmark" "$@"
fi

userdir=${XDG_DATA_HOME:-${HOME:-}/.local/share}/quillmark
if [ -z "${HOME:-}${XDG_DATA_HOME:-}" ] || ! mkdir -p "$userdir" 2>/dev/null; then
    echo "quillmark: cannot create $userdir; starting the shared copy, whose settings cannot be saved" >&2
    exec "$progdir/quillmark" "$@"
fi

if ! cmp -s "$progdir/quillmark" "$userdir/quillmark"; then
    cp "$progdir/quillmark" "$userdir/quillmark.new"
    chmod 755 "$userdir/quillmark.new"
    mv -f "$userdir/quillmark.new" "$userdir/quillmark"
fi
if [ ! -e "$userdir/Varnholt.ini" ]; then
    cp "$progdir/Varnholt.ini" "$userdir/Varnholt.ini"
    chmod 644 "$userdir/Varnholt.ini"
fi
exec "$userdir/quillmark" "$@"
