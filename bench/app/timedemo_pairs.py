#!/usr/bin/env python3
"""The timedemo with the shipped settings against the same with PortalCulling = 0.

Runs `Trovane -timedemo SECONDS --json` in pairs, culling on then off, one
after the other on one virtual X server, so both sides see the same machine
load; prints each run's mean fps, rooms drawn and fallback shares, then the
medians and their ratio.

    bench/app/timedemo_pairs.py [--pairs N] [--seconds S] [--build DIR]
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from startup import ROOT, Xvfb  # noqa: E402  one virtual X server, as start-up uses


def prepare(folder, build, culling):
    os.makedirs(folder)
    for name in os.listdir(os.path.join(build, "bin")):
        if name == "Trovane" or name.endswith(".so"):
            os.symlink(os.path.join(build, "bin", name), os.path.join(folder, name))
    with open(os.path.join(ROOT, "config.ini")) as shipped:
        text = shipped.read()
    if not culling:
        text = text.replace("PortalCulling = 1", "PortalCulling = 0")
    with open(os.path.join(folder, "config.ini"), "w") as config:
        config.write(text)
    shutil.copytree(os.path.join(ROOT, "textures"), os.path.join(folder, "textures"))


def run(folder, display, seconds):
    env = dict(os.environ, DISPLAY=f":{display}", SDL_VIDEODRIVER="x11")
    done = subprocess.run([os.path.join(folder, "Trovane"), "-timedemo", str(seconds), "--json"],
                          cwd=folder, env=env, capture_output=True, text=True,
                          timeout=seconds + 60)
    if done.returncode != 0:
        sys.exit(f"Trovane -timedemo ended with {done.returncode}: {done.stderr.strip()}")
    return json.loads(done.stdout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pairs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    if not os.path.exists(os.path.join(build, "bin", "Trovane")):
        sys.exit(f"no Trovane in {build}/bin")
    fps = {True: [], False: []}
    with tempfile.TemporaryDirectory(prefix="trovane-pairs-") as work, Xvfb() as xvfb:
        for culling in (True, False):
            prepare(os.path.join(work, str(culling)), build, culling)
        for pair in range(args.pairs):
            for culling in (True, False):
                report = run(os.path.join(work, str(culling)), xvfb.number, args.seconds)
                fps[culling].append(report["fps"]["mean"])
                shares = ", ".join(f"{name} {100 * share:.1f} %"
                                   for name, share in report["culling"]["fallbackShare"].items())
                print(f"pair {pair + 1} culling {'on ' if culling else 'off'}: "
                      f"{report['fps']['mean']:.2f} fps, {report['frames']} frames, "
                      f"{report['culling']['meanRoomsDrawn']:.1f} rooms; {shares}", flush=True)
    on, off = statistics.median(fps[True]), statistics.median(fps[False])
    print(f"median fps: culling on {on:.2f}, off {off:.2f}, ratio {on / off:.2f}")


if __name__ == "__main__":
    main()
