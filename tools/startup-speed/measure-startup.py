#!/usr/bin/env python3
"""Start-up speed and memory of Audivox beside a bare Qt 6 frameless 1024 x 768 window.

For each program: the time from starting the process to the mapping of its first screen
that a learner uses (the login screen for Audivox, the window itself for the bare one), and
the resident memory at that moment. Runs each program several times on one X display and
prints the medians and the ratios (the targets are at most 2.0 for both).

    xvfb-run -a -s "-screen 0 1024x768x24" tools/startup-speed/measure-startup.py BUILD_DIR

Audivox is started from a copy of BUILD_DIR/program with its own empty Users folder, so no
learner's data is touched; the second window of 1024 x 768 it maps is the login screen (the
first is the black backdrop).
"""
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

X11 = ctypes.CDLL("libX11.so.6")
MapNotify = 19
SubstructureNotifyMask = 1 << 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("rest", ctypes.c_char * 256)]


X11.XOpenDisplay.restype = ctypes.c_void_p
X11.XOpenDisplay.argtypes = [ctypes.c_char_p]
X11.XDefaultRootWindow.restype = ctypes.c_ulong
X11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
X11.XPending.argtypes = [ctypes.c_void_p]
X11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
X11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
X11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def measure(command, cwd, full_windows, env):
    """Seconds until the full_windows-th 1024 x 768 window maps, and the resident KiB then."""
    name = os.environ.get("DISPLAY", "").encode() or None
    display = None
    for _ in range(100):  # a virtual server may still be starting
        display = X11.XOpenDisplay(name)
        if display:
            break
        time.sleep(0.05)
    if not display:
        sys.exit("no X display: run under xvfb-run")
    root = X11.XDefaultRootWindow(display)
    X11.XSelectInput(display, root, SubstructureNotifyMask)
    X11.XSync(display, 1)
    start = time.perf_counter()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    seen = 0
    result = None
    event = XEvent()
    deadline = start + 60
    while result is None and time.perf_counter() < deadline:
        if not X11.XPending(display):
            time.sleep(0.0005)
            continue
        X11.XNextEvent(display, ctypes.byref(event))
        if event.type != MapNotify:
            continue
        attributes = XWindowAttributes()
        X11.XGetWindowAttributes(display, event.xmap.window, ctypes.byref(attributes))
        if attributes.width >= 1024 and attributes.height >= 768:
            seen += 1
            if seen == full_windows:
                result = (time.perf_counter() - start, resident_kib(process.pid))
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    X11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    X11.XCloseDisplay(display)
    if result is None:
        sys.exit(f"{command[0]} mapped no window")
    return result


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    bare = os.path.join(build, "bin", "audivox-bare-window")
    program = os.path.join(build, "program")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "program")
        shutil.copytree(program, copy, symlinks=True, ignore=shutil.ignore_patterns("Users"))
        os.mkdir(os.path.join(copy, "Users"))
        figures = {"bare": [], "audivox": []}
        for _ in range(runs):
            figures["bare"].append(measure([bare], folder, 1, env))
            figures["audivox"].append(measure([os.path.join(copy, "audivox")], copy, 2, env))
    summary = {}
    for name, values in figures.items():
        summary[name] = (statistics.median(v[0] for v in values) * 1000,
                         statistics.median(v[1] for v in values) / 1024)
        print(f"{name:8s} {summary[name][0]:7.1f} ms to the first screen, {summary[name][1]:6.1f} MB resident"
              f"  (median of {runs})")
    time_ratio = summary["audivox"][0] / summary["bare"][0]
    memory_ratio = summary["audivox"][1] / summary["bare"][1]
    print(f"ratio    time {time_ratio:.2f}, memory {memory_ratio:.2f} (targets: at most 2.00)")


if __name__ == "__main__":
    main()
