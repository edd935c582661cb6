#!/usr/bin/env bash
# Quibbet in the desktop's language, one language of each script family: under each locale
# the tool row's buttons, the list's menu and the search dialog read in that language, a
# right-to-left language mirrors the window, and what is stored is the same as under C.
# Usage: languages.sh [LOCALE...]   (default: de_DE.UTF-8 ja_JP.UTF-8 ar_EG.UTF-8)
# Needs at-spi2-core, python3-pyatspi, dbus-daemon and the locales; skips without them.
source "$(dirname "$0")/lib.sh"

python=/usr/bin/python3
if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] ||
    ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: languages needs the packages at-spi2-core, python3-pyatspi and dbus-daemon"
    exit 77
fi
if [ -z "${LANGUAGES_PRIVATE_BUS:-}" ]; then
    exec env LANGUAGES_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LANGUAGE LC_MESSAGES
here=$(cd "$(dirname "$0")" && pwd)
translations=$here/../../translations
walk() { "$python" "$here/language-walk.py" "$@" 2>&1; }
locales=("$@")
[ ${#locales[@]} -gt 0 ] || locales=(de_DE.UTF-8 ja_JP.UTF-8 ar_EG.UTF-8)

stored_under() {
    sqlite3 clipdata.dat "select group_id, create_time, content from notes_main order by id;
        select group_id, group_name from clip_groups order by group_id"
}

for locale in "${locales[@]}"; do
    language=${locale%%_*}
    ts=$translations/quibbet_$language.ts
    locale -a | grep -qix "${locale/UTF-8/utf8}" || fail "the locale $locale is not generated"
    enter_empty_folder
    export LC_ALL=$locale LANG=$locale
    start_quibbet
    id=$(wait_for_window) || fail "$locale: the window never mapped"
    out=$(walk "$pid" "$ts" window) || fail "$locale: $out"

    # The list's menu from the keyboard, as a screen reader user opens it.
    xdotool windowfocus --sync "$id"
    read -r x y _ _ <<<"$(window_geometry "$id")"
    xdotool mousemove $((x + 140)) $((y + 150)) click 1
    out=$(walk "$pid" "$ts" menu) || fail "$locale: the list's menu: $out"

    title=$(walk "$ts" text dialogs::TFrmSearch Search)
    xdotool key ctrl+f
    wait_for_window "^$title\$" >/dev/null || fail "$locale: Ctrl+F did not open a dialog titled '$title'"
    xdotool key Escape
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool windowfocus --sync "$id"
    xdotool mousemove $((x + 140)) $((y + 150)) click 1

    # A note typed and applied is stored exactly as under C: English day names and all.
    xdotool key ctrl+i
    xdotool type --delay 20 "note under $language"
    xdotool key ctrl+Return
    for _ in $(seq 1 100); do
        [ -n "$(sqlite3 clipdata.dat "select 1 from notes_main where content = 'note under $language'")" ] && break
        sleep 0.1
    done
    created=$(sqlite3 clipdata.dat "select create_time from notes_main where content = 'note under $language'")
    [[ $created =~ ^[0-9]{2}:[0-9]{2}\ (Mon|Tue|Wed|Thu|Fri|Sat|Sun),\ [0-9]{2}(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)[0-9]{4}$ ]] ||
        fail "$locale: the note was stored with the creation text '$created'"
    groups=$(sqlite3 clipdata.dat "select group_name from clip_groups order by group_id" | tr '\n' ' ')
    [ "$groups" = "Search " ] || fail "$locale: the categories stored are '$groups'"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "languages: $locale passed"
done
echo "languages: passed"
