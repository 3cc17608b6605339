#!/usr/bin/env bash
# Fails when a source file includes a header from a folder its own folder may not use, or when
# a Qt-free folder includes Qt. Each folder may use itself and the folders listed for it; the
# top of app/ (start-up, the main window, the menus) may use everything.
# Usage: check_layers.sh <source root>
set -euo pipefail
cd "$1"

declare -A allowed=(
    [model]="model"
    [engine]="engine model"
    [measurement]="measurement model"
    [fit]="fit engine measurement model"
    [text]="text"
    [toolkit]="toolkit"
    [editor]="editor model text toolkit"
    [dialogs]="dialogs measurement model text toolkit"
    [results]="results engine model text toolkit"
    [following]="following results engine model text toolkit"
    [response]="response following dialogs results fit engine measurement model text toolkit"
    [help]="help toolkit"
    [app]="app help text toolkit editor dialogs results following response fit engine measurement model"
)
qt_free="model engine measurement fit text"

# The folder a path lies in: its first component.
folder_of() {
    case "$1" in
        */*) echo "${1%%/*}" ;;
        *) echo "" ;;
    esac
}

status=0
while IFS= read -r file; do
    from=$(folder_of "$file")
    while IFS= read -r line; do
        header=$(sed -E 's/^#include[[:space:]]*"([^"]+)".*/\1/' <<<"$line")
        to=$(folder_of "$header")
        [[ -z "$to" ]] && continue
        if [[ " ${allowed[$from]} " != *" $to "* ]]; then
            echo "$file: includes $header ($from may not use $to)"
            status=1
        fi
    done < <(grep -E '^#include[[:space:]]*"' "$file" || true)
    if [[ " $qt_free " == *" $from "* ]] && grep -qE '^#include[[:space:]]*<Q' "$file"; then
        echo "$file: includes Qt ($from has no Qt)"
        status=1
    fi
done < <(find model engine measurement fit text toolkit editor dialogs results following response help app -name '*.h' -o -name '*.cpp' | sort)
[[ $status -eq 0 ]] && echo "every include points down the layers"
exit $status
