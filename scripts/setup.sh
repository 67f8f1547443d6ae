# Shared by scripts/run and scripts/test: installs what is missing; each script then builds
# what it needs with lumeta_build. Sourced, not run. Works as root, through sudo, or as a
# user with sudo rights.
set -euo pipefail

LUMETA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LUMETA_BUILD=${LUMETA_BUILD:-$LUMETA_ROOT/build}
LUMETA_ASAN_BUILD=${LUMETA_ASAN_BUILD:-$LUMETA_ROOT/build-asan}

lumeta_packages=(
    g++ cmake make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev fonts-liberation
    desktop-file-utils appstream dpkg-dev file
    clang-16 libclang-rt-16-dev
)

lumeta_install_missing() {
    local missing=() pkg
    for pkg in "${lumeta_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Builds the targets named (the game alone: "lumeta"), or everything with no names.
lumeta_build() {
    cmake -S "$LUMETA_ROOT" -B "$LUMETA_BUILD" -DCMAKE_BUILD_TYPE=Release > /dev/null
    local targets=() name
    for name in "$@"; do targets+=(--target "$name"); done
    cmake --build "$LUMETA_BUILD" -j "$(nproc)" "${targets[@]}"
}

# The same programs and tests built under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a folder of their own; any undefined behaviour stops the program.
lumeta_build_sanitized() {
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    cmake -S "$LUMETA_ROOT" -B "$LUMETA_ASAN_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLUMETA_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
    cmake --build "$LUMETA_ASAN_BUILD" -j "$(nproc)"
}

lumeta_install_missing
