#!/usr/bin/env python3
"""Exports a catalogue with the program's --csv and reads it back with Python's csv module:
quotes, commas, line ends and accented letters come back as they were."""
import csv
import io
import subprocess
import sys
import tempfile
from pathlib import Path

ARCHIVE = (
    '[armi]\n'
    'Lama "Gemella", di Fr\xe8ne=",+1, \\"For\\"",10,0,2,"Rocca\rAlta",3,7\n'
    '[abilit\xe0]\n'
    'Velocit\xe0=2,6,4,8,0,0,"Guida","Cacciatore",70,6\n'
    'Monca="x"\n'
).encode('cp1252')


def main(program):
    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / 'archive.dat'
        path.write_bytes(ARCHIVE)
        run = subprocess.run([program, '--csv', str(path)], capture_output=True, check=False)
    assert run.returncode == 0, (run.returncode, run.stderr)
    rows = list(csv.reader(io.StringIO(run.stdout.decode('utf-8'), newline='')))
    header, weapon, short, ability = rows  # each page sorted by name
    assert len(header) == 25 and all(len(row) == 25 for row in rows), rows
    cell = dict(zip(header, weapon))
    assert cell['Nome'] == 'Lama "Gemella", di Fr\u00e8ne', cell['Nome']
    assert cell['Bonus'] == ',+1, \\', cell['Bonus']
    assert cell['Luogo'] == 'Rocca\rAlta', cell['Luogo']
    assert cell['Danno massimo'] == '7' and cell['Efficacia'] == '10' and cell['Livello'] == ''
    assert cell['Descrizione'].startswith('Lama "Gemella", di Fr\u00e8ne - Dmg 3-7 (5)')
    cell = dict(zip(header, ability))
    assert cell['Categoria'] == 'Abilit\u00e0' and cell['Nome'] == 'Velocit\u00e0', cell
    assert cell['Costo dell\'addestratore'] == '6' and cell['Requisiti'] == '150', cell
    assert dict(zip(header, short))['Livello'] == '0'
    print('read back', len(rows) - 1, 'rows')


if __name__ == '__main__':
    main(sys.argv[1])
