"""The fault cases: each lays out an install folder and a patch, and names
the one fault that its run meets.

Every case's product is "Tool", its version kept in the settings file
product.rnf (item Ver), and every file content is distinct (it names its
path and whether it is old or new), so that bytes tell where they came from.
"""

import struct
from dataclasses import dataclass

PRODUCT = 'Tool'
PAGE = 4096


@dataclass(frozen=True)
class Big:
    """A large file made quickly: sparse, with a tag at its start and end."""
    size: int
    tag: bytes


def blob(tag, path, size):
    unit = f'{tag} {path}\n'.encode()
    return (unit * (size // len(unit) + 1))[:size]


@dataclass
class Case:
    name: str
    fault: str                 # 'disk', 'kill', 'hold' or 'progress'
    mode: int                  # CM: 100 copy list, 150 command list
    commands: list             # the command section; {PATCH} is the patch folder
    install: dict              # path -> bytes or Big, before the run
    patch: dict                # path -> bytes or Big, beside the program
    writes: int = 0            # disk: the bytes the run writes; the disk has room for half
    hold: str = ''             # hold: 'install/PATH' or 'patch/PATH', held without sharing
    answers: str = '2,7,1'     # the buttons that answer every box, first offered wins
    release: bool = False      # hold: let go of the file before the first answer
    versions: tuple = (5, 6)   # installed and new version
    settings: bytes = b''      # product.rnf before the run (default "Ver=<old>\n")


def files(tag, names, size):
    return {name: blob(tag, name, size) for name in names}


def updates(names, backup):
    """'u' lines, each with the backup name that backup(name) gives."""
    return [f'u;{n};{n};{backup(n)}' if backup else f'u;{n};{n}' for n in names]


def numbered_names(prefix, count):
    return [f'{prefix}{i:02d}.dat' for i in range(count)]


# The disk cases: 64 KB files, so that the disk fills between two of them
# wherever its halfway point falls.
BLOCK = 16 * PAGE
FILLERS = numbered_names('f', 16)


def disk_copy_list():
    names = numbered_names('f', 24)
    return Case('disk-full copy list with numbered backups', 'disk', 100,
                [f'{n};{n};bak\\{n}%1' for n in names],
                files('old', names, BLOCK // 2), files('new', names, BLOCK), writes=len(names) * BLOCK)


def disk_update_backup():
    names = numbered_names('f', 24)
    return Case('disk-full updates into a backup folder', 'disk', 150,
                ['c;backup%1\\'] + updates(names, lambda n: f'%backup%{n}'),
                files('old', names, BLOCK // 2), files('new', names, BLOCK), writes=len(names) * BLOCK)


def disk_folder_delete():
    names = [f'old/{n}' for n in numbered_names('x', 16)] + [f'old/sub/{n}' for n in numbered_names('y', 8)]
    install = files('old', names, BLOCK)
    install['keep.txt'] = blob('old', 'keep.txt', 100)
    return Case('disk-full folder delete with backup', 'disk', 150,
                ['c;backup%1\\', 'd;old\\;%backup%old\\'], install, {}, writes=len(names) * BLOCK)


def disk_ini():
    # The INI file ends two bytes short of a page: the key makes it one
    # page longer, and the disk is full when the INI command comes.
    ini = b'[Main]\r\n' + b'Old=1\r\n'
    ini += b'Pad=' + b'p' * (2 * PAGE - len(ini) - 6 - 2) + b'\r\n'
    install = files('old', FILLERS, BLOCK // 2)
    install['app.ini'] = ini
    return Case('disk-full INI command', 'disk', 150,
                ['c;backup%1\\'] + updates(FILLERS, lambda n: f'%backup%{n}') + ['i;app.ini;Main,Key,Value'],
                install, files('new', FILLERS, BLOCK), writes=len(FILLERS) * BLOCK)


def disk_settings():
    # A settings file of exactly one page: the new version, one digit
    # longer, needs a second page when the disk is full.
    settings = b'Aaa=' + b'a' * (PAGE - 4 - 1 - 6) + b'\nVer=9\n'
    return Case('disk-full settings-file version', 'disk', 150,
                updates(FILLERS, None), files('old', FILLERS, BLOCK // 2), files('new', FILLERS, BLOCK),
                writes=len(FILLERS) * BLOCK, versions=(9, 10), settings=settings)


def archive_index(tables):
    """An archive index of kind 0x22 ('.wav'), names matched in any form."""
    data = b'AiFS' + struct.pack('<HHII', 0, 0xFFFF, 0x22, len(tables))
    for group, first, entries in tables:
        data += struct.pack('<iiii', group, first, first + len(entries) - 1, len(entries))
        for offset, size in entries:
            data += struct.pack('<II', offset, size)
    return data


def archive(count, size):
    """Group 1 of an archive, ids 1..count: old in the install folder, the
    numbered files for the new one in the patch's wav folder."""
    old_group = blob('old', 'res2201.grp', PAGE)
    install = {
        'res2200.grp': archive_index([(1, 1, [(0, PAGE)] + [(0, 0)] * (count - 1))]),
        'res2201.grp': old_group,
    }
    patch = {f'wav/{i}.wav': blob('new', f'{i}.wav', size) for i in range(1, count + 1)}
    command = f'g;0,{{PATCH}}\\wav,-1,1,{count};res2200.grp,0x22,1'
    return install, patch, command


def disk_archive():
    install, patch, command = archive(40, BLOCK)
    return Case('disk-full archive build', 'disk', 150, [command], install, patch, writes=40 * BLOCK)


def progress_cancel():
    install, patch, command = archive(1500, 2 * PAGE)
    return Case("archive build, the progress dialog's Cancel", 'progress', 150, [command], install, patch)


def killed():
    names = [f'f/{i:04d}.dat' for i in range(2000)]
    install = {n: blob('old', n, 300 + i % 7 * 100) for i, n in enumerate(names)}
    patch = {n: blob('new', n, 400 + i % 5 * 100) for i, n in enumerate(names)}
    install['big.bin'] = Big(256 << 20, b'old big.bin')
    patch['big.bin'] = Big(256 << 20, b'new big.bin')
    install.update(files('old', ['old/a.txt', 'old/sub/b.txt'], 1000))
    install['app.ini'] = b'[Main]\r\nOld=1\r\n'
    commands = (['c;backup%1\\'] + updates(names[:1000], lambda n: '%backup%' + n.replace('/', '\\'))
                + ['u;big.bin;big.bin;%backup%big.bin', 'd;old\\;%backup%old\\']
                + updates(names[1000:], lambda n: 'bak\\' + n.replace('/', '\\') + '%1')
                + ['i;app.ini;Main,Key,Value'])
    return Case('killed', 'kill', 150, [c.replace('/', '\\') for c in commands], install, patch)


def held(what, retry):
    """A file held open without sharing by another program while the run
    meets it; the user answers Retry once it has been let go, or Cancel."""
    install = files('old', ['a.dll', 'b.dll'], 2000)
    install['app.ini'] = b'[Main]\r\nOld=1\r\n'
    patch = files('new', ['a.dll', 'b.dll'], 3000)
    commands = {
        'target': ['c;backup%1\\', 'u;a.dll;a.dll;%backup%a.dll', 'u;b.dll;b.dll;%backup%b.dll'],
        'INI file': ['u;b.dll;b.dll', 'i;app.ini;Main,Key,Value'],
        'settings file': ['u;a.dll;a.dll', 'u;b.dll;b.dll'],
        'backup name': ['u;a.dll;a.dll;bak\\a.bak', 'u;b.dll;b.dll'],
        'source': ['u;a.dll;a.dll', 'u;b.dll;b.dll'],
    }[what]
    path = {'target': 'install/a.dll', 'INI file': 'install/app.ini', 'settings file': 'install/product.rnf',
            'backup name': 'install/bak/a.bak', 'source': 'patch/a.dll'}[what]
    if what == 'backup name':
        install['bak/a.bak'] = blob('old', 'bak/a.bak', 500)
    return Case(f'held {what}, {"Retry after the release" if retry else "Cancel"}', 'hold', 150, commands,
                install, patch, hold=path, answers='4,6,1' if retry else '2,7,1', release=retry)


def all_cases():
    cases = [disk_copy_list(), disk_update_backup(), disk_folder_delete(), disk_ini(), disk_settings(),
             disk_archive(), progress_cancel()]
    for what in ('target', 'INI file', 'settings file', 'backup name', 'source'):
        cases += [held(what, True), held(what, False)]
    cases.append(killed())
    return cases
