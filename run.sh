#!/usr/bin/env bash
# Builds the launcher and its sample client package, installs both into
# build/stage and runs the launcher there, for a home folder of its own
# (build/demo-home), so that the real home folder is left alone.
#
#   ./run.sh             first run: the package is installed and the client starts;
#                        later runs: "no need to upgrade", the client starts
#   ./run.sh --bump      rebuild the sample package with the next build number,
#                        so that the launcher upgrades the installed copy
#   ./run.sh --help      all options
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD

usage() {
  cat <<'EOF'
usage: ./run.sh [options]
  --bump            rebuild the sample client package with the next build number (an upgrade)
  --build N         build the sample client package with build number N
  --real-home       run against your own home folder instead of build/demo-home
  --offscreen       run without a window even when a display is there
  --keep-client     leave the sample client running at the end, also offscreen
  --deb             also build the Debian package (cpack -G DEB) and list it
  --build-dir DIR   build folder (default: build)
  --no-deps         do not check for missing Debian packages
  -h, --help        this text
EOF
}

bump=0 build_number='' real_home=0 offscreen=0 keep_client=0 want_deb=0 deps=1
build_dir=build
while [ $# -gt 0 ]; do
  case "$1" in
    --bump) bump=1 ;;
    --build) build_number=${2:?--build needs a number}; shift ;;
    --real-home) real_home=1 ;;
    --offscreen) offscreen=1 ;;
    --keep-client) keep_client=1 ;;
    --deb) want_deb=1 ;;
    --build-dir) build_dir=${2:?--build-dir needs a folder}; shift ;;
    --no-deps) deps=0 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "run.sh: unknown option '$1'" >&2; usage >&2; exit 2 ;;
  esac
  shift
done
case "$build_number" in
  ''|*[!0-9]*) [ -z "$build_number" ] || { echo "run.sh: --build needs a decimal number" >&2; exit 2; } ;;
esac

say() { printf '\n==> %s\n' "$*"; }

if [ "$deps" = 1 ]; then
  # shellcheck source=scripts/deps.sh
  . scripts/deps.sh
  zelto_install_deps
fi

