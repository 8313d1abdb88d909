# Shared by the scripts: configure and build one build folder with CMake.
# Usage: construir <build-dir> <cmake args...>
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
nucleos=$(nproc 2>/dev/null || echo 2)

construir() {
  local dir="$1"; shift
  cmake -S "$raiz" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$nucleos"
}
