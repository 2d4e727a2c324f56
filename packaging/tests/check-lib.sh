# Shared by the package checks (sourced): how a check reports, and the one
# way it builds the packages it checks.

step() { printf '\n== %s\n' "$*"; }
# A failed check; the script goes on and exits 1 at its end.
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
die() { echo "FAIL: $*" >&2; exit 1; }
failures=0

# An empty scratch folder, named absolutely from here on.
fresh_scratch() {
  rm -rf -- "$scratch"
  mkdir -p -- "$scratch"
  scratch=$(cd "$scratch" && pwd)
}

# cpack_into GENERATORS FOLDER: the packages of the build tree, its output
# kept beside FOLDER and shown when it fails. The tree CPack stages links
# lib/plugins to the system's Qt plug-ins: building the packages must leave
# every file there as it was.
cpack_into() {
  local plugins changed
  plugins=$(qmake -query QT_INSTALL_PLUGINS) || die "qmake cannot name Qt's plug-in folder"
  touch "$2.start"
  if ! (cd "$build" && cpack -G "$1" -B "$2") >"$2.log" 2>&1; then
    cat "$2.log"
    die "cpack failed"
  fi
  changed=$(find "$plugins" -cnewer "$2.start" | head -n 5)
  [ -z "$changed" ] || die "building the packages changed the system's Qt plug-ins: $changed"
}

# only_one NAME GLOB: sets NAME to the one file the expanded glob names (a
# glob that matched nothing arrives as itself, which names no file).
only_one() {
  local name=$1 f found=()
  shift
  for f in "$@"; do
    [ -e "$f" ] && found+=("$f")
  done
  [ ${#found[@]} -eq 1 ] || die "expected one ${1##*.} file, got: ${found[*]:-none}"
  printf -v "$name" '%s' "${found[0]}"
}
