#!/bin/sh
# Runs one scripted run headless on a private game folder, so that what a run writes (saved
# games, settings, route points) neither reaches the built game folder nor meets another run:
# the pictures and sounds are linked, the text data, the saves and the settings copied.
#   run_script.sh <game binary> <built game folder> <script> <work folder>
set -eu
game=$1 built=$2 script=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp -al "$built/BMP" "$built/WAV" "$work/"
cp -r "$built/INI" "$built/TXT" "$built/SAVE" "$work/"
if [ -f "$built/Konfigurationen.ini" ]; then cp "$built/Konfigurationen.ini" "$work/"; fi
cd "$work"
VELMARITH_HOME="$work" VELMARITH_SCRIPT="$script" exec "$game"
