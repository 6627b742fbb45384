#!/usr/bin/env python3
"""Every .ts file holds every text the program shows, each finished, with the same placeholders
as its source; no entry is left whose text is gone from the program.
usage: translations_test.py REPOSITORY"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

repository = Path(sys.argv[1])


def entries(ts):
    """(context, source) -> (translations, finished) of every message of a .ts file; a message with
    plural forms has one translation a form."""
    found = {}
    for context in ET.parse(ts).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None:
                found[(name, message.findtext('source'))] = ([''], False)
                continue
            forms = [form.text or '' for form in translation.iter('numerusform')]
            found[(name, message.findtext('source'))] = (forms or [translation.text or ''],
                                                         translation.get('type') is None)
    return found


def placeholders(text):
    return sorted(set(re.findall(r'%\d+', text)))


faults = []
for ts in sorted((repository / 'translations').glob('*.ts')):
    committed = entries(ts)
    with tempfile.TemporaryDirectory() as scratch:
        gathered = Path(scratch) / ts.name
        shutil.copy(ts, gathered)
        subprocess.run([repository / 'scripts/update-translations.sh', gathered], check=True)
        current = entries(gathered)
    for key in sorted(current.keys() - committed.keys()):
        faults.append(f'{ts.name}: not in the file: {key[0]}: {key[1]!r}')
    for key in sorted(committed.keys() - current.keys()):
        faults.append(f'{ts.name}: no longer in the program: {key[0]}: {key[1]!r}')
    for key, (translations, finished) in sorted(committed.items()):
        if key not in current:
            continue
        if not finished or not all(translations):
            faults.append(f'{ts.name}: unfinished: {key[0]}: {key[1]!r}')
        for translation in translations:
            if translation and placeholders(translation) != placeholders(key[1]):
                faults.append(f'{ts.name}: placeholders differ: {key[0]}: {key[1]!r} -> {translation!r}')

print('\n'.join(faults) or 'every text is translated')
sys.exit(1 if faults else 0)
