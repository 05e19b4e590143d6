#!/usr/bin/env bash
# Fails when a library archive defines a writable variable (in .data, .bss or thread-local
# storage) of its own: whoever plays owns the engines and their state, so two can search at once.
set -euo pipefail
found=0
for archive in "$@"; do
  while read -r section name; do
    echo "$(basename "$archive"): $section $(echo "$name" | c++filt)"
    found=1
  done < <(objdump -t "$archive" |
    awk '$0 ~ /[ \t]\.(data|bss|tbss|tdata)([ \t.]|$)/ && $0 !~ /\.data\.rel\.ro/ && $NF !~ /^(\.|DW\.ref\.__gxx_personality_v0$)/ {print $(NF-2), $NF}')
done
exit $found
