#!/usr/bin/env bash
# check-layers.sh on a small tree of its own: it must name exactly the includes planted
# there to be refused, and pass the ones a layer may make.
set -u
here=$(dirname "$0")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{base,data/engine,totals,print/engine,print/pages,app}
plant() { printf '%s\n' "$2" >>"$tree/$1"; }

# Allowed: below or beside, a path below the file's own folder, a system header.
plant data/engine/table.cpp '#include "data/engine/field.h"'
plant data/tdm1.cpp '#include "engine/table.h"'
plant data/tdm1.cpp '#include <QString>'
plant totals/totals.cpp '#include "data/tdm1.h"'
plant print/pages/summary.cpp '#include "totals/totals.h"'
plant app/main.cpp '#include "print/run_pages.h"'
# Refused.
plant totals/totals.cpp '#include "app/shell.h"'
plant data/engine/table.cpp '#include "data/tdm1.h"'
plant print/engine/label.cpp '#include <print/run_pages.h>'
plant print/pages/summary.cpp '#include "sections/list_members.h"'
plant data/tdm1.cpp '#include "../ui/db_edit.h"'
plant base/cents.cpp '#include "sub/../messages.h"'

expected="relative include: $tree/base/cents.cpp includes \"sub/../messages.h\"
relative include: $tree/data/tdm1.cpp includes \"../ui/db_edit.h\"
upward include: $tree/data/engine/table.cpp includes \"data/tdm1.h\"
upward include: $tree/print/engine/label.cpp includes \"print/run_pages.h\"
upward include: $tree/print/pages/summary.cpp includes \"sections/list_members.h\"
upward include: $tree/totals/totals.cpp includes \"app/shell.h\""

bash "$here/check-layers.sh" "$tree" >"$tree/found"
status=$?
found=$(sort "$tree/found")
if [ "$found" != "$expected" ]; then
  printf 'expected:\n%s\nfound:\n%s\n' "$expected" "$found"
  exit 1
fi
if [ "$status" -ne 1 ]; then
  echo "check-layers.sh ended with $status on a tree with refused includes"
  exit 1
fi