case "$build_dir" in /*) ;; *) build_dir="$top/$build_dir" ;; esac
stage="$build_dir/stage"

# The sample package's build number lives in the CMake cache; --bump takes the
# next one, so the launcher finds the package newer than the installed copy.
cache_build=$(sed -n 's/^SAMPLE_PACKAGE_BUILD:[A-Z]*=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true)
cache_build=${cache_build:-1000}
if [ "$bump" = 1 ] && [ -z "$build_number" ]; then
  build_number=$((cache_build + 1))
fi
configure_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_SAMPLE_PACKAGE=ON)
[ -n "$build_number" ] && configure_args+=("-DSAMPLE_PACKAGE_BUILD=$build_number")

say "Building into $build_dir"
cmake -S . -B "$build_dir" "${configure_args[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
say "Installing into $stage"
cmake --install "$build_dir" --prefix "$stage" >/dev/null
package_build=$(sed -n 's/^build_version=//p' "$stage/INFO")
echo "sample client package build $package_build: $stage/package/orvilex, $stage/package/orvilex.qpk"

if [ "$want_deb" = 1 ]; then
  say "Building the Debian package"
  # Two packages: the program and its debug symbols (-dbgsym, .ddeb).
  packages=$(cd "$build_dir" && cpack -G DEB 2>/dev/null |
             sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
  deb=$(grep '\.deb$' <<<"$packages")
  echo "$deb ($(dpkg-deb -c "$deb" | wc -l) entries; install with: sudo apt install '$deb')"
  grep '\.ddeb$' <<<"$packages" | sed 's/$/ (debug symbols)/' || true
fi

launcher="$stage/bin/zelto-launcher"
if [ ! -x "$launcher" ]; then
  say "The launcher is not built yet ($launcher is missing); the sample package is ready in $stage."
  exit 0
fi

# The launcher's environment: a home folder of its own unless asked otherwise.
# On a Deepin desktop the per-user folder follows XDG_DATA_HOME, so that moves
# along with the home folder.
run_env=()
if [ "$real_home" = 1 ]; then
  home=$HOME
else
  home="$build_dir/demo-home"
  mkdir -p "$home"
  run_env+=("HOME=$home" "XDG_DATA_HOME=$home/.local/share"
            "XDG_CONFIG_HOME=$home/.config" "XDG_CACHE_HOME=$home/.cache")
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    mkdir -p "$home/.runtime" && chmod 700 "$home/.runtime"
    run_env+=("XDG_RUNTIME_DIR=$home/.runtime")
  fi
fi
if [ "$offscreen" = 0 ] && { [ -n "${WAYLAND_DISPLAY:-}" ] ||
     { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; }; then
  shown="on ${WAYLAND_DISPLAY:-$DISPLAY}"
else
  offscreen=1
  run_env+=("QT_QPA_PLATFORM=offscreen")
  shown="offscreen (no display: QT_QPA_PLATFORM=offscreen, nothing is drawn on screen)"
fi

# Where the launcher keeps the user's copy: the client knows the rule.
pid_file=$(env "${run_env[@]}" "$stage/package/orvilex/bin/cloud-zelto-ui" --print-pid-file)
user_dir=$(dirname "$pid_file")
app_dir="$user_dir/QuenmarkZelto.app"
log_file="$user_dir/log/launcher.log"

# Detailed log lines for the demo, unless someone has set their own.
mkdir -p "$stage/log"
if [ ! -e "$stage/log/launcher.debug" ]; then
  printf '%s\n' "# thresholds: 3 ERROR ... 7 DEBUG" \
    "launcher_debug=7" "service_debug=7" "extractor_debug=6" "file_op_debug=4" \
    > "$stage/log/launcher.debug"
fi

installed_before=$(sed -n 's/^build_version=//p' "$app_dir/INFO" 2>/dev/null || true)
log_offset=$(stat -c %s "$log_file" 2>/dev/null || echo 0)

say "Running $launcher $shown, home folder $home"
rc=0
env "${run_env[@]}" timeout 600 "$launcher" || rc=$?

# Lines this run added to the log.
run_log=$(tail -c +"$((log_offset + 1))" "$log_file" 2>/dev/null || true)
installed_now=$(sed -n 's/^build_version=//p' "$app_dir/INFO" 2>/dev/null || true)
if ! grep -qE '\): running$' <<<"$run_log"; then
  outcome="the launcher ran its start-up only: the launch controller is not in this build yet"
elif grep -q "no need to upgrade" <<<"$run_log"; then
  outcome="no need to upgrade: the installed copy (build ${installed_now:-?}) is current"
elif grep -q "Failed to upgrade package" <<<"$run_log"; then
  outcome="the upgrade FAILED; the installed copy is build ${installed_now:-none}"
elif [ -n "$installed_now" ] && [ "$installed_now" != "$installed_before" ]; then
  if [ -n "$installed_before" ]; then
    outcome="upgraded the installed copy from build $installed_before to build $installed_now"
  else
    outcome="installed the sample client, build $installed_now"
  fi
else
  outcome="see the log below"
fi

client_pid=$(sed -n 's/^pid=//p' "$pid_file" 2>/dev/null || true)
if [ -n "$client_pid" ] && [ "$(cat "/proc/$client_pid/comm" 2>/dev/null)" = cloud-zelto-ui ]; then
  client="running, pid $client_pid ($pid_file)"
else
  client="not running"
  client_pid=''
fi

say "Summary"
echo "launcher exit code: $rc"
echo "outcome:            $outcome"
echo "package:            $stage/package/orvilex (build $package_build)"
echo "installed copy:     $app_dir"
echo "sample client:      $client"
echo "launcher log:       $log_file"
echo "client output:      $user_dir/log/ui.log"
if [ -n "$run_log" ]; then
  echo "log of this run (last lines):"
  tail -n 15 <<<"$run_log" | sed 's/^/  /'
fi

stop_cmd=("$app_dir/package/start-stop" stop)
if [ -n "$client_pid" ]; then
  if [ "$offscreen" = 1 ] && [ "$keep_client" = 0 ]; then
    say "Stopping the offscreen sample client"
    env "${run_env[@]}" "${stop_cmd[@]}"
  else
    printf '\nThe client stays running; stop it with:\n  %s\n' \
      "$(printf '%q ' env "${run_env[@]}" "${stop_cmd[@]}")"
  fi
fi
[ "$bump" = 1 ] || [ "$installed_now" != "$package_build" ] ||
  echo "Next: ./run.sh --bump builds the package with build $((package_build + 1)) and shows an upgrade."
exit "$rc"
