#!/usr/bin/env bash
# Builds every file a school needs from a clean clone of the last commit into dist/: tavilo.html,
# the served app's folder tavilo-web/ and its tavilo-web.zip, tavilo.exe, tavilo-32.exe, the
# Debian package and SHA256SUMS of them all; prints dist/'s path last. Installs what it needs.
# The files are reproducible: the time stamps are the last commit's (SOURCE_DATE_EPOCH), and no
# file holds the build's path, the host's name or the time of the build.
# Usage: tools/release.sh [--verify]
# --verify builds twice, in two fresh clones at different paths, and compares the files byte
# for byte; it fails if any differ, keeping both builds for a look.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
repo=$PWD
source tools/packages.sh
need_packages "${release_packages[@]}"
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "release.sh: building the last commit, $commit; changes not committed are left out" >&2

# Clones the commit into FOLDER and builds its files into FOLDER/dist.
build_release() {
    local source=$1
    git clone -q --no-checkout --no-hardlinks "$repo" "$source"
    git -C "$source" checkout -q --detach "$commit"
    (
        cd "$source"
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
        export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
        umask 022
        # The compilers write source paths into what they make (assertions, debug sections):
        # seen from the clone's own folder, they are the same in every clone.
        export CXXFLAGS="-ffile-prefix-map=$PWD=. ${CXXFLAGS:-}"
        local log=$source/release.log
        echo "release.sh: building in $source" >&2
        bash tools/web-app.sh >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
        bash tools/windows.sh >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }
        bash tools/package.sh >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }
        mkdir dist
        cp build-web/src/tavilo.html build-windows/tavilo.exe build-windows/tavilo-32.exe \
            build-package/tavilo_*.deb dist/
        cp -r build-web/tavilo-web dist/
        cd dist
        # Zip keeps each file's time (in local time: TZ is UTC here) and mode; -X leaves out the
        # owner's numbers, -D the folders' entries.
        find tavilo-web -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
        find tavilo-web -type f | LC_ALL=C sort | zip -q -X -D tavilo-web.zip -@
        # Summed before the list itself is made, so that it is not among the files.
        local sums
        sums=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum)
        echo "$sums" >SHA256SUMS
    )
}

work=$(mktemp -d)
if [ "${1:-}" = --verify ]; then
    build_release "$work/first/tavilo"
    build_release "$work/second-build-elsewhere/tavilo-again"
    first=$work/first/tavilo/dist
    second=$work/second-build-elsewhere/tavilo-again/dist
    different=0
    while read -r file; do
        if cmp -s "$first/$file" "$second/$file"; then
            echo "identical  $file"
        else
            echo "DIFFERENT  $file"
            different=$((different + 1))
        fi
    done < <(cd "$first" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
    [ "$(cd "$first" && find . -type f | LC_ALL=C sort)" = \
        "$(cd "$second" && find . -type f | LC_ALL=C sort)" ] || {
        echo "the two builds hold different files" >&2
        different=$((different + 1))
    }
    if [ "$different" -ne 0 ]; then
        echo "release.sh --verify: $different file(s) differ; both builds are kept in $work" >&2
        exit 1
    fi
    echo "release.sh --verify: the two builds are byte for byte the same"
else
    build_release "$work/tavilo"
    first=$work/tavilo/dist
fi
rm -rf dist
cp -r "$first" dist
rm -rf "$work"
realpath dist
