#!/usr/bin/env python3
"""Start-up of the game against a bare Qt window with a menu bar, side by side in one run.

Each program is started RUNS times in turn (default 15) under /usr/bin/time -v and ends by
itself once its client area has been painted for the first time. Reported per program, as
medians: the wall-clock time from start to first paint, the processor time (user + system)
the whole process used until then, and its peak memory (maximum resident set size), then the
game's figures as ratios of the bare window's. /usr/bin/time -v gives the peak memory; the
times are taken from the process's own accounting in microseconds, as time -v shows only
hundredths of a second.

  tools/startup/measure.py [BUILD_DIR]      (default: build; run it from the checkout)

Offscreen with the dummy sound driver unless QT_QPA_PLATFORM and SDL_AUDIODRIVER say
otherwise. The processor time is the steadier figure on a busy machine.
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time


def one_run(command, env):
    with tempfile.TemporaryFile(mode="w+") as report:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-v"] + command, env=env,
                                   stdout=subprocess.DEVNULL, stderr=report)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
        process.returncode = os.waitstatus_to_exitcode(status)
        report.seek(0)
        text = report.read()
    if process.returncode != 0:
        sys.exit("%s failed (%d):\n%s" % (" ".join(command), process.returncode, text))
    kilobytes = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1))
    # The usage of /usr/bin/time itself is its child's plus a few hundred microseconds.
    return wall, usage.ru_utime + usage.ru_stime, kilobytes


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(os.environ.get("RUNS", "15"))
    game = [os.path.join(build, "app", "brenvolt"), "--quit-after-first-paint"]
    bare = [os.path.join(build, "tools", "startup", "brenvolt_bare_window")]
    for program in (game[0], bare[0]):
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the targets brenvolt and brenvolt_bare_window" % program)
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env.setdefault("SDL_AUDIODRIVER", "dummy")
    if not env.get("XDG_RUNTIME_DIR"):
        env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)

    one_run(bare, env)  # warms the file cache for both
    one_run(game, env)
    figures = {"bare window": [], "brenvolt": []}
    for _ in range(runs):
        figures["bare window"].append(one_run(bare, env))
        figures["brenvolt"].append(one_run(game, env))
    medians = {name: [statistics.median(r[i] for r in rows) for i in range(3)]
               for name, rows in figures.items()}
    print("runs %d (medians), platform %s" % (runs, env["QT_QPA_PLATFORM"]))
    print("%-12s %9s %9s %11s" % ("", "wall ms", "cpu ms", "peak kB"))
    for name, (wall, cpu, kb) in medians.items():
        print("%-12s %9.1f %9.1f %11d" % (name, wall * 1000, cpu * 1000, kb))
    game_m, bare_m = medians["brenvolt"], medians["bare window"]
    print("%-12s %9.2f %9.2f %11.2f" % ("ratio", game_m[0] / bare_m[0], game_m[1] / bare_m[1],
                                        game_m[2] / bare_m[2]))


if __name__ == "__main__":
    main()
