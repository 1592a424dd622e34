#!/usr/bin/env bash
# The Windows program end to end, under Wine in a fresh prefix made here:
# real key and mouse events (xdotool), Wine's clipboard as X11 sees it
# (xclip), the exit. Run through scripts/with-xvfb.sh.
# With an installer and the folder it was built from, it is installed,
# upgraded and removed too; with "-" for the helper, only that is done.
# Usage: wine.sh PATH/TO/zandrel.exe PATH/TO/other_program.exe|- [MSI MSI_STAGE VERSION]
set -uo pipefail
exe=$1
holder=$2
msi=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/scenario.sh"
source "$scripts/wine-prefix.sh"

work=$(mktemp -d)
trap 'remove_wine_prefix; rm -rf "$work"' EXIT
new_wine_prefix de_DE.UTF-8 || exit 1

start() {
    wine "$exe" &
    pid=$!
    wid=$("$scripts/wait-active-window.sh" zandrel.exe 30) &&
        wait_for 10 ready_for_keys || { fail "window did not take keys"; return 1; }
}
keys() { xdotool key "$@"; }

# The shared scenario on Windows 7, where the program finds none of the
# newer DPI functions, then everything else on Windows 10.
typing_and_clipboard() {
    echo "== Windows 7: typing and coming back"
    wine_windows_version win7
    typing && coming_back || exit 1
    keys alt+F4
    expect_exit "closing the window on Windows 7"
    wine_windows_version win10
    echo "== Windows 10: typing, coming back, selection, and the exit"
    typing && coming_back || exit 1
    keys a
    sleep 0.3 # a letter must change nothing, and no event shows nothing: a change would show by now
    expect_clipboard 905.51 "a letter changes nothing"
    click_on Text1
    xdotool type --delay 20 12345678901234
    click_on Text1 89 # the right end of the fourteen: the first ten are selected
    keys 9
    expect_clipboard 3591882.58 "a click selects the first ten"
    keys Return Escape 1
    expect_clipboard 39.37 "Enter selected the text, so 1 replaces it"
    running && pass || fail "Enter or Esc ended the program"
    click_on Command1
    expect_exit "the exit button"

    # Wine 8's X11 driver asks the window manager to activate a window only
    # when it maps it: a window restored from the taskbar comes forward, one
    # left behind another program's stays there. tst_Win32Window checks that
    # case on Windows' side.
    echo "== started again: the minimised window comes forward"
    in_front() {
        [[ "$(xdotool getactivewindow 2>/dev/null)" == "$wid" && $(windows_of zandrel.exe) == 1 ]] &&
            ready_for_keys
    }
    away() { xdotool windowminimize --sync "$wid"; }
    start_again() { second_start wine "$exe"; }
    starting_again || exit 1
    keys alt+F4
    expect_exit "closing the window after starting again"

    echo "== a German locale reads and writes a comma"
    LC_ALL=de_DE.UTF-8 LOCPATH=$wine_locales start 2>/dev/null || exit 1
    keys shift+Tab shift+Tab # back past the mils result box into the mm input
    xdotool type --delay 20 1,5
    expect_clipboard 59,06 "1,5 mm in German"
    keys alt+F4 # the window manager closes the window
    expect_exit "closing the window"

    echo "== another program holds the clipboard open"
    coproc HOLDER { wine "$holder" 2>/dev/null; }
    ask() { # one command to the holder; its answer without Windows' line end
        local reply=""
        echo "$1" >&"${HOLDER[1]}"
        read -r -t 20 reply <&"${HOLDER[0]}"
        echo "${reply%$'\r'}"
    }
    text4=$(control_number Text4)
    text4_is() { [[ "$(ask "text $text4")" == "$1" ]]; }
    start || exit 1
    keys 5
    expect_clipboard 0.127 "5 at start"
    [[ "$(ask hold)" == held ]] || fail "the helper could not hold the clipboard"
    keys Return
    local want=(0.076 0.991 9.982 100.000) typed=(3 9 3 7) i
    for i in 0 1 2 3; do
        keys "${typed[$i]}"
        wait_for 2 text4_is "${want[$i]}" && pass ||
            fail "held, key ${typed[$i]}: Text4 shows '$(ask "text $text4")'"
    done
    ask release >/dev/null
    expect_clipboard 100.000 "released: the waiting result lands with no further key" 1
    keys BackSpace
    expect_clipboard 9.982 "the next edit after the release"
    ask hold >/dev/null
    keys 1
    wait_for 2 text4_is 99.847 || fail "held: Text4 does not show 99.847"
    click_on Command1 # with 99.847 still waiting
    expect_exit "the exit button while the clipboard is held"
    ask release >/dev/null
    exec {HOLDER[1]}>&-
    wait "$HOLDER_PID" 2>/dev/null
}
[[ "$holder" == - ]] || typing_and_clipboard

