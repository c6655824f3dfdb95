# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

install_packages() {
    local missing=()
    local pkg
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done < "$ROOT/scripts/packages"
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

# run_tests DIR [ctest options...]: runs the tests of a build, then names every test function that
# skipped (QtTest prints "SKIP   : Class::function(row) reason"), so that a skip never hides in a
# passing run. Returns ctest's status.
run_tests() {
    local dir="$1"; shift
    local status=0
    (cd "$dir" && ctest --output-on-failure -j "$JOBS" --output-junit junit.xml \
        --test-output-size-passed 16000000 --test-output-size-failed 16000000 "$@") || status=$?
    local skips
    skips="$(grep -ho 'SKIP   : .*' "$dir/junit.xml" 2>/dev/null || true)"
    if [[ -n "$skips" ]]; then
        echo "Test functions that SKIPPED in $dir:"
        sed 's/^SKIP   : /    /' <<<"$skips"
    fi
    return "$status"
}
