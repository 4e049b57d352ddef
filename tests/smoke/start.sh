#!/bin/sh
# Starts the real program under a real X server and checks that the splash window hands over
# to the main window: the main window's title must appear among the X windows.
set -u
program="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch" XDG_DATA_HOME="$scratch/share"
export QT_QPA_PLATFORM=xcb

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$0" > "$1/out.log" 2>&1 &
    pid=$!
    seen=""
    sleep 1
    case "$(xwininfo -root -tree 2>/dev/null)" in
        *"Vorante Lumivexa - Analyse morphologique"*)
            echo "the main window came before the splash had its time"; kill $pid; exit 1;;
    esac
    for i in $(seq 1 60); do
        sleep 0.25
        names=$(xwininfo -root -tree 2>/dev/null)
        case "$names" in *"Vorante Lumivexa - Analyse morphologique"*) seen=main; break;; esac
    done
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    [ "$seen" = main ] || { echo "the main window never appeared"; cat "$1/out.log"; exit 1; }
    # The data files were put in place from the shipped copies.
    [ -s "$1/share/morphologique/donnees.dat" ] && [ -s "$1/share/morphologique/lexique.dat" ] ||
        { echo "the data files were not seeded"; exit 1; }
    echo "splash handed over to the main window"
' "$program" "$scratch"
