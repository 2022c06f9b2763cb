"""The promise an update makes about the install folder, checked file by file.

At every moment of a run every file of the install folder is whole: its old
bytes at its own path, or its old bytes at the backup name (or new name)
that its line asks for, or its new bytes at its own path.  "Old" is the
install folder as laid out before the run; "new" and the backup names are
what a run that never failed leaves behind (the clean run).  So a path may
hold its old bytes or its bytes of the clean run, and the old bytes of a
file that the clean run keeps somewhere must still be somewhere they may be.
A file that the clean run deletes without keeping its bytes may be gone.

A recorded version and a dialog that says the update ended well are
promises too: both only when the install folder is the clean run's.
"""

import hashlib
import os
import re
from dataclasses import dataclass


@dataclass(frozen=True)
class Entry:
    size: int
    digest: str


class Tree:
    """The files (path -> Entry) and folders of a folder, paths with "/"."""

    def __init__(self, root):
        self.root = root
        self.files = {}
        self.folders = set()
        for folder, subfolders, names in os.walk(root):
            rel = os.path.relpath(folder, root)
            for sub in subfolders:
                self.folders.add(os.path.normpath(os.path.join(rel, sub)))
            for name in names:
                path = os.path.normpath(os.path.join(rel, name))
                self.files[path] = Entry(os.path.getsize(os.path.join(root, path)),
                                         digest(os.path.join(root, path)))

    def digests(self):
        return {entry.digest for entry in self.files.values()}


def digest(path):
    h = hashlib.sha256()
    with open(path, 'rb') as f:
        for block in iter(lambda: f.read(1 << 20), b''):
            h.update(block)
    return h.hexdigest()


def common_prefix(a, b):
    """How many leading bytes the files a and b share."""
    n = 0
    with open(a, 'rb') as fa, open(b, 'rb') as fb:
        while True:
            x, y = fa.read(1 << 16), fb.read(1 << 16)
            if x == y and x:
                n += len(x)
                continue
            for i in range(min(len(x), len(y))):
                if x[i] != y[i]:
                    return n + i
            return n + min(len(x), len(y))


def what_it_holds(path, now, old, clean):
    """Says how the bytes at path differ from the ones it may hold."""
    got = now.files[path]
    if got.size == 0:
        return 'empty'
    for label, tree in (('new', clean), ('old', old)):
        want = tree.files.get(path)
        if want and got.size < want.size and \
                common_prefix(os.path.join(now.root, path), os.path.join(tree.root, path)) == got.size:
            return f'cut short: the first {got.size} of its {want.size} {label} bytes'
    sizes = ', '.join(f'{label} {tree.files[path].size}' for label, tree in (('old', old), ('new', clean))
                      if path in tree.files)
    return f'other bytes ({got.size} bytes; {sizes or "no old or new bytes here"})'


# The program's own folder of new bytes that wait to take their file's
# place: no file of the product, and gone after every run that ends.
PARTS = '~brantlewick-parts'


def check_moment(old, clean, now):
    """The promise for the install folder now, a moment of a run (or after
    a failed one): one text per violation, naming the file and how.  A part
    file in the program's parts folder is no file of the product; the run
    again must leave no parts folder (check_rerun)."""
    violations = []
    for path in sorted(now.files):
        if PARTS in path.split('/'):
            continue
        allowed = {tree.files[path].digest for tree in (old, clean) if path in tree.files}
        if now.files[path].digest not in allowed:
            violations.append(f'{path}: {what_it_holds(path, now, old, clean)}')
    # Where each old content may be: at its own path, or where the clean run keeps it.
    kept_at = {}
    for path, entry in clean.files.items():
        kept_at.setdefault(entry.digest, []).append(path)
    for path, entry in sorted(old.files.items()):
        homes = sorted(set([path] + kept_at.get(entry.digest, [])))
        if path not in clean.files and entry.digest not in kept_at:
            continue  # deleted without a backup: may be gone
        if any(h in now.files and now.files[h].digest == entry.digest for h in homes):
            continue
        if path in clean.files and path in now.files and now.files[path].digest == clean.files[path].digest:
            continue  # its new bytes at its own path
        where = ' nor at '.join(homes)
        violations.append(f'{path}: its old bytes are lost (not at {where})')
    return violations


NUMBER = re.compile(r'[0-9a-f]{8}(?![0-9a-f])')


def numbered(path):
    return NUMBER.sub('%1', path)


def check_rerun(old, clean, now):
    """After a failed run and a run again: the install folder is the clean
    run's, apart from further numbered backups.  A numbered name may have
    another number (the run again took the next free one), so the bytes of
    each numbered file of the clean run must be at some name of its pattern,
    and a further numbered file must hold whole bytes."""
    violations = []
    whole = old.digests() | clean.digests()
    at_pattern = {}
    for path, entry in now.files.items():
        at_pattern.setdefault(numbered(path), set()).add(entry.digest)
    for path in sorted(clean.files):
        if numbered(path) != path:
            if clean.files[path].digest not in at_pattern.get(numbered(path), ()):
                violations.append(f'{path}: its bytes are at no name {numbered(path)} after the run again')
        elif path not in now.files:
            violations.append(f'{path}: missing after the run again')
        elif now.files[path].digest != clean.files[path].digest:
            violations.append(f'{path}: not as a clean run leaves it after the run again: '
                              f'{what_it_holds(path, now, old, clean)}')
    patterns = {numbered(p) for p in clean.files}
    for path in sorted(set(now.files) - set(clean.files)):
        if numbered(path) == path or numbered(path) not in patterns:
            violations.append(f'{path}: left over after the run again (a clean run has no such file)')
        elif now.files[path].digest not in whole:
            violations.append(f'{path}: a further backup with {what_it_holds(path, now, old, clean)}')
    now_patterns = {numbered(p) for p in now.folders}
    for path in sorted(clean.folders):
        if numbered(path) not in now_patterns:
            violations.append(f'{path}/: folder missing after the run again')
    clean_patterns = {numbered(p) for p in clean.folders}
    for path in sorted(now.folders):
        if numbered(path) not in clean_patterns:
            violations.append(f'{path}/: folder left over after the run again')
    return violations


def complete(clean, now):
    """Whether the install folder is the clean run's, file for file."""
    return {p: e.digest for p, e in clean.files.items()} == {p: e.digest for p, e in now.files.items()}


def check_report(clean, now, recorded, said_done, status):
    """The version and the dialog's end text against the install folder."""
    if complete(clean, now):
        return []
    differ = sorted(set(clean.files) ^ set(now.files) |
                    {p for p in set(clean.files) & set(now.files) if clean.files[p] != now.files[p]})
    which = ', '.join(differ[:3]) + (f' and {len(differ) - 3} more' if len(differ) > 3 else '')
    violations = []
    if recorded:
        violations.append(f'the new version is recorded though the update is not complete ({which})')
    if said_done:
        violations.append(f'the dialog says "{status}" though the update is not complete ({which})')
    return violations
