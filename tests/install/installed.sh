#!/bin/sh
# Installs the build into a temporary prefix and checks the installed program as a user gets
# it: the tree, the desktop entry and the metainfo (validated when the tools are present), the
# command line, and a start with a text file whose loading the program reports.
# Usage: installed.sh CMAKE BUILD_DIR TEXT_FILE
set -u
cmake="$1" build="$2" sample="$3"
scratch="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
pid=""
prefix="$scratch/prefix"
failures=0
fail() { echo "ÉCHEC : $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log"; echo "ÉCHEC : cmake --install"; exit 1; }

share="$prefix/share"
[ -x "$prefix/bin/morphologique" ] || fail "bin/morphologique absent ou non exécutable"
for f in morphologique/donnees.dat morphologique/lexique.dat applications/morphologique.desktop \
         icons/hicolor/scalable/apps/morphologique.svg doc/morphologique/copyright \
         doc/morphologique/changelog.gz man/man1/morphologique.1.gz; do
    [ -s "$share/$f" ] || fail "share/$f absent ou vide"
done
if [ -e "$build/data/morphologie.sqlite" ]; then
    cmp -s "$build/data/morphologie.sqlite" "$share/morphologique/morphologie.sqlite" ||
        fail "share/morphologique/morphologie.sqlite absent ou différent"
fi
metainfo="$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)"
[ -n "$metainfo" ] || fail "share/metainfo/*.metainfo.xml absent"

desktop="$share/applications/morphologique.desktop"
for line in "Exec=morphologique %f" "MimeType=text/plain;" "Categories=Education;Languages;" \
            "Icon=morphologique" "Name=Analyse morphologique"; do
    grep -qxF "$line" "$desktop" || fail "la ligne « $line » manque à l'entrée de menu"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate absent : entrée de menu non validée"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
        { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
else
    echo "appstreamcli absent : métadonnées AppStream non validées"
fi

# Help, version and mistakes answer without any display.
program="$prefix/bin/morphologique"
run_cli() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" \
        >"$scratch/out" 2>"$scratch/err"
}
run_cli --version
[ $? -eq 0 ] && grep -q "^morphologique (Analyse morphologique), version [0-9]" "$scratch/out" ||
    fail "--version"
run_cli --help
[ $? -eq 0 ] && grep -q "^Utilisation : morphologique" "$scratch/out" || fail "--help"
run_cli --inconnue
[ $? -eq 2 ] && [ ! -s "$scratch/out" ] && grep -q "option inconnue" "$scratch/err" ||
    fail "option inconnue"
run_cli un.txt deux.txt
[ $? -eq 2 ] && grep -q "un seul fichier" "$scratch/err" || fail "deux fichiers"
# The command-line analyser reads the installed data, still without any display.
run_cli --analyser "$sample"
[ $? -eq 0 ] && head -n 1 "$scratch/out" | grep -q "^phrase	mot	forme	rang	" &&
    grep -q "	thesaurus\$" "$scratch/out" || fail "--analyser"

# A start with a text file, in a private home: the program reports the text it opened.
mkdir -p -m 700 "$scratch/runtime" "$scratch/home"
text="$scratch/Énéide chant 1.txt"
cp "$sample" "$text"
(
    cd "$scratch/home" &&
        exec env HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
            XDG_DATA_HOME="$scratch/home/share" XDG_CONFIG_HOME="$scratch/home/config" \
            QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="morphologique.startup.info=true" \
            "$program" "$text" >"$scratch/run.log" 2>&1
) &
pid=$!
opened=""
for _ in $(seq 1 120); do
    if grep -qsF "texte ouvert : $text" "$scratch/run.log"; then
        opened=yes
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
done
[ -n "$opened" ] || { cat "$scratch/run.log"; fail "le texte donné au lancement n'a pas été ouvert"; }
for f in donnees.dat lexique.dat; do
    cmp -s "$share/morphologique/$f" "$scratch/home/share/morphologique/$f" ||
        fail "$f n'a pas été pris dans share/morphologique"
done

[ "$failures" -eq 0 ] || exit 1
echo "installation vérifiée dans $prefix"
