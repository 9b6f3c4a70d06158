#!/usr/bin/env python3
"""Start-up time and resident memory of Trovane on a virtual X server.

Start-up: from launch to the first presented frame, the median of repeated
runs. Memory: VmRSS from /proc/<pid>/status after the program has run for a
while. Both run TrovaneLogging, the tests' build of the program (the target
of that name), which reports the wall-clock time of its first Present when
TROVANE_FIRST_FRAME_LOG is set; the shipped Trovane never does.

    bench/app/startup.py [--runs N] [--settle SECONDS] [--build DIR]
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PROGRAM = "TrovaneLogging"


def free_display():
    for number in range(140, 180):
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(
                f"/tmp/.X11-unix/X{number}"):
            return number
    sys.exit("no free X display between :140 and :179")


class Xvfb:
    def __enter__(self):
        self.number = free_display()
        self.process = subprocess.Popen(
            ["Xvfb", f":{self.number}", "-screen", "0", "1024x768x24", "-noreset", "-nolisten",
             "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        deadline = time.monotonic() + 10
        while not os.path.exists(f"/tmp/.X11-unix/X{self.number}"):
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.__exit__(None, None, None)
                sys.exit("Xvfb did not start")
            time.sleep(0.05)
        return self

    def __exit__(self, *args):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)


def prepare(folder, build):
    build = os.path.abspath(build)
    if not os.path.exists(os.path.join(build, "bin", PROGRAM)):
        sys.exit(f"no {PROGRAM} in {build}/bin: build it with "
                 f"cmake --build {build} --target {PROGRAM}")
    shutil.copy(os.path.join(build, "bin", PROGRAM), folder)
    for name in os.listdir(os.path.join(build, "bin")):
        if name.endswith(".so"):
            os.symlink(os.path.join(build, "bin", name), os.path.join(folder, name))
    shutil.copy(os.path.join(ROOT, "config.ini"), folder)
    shutil.copytree(os.path.join(ROOT, "textures"), os.path.join(folder, "textures"))


def launch(folder, display):
    env = dict(os.environ, DISPLAY=f":{display}", SDL_VIDEODRIVER="x11",
               TROVANE_FIRST_FRAME_LOG="1")
    return subprocess.Popen([os.path.join(folder, PROGRAM)], cwd=folder, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                            start_new_session=True)


def stop(process):
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(timeout=10)


def first_frame_seconds(folder, display, limit=60):
    began = time.time()
    process = launch(folder, display)
    try:
        deadline = time.monotonic() + limit
        said = []
        for line in process.stderr:
            if line.startswith("first frame presented at "):
                return int(line.split()[-1]) / 1000.0 - began
            said.append(line)
            if time.monotonic() > deadline:
                break
        sys.stderr.write("".join(said))
        return None
    finally:
        stop(process)


def resident_kib(folder, display, settle):
    process = launch(folder, display)
    try:
        time.sleep(settle)
        with open(f"/proc/{process.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return None
    finally:
        stop(process)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--settle", type=float, default=10.0)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="trovane-bench-") as folder, Xvfb() as x:
        prepare(folder, args.build)
        times = []
        for _ in range(args.runs):
            seconds = first_frame_seconds(folder, x.number)
            if seconds is None:
                sys.exit("no first frame reported")
            times.append(seconds)
        print(f"start-up to first frame: median {statistics.median(times) * 1000:.0f} ms "
              f"(min {min(times) * 1000:.0f}, max {max(times) * 1000:.0f}, {args.runs} runs)")
        rss = resident_kib(folder, x.number, args.settle)
        print(f"resident memory after {args.settle:.0f} s: {rss / 1024:.1f} MiB ({rss} KiB)")


if __name__ == "__main__":
    main()
