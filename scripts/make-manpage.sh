#!/usr/bin/env bash
# Writes the manual page from the program's own --help and --version, and
# compresses it as Debian's packages do: make-manpage.sh PROGRAM OUTPUT.1.gz
set -euo pipefail
program=$1
out=$2
wrapper=$(mktemp)
trap 'rm -f "$wrapper"' EXIT
# The folder in use depends on where the program runs, so it is left out of
# the manual.
cat >"$wrapper" <<EOF
#!/bin/sh
"$program" "\$@" | sed '/^  Data folder now:/d'
EOF
chmod +x "$wrapper"
mkdir -p "$(dirname "$out")"
help2man --no-info --section=1 --name="practise the weekly school spelling words" "$wrapper" \
    | sed "s|$(basename "$wrapper")|Lettermarch|g" | gzip -9n >"$out"
