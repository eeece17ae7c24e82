#!/bin/sh
# The shipped picture gallery as a browser shows it: strandel-gen makes the page from pictures
# whose names hold # % & ' blanks and Greek letters, headless Chromium loads it, and a script
# added after the page counts the pictures it could show (naturalWidth > 0).
# Usage: gallery_in_browser_test.sh STRANDEL_GEN TEMPLATES_FOLDER
set -u
gen=$1
templates=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pics/sub folder"

# Pictures of 2 x 2 pixels, each a real PNG.
/usr/bin/python3 - "$work/pics" <<'PY'
import struct, sys, zlib
def png(path):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    rows = b''.join(b'\x00' + b'\xff\x00\x00' * 2 for _ in range(2))
    open(path, 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 2, 2, 8, 2, 0, 0, 0))
                           + chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))
for name in ['a #1.png', '100% sure.png', "Tom & Jerry's.png", 'blank name.png', '\u03a9\u03bc\u03ad\u03b3\u03b1.png',
             'sub folder/x #2;y,z.png', 'q?uery.png']:
    png(sys.argv[1] + '/' + name)
PY
# Names as Windows gives them, relative to the page's folder.
base=$(printf 'Z:%s\\' "$work" | tr / '\\')
(cd "$work" && find pics -type f | sort | while IFS= read -r f; do printf '%s%s\r\n' "$base" "$(printf '%s' "$f" | tr / '\\')"; done) > "$work/pics.lst"
count=$(grep -c . "$work/pics.lst")
"$gen" -t "$templates/Web/Picture gallery.hqd" -r "$base" -o "$work/gallery.htm" "$work/pics.lst" || { echo "FAIL: strandel-gen"; exit 1; }

cat >> "$work/gallery.htm" <<'HTML'
<script>
window.addEventListener('load', function () {
  var images = document.images, shown = 0, missing = [];
  for (var i = 0; i < images.length; i++) {
    if (images[i].complete && images[i].naturalWidth > 0) shown++; else missing.push(images[i].getAttribute('src'));
  }
  var p = document.createElement('p');
  p.id = 'result';
  p.textContent = 'shown ' + shown + ' of ' + images.length + (missing.length ? ' missing: ' + missing.join(' | ') : '');
  document.body.appendChild(p);
});
</script>
HTML

chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" --allow-file-access-from-files \
    --virtual-time-budget=10000 --dump-dom "file://$work/gallery.htm" > "$work/dom.html" 2> "$work/chromium.log"
result=$(sed -n 's|.*<p id="result">\([^<]*\)</p>.*|\1|p' "$work/dom.html")
if [ "$result" != "shown $count of $count" ]; then
    echo "FAIL: the browser showed [$result], expected all $count pictures"
    tail -n 5 "$work/chromium.log"
    exit 1
fi
# The captions read as the names do.
grep -q '<figcaption>Tom &amp; Jerry'"'"'s.png</figcaption>' "$work/dom.html" || { echo "FAIL: caption of Tom & Jerry's.png"; exit 1; }
echo "the browser showed all $count pictures"
