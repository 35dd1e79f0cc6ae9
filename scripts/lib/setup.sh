# Shared by scripts/run and scripts/test: install what a fresh Debian machine lacks, then
# configure and build. Sourced, not run.

STRIKEPAD_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev libhidapi-dev libicu-dev qt6-base-dev nlohmann-json3-dev
)
# What scripts/package needs to make the .deb, and what the test run checks it with.
STRIKEPAD_PACKAGING_PACKAGES=(
  dpkg-dev lintian desktop-file-utils appstream man-db
)

install_missing_packages() {
  local missing=()
  local package
  for package in "${STRIKEPAD_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# configure_and_build BUILD_DIR [cmake options...] [-- targets...]
# Builds every target, or only the targets after "--".
configure_and_build() {
  local dir=$1
  shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift && targets=(--target "$@")
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
