#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, or names a header by
# a relative path that climbs out of its folder ("../app/shell.h"). The include paths of each
# library already hide the folders above it from the compiler; this is the second check.
# Dependencies point one way: app -> sections, print -> totals -> data -> base, crypt -> base,
# data/engine -> crypt, and every window folder -> ui -> data.
set -u
src=${1:-$(dirname "$0")/../src}

# One grep over the whole tree and one pass of awk over its lines: the check costs the same
# whatever the number of includes.
grep -rnE --include='*.h' --include='*.cpp' '^#include +["<]' "$src" | awk -v src="${src%/}/" '
BEGIN {
    # A folder, then the include prefixes it may use. A file is held to the rules of the
    # deepest folder listed that holds it (print/engine rather than print).
    rules["base"] = "base"
    rules["data/engine"] = "base crypt data/engine"
    rules["data"] = "base data"
    rules["crypt"] = "base crypt"
    rules["totals"] = "base data totals"
    rules["copy"] = "base data totals copy"
    rules["comparison"] = "base data totals comparison"
    rules["readiness"] = "base data totals readiness"
    rules["lender"] = "base data totals lender"
    rules["ui"] = "base data ui"
    rules["sections"] = "base data totals readiness ui sections"
    rules["print/engine"] = "base data print/engine"
    rules["print"] = "base data totals comparison lender ui print"
    rules["exchange"] = "base crypt data totals exchange"
    rules["tools"] = "base data"
    layers = "|base|crypt|data|totals|copy|comparison|readiness|lender|exchange|ui|sections|print|app|tools|"
    status = 0
}
{
    if (!match($0, /:[0-9]+:#include +["<]/))
        next
    file = substr($0, 1, RSTART - 1)
    header = substr($0, RSTART + RLENGTH)
    sub(/[">].*/, "", header)
    folder = substr(file, length(src) + 1)
    sub(/\/[^\/]*$/, "", folder)
    while (!(folder in rules) && folder ~ /\//)
        sub(/\/[^\/]*$/, "", folder)
    if (!(folder in rules))
        next
    if (header ~ /^\.\.\// || header ~ /\/\.\.\//) {
        printf "relative include: %s includes \"%s\"\n", file, header
        status = 1
        next
    }
    if (header !~ /\//)
        next
    # A path below the file'"'"'s own folder ("engine/table.h") is not a layer.
    top = header
    sub(/\/.*/, "", top)
    if (index(layers, "|" top "|") == 0)
        next
    n = split(rules[folder], allowed, " ")
    for (i = 1; i <= n; ++i)
        if (substr(header, 1, length(allowed[i]) + 1) == allowed[i] "/")
            next
    printf "upward include: %s includes \"%s\"\n", file, header
    status = 1
}
END { exit status }
'
