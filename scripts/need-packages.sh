# Sourced by the scripts: installs the Debian packages given when any of them is missing.
need_packages() {
  local missing=()
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# Installs Debian's 32-bit Wine (wine32:i386, beside wine64) when it is missing: the i386
# architecture, its package index, then the package. Answers false, with the cause in one line in
# wine32_problem, when it cannot. An i386 architecture added here whose packages cannot be had is
# removed again, so that later updates of the package lists do not fail on its missing index.
need_wine32() {
  wine32_problem=
  if dpkg -s wine32:i386 >/dev/null 2>&1 && [ -x /usr/lib/wine/wine ]; then
    return 0
  fi
  if [ "$(id -u)" != 0 ]; then
    wine32_problem="installing it needs root (dpkg --add-architecture i386; apt-get install wine32:i386)"
    return 1
  fi
  local log added=0
  log=$(mktemp)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    if ! dpkg --add-architecture i386 >"$log" 2>&1; then
      wine32_problem="dpkg --add-architecture i386 failed: $(tail -n 1 "$log")"
      rm -f "$log"
      return 1
    fi
    added=1
  fi
  echo "Installing wine32:i386"
  # apt's first complaint about i386 (errors before warnings before notes) names the cause; else
  # its last error, else its last line.
  apt_cause() {
    local cause= kind
    for kind in E W Err N; do
      [ -n "$cause" ] || cause=$(grep -m 1 -E "^$kind:.*i386" "$log" || true)
    done
    [ -n "$cause" ] || cause=$(grep -E '^(E|W|Err):' "$log" | tail -n 1 || true)
    [ -n "$cause" ] || cause=$(tail -n 1 "$log")
    printf '%s' "$cause"
  }
  if ! apt-get update >"$log" 2>&1; then
    wine32_problem="the package index could not be updated for i386: $(apt_cause)"
  elif ! apt-cache show wine32:i386 >/dev/null 2>&1; then
    wine32_problem="the archive's i386 package index has no wine32 (apt-get update: $(apt_cause))"
  elif ! DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends wine32:i386 >"$log" 2>&1; then
    wine32_problem="apt-get install wine32:i386 failed: $(grep -m 1 '^E:' "$log" || tail -n 1 "$log")"
  elif [ ! -x /usr/lib/wine/wine ]; then
    wine32_problem="wine32:i386 is installed but its loader /usr/lib/wine/wine is not"
  fi
  rm -f "$log"
  if [ -n "$wine32_problem" ] && [ $added = 1 ]; then
    dpkg --remove-architecture i386 >/dev/null 2>&1 || true
  fi
  [ -z "$wine32_problem" ]
}

# Installs Debian's Chromium, the browser the summary page is checked in, when it is missing (a few
# minutes the first time). Answers false, with the cause in one line in chromium_problem, when it
# cannot. The package index is updated only when the install fails without it.
need_chromium() {
  chromium_problem=
  if command -v chromium >/dev/null 2>&1; then
    return 0
  fi
  if [ "$(id -u)" != 0 ]; then
    chromium_problem="installing it needs root (apt-get install chromium)"
    return 1
  fi
  local log
  log=$(mktemp)
  echo "Installing chromium"
  install_chromium() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 chromium \
      >"$log" 2>&1
  }
  if ! install_chromium && ! { apt-get update >/dev/null 2>&1; install_chromium; }; then
    chromium_problem="apt-get install chromium failed: $(grep -m 1 '^E:' "$log" || tail -n 1 "$log")"
  elif ! command -v chromium >/dev/null 2>&1; then
    chromium_problem="the chromium package is installed but its program is not"
  fi
  rm -f "$log"
  [ -z "$chromium_problem" ]
}
