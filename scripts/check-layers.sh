#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, or names a header by
# a relative path that climbs out of its folder ("../app/shell.h"). The include paths of each
# library already hide the folders above it from the compiler; this is the second check.
# Dependencies point one way: app -> sections, print -> totals -> data -> base, crypt -> base,
# and every window folder -> ui -> data.
set -u
src=${1:-$(dirname "$0")/../src}
status=0

check() { # folder, then the include prefixes it may use
  local folder=$1; shift
  local allowed=("$@")
  [ -d "$src/$folder" ] || return 0
  while IFS= read -r line; do
    local file=${line%%:*}
    local header
    header=$(sed -E 's/.*#include +["<]([^">]+)[">].*/\1/' <<<"${line#*:}")
    if [[ $header == ../* || $header == */../* ]]; then
      echo "relative include: $file includes \"$header\""
      status=1
      continue
    fi
    [[ $header == */* ]] || continue
    # A path below the file's own folder ("engine/table.h") is not a layer.
    case ${header%%/*} in base|crypt|data|totals|copy|comparison|readiness|exchange|ui|sections|print|app|tools) ;; *) continue ;; esac
    local ok=0
    for prefix in "${allowed[@]}"; do
      [[ $header == "$prefix"/* ]] && ok=1
    done
    if [ $ok -eq 0 ]; then
      echo "upward include: $file includes \"$header\""
      status=1
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^#include +["<]' "$src/$folder" $([ "$folder" = print ] && echo --exclude-dir=engine) | sed -E 's/^([^:]+):[0-9]+:/\1:/')
}

check base base
check crypt base crypt
check data/engine base data/engine
check data base data
check totals base data totals
check copy base data totals copy
check comparison base data totals comparison
check readiness base data totals readiness
check ui base data ui
check sections base data totals readiness ui sections
check print/engine base data print/engine
check print base data totals comparison ui print
check exchange base data totals exchange
check tools base data
exit $status
