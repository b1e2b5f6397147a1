#!/bin/sh
# Runs one scripted run headless on a private game folder, so that what a run writes (saved
# games, settings, route points) neither reaches the built game folder nor meets another run:
# the pictures and sounds are linked, the text data, the saves and the settings copied. A second
# script, when given, is a restart: the game is started again on the same folder after the first
# run ended well, and finds what that run left (its saved games).
#   run_script.sh <game binary> <built game folder> <script> <work folder> [<script after restart>]
set -eu
game=$1 built=$2 script=$3 work=$4 restart=${5:-}
rm -rf "$work"
mkdir -p "$work"
cp -al "$built/BMP" "$built/WAV" "$work/"
cp -r "$built/INI" "$built/TXT" "$built/SAVE" "$work/"
if [ -f "$built/Konfigurationen.ini" ]; then cp "$built/Konfigurationen.ini" "$work/"; fi
cd "$work"
if [ -n "$restart" ]; then
  VELMARITH_HOME="$work" VELMARITH_SCRIPT="$script" "$game"
  script=$restart
fi
VELMARITH_HOME="$work" VELMARITH_SCRIPT="$script" exec "$game"
