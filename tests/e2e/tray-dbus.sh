#!/usr/bin/env bash
# The tray icon in a D-Bus tray (a StatusNotifierItem with its menu exported through DBusMenu),
# with a real tray host and watcher: gtk-sni-tray-standalone, started before Quibbet, then
# restarted five times (with the window shown, and hidden to the tray), then started 10 s after
# a new Quibbet. Each time, within a few seconds, the item is registered with the watcher,
# Activate hides (not minimises) and shows the window, and the exported menu holds Help,
# Options, a separator and Exit, read over D-Bus as a tray reads it. Once with a modal dialog
# open, Activate hides and shows the dialog with the window. Clicks on the menu's entries, sent
# as the tray sends them, open the help and the options, and Exit ends the program. With an
# XEmbed tray (trayer) there too, the icon is in the D-Bus tray alone.
# A script of its own beside tray.sh: it needs a session bus of its own and drives the tray
# over D-Bus, where tray.sh runs without a bus and clicks on the XEmbed icon.
source "$(dirname "$0")/lib.sh"
if ! command -v gtk-sni-tray-standalone >/dev/null || ! command -v dbus-run-session >/dev/null ||
    ! command -v gdbus >/dev/null; then
    echo "SKIP: tray-dbus needs gtk-sni-tray-standalone (Debian package haskell-gtk-sni-tray-utils), dbus-daemon and gdbus"
    exit 77
fi
# A session bus of the test's own, so the tray, its watcher and the item meet there alone.
if [ -z "${TRAY_DBUS_PRIVATE_BUS:-}" ]; then
    exec env TRAY_DBUS_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
bus=$DBUS_SESSION_BUS_ADDRESS
source "$(dirname "$0")/desktop.sh" # a plain X11 session, which drops the bus: it is put back
export DBUS_SESSION_BUS_ADDRESS=$bus

enter_empty_folder
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/bin"
# Help is opened through the desktop's opener: this one only writes down what it was given.
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
unset XDG_CURRENT_DESKTOP
start_window_manager

on_bus() { gdbus call --session "$@" 2>/dev/null; }
watcher_property() {
    on_bus -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}
watcher_present() {
    on_bus -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
        org.kde.StatusNotifierWatcher | grep -q true
}
watcher_gone() { ! watcher_present; }
tray_has_host() { watcher_property IsStatusNotifierHostRegistered | grep -q true; }
# The bus name of this Quibbet's item, as the watcher lists it.
item_name() { watcher_property RegisteredStatusNotifierItems | grep -o "org\.kde\.StatusNotifierItem-$pid-[0-9]*"; }
item_registered() { [ -n "$(item_name)" ]; }

tray_pid=""
# Workaround: gtk-sni-tray-standalone --watcher starts its watcher and then asks it for the
# items at once; when the watcher's object is not up yet, the tray ends with "Pattern match
# failure" (its own start-up race, about one start in a hundred here). It is started again.
start_tray() {
    local try
    for try in 1 2 3; do
        NO_AT_BRIDGE=1 gtk-sni-tray-standalone --watcher >>"$work/tray.log" 2>&1 &
        tray_pid=$!
        wm_pid="$wm_pid $tray_pid"
        # It takes a few seconds to start on a busy machine; the item must be there soon after.
        for _ in $(seq 1 200); do
            tray_has_host && return 0
            kill -0 "$tray_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$tray_pid" 2>/dev/null && break # running, but no host came up
        wait "$tray_pid" 2>/dev/null || true
        eventually watcher_gone || true
    done
    fail "the tray host did not start: $(tail -n 5 "$work/tray.log")"
}
stop_tray() {
    kill "$tray_pid"
    wait "$tray_pid" 2>/dev/null || true
    eventually watcher_gone || fail "the tray's watcher did not go away"
}

# The icon's window in the XEmbed tray: a small window of the program that the tray took in.
xembed_icon() {
    local id
    for id in $(xdotool search --classname '^quibbet$' 2>/dev/null); do
        read -r _ _ w h <<<"$(window_geometry "$id")"
        [ "$w" -le 64 ] && [ "$h" -le 64 ] && [ "$(map_state "$id")" = IsViewable ] && { echo "$id"; return 0; }
    done
    return 1
}

# The window manager's state of a window: Normal, Iconic, Withdrawn (or nothing).
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }

activate() {
    on_bus -d "$name" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.Activate -- 0 0 >/dev/null ||
        fail "$when: the item did not answer Activate"
}
# The path of the item's menu, as the item names it; sets menu_path.
find_menu() {
    menu_path=$(on_bus -d "$name" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
        org.kde.StatusNotifierItem Menu | sed -n "s/.*objectpath '\([^']*\)'.*/\1/p") || true
    [ -n "$menu_path" ] || fail "$when: the item names no menu"
}
# The menu's entries as "ID LABEL" lines, a separator as "ID -", read as a tray reads them.
menu_entries() {
    on_bus -d "$name" -o "$menu_path" -m com.canonical.dbusmenu.GetLayout -- 0 -1 '[]' |
        grep -oE "<\([0-9]+, \{[^}]*\}" |
        sed -E "s/<\(([0-9]+), \{.*'label': <'([^']*)'>.*/\1 \2/; s/<\(([0-9]+), \{.*'type': <'separator'>.*/\1 -/"
}
# A click on the entry with that label, as a tray reports it.
click_entry() {
    local id
    find_menu
    id=$(menu_entries | awk -v label="$1" '$2 == label {print $1}') || true
    [ -n "$id" ] || fail "$when: the menu has no entry $1"
    on_bus -d "$name" -o "$menu_path" -m com.canonical.dbusmenu.Event -- "$id" clicked '<0>' 0 >/dev/null ||
        fail "$when: the menu did not take the click on $1"
}

