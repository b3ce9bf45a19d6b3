#!/bin/sh
# The catalogues of translations/ against the sources.
#   tools/translations.sh update   adds every new text of the sources to each catalogue
#                                  (a translator then fills it in, with Qt Linguist or by hand)
#   tools/translations.sh check    fails when a text of the sources is missing from a
#                                  catalogue or a catalogue holds an unfinished translation
set -e
cd "$(dirname "$0")/.."
bin=/usr/lib/qt6/bin
sources="shell store study entry layout draw analysis sociogram app"
case "$1" in
update)
    "$bin/lupdate" -silent -no-obsolete -locations none $sources -ts translations/sociogram_*.ts
    ;;
check)
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    cp translations/sociogram_*.ts "$tmp/"
    "$bin/lupdate" -silent -no-obsolete -locations none $sources -ts "$tmp"/sociogram_*.ts
    status=0
    for ts in translations/sociogram_*.ts; do
        name=$(basename "$ts")
        if ! cmp -s "$ts" "$tmp/$name"; then
            echo "$name: the sources hold texts the catalogue lacks (run tools/translations.sh update)"
            status=1
        fi
        report=$("$bin/lrelease" "$ts" -qm "$tmp/${name%.ts}.qm")
        echo "$name: $report" | tr '\n' ' '
        echo
        case "$report" in
        *" 0 unfinished"*) ;;
        *) echo "$name: unfinished translations"; status=1 ;;
        esac
    done
    exit $status
    ;;
*)
    echo "usage: $0 update|check" >&2
    exit 2
    ;;
esac
