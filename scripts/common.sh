# Shared by scripts/play and scripts/test: install what is missing, then build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libvorbis-dev libstb-dev
          fonts-dejavu-core libgtest-dev libbenchmark-dev cmake g++ pkg-config xvfb xauth
          clang libclang-rt-14-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# Parallel jobs for builds and test runs; PALMORA_JOBS lowers it when several
# checkouts build on one machine.
JOBS="${PALMORA_JOBS:-$(nproc)}"

# build DIR [cmake options...]: configures DIR and builds the targets named
# in BUILD_TARGETS (separated by spaces), or every target when it is empty.
build() {
  local dir="$1"; shift
  echo "Configuring $dir"
  cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  local targets=()
  for target in ${BUILD_TARGETS:-}; do
    targets+=(--target "$target")
  done
  echo "Building ${BUILD_TARGETS:-everything} in $dir with $JOBS jobs"
  cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}
