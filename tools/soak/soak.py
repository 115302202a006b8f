"""Soak run of the real saver under Wine: runs `tesselume.scr /s` for a number of minutes, samples
the memory of its process every 10 s, watches for message boxes, ends it with a key and prints a
JSON summary.

    python3 tools/soak/soak.py --minutes 10 --scr build/win64/tesselume.scr [--rig DIR] > soak.json

Without --rig it uses the rig named by TESSELUME_RIG_DIR (source DIR/env.sh of `rig.py up DIR`) or
starts one of its own and stops it at the end. boxwatch.exe is taken from the build folder of the
.scr (tools/boxwatch/boxwatch.exe beside it).
"""

import argparse
import json
import os
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import rig as rigmod  # noqa: E402
from saver_under_test import SAVER_TITLE  # noqa: E402

SAMPLE_SECONDS = 10
WARM_UP_SECONDS = 30
EXIT_WAIT_SECONDS = 15


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--minutes", type=float, required=True)
    parser.add_argument("--scr", type=Path, required=True, help="the saver to run (tesselume.scr)")
    parser.add_argument("--rig", type=Path, help="folder of a running rig (rig.py up DIR)")
    return parser.parse_args(argv)


def descendants(root):
    """Process ids below root, from /proc's parent links."""
    children = {}
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            # The command name in stat may hold spaces and parentheses; the parent follows the last ')'.
            parent = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry.name))
    found, todo = [], [root]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def saver_pid(proc):
    """The Linux process in which Wine runs the .scr: below our `timeout wine ...` and with the
    .scr in its command line. Looking only below our own process keeps other rigs' savers out."""
    for pid in descendants(proc.popen.pid):
        try:
            cmdline = Path(f"/proc/{pid}/cmdline").read_bytes().decode("utf-8", "replace")
        except OSError:
            continue
        if "tesselume.scr" in cmdline.lower():
            return pid
    return None


def memory_mb(pid):
    """(VmRSS, RssAnon) of a process in MB, or None once it is gone."""
    values = {}
    try:
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "RssAnon"):
                values[key] = int(rest.split()[0]) / 1024.0
    except (OSError, ValueError):
        return None
    if len(values) != 2:
        return None
    return values["VmRSS"], values["RssAnon"]


def growth(start, end):
    return {"mb": round(end - start, 2), "percent": round((end - start) * 100.0 / start, 2) if start else None}


def open_rig(args, stack):
    """The rig to run on, and whether this run started it."""
    rundir = args.rig or os.environ.get("TESSELUME_RIG_DIR")
    if rundir:
        the_rig = rigmod.attach(rundir)
        the_rig.workdir = Path(tempfile.mkdtemp(prefix="soak-", dir=rundir))
        return the_rig
    rundir = Path(tempfile.mkdtemp(prefix="soak-rig-"))
    stack.append(rundir)
    return rigmod.up(rundir)


def soak(the_rig, scr, minutes):
    boxwatch_exe = scr.parent / "tools" / "boxwatch" / "boxwatch.exe"
    if not boxwatch_exe.is_file():
        raise SystemExit(f"soak: {boxwatch_exe} is missing; build the boxwatch target")
    run_seconds = minutes * 60.0
    # A count no run reaches: boxwatch stays up for the whole run and presses OK on each box.
    watch = the_rig.start(boxwatch_exe, "--count", 1000, "--timeout-ms", int((run_seconds + 120) * 1000),
                          timeout=int(run_seconds + 180), name="boxwatch")
    # Our own start rather than start_fullscreen's: the rig's default timeout would end the run.
    proc = the_rig.start(scr, "/s", timeout=int(run_seconds + 120))
    if not the_rig.find_windows(SAVER_TITLE, timeout=30) or not proc.alive():
        watch.kill()
        raise SystemExit(f"soak: the saver's window did not show: {proc.exit_code(1)[1]}")
    pid = rigmod.wait_for(lambda: saver_pid(proc), 10)
    if pid is None:
        proc.kill()
        watch.kill()
        raise SystemExit("soak: found no process running tesselume.scr below our wine")

    series = []  # (seconds since the window showed, VmRSS MB, RssAnon MB)
    started = time.monotonic()
    ended_early = False
    while True:
        elapsed = time.monotonic() - started
        memory = memory_mb(pid)
        if memory is None or not proc.alive():
            ended_early = True
            break
        series.append((round(elapsed, 1), round(memory[0], 2), round(memory[1], 2)))
        if elapsed >= run_seconds:
            break
        time.sleep(min(SAMPLE_SECONDS, max(0.0, run_seconds - elapsed)))

    seconds_to_exit = None
    exit_code = None
    if not ended_early:
        sent = time.monotonic()
        the_rig.key("a")
        exit_code = proc.wait(EXIT_WAIT_SECONDS)
        if exit_code is not None:
            seconds_to_exit = round(proc.ended - sent, 3)
    else:
        exit_code = proc.wait(5)
    proc.kill()
    # boxwatch has flushed each box as it handled it; a moment for one that came with the exit.
    time.sleep(2)
    watch.kill()
    boxes = the_rig.boxes(watch)

    warm = [s for s in series if s[0] >= WARM_UP_SECONDS] or series
    first, last = warm[0], warm[-1]
    return {
        "minutes": minutes,
        "samples": len(series),
        "sample_seconds": SAMPLE_SECONDS,
        "warm_up_seconds": WARM_UP_SECONDS,
        "pid": pid,
        "rss_start_mb": first[1], "rss_end_mb": last[1], "rss_max_mb": max(s[1] for s in series),
        "rss_growth": growth(first[1], last[1]),
        "private_start_mb": first[2], "private_end_mb": last[2], "private_max_mb": max(s[2] for s in series),
        "private_growth": growth(first[2], last[2]),
        "boxes": boxes,
        "ended_early": ended_early,
        "exit_code": exit_code,
        "seconds_to_exit_after_key": seconds_to_exit,
        "fault_on_stderr": "Unhandled" in proc.err(),
        "window_left": bool(the_rig.visible_windows(SAVER_TITLE)),
        "series": series,
    }


def main(argv):
    args = parse_args(argv)
    scr = args.scr.resolve()
    if not scr.is_file():
        raise SystemExit(f"soak: {scr} is missing")
    owned = []
    the_rig = open_rig(args, owned)
    try:
        summary = soak(the_rig, scr, args.minutes)
    finally:
        the_rig.stop_all()
        for rundir in owned:
            rigmod.down(rundir)
    print(json.dumps(summary))
    return 0 if summary["exit_code"] == 0 and not summary["boxes"] and not summary["ended_early"] else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