# Activate, and what it should do to the window: a shown window gets the focus, a hidden one
# is hidden to the tray, not minimised.
show_by_activate() {
    activate
    wait_for_map_state "$main" IsViewable || fail "$when: Activate did not show the window"
    wait_for_active "$main" || fail "$when: the window shown again did not get the focus"
}
hide_by_activate() {
    activate
    wait_for_map_state "$main" IsUnMapped || fail "$when: Activate did not hide the window"
    [ "$(wm_state "$main")" != Iconic ] || fail "$when: the window was minimised instead of hidden to the tray"
}

# The item is in the tray, a click on it shows the window hidden to the tray, or hides it to
# the tray and shows it again, and its menu is the tray menu.
check_tray() {
    when=$1
    eventually item_registered || fail "$when: the item was not registered ($(watcher_property RegisteredStatusNotifierItems))"
    name=$(item_name)
    [ "$(map_state "$main")" = IsViewable ] || show_by_activate
    hide_by_activate
    show_by_activate
    local labels
    find_menu
    labels=$(menu_entries | awk '{print $2}' | paste -sd ' ') || true
    [ "$labels" = "Help Options - Exit" ] || fail "$when: the menu holds '$labels'"
}

# The tray host started before Quibbet.
start_tray
start_quibbet
main=$(wait_for_window) || fail "the window never mapped"
when="host started first"
eventually item_registered || fail "$when: the item was not registered ($(watcher_property RegisteredStatusNotifierItems))"
name=$(item_name)

# A modal dialog open: the tray's click still hides and shows, the dialog with the window.
# (First, while the keyboard still reaches the list: after the window has been hidden and
# shown twice, it no longer does, whatever hid it.)
xdotool mousemove --window "$main" 150 150 click 1 # the list, where Ctrl+F opens the search
xdotool key ctrl+f
search=$(wait_for_window '^Search$') || fail "Ctrl+F did not open the search dialog"
when="with a dialog open"
hide_by_activate
wait_for_map_state "$search" IsUnMapped || fail "$when: hiding left the search dialog on screen"
activate
wait_for_map_state "$main" IsViewable || fail "$when: Activate did not show the window"
wait_for_map_state "$search" IsViewable || fail "$when: showing did not bring the search dialog back"
xdotool windowactivate --sync "$search" 2>/dev/null || true
xdotool key Escape
eventually window_gone '^Search$' || fail "Escape did not close the search dialog"
check_tray "host started first"

# The tray restarts, with the window shown and with it hidden to the tray.
for restart in 1 2 3 4 5; do
    when="before restart $restart"
    [ $((restart % 2)) = 1 ] || hide_by_activate
    stop_tray
    start_tray
    check_tray "restart $restart"
done

# The menu's entries work as the tray reports their clicks.
when="the menu"
click_entry Help
eventually test -s "$work/opened" || true
grep -qE 'Quibbet(%20| )Standard\.chm' "$work/opened" 2>/dev/null || fail "Help in the menu did not open the help"
click_entry Options
options=$(wait_for_window '^Quibbet Options$') || fail "Options in the menu did not open the options"
xdotool windowactivate --sync "$options" 2>/dev/null || true
xdotool key Escape
eventually window_gone '^Quibbet Options$' || fail "Escape did not close the options"
click_entry Exit
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit in the menu did not end the program"
stop_tray

# The D-Bus tray started 10 s after Quibbet, as at a login where the panel comes late. An
# XEmbed tray (trayer) is there from the start: the icon goes there first, and leaves it for
# the D-Bus tray, so that a desktop with both kinds never shows it twice.
if command -v trayer >/dev/null; then
    trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
    wm_pid="$wm_pid $!"
fi
start_quibbet
main=$(wait_for_window) || fail "the window never mapped the second time"
if command -v trayer >/dev/null; then
    for _ in $(seq 1 100); do xembed_icon >/dev/null && break; sleep 0.1; done
    xembed_icon >/dev/null || fail "with no D-Bus tray, the icon did not go to the XEmbed tray"
fi
sleep 10
item_registered && fail "an item was registered with no tray running"
start_tray
check_tray "host started 10 s after Quibbet"
no_xembed_icon() { ! xembed_icon >/dev/null; }
eventually no_xembed_icon || fail "the icon stayed in the XEmbed tray beside the D-Bus tray"
when="the menu, late host"
click_entry Exit
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit in the menu did not end the program"
echo "tray-dbus: passed"
