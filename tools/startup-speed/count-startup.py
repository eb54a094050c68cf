#!/usr/bin/env python3
"""Instructions Audivox's threads run until its login screen maps, counted by callgrind.

    xvfb-run -a -s "-screen 0 1024x768x24" python3 tools/startup-speed/count-startup.py BUILD_DIR [OUT_DIR]

Starts the program under valgrind's callgrind on a copy of BUILD_DIR/program with an empty
Users folder, dumps the counts when the login screen maps (the second 1024 x 768 window),
and prints the instructions of each thread, then the main thread's costliest functions
(inclusive). The profiles stay in OUT_DIR when it is given.
"""
import ctypes
import glob
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
# The window and timing helpers of measure-startup.py (a file name no import statement takes).
loader = importlib.util.spec_from_file_location("measure_startup", os.path.join(here, "measure-startup.py"))
measure = importlib.util.module_from_spec(loader)
loader.loader.exec_module(measure)
X11 = measure.X11


def wait_for_login(display, deadline):
    seen = 0
    event = measure.XEvent()
    while time.monotonic() < deadline:
        if not X11.XPending(display):
            time.sleep(0.01)
            continue
        X11.XNextEvent(display, ctypes.byref(event))
        if event.type != measure.MapNotify:
            continue
        attributes = measure.XWindowAttributes()
        X11.XGetWindowAttributes(display, event.xmap.window, ctypes.byref(attributes))
        if attributes.width >= 1024 and attributes.height >= 768:
            seen += 1
            if seen == 2:
                return True
    return False


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "program")
        shutil.copytree(os.path.join(build, "program"), copy, symlinks=True,
                        ignore=shutil.ignore_patterns("Users"))
        os.mkdir(os.path.join(copy, "Users"))
        profiles = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(folder, "profiles")
        os.makedirs(profiles, exist_ok=True)
        display = X11.XOpenDisplay(os.environ.get("DISPLAY", "").encode() or None)
        if not display:
            sys.exit("no X display: run under xvfb-run")
        X11.XSelectInput(display, X11.XDefaultRootWindow(display), measure.SubstructureNotifyMask)
        X11.XSync(display, 1)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        process = subprocess.Popen(
            ["valgrind", "--tool=callgrind", "--separate-threads=yes",
             f"--callgrind-out-file={profiles}/callgrind.out.%p", os.path.join(copy, "audivox")],
            cwd=copy, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        mapped = wait_for_login(display, time.monotonic() + 900)
        if mapped:
            subprocess.run(["callgrind_control", "--dump=login", str(process.pid)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        process.terminate()
        process.wait()
        if not mapped:
            sys.exit("the login screen never mapped")
        dumps = sorted(glob.glob(f"{profiles}/callgrind.out.{process.pid}.1-*"))
        total = 0
        for dump in dumps:
            with open(dump, errors="replace") as f:
                found = re.search(r"^(?:summary|totals): (\d+)", f.read(), re.M)
            count = int(found.group(1)) if found else 0
            total += count
            print(f"{os.path.basename(dump):40s} {count / 1e6:9.1f} M instructions")
        print(f"{'all threads':40s} {total / 1e6:9.1f} M instructions")
        if dumps:
            report = subprocess.run(["callgrind_annotate", "--inclusive=yes", dumps[0]],
                                    capture_output=True, text=True).stdout
            print("\nmain thread, inclusive:")
            print("\n".join(report.splitlines()[:70]))


if __name__ == "__main__":
    main()
