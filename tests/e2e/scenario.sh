# The typing and coming-back scenario, the same on every platform: X11
# (e2e.sh), Wayland (wayland.sh) and the Windows program under Wine
# (wine.sh). Each driver defines
#   start         start the program; return once it takes keys
#   keys KEY...   press keys (xdotool's names: 5, Return, Tab)
#   leave         another window takes the focus
#   come_back     the program's window has it again, ready for keys
# and sources lib.sh for the checks.
# shellcheck shell=bash

# The caret starts in the mil input with its 0 selected: 5 replaces it,
# Enter selects it again (and never presses the button), and 3937 goes in a
# key at a time. Tab passes the mils result and the button into the mm input,
# whose 0 entering selects.
typing() {
    start || return 1
    keys 5
    expect_clipboard 0.127 "5 at start"
    keys Return
    local want=(0.076 0.991 9.982 100.000) typed=(3 9 3 7) i
    for i in 0 1 2 3; do
        keys "${typed[$i]}"
        expect_clipboard "${want[$i]}" "mil key ${typed[$i]}"
    done
    keys Tab Tab Tab 2
    expect_clipboard 78.74 "Tab order, and entering selects"
}

# Coming back to the window leaves the caret where it was: 3 goes after the
# 2 (23 mm) instead of replacing it.
coming_back() {
    leave
    come_back
    keys 3
    expect_clipboard 905.51 "typed after coming back"
}

# Started again while it runs, the program brings its window forward instead
# of making another. The driver defines
#   away          the user goes to another program, the window left behind it
#                 or minimised
#   start_again   start the program again as a launcher would, with a token
#                 where the platform has one (second_start, lib.sh)
#   in_front      the one window of the program is active and takes keys
# The new start ends at once, touching nothing, and the mil input, entered as
# by the program, takes a new value whole.
starting_again() {
    start || return 1
    keys 1 0 0 0
    expect_clipboard 25.400 "1000 mil"
    away
    start_again || return 1
    expect_clipboard 25.400 "the clipboard after the second start"
    keys 2 0 0 0
    expect_clipboard 50.800 "2000 after the second start"
}
