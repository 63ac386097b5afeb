#!/usr/bin/env bash
# The Debian packages the game and its tests need, in one place for the two commands.
# shellcheck disable=SC2034

# Building and playing: Qt's widgets and pictures, its translation tools and its own translations
# (the Yes and No of a message box), SDL2 with SDL2_mixer for the sound (they play WAVE and MP3
# from memory and tell when the output goes away), and the fonts the windows name.
play_packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6svg6
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev
  fonts-liberation2 fonts-dejavu-core
)

# Testing: GoogleTest and Google Benchmark, a real window under Xvfb with a small window manager,
# screenshots, a private sound server and its recorder, clang for the fuzzers, clang-format and
# clang-tidy for the lint (with python3 to read the compile database), the validators of the
# desktop entry, the metainfo and the Debian package, and a screen reader's view (AT-SPI).
test_packages=(
  "${play_packages[@]}"
  libgtest-dev libbenchmark-dev
  xvfb xauth openbox xdotool imagemagick
  pulseaudio pulseaudio-utils sox
  clang libclang-rt-14-dev clang-format clang-tidy python3
  desktop-file-utils appstream lintian dpkg-dev file
  dbus at-spi2-core python3-pyatspi
)
