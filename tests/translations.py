#!/usr/bin/env python3
"""Checks that a committed translation catalogue is complete and current. It
runs lupdate over the sources into a temporary copy of the catalogue and fails
on any message that lupdate finds new or unfinished, any message no longer in
the sources (vanished or obsolete), any warning from lupdate (a tr() whose
context it cannot tell would go untranslated), and any translation whose %1,
%2, ... differ from its source's. Usage: translations.py LUPDATE SRC_DIR TS...
Prints each fault and exits 1 when there is one. The cure is
`cmake --build build --target update_translations`, then translating in
Qt Linguist (linguist translations/plimso_zh_TW.ts)."""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(\d+)')


def faults_in(ts, name):
    faults = []
    for context in ET.parse(ts).getroot().iter('context'):
        where = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            state = translation.get('type') if translation is not None else 'missing'
            text = (translation.text or '') if translation is not None else ''
            shown = f'{name}: {where}: {source!r}'
            if state in ('vanished', 'obsolete'):
                faults.append(f'{shown} is no longer in the sources')
            elif state or not text:
                faults.append(f'{shown} is not translated')
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                faults.append(f'{shown} and its translation {text!r} differ in their %N')
    return faults


def main(lupdate, src, catalogues):
    faults = []
    with tempfile.TemporaryDirectory() as work:
        for catalogue in catalogues:
            copy = pathlib.Path(work) / catalogue.name  # lupdate reads the language off the name
            shutil.copyfile(catalogue, copy)
            run = subprocess.run([lupdate, '-silent', '-locations', 'none', str(src), '-ts',
                                  str(copy)], capture_output=True, text=True, timeout=60)
            if run.returncode != 0 or run.stderr.strip():
                faults.append(f'lupdate {catalogue.name}: {run.stderr.strip() or run.returncode}')
            faults += faults_in(copy, catalogue.name)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], pathlib.Path(sys.argv[2]), [pathlib.Path(a) for a in sys.argv[3:]]))
