#!/usr/bin/env bash
# The dashboard JUnit report as people read it: runs the faulty corpus twice with the report on, builds the sites
# of both Allure Report versions from the first run and then from the second (with the first as history), and
# checks the sites' own data against the runner's summary (scripts/check-dashboard-sites.py). Screenshots of each
# site's overview and of one failure are left in OUT_DIR for a person to look at.
# Installs what is missing: the Java run time and Chromium from Debian, the viewers from npm into a cache outside
# the repository (DH_DASHBOARDS_CACHE, default ~/.cache/dh-dashboards).
# Usage: check-dashboards.sh BUILD_DIR OUT_DIR
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR OUT_DIR" >&2
  exit 2
fi
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$1" && pwd)
mkdir -p -- "$2"
out=$(cd "$2" && pwd)
cache=${DH_DASHBOARDS_CACHE:-$HOME/.cache/dh-dashboards}
# The versions the checks were written against; the sites' data layout is theirs.
viewers=(allure-commandline@2.46.1 allure@3.18.0 playwright-core@1.65.2)

install_missing() {
  local missing=()
  command -v java >/dev/null || missing+=(openjdk-17-jre-headless)
  [ -x /usr/bin/chromium ] || missing+=(chromium)
  command -v npm >/dev/null || missing+=(npm)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
  fi
  local stamp="$cache/installed"
  if [ "$(cat "$stamp" 2>/dev/null)" != "${viewers[*]}" ]; then
    mkdir -p -- "$cache"
    npm install --prefix "$cache" --no-audit --no-fund --loglevel=error "${viewers[@]}" </dev/null
    echo "${viewers[*]}" >"$stamp"
  fi
}

install_missing
modules=$cache/node_modules
allure2=$modules/allure-commandline/dist/bin/allure
allure3=(node "$modules/allure/cli.js")

work=$build_dir/dashboards
rm -rf -- "$work"
mkdir -p -- "$work"
for run in 1 2; do
  # Failures are what the faulty corpus is for: only a run that could not be made stops here.
  status=0
  DH_RUN_JUNIT=1 "$top/scripts/run-golden.sh" "$build_dir" "$top/testdata/faulty" "$work/run$run" >/dev/null || status=$?
  [ "$status" -le 1 ] || { echo "dashboards: run $run of the faulty corpus could not be made (exit $status)" >&2; exit 1; }
  mkdir -p -- "$work/results$run"
  cp -- "$work/run$run"/junit/*.xml "$work/results$run/"
done

# Allure Report 2 takes the history from the results folder, where the earlier site's history is copied.
"$allure2" generate "$work/results1" -o "$work/allure2-run1" --clean >/dev/null
cp -r -- "$work/allure2-run1/history" "$work/results2/"
"$allure2" generate "$work/results2" -o "$work/allure2-run2" --clean >/dev/null
# Allure Report 3 keeps its history in a file that each generation reads and extends.
printf 'export default { historyPath: "./history.jsonl" };\n' >"$work/allurerc.mjs"
(cd "$work" && NO_COLOR=1 "${allure3[@]}" generate results1 -o allure3-run1 >/dev/null &&
  NO_COLOR=1 "${allure3[@]}" generate results2 -o allure3-run2 >/dev/null)

python3 "$top/scripts/check-dashboard-sites.py" "$work"
NODE_PATH=$modules node "$top/scripts/dashboard-screenshots.js" "$work" "$out"
