#!/usr/bin/env bash
# The floors hold: a file includes only its own floor and those below it,
# and a window only its own feature folder beside the kernel.
set -euo pipefail
cd "$(dirname "$0")/../src"
bad=0
check() { # folder, then the include prefixes it may use
    local folder=$1 allowed
    shift && allowed=$(printf '%s\n' "$@" | paste -sd'|')
    if grep -rnE '#include "' "$folder" | grep -vE "#include \"($allowed)" | grep -E '#include "[a-z-]+/'; then
        echo "^ $folder includes a floor above it"
        bad=1
    fi
}
check core core/
check audio-device core/ audio-device/
check ui/kernel core/ ui/kernel/
for feature in lists practice results settings help; do check "ui/$feature" core/ ui/kernel/ "ui/$feature/"; done
check ui-modules ui/kernel/
check ui/shell core/ ui/
exit $bad
