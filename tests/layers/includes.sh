#!/bin/sh
# Every include of the program's own headers points to the same layer or a lower one:
# core <- ui <- windows <- app. Prints each include that points upwards and fails if any does.
src="$1"
rank() {
    case "$1" in
    core) echo 0 ;; ui) echo 1 ;; windows) echo 2 ;; app) echo 3 ;; *) echo 9 ;;
    esac
}
status=0
for file in $(find "$src" -name '*.h' -o -name '*.cpp'); do
    layer=$(echo "${file#"$src"/}" | cut -d/ -f1)
    own=$(rank "$layer")
    for target in $(sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' "$file"); do
        if [ "$(rank "$target")" -gt "$own" ]; then
            echo "${file#"$src"/} includes a header of the layer '$target'"
            status=1
        fi
    done
done
exit $status
