#!/usr/bin/env bash
# Installs what Lettermarch needs on Debian 12, builds it, then either starts
# the program (run) or runs every test (test).
set -euo pipefail

mode=${1:-run}
case "$mode" in
    run | test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    qt6-multimedia-dev
    qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
    qt6-speech-speechd-plugin speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins
    qt6-charts-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core
    help2man
)
# The audio tests record and play through a PulseAudio server of their own.
[ "$mode" = test ] && packages+=(pulseaudio pulseaudio-utils)
# The install test runs the program as a normal user; the desktop files are
# checked with the desktops' own tools.
[ "$mode" = test ] && packages+=(util-linux desktop-file-utils appstream)
# Printed pages are read back from their PDF; the package is checked with
# Debian's own tool.
[ "$mode" = test ] && packages+=(poppler-utils lintian)
# CI also runs a few static checks of clang-tidy (scripts/tidy.sh).
[ "$mode" = test ] && packages+=(clang-tidy)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTERMARCH_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = run ]; then
    [ -n "${LETTERMARCH_BUILD_ONLY:-}" ] && exit 0
    exec "$build/bin/Lettermarch"
fi

XDG_RUNTIME_DIR=$(bash "$root/scripts/start-audio.sh")
export XDG_RUNTIME_DIR
export LETTERMARCH_EXPECT_AUDIO=1
cd "$build"
ctest --output-on-failure --timeout 600
