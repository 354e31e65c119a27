#!/usr/bin/env bash
# veritor reading a file against xmllint on the same file: counting the
# books of a generated catalogue of 10 MB and of 100 MB, and the 2,000,000
# small elements of a 16 MB document (`<r><i>1</i><i>1</i>...</r>`, where
# the tree, not the text, takes the memory), CPU time (user + system) and
# peak resident memory side by side, from /usr/bin/time. Not a timed test:
# run it by hand on a quiet machine and record the figures in
# bench/README.md.
#
#   bench/files-vs-xmllint.sh [RUNS]      (default 5; the median is shown)
#
# VERITOR names the tool to measure (default: the release build's).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-5}
veritor=${VERITOR:-build/release/bin/veritor}

need=()
command -v xmllint >/dev/null || need+=(libxml2-utils)
[ -x /usr/bin/time ] || need+=(time)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
if [ ! -x "$veritor" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target veritor inspectors >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A catalogue of about $1 MiB: indented books with attributes and numbers.
generate() {
  awk -v target=$(($1 * 1024 * 1024)) 'BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    print "<catalogue shop=\"Generated\">"
    bytes = 0
    for (n = 1; bytes < target; n++) {
      book = sprintf("  <book id=\"b%d\" lang=\"%s\" format=\"%s\">\n" \
                     "    <title>Title number %d</title>\n" \
                     "    <author>Author %d</author>\n" \
                     "    <year>%d</year>\n    <pages>%d</pages>\n" \
                     "    <price>%d.%02d</price>\n  </book>",
                     n, n % 3 ? "en" : "fr", n % 2 ? "paperback" : "hardback",
                     n, n % 977, 1900 + n % 120, 100 + n % 500, n % 90, n % 100)
      print book
      bytes += length(book) + 1
    }
    print "</catalogue>"
  }' >"$2"
}

# CPU seconds and peak resident KiB of one run; the answer must be $2.
measure() {
  local answer
  answer=$(/usr/bin/time -f '%U %S %M' -o "$work/time" "${@:3}")
  # Compared as numbers: xmllint writes 2000000 as 2e+06.
  if ! awk -v a="$answer" -v b="$2" 'BEGIN { exit !(a != "" && a + 0 == b + 0) }'; then
    echo "error: $1 answered \"$answer\", not \"$2\"" >&2
    exit 1
  fi
  awk '{ printf "%.3f %d\n", $1 + $2, $3 }' "$work/time"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# The 2,000,000 elements `<i>1</i>` under one root, 16 MB.
generate_small() {
  awk 'BEGIN { printf "<r>"; for (n = 0; n < 2000000; n++) printf "<i>1</i>"; print "</r>" }' >"$1"
}

printf '%-9s %12s %12s %7s %14s %14s %7s\n' shape "veritor CPU" "xmllint CPU" ratio \
  "veritor RSS" "xmllint RSS" ratio
for shape in 10 100 small; do
  file="$work/big.xml"
  if [ "$shape" = small ]; then
    generate_small "$file"
    name=i
    label="2M <i>"
  else
    generate "$shape" "$file"
    name=book
    label="${shape} MiB"
  fi
  count=$(grep -o "<$name[ >]" "$file" | wc -l)
  query='number of xpaths "//'"$name"'" of xml document of file "'"$file"'"'
  # One unmeasured run of each warms the page cache and the loader.
  measure veritor "$count" "$veritor" "$query" >/dev/null
  measure xmllint "$count" xmllint --xpath "count(//$name)" "$file" >/dev/null
  : >"$work/v"
  : >"$work/x"
  for ((i = 0; i < runs; i++)); do
    measure veritor "$count" "$veritor" "$query" >>"$work/v"
    measure xmllint "$count" xmllint --xpath "count(//$name)" "$file" >>"$work/x"
  done
  vc=$(cut -d' ' -f1 "$work/v" | median)
  xc=$(cut -d' ' -f1 "$work/x" | median)
  vm=$(cut -d' ' -f2 "$work/v" | median)
  xm=$(cut -d' ' -f2 "$work/x" | median)
  printf '%-9s %11.3fs %11.3fs %6.2fx %11d KiB %10d KiB %6.2fx\n' "$label" "$vc" "$xc" \
    "$(awk -v a="$vc" -v b="$xc" 'BEGIN { print a / b }')" "$vm" "$xm" \
    "$(awk -v a="$vm" -v b="$xm" 'BEGIN { print a / b }')"
done
