#!/bin/sh
# The shipped CSV templates as a program reads them: Python's csv module (UTF-8 with its mark,
# semicolons) reads the table back into the very names and details.
# Usage: csv_in_python_test.sh STRANDEL_GEN TEMPLATES_FOLDER
set -u
gen=$1
templates=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"
/usr/bin/python3 - "$gen" "$templates" "$work" <<'PY'
import csv, datetime, os, subprocess, sys
gen, templates, work = sys.argv[1:]
names = ['plain.txt', 'say "hi"; bye.txt', "Tom & Jerry's, 100%.txt", '\u03a9\u03b4\u03ae.mp3',
         'emoji \U0001F600.png', 'two.dots.tar.gz', 'noext']
sizes = {}
for i, name in enumerate(names):
    with open(os.path.join(work, 'files', name), 'wb') as f:
        f.write(b'x' * (i * 700))
with open(os.path.join(work, 'files.lst'), 'wb') as f:
    f.write(''.join(os.path.join(work, 'files', n) + '\r\n' for n in names).encode('utf-8'))
failures = []

def table(template):
    out = os.path.join(work, 'out.csv')
    subprocess.run([gen, '-t', os.path.join(templates, template), '-o', out, os.path.join(work, 'files.lst')], check=True)
    raw = open(out, 'rb').read()
    if not raw.startswith(b'\xef\xbb\xbf'):
        failures.append(template + ': no byte-order mark')
    with open(out, newline='', encoding='utf-8-sig') as f:
        return list(csv.reader(f, delimiter=';'))

folder = os.path.join(work, 'files') + '/'
rows = table('Table (CSV).hqd')
expected = [['Folder', 'Name', 'Extension']]
for n in names:
    dot = n.rfind('.')
    expected.append([folder, n[:dot] if dot >= 0 else n, n[dot:] if dot >= 0 else ''])
if rows != expected:
    failures.append('Table (CSV): %r != %r' % (rows, expected))

rows = table('File inventory (CSV).hqd')
expected = [['Name', 'Folder', 'Bytes', 'Size', 'Date', 'Time']]
for n in names:
    path = os.path.join(work, 'files', n)
    stamp = datetime.datetime.fromtimestamp(os.path.getmtime(path))
    size = os.path.getsize(path)
    human = '%d byte%s' % (size, '' if size == 1 else 's') if size < 1024 else '%.1f KB' % (size / 1024)
    expected.append([n, folder, str(size), human, stamp.strftime('%Y-%m-%d'), stamp.strftime('%H:%M:%S')])
if rows != expected:
    failures.append('File inventory (CSV): %r != %r' % (rows, expected))

for failure in failures:
    print('FAIL: ' + failure)
sys.exit(1 if failures else 0)
PY
status=$?
[ "$status" -eq 0 ] && echo "Python read both tables back into the names and details"
exit "$status"
