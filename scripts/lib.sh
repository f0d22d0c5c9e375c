# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts: where things are, and running as root or via sudo.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs, with apt-get, whichever of the named Debian packages are missing.
need_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# What building and running the program needs.
# Qt's CMake files for TextToSpeech need qt6-declarative-dev's; the voices
# come through speech-dispatcher, whose espeak-ng module apt would only
# recommend. The teacher's recordings play through Qt Multimedia's GStreamer
# plugin, whose decoders (Ogg, Vorbis, Opus; WAV, FLAC, MP3) come in the two
# plugin packages. libexif reads the orientation of phone photos. The word-list
# editor shares lists as ZIP files with libzip, and reads WebP, TIFF and the
# like through Qt's image-format plugins.
RUNTIME_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libjpeg62-turbo-dev libexif-dev
                  fonts-liberation2 libgl-dev scdoc qt6-speech-dev qt6-declarative-dev
                  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
                  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
                  libzip-dev qt6-image-formats-plugins)
# What the tests need besides.
TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev libjpeg-turbo-progs imagemagick
               xvfb openbox xdotool x11-utils desktop-file-utils appstream dpkg-dev file librsvg2-bin
               clang libclang-rt-14-dev libfuzzer-14-dev valgrind time lintian reuse poppler-utils
               fonts-sil-andika fonts-opendyslexic espeak-ng sox libsox-fmt-base
               pulseaudio pulseaudio-utils shared-mime-info)

# Configures (once, with any further arguments) and builds one preset:
# default (into build/), sanitize (build/sanitize) or fuzz (build/fuzz).
build_preset() {
  local preset="$1" dir="$BUILD"
  shift
  [ "$preset" = default ] || dir="$BUILD/$preset"
  if [ ! -f "$dir/build.ninja" ]; then
    (cd "$ROOT" && cmake --preset "$preset" "$@" >/dev/null)
  fi
  cmake --build "$dir"
}

# The default build with its tests and benchmarks; a build folder that
# scripts/run set up for the game alone is switched over first.
build() {
  if grep -qs '^BRINDOLO_BUILD_\(TESTS\|BENCH\):BOOL=OFF' "$BUILD/CMakeCache.txt"; then
    (cd "$ROOT" && cmake --preset default -DBRINDOLO_BUILD_TESTS=ON -DBRINDOLO_BUILD_BENCH=ON >/dev/null)
  fi
  build_preset default
}

# The default build for playing: a fresh build folder gets the game and its
# tools only, which need none of the test packages.
build_game() {
  build_preset default -DBRINDOLO_BUILD_TESTS=OFF -DBRINDOLO_BUILD_BENCH=OFF
}
