"""The program under Wine, played by tools/uidriver as tests/e2e/run does,
and the faults the suite puts in its way: a small disk, a kill, a file
held open by another program."""

import os
import subprocess
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
WINE_RUN = os.path.join(ROOT, 'cmake', 'wine-run')
PROGRAM = 'brantlewick.exe'


def winpath(path):
    return subprocess.run([os.path.join(ROOT, 'tests', 'support', 'winpath'), path],
                          check=True, capture_output=True, text=True).stdout


def script_text(text):
    """A text inside a driver script: a backslash is written "\\\\" there."""
    return text.replace('\\', '\\\\')


class Wine:
    def __init__(self, build):
        self.build = build
        os.environ.setdefault('BW_WINEPREFIX', os.path.join(build, 'wineprefix'))
        for exe in ('uidriver.exe', 'holdfile.exe', PROGRAM):
            if not os.path.isfile(os.path.join(build, exe)):
                raise SystemExit(f'tests/faults/run: {build}/{exe} is not built')
        subprocess.run([WINE_RUN, '--init'], check=True)

    def start_driver(self, script, program, log, limit):
        """Starts the driver on script (a file) against program; its output
        goes to log.  The driver starts the program itself."""
        with open(log, 'wb') as out:
            return subprocess.Popen(
                ['timeout', str(limit), WINE_RUN, os.path.join(self.build, 'uidriver.exe'),
                 winpath(script), winpath(program)],
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT)

    def hold(self, path, release, log):
        """Another program holds path open without sharing until the file
        release appears.  Returns once it holds the file."""
        with open(log, 'wb') as out:
            holder = subprocess.Popen(
                [WINE_RUN, os.path.join(self.build, 'holdfile.exe'), winpath(path), winpath(release)],
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 30
        while b'held' not in read(log):
            if holder.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError(f'holdfile could not hold {path}: {read(log).decode(errors="replace")}')
            time.sleep(0.02)
        return holder


def read(path):
    try:
        with open(path, 'rb') as f:
            return f.read()
    except FileNotFoundError:
        return b''


def program_pids(folder_tag):
    """The Linux processes of the program started from a folder whose path
    holds folder_tag: Wine shows a program's command line as its own."""
    pids = []
    for pid in os.listdir('/proc'):
        if not pid.isdigit():
            continue
        try:
            with open(f'/proc/{pid}/cmdline', 'rb') as f:
                args = f.read().split(b'\0')
        except OSError:
            continue
        first = args[0].decode(errors='replace')
        if folder_tag in first and first.lower().endswith(PROGRAM):
            pids.append(int(pid))
    return pids


class SmallDisk:
    """A tmpfs mounted on a folder (the suite runs as root, as CI does);
    unmounted on leaving, also when the case fails."""

    def __init__(self, folder):
        self.folder = folder
        self.mounted = False

    def __enter__(self):
        os.makedirs(self.folder, exist_ok=True)
        subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=1g', 'tmpfs', self.folder], check=True)
        self.mounted = True
        return self

    def used(self):
        s = os.statvfs(self.folder)
        return (s.f_blocks - s.f_bfree) * s.f_frsize

    def resize(self, size):
        size = (size + 4095) // 4096 * 4096
        subprocess.run(['mount', '-o', f'remount,size={size}', self.folder], check=True)

    def __exit__(self, *exc):
        if self.mounted:
            if subprocess.run(['umount', self.folder]).returncode != 0:
                subprocess.run(['umount', '-l', self.folder])
            self.mounted = False
