#!/usr/bin/env bash
# Takes the screenshots in this folder: the built program against a private X server (with
# a plain window manager) and a notes file holding a few days of sample notes.
# Usage: docs/screenshots/take-screenshots.sh [BUILD_DIR]     (default: build)
# Needs: Xvfb, openbox, xdotool, sqlite3, ImageMagick's import and convert.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ -z "${QUIBBET_SHOOTING:-}" ]; then
    export QUIBBET_SHOOTING=1
    exec "$root/tests/e2e/with-xvfb.sh" "$0" "$@"
fi

build=$(cd "${1:-$root/build}" && pwd)
program=$build/app/quibbet
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

start_program() {
    "$program" >>"$work/quibbet.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    main_window=$(xdotool search --sync --onlyvisible --name '^Quibbet$' | head -n 1)
    sleep 1
}

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}

# Window geometry as "X Y W H" in screen pixels.
geometry_of() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

# Clicks at a point given in the main window's own pixels.
click_main() {
    local x y w h
    read -r x y w h < <(geometry_of "$main_window")
    xdotool mousemove $((x + $1)) $((y + $2)) click "${3:-1}"
    sleep 0.5
}

park_pointer() {
    xdotool mousemove 5 5
    sleep 0.3
}

shoot_window() {
    import -window "$1" "$here/$2"
    echo "wrote $2"
}

# A dialog, frame and all, once it is on screen; then Escape closes it.
shoot_dialog() {
    local window
    window=$(timeout "${3:-20}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || {
        echo "no window \"$1\"" >&2
        return 1
    }
    sleep 0.8
    import -frame -window "$window" "$here/$2"
    echo "wrote $2"
    xdotool windowactivate --sync "$window" key Escape 2>/dev/null || xdotool key Escape
    sleep 0.5
}

# The area from the main window's top-left corner, w x h pixels, taken off the screen (for
# pop-up menus that lie outside the window).
shoot_area_from_main() {
    local x y w h
    read -r x y w h < <(geometry_of "$main_window")
    import -window root -crop "${2}x${3}+${x}+${y}" +repage "$here/$1"
    echo "wrote $1"
}

# The first run creates the notes file; then a few days of notes and two categories.
start_program
stop_program
sqlite3 clipdata.dat <<'SQL'
insert into clip_groups (group_id, group_name, description) values (2, 'Work', ''), (3, 'Home', '');
insert into notes_main (id, group_id, isdone, create_time, content, record_time) values
 (1, 0, 0, '09:12 Mon, 03Jun2024', 'Call the dentist about the appointment on Thursday', '2024-06-03 07:12:00.000'),
 (2, 0, 0, '14:40 Mon, 03Jun2024', 'Buy milk, bread and coffee beans', '2024-06-03 12:40:00.000'),
 (3, 0, 0, '08:05 Tue, 04Jun2024', 'Project meeting: the release moves to Friday; Anna reviews the installer, Tom writes the change log.', '2024-06-04 06:05:00.000'),
 (4, 0, 0, '17:30 Tue, 04Jun2024', 'Pick up the parcel at the post office (ticket 4471)', '2024-06-04 15:30:00.000'),
 (5, 0, 0, '10:00 Wed, 05Jun2024', 'Book train tickets for the weekend trip', '2024-06-05 08:00:00.000'),
 (6, 0, 0, '11:45 Wed, 05Jun2024', 'Router password hint: the name of the first cat', '2024-06-05 09:45:00.000');
SQL
# A reminder that falls due two or three minutes from now (two rows: one of them is the
# minute the timer looks at).
for later in 120 180; do
    sqlite3 clipdata.dat "insert into remind (clip_id, remind_content, remind_time, type, flag) values
        (5, 'Book train tickets for the weekend trip', '$(date -d "+$later sec" '+%Y-%m-%d %H:%M:00')', 0, 0)"
done

start_program
# Browse mode with the newest note selected, then edit mode with it in the memo.
click_main 150 90
park_pointer
shoot_window "$main_window" main-window.png
click_main $((1 + 245 + 12)) $((25 + 1 + 6 + 12))
park_pointer
shoot_window "$main_window" main-window-edit.png
click_main $((1 + 213 + 12)) $((25 + 1 + 6 + 12))

# The list's menu, open.
click_main 150 150 3
shoot_area_from_main menu-open.png 420 420
xdotool key Escape
sleep 0.3

# The dialogs: options from the list's menu (second entry from the bottom), the reminder
# settings of the selected note, a new category, the search.
click_main 150 150 3
xdotool key Up Up Return
shoot_dialog "Quibbet Options" dialog-options.png
click_main 150 90
xdotool key ctrl+r
shoot_dialog "Remind Settings" dialog-reminder-settings.png
click_main 150 90
xdotool key ctrl+d
shoot_dialog "Category manage" dialog-category.png || true
click_main 150 90
xdotool key ctrl+f
shoot_dialog "Search" dialog-search.png || true

# The reminder falls due on one of the next minute ticks.
shoot_dialog "Remind info" dialog-reminder-display.png 200 || {
    import -window root "$here/failed-reminder.png"
    cat "$work/quibbet.log" >&2
    exit 1
}
