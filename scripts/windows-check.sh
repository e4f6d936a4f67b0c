#!/usr/bin/env bash
# Windows check: cross-builds the Qt-free libraries, their tests and crepulo-cli
# for 64-bit Windows with Debian's mingw-w64 into build-windows/, runs the tests
# under Wine, and compares tables written by crepulo-cli.exe under Wine with
# those of the Linux build (build/cli/crepulo-cli) byte for byte.
#   scripts/windows-check.sh
# Installs the Debian packages it needs when they are missing (as root).
# Exit status: 0 all passed; 1 a build, a test or a comparison failed;
# 3 Wine is not available (the cross build was made, nothing could be run).
# CREPULO_LINUX_BUILD names the Linux build folder (default build/); it is made
# with scripts/setup.sh when it holds no crepulo-cli yet.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=build-windows
linux_build=${CREPULO_LINUX_BUILD:-build}

# --- Packages -------------------------------------------------------------
build_packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    googletest
)
wine_packages=(wine64)

missing_of() {
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            echo "$p"
        fi
    done
}

mapfile -t missing < <(missing_of "${build_packages[@]}" "${wine_packages[@]}")
if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || echo "note: apt-get update failed"
    if ! apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        # Wine may be the one that cannot be had: the cross build still can.
        mapfile -t missing < <(missing_of "${build_packages[@]}")
        if [ ${#missing[@]} -gt 0 ]; then
            apt-get install -y -qq --no-install-recommends "${missing[@]}" || {
                echo "FAILED: the cross-build packages could not be installed: ${missing[*]}" >&2
                exit 1
            }
        fi
    fi
fi

# --- Cross build ----------------------------------------------------------
echo "== Windows cross build ($build_dir/)"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCREPULO_WITH_QT=OFF -DCREPULO_BENCH=OFF -DCREPULO_GTEST_FROM_SOURCE=ON >/dev/null
cmake --build "$build_dir" -j2

win_cli=$root/$build_dir/cli/crepulo-cli.exe
tests=(tests/core/core_tests.exe tests/locations/locations_tests.exe tests/schedule/schedule_tests.exe)
for t in "$win_cli" "${tests[@]/#/$root/$build_dir/}"; do
    [ -f "$t" ] || { echo "FAILED: $t was not built" >&2; exit 1; }
done

# --- Wine -----------------------------------------------------------------
# Debian 12 keeps wine64 and its server in /usr/lib/wine, off the PATH.
wine=$(command -v wine64 || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then wine=/usr/lib/wine/wine64; fi
wineserver=$(command -v wineserver || true)
if [ -z "$wineserver" ] && [ -x /usr/lib/wine/wineserver64 ]; then wineserver=/usr/lib/wine/wineserver64; fi
if [ -z "$wine" ]; then
    echo "Wine not available: the Windows build was made but its tests and tables were not checked."
    exit 3
fi

# A prefix and a home folder of our own inside the build folder (Wine writes
# menu and file-type folders into the home); no display, no Mono or Gecko
# installer, no menu entries, no debug chatter.
export WINEPREFIX=$root/$build_dir/wine-prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
wine_home=$root/$build_dir/wine-home
mkdir -p "$wine_home"
in_wine_home() {
    HOME=$wine_home XDG_CONFIG_HOME=$wine_home/.config XDG_DATA_HOME=$wine_home/.local/share \
        XDG_CACHE_HOME=$wine_home/.cache "$@"
}
stop_wineserver() {
    if [ -n "$wineserver" ]; then in_wine_home "$wineserver" -k 2>/dev/null || true; fi
}
trap stop_wineserver EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Creating the Wine prefix ($build_dir/wine-prefix/)"
    in_wine_home timeout 300 "$wine" wineboot --init </dev/null >/dev/null 2>&1 || {
        echo "FAILED: the Wine prefix could not be created" >&2
        exit 1
    }
fi

failures=0

echo "== Tests under Wine"
for t in "${tests[@]}"; do
    echo "-- $t"
    if ! (cd "$build_dir" && in_wine_home timeout 600 "$wine" "$t" --gtest_brief=1 </dev/null); then
        echo "FAILED: $t" >&2
        failures=$((failures + 1))
    fi
done

# --- Tables: Windows against Linux, byte for byte -------------------------
echo "== Linux crepulo-cli ($linux_build/)"
if [ -x "$linux_build/cli/crepulo-cli" ]; then
    cmake --build "$linux_build" -j2 --target crepulo-cli
else
    scripts/setup.sh "$linux_build"
fi
linux_cli=$root/$linux_build/cli/crepulo-cli

compare_dir=$root/$build_dir/compare
rm -rf "$compare_dir"
mkdir -p "$compare_dir/linux" "$compare_dir/windows"

# Runs both programs with the same arguments, each in its own folder (so that
# --output files land side by side), and compares exit status, standard
# output byte for byte and standard error up to Windows' CR LF line ends.
# Every further "--file NAME" after "--" names an output file to compare too.
case_number=0
compare() {
    local args=() files=() seen_separator=0 a
    for a in "$@"; do
        if [ "$a" = "--" ]; then seen_separator=1; continue; fi
        if [ $seen_separator = 1 ]; then files+=("$a"); else args+=("$a"); fi
    done
    case_number=$((case_number + 1))
    local n=$case_number status_l=0 status_w=0 problem=""
    (cd "$compare_dir/linux" && timeout 60 "$linux_cli" "${args[@]}" >"$n.out" 2>"$n.err" </dev/null) || status_l=$?
    (cd "$compare_dir/windows" && in_wine_home timeout 60 "$wine" "$win_cli" "${args[@]}" >"$n.out" 2>"$n.err" </dev/null) || status_w=$?
    [ "$status_l" = "$status_w" ] || problem+=" exit status $status_l (Linux) / $status_w (Windows);"
    cmp -s "$compare_dir/linux/$n.out" "$compare_dir/windows/$n.out" || problem+=" standard output differs;"
    tr -d '\r' <"$compare_dir/windows/$n.err" >"$compare_dir/windows/$n.err.lf"
    cmp -s "$compare_dir/linux/$n.err" "$compare_dir/windows/$n.err.lf" || problem+=" standard error differs;"
    local f
    for f in "${files[@]}"; do
        if [ ! -f "$compare_dir/linux/$f" ] || [ ! -f "$compare_dir/windows/$f" ]; then
            problem+=" \"$f\" missing;"
        elif ! cmp -s "$compare_dir/linux/$f" "$compare_dir/windows/$f"; then
            problem+=" \"$f\" differs;"
        fi
    done
    if [ -z "$problem" ]; then
        printf 'same  #%-2s exit %s, %6s bytes: %s\n' "$n" "$status_l" \
            "$(wc -c <"$compare_dir/linux/$n.out")" "${args[*]}"
    else
        printf 'DIFF  #%-2s %s:%s\n' "$n" "${args[*]}" "$problem" >&2
        failures=$((failures + 1))
    fi
}

echo "== Tables of crepulo-cli.exe under Wine against the Linux build"
compare table --year 2009
compare table --year 2012
compare table --year 1900 --no-summer-time
compare table --year 2099 --month 12
compare table --year 2012 --month 2
compare table --year 2009 --month 6 --day 21
compare table --country Österreich --place Wien --year 2009
compare table --country Österreich --place Wien --year 2009 --month 3 --day 29
compare table --longitude 13.4 --latitude 52.5 --timezone 1 --year 2012 --month 2 \
    --morning-offset -15 --not-before 06:30 --evening-offset 10 --not-after 21:00
compare table --longitude -9 --latitude 38 --timezone 0 --year 2010 --morning-offset 60 --evening-offset -60 \
    --not-before 07:00 --not-after 19:30
compare table --longitude 25 --latitude 70 --timezone 2 --year 2016
compare table --longitude -150 --latitude -45 --timezone -10 --year 2024 --no-summer-time
compare table --country Spanien --place 3 --year 2024 --output "Tabelle Österreich Ä.txt" -- "Tabelle Österreich Ä.txt"
compare places
compare places --country Österreich
compare places --country Deutschland
compare table --help
compare table --country Atlantis --year 2009
compare table --year 2009 --month 2 --day 30
compare table --year 2009 --output "kein Ordner/Tabelle.txt"

# Every place of the gazetteer once, each in another year between 1900 and
# 2099, every third without summer time: different solar arithmetic (sine,
# cosine, arc cosine of two C libraries) must never move a minute. One Windows
# command interpreter runs them all, which is far quicker than a Wine start each.
echo "== Every place of the gazetteer, Windows against Linux"
sweep_dir=$compare_dir/sweep
mkdir -p "$sweep_dir/linux" "$sweep_dir/windows"
bat=$sweep_dir/windows/sweep.bat
: >"$bat"
tables=0
for country in $("$linux_cli" places | cut -f1); do
    places=$("$linux_cli" places --country "$country" | wc -l)
    for ((place = 0; place < places; place++)); do
        year=$((1900 + (tables * 37) % 200))
        summer=()
        [ $((tables % 3)) = 2 ] && summer=(--no-summer-time)
        args=(table --country "$country" --place "$place" --year "$year" "${summer[@]}")
        "$linux_cli" "${args[@]}" --output "$sweep_dir/linux/$country-$place.txt"
        printf '"%s" %s --output %s\r\n' "$(basename "$win_cli")" "${args[*]}" "$country-$place.txt" >>"$bat"
        tables=$((tables + 1))
    done
done
cp "$win_cli" "$sweep_dir/windows/"
if ! (cd "$sweep_dir/windows" && in_wine_home timeout 600 "$wine" cmd /c sweep.bat </dev/null >sweep.log 2>&1); then
    echo "FAILED: the Windows command interpreter did not finish the place tables" >&2
    failures=$((failures + 1))
fi
sweep_differences=0
for f in "$sweep_dir"/linux/*.txt; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$sweep_dir/windows/$name"; then
        [ $sweep_differences -lt 10 ] && echo "DIFF  place table $name: $(sed -n "/--output $name/p" "$bat" | tr -d '\r')" >&2
        sweep_differences=$((sweep_differences + 1))
    fi
done
if [ $sweep_differences -gt 0 ]; then
    echo "FAILED: $sweep_differences of $tables place tables differ" >&2
    failures=$((failures + 1))
else
    echo "same  all $tables place tables"
fi
case_number=$((case_number + tables))

if [ "$failures" -gt 0 ]; then
    echo "== Windows check FAILED after $SECONDS s: $failures failure(s); outputs in $build_dir/compare/" >&2
    exit 1
fi
echo "== Windows check passed in $SECONDS s: tests under Wine and $case_number tables byte-identical to the Linux build"
