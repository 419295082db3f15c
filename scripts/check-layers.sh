#!/bin/sh
# Checks the floors of the source tree: a file includes headers of its own
# floor or the floors below, never above, and no two files of the programs
# need each other, whether an include or a call closes the circle (calls are
# read with nm from the object files: the native core's, and when the i686
# build is there, the Windows program's, skin included). Prints each fault;
# fails on any.
#   floor 0  common/ resources/     shared services and the numeric ids
#   floor 1  card/                  the card: port protocol, frequency text
#   floor 2  settings/              the settings record and radio.ini
#   floor 3  radio/                 the radio's state and shared operations
#   floor 4  timed/                 features: scheduler, sleep timer
#   floor 5  ui/                    the main window, its features, the skin
#   floor 6  tonecheck/ tunrixctl/  the other programs
set -u
cd "$(dirname "$0")/.."
OBJECTS=${1:-build/native/CMakeFiles/tunrix_core.dir}
WINDOWS=${2:-build/i686}
TMP=$(mktemp -d /tmp/tunrix-layers.XXXXXX)
trap 'rm -rf "$TMP"' EXIT

floor_of() {
    case $1 in
    common/* | resources/*) echo 0 ;; card/*) echo 1 ;; settings/*) echo 2 ;; radio/*) echo 3 ;;
    timed/*) echo 4 ;; ui/*) echo 5 ;; tonecheck/* | tunrixctl/*) echo 6 ;; *) echo 9 ;;
    esac
}
# A header and its source are one unit: ui/scan.h and ui/scan.cpp are "ui/scan".
unit_of() { echo "${1%.*}" | sed 's/_win32$//'; }

faults=0
# Includes: upward ones, and the unit graph for the circle search.
for file in $(git ls-files 'common/*' 'resources/*.h' 'card/*' 'settings/*' 'radio/*' 'timed/*' \
                             'ui/*' 'tonecheck/*' 'tunrixctl/*' | grep -E '\.(h|cpp)$'); do
    from=$(floor_of "$file")
    for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
        to=$(floor_of "$header")
        if [ "$to" -gt "$from" ]; then
            echo "upward include: $file (floor $from) includes $header (floor $to)"
            faults=$((faults + 1))
        fi
        [ "$(unit_of "$file")" != "$(unit_of "$header")" ] &&
            echo "$(unit_of "$file") $(unit_of "$header") include" >>"$TMP/edges"
    done
done

# Calls: which unit's object file uses a function or datum that another
# unit's defines. An object stands for the source it was compiled from (the
# CMake object path without its build folder); objects whose source is gone
# are left out.
# calls NM FOLDER PREFIX: the defined and used symbols of FOLDER's objects,
# read with NM; PREFIX is the source folder of objects named without one.
calls() {
    for object in $(find "$2" -name '*.o' -o -name '*.obj'); do
        source=${object#"$2"/}
        source=${source%.o}
        source=${source%.obj}
        case $source in
        __/*) source=${source#__/} ;;
        */*) ;;
        *) source=$3/$source ;;
        esac
        [ -f "$source" ] || continue
        unit=$(unit_of "$source")
        "$1" -C --defined-only -g "$object" | awk -v u="$unit" '$2 ~ /^[TWDBRV]$/ { $1 = ""; $2 = ""; sub(/^  /, ""); print u "\t" $0 }' >>"$TMP/defined.$1"
        "$1" -C -u "$object" | awk -v u="$unit" '{ $1 = ""; sub(/^ /, ""); print u "\t" $0 }' >>"$TMP/used.$1"
    done
    awk -F '\t' 'NR == FNR { if (!($2 in owner)) owner[$2] = $1; next }
                 ($2 in owner) && owner[$2] != $1 { print $1 " " owner[$2] " call" }' \
        "$TMP/defined.$1" "$TMP/used.$1" | sort -u >>"$TMP/edges"
}
if [ -d "$OBJECTS" ]; then
    calls nm "$OBJECTS" .
else
    echo "no object files in $OBJECTS (build natively first): calls not checked"
    faults=$((faults + 1))
fi
if [ -d "$WINDOWS/ui/CMakeFiles/tunrix_skin.dir" ] && command -v i686-w64-mingw32-nm >/dev/null; then
    : >"$TMP/defined.i686-w64-mingw32-nm"
    : >"$TMP/used.i686-w64-mingw32-nm"
    for folder in "$WINDOWS/CMakeFiles/tunrix_core.dir" "$WINDOWS/ui/CMakeFiles/tunrix_skin.dir" \
                  "$WINDOWS/ui/CMakeFiles/tunrix.dir"; do
        prefix=ui
        [ "$folder" = "$WINDOWS/CMakeFiles/tunrix_core.dir" ] && prefix=.
        calls i686-w64-mingw32-nm "$folder" "$prefix"
    done
fi

# Circles: strongly connected groups of units (Tarjan), each with one edge
# of the group as an example.
sort -u "$TMP/edges" | awk '
    { key = $1 SUBSEP $2; if (!(key in kind)) { next_of[$1] = next_of[$1] " " $2; kind[key] = $3 }
      nodes[$1]; nodes[$2] }
    function visit(v,    i, n, list, w) {
        index_of[v] = low[v] = ++counter; stack[++top] = v; on[v] = 1
        n = split(next_of[v], list, " ")
        for (i = 1; i <= n; i++) {
            w = list[i]
            if (!(w in index_of)) { visit(w); if (low[w] < low[v]) low[v] = low[w] }
            else if (on[w] && index_of[w] < low[v]) low[v] = index_of[w]
        }
        if (low[v] == index_of[v]) {
            group = ""; size = 0
            do { w = stack[top--]; on[w] = 0; group = group " " w; member[w] = v; size++ } while (w != v)
            if (size > 1) {
                printf "circle:%s\n", group
                for (key in kind) { split(key, e, SUBSEP)
                    if (member[e[1]] == v && member[e[2]] == v) printf "    %s -> %s (%s)\n", e[1], e[2], kind[key] }
                circles++
            }
        }
    }
    END { for (v in nodes) if (!(v in index_of)) visit(v); exit circles > 0 }' || faults=$((faults + 1))

if [ "$faults" -eq 0 ]; then echo "floors: no upward include, no circle"; fi
[ "$faults" -eq 0 ]
