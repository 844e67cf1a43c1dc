#!/usr/bin/env bash
# Fails when a file includes a header of a folder that the layout table in
# docs/architecture.md puts below its own: the table reads bottom-up, each
# folder using only those above it. Includes name their folder from the
# project root ("model/DevClock.h"); one that leaves the folder out fails too.
set -euo pipefail
cd "$(dirname "$0")/../.."

# Rank of each folder: its row in the table (folders of one row share it).
ranks=$(awk '/^## Layout/ { on = 1; next } on && /^## / { exit }
    on && /^\| `/ { row++; n = split($0, cells, "|"); cell = cells[2]
        while (match(cell, /`[^`\/]+\//)) {
            print substr(cell, RSTART + 1, RLENGTH - 2), row
            cell = substr(cell, RSTART + RLENGTH) } }' docs/architecture.md)
[ "$(wc -l <<<"$ranks")" -ge 10 ] || { echo "no layout table in docs/architecture.md"; exit 1; }

git ls-files -- $(cut -d' ' -f1 <<<"$ranks") | grep -E '\.(h|cpp)$' \
    | awk -v ranks="$ranks" '
    BEGIN { n = split(ranks, lines, "\n")
            for (i = 1; i <= n; i++) { split(lines[i], f, " "); rank[f[1]] = f[2] } }
    { files[NR] = $0; top = $0; sub(/\/.*/, "", top); base = $0; sub(/.*\//, "", base)
      if ($0 ~ /\.h$/) { home[base] = top; known[$0] = 1 } }
    END {
        bad = 0
        for (i = 1; i <= NR; i++) {
            top = files[i]; sub(/\/.*/, "", top)
            while ((getline line < files[i]) > 0) {
                if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
                sub(/^[^"]*"/, "", line); sub(/".*/, "", line)
                base = line; sub(/.*\//, "", base)
                if (!(line in known)) {
                    if (base in home) { print files[i] " includes " line " without its folder"; bad = 1 }
                    continue
                }
                folder = line; sub(/\/.*/, "", folder)
                if (rank[folder] > rank[top]) {
                    print files[i] " includes " line ", a floor below " top "/"
                    bad = 1
                }
            }
            close(files[i])
        }
        exit bad
    }'