# The user's app mode, before the program starts: light, then dark. Either
# way every text is readable and the results stand apart.
app_mode() {
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
colours() {
    echo "== app mode $1"
    start || exit 1
    keys 5
    expect_clipboard 0.127 "5 at start, $1"
    import -window "$wid" "$work/$1.png"
    /usr/bin/python3 "$here/contrast.py" "$work/$1.png" "$ZANDREL_DESIGN" "$1" && pass ||
        fail "the window's colours in app mode $1"
    keys alt+F4
    expect_exit "closing the window"
}
if [[ "$holder" != - ]]; then
    colours light
    app_mode 0
    colours dark
    app_mode 1
fi

[[ -n "$msi" ]] || { summary; exit; }
echo "== the installer: tables, install, upgrade, downgrade, uninstall"
stage=$4 version=$5
built=$exe
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }
upgrade_code=$(property "$msi" UpgradeCode)
[[ "$(property "$msi" ProductName)" == Zandrel ]] && pass || fail "product name"
[[ "$(property "$msi" ProductVersion)" == "$version" ]] && pass || fail "product version"
[[ "$upgrade_code" =~ ^\{[0-9A-Fa-f-]{36}\}$ ]] && pass || fail "upgrade code '$upgrade_code'"
[[ "$(property "$msi" ARPNOMODIFY)" == 1 && "$(property "$msi" ARPPRODUCTICON)" == zandrel.ico ]] &&
    pass || fail "no modify button, the program's icon in the list of programs"
# Read whole before grep looks, which may stop early (and msiinfo with it).
# msiinfo writes a table's binary streams into a folder beside it.
table() { (cd "$work" && msiinfo export "$msi" "$1"); }
grep -q $'\tzandrel.exe\t' <<<"$(table File)" && pass || fail "File table: zandrel.exe"
grep -q $'\tZandrel\t.*\tzandrel.ico\t' <<<"$(table Shortcut)" && pass || fail "Shortcut table"
grep -q '^zandrel.ico' <<<"$(table Icon)" && pass || fail "Icon table"
grep -q 'VersionNT = 601 AND ServicePackLevel >= 1' <<<"$(table LaunchCondition)" && pass ||
    fail "LaunchCondition table: Windows 7 SP1 and later"

# The same package at a higher version, from the same source.
mkdir "$work/next"
cp -r "$stage/." "$work/next"
next_version=$(awk -F. '{ print $1 "." $2 + 1 ".0.0" }' <<<"$version")
"$scripts/build-msi.sh" "$work/next" "$next_version" "$work/next/next.msi" 2>/dev/null ||
    fail "building a higher version"
[[ "$(property "$work/next/next.msi" UpgradeCode)" == "$upgrade_code" ]] && pass || fail "the upgrade code changed"
# The product code follows the version: the same for a rebuild, another for
# another version, which is what lets the higher one replace this one.
"$scripts/build-msi.sh" "$stage" "$version" "$work/again.msi" 2>/dev/null
product_code=$(property "$msi" ProductCode)
[[ "$product_code" =~ ^\{[0-9A-F-]{36}\}$ && "$(property "$work/again.msi" ProductCode)" == "$product_code" ]] &&
    pass || fail "a rebuild of $version has another product code"
[[ "$(property "$work/next/next.msi" ProductCode)" != "$product_code" ]] && pass ||
    fail "$next_version has the product code of $version"

unix_path() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
installed=$(unix_path LOCALAPPDATA)/Programs/Zandrel
shortcut=$(unix_path APPDATA)"/Microsoft/Windows/Start Menu/Programs/Zandrel.lnk"
# The versions of the programs named Zandrel in the list of installed
# programs, per user or per machine.
entries() {
    local hive
    for hive in HKCU HKLM; do
        wine reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null | tr -d '\r'
    done | awk '/^HKEY/ { name = ""; version = "" }
        $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
        name == "Zandrel" && version != "" { print version; name = "" }'
}

wine msiexec /i "$msi" /qn && pass || fail "silent install"
cmp -s "$installed/zandrel.exe" "$built" && pass || fail "installed exe differs from the built one"
[[ -f "$installed/README.txt" && -f "$installed/README.zh-TW.txt" && -f "$shortcut" ]] && pass ||
    fail "read-me in both languages and Start-menu shortcut"
[[ "$(entries)" == "$version" ]] && pass || fail "list of programs: '$(entries)'"
exe=$installed/zandrel.exe
start || exit 1
keys 5
expect_clipboard 0.127 "the installed program: 5 at start"
keys alt+F4
expect_exit "closing the installed program"

wine msiexec /i "$work/next/next.msi" /qn && pass || fail "silent upgrade"
[[ "$(entries)" == "$next_version" ]] && pass || fail "after the upgrade, the list has '$(entries)'"
wine msiexec /i "$msi" /qn && fail "a downgrade was accepted" || pass
[[ "$(entries)" == "$next_version" ]] && pass || fail "after the downgrade, the list has '$(entries)'"

wine msiexec /x "$work/next/next.msi" /qn && pass || fail "silent uninstall"
[[ ! -e "$installed" && ! -e "$shortcut" && -z "$(entries)" ]] && pass ||
    fail "left behind: $(ls "$installed" 2>/dev/null) $(ls "$shortcut" 2>/dev/null) $(entries)"
wine reg query 'HKCU\Software\Zandrel' >/dev/null 2>&1 && fail "registry key left behind" || pass

summary
