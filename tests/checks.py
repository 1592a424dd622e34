"""Counting checks, the one pass/fail helper of the Python tests: check()
each condition, then exit with summary(), which prints "N passed, N failed"."""
import sys
import time

passes = 0
failures = 0


def check(condition, what):
    """Counts the condition; a failure is printed with what was checked."""
    global passes, failures
    if condition:
        passes += 1
    else:
        failures += 1
        print("FAIL: " + what)
    return condition


def wait_for(predicate, seconds):
    """Asks the predicate until it holds, for up to so many seconds."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)  # the interval at which a condition is looked at again


def summary():
    """Prints the count and gives the exit status."""
    print(f"{passes} passed, {failures} failed")
    return 1 if failures else 0


def exit_with_summary():
    sys.exit(summary())
