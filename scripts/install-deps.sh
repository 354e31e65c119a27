#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
set -euo pipefail

# Usage: scripts/install-deps.sh [windows|linux-x86]
#   windows    adds the cross compilers, GoogleTest's sources to build for the
#              target, and 64-bit Wine (never wine32: a 32-bit Windows program
#              does not run on these machines).
#   linux-x86  adds the i386 architecture, the 32-bit libraries the build
#              links (libxml2, libedit), the multilib compilers, GoogleTest's
#              sources and qemu-user-static, which runs the 32-bit tests.
packages=(cmake ninja-build g++ pkg-config libxml2-dev libgtest-dev libgmock-dev
          libbenchmark-dev libedit-dev)
# Libraries wanted for i386 as well; Debian installs the two architectures of
# one library only at the same version.
foreign=()
case "${1:-}" in
  windows)
    packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine wine64) ;;
  linux-x86)
    packages+=(g++-multilib googletest qemu-user-static)
    foreign=(libxml2-dev libxml2 libedit-dev libedit2) ;;
esac

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
for p in "${foreign[@]}"; do
  installed "$p:i386" || missing+=("$p:i386")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ ${#foreign[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "installing: ${missing[*]}" >&2
$sudo apt-get update -qq

# The versions apt may install of a package for one architecture, newest first.
versions() { apt-cache madison "$1" | awk -F'|' '{gsub(/ /, "", $2); print $2}'; }

# A mirror's i386 index can lag its amd64 one; apt then cannot install the
# i386 library beside the newer amd64 one it already has. Each i386 package is
# pinned to the version of its amd64 twin when the i386 index has it, or else
# to the newest version both indexes have, to which the twin moves as well.
requests=()
for p in "${missing[@]}"; do
  name="${p%:i386}"
  if [ "$name" = "$p" ]; then
    requests+=("$p")
    continue
  fi
  native="$(dpkg-query -W -f='${Version}' "$name:amd64" 2>/dev/null || true)"
  i386_versions="$(versions "$name:i386")"
  if [ -n "$native" ] && grep -qxF "$native" <<<"$i386_versions"; then
    requests+=("$name:i386=$native")
    continue
  fi
  common="$(grep -xFf <(versions "$name:amd64") <<<"$i386_versions" | head -n 1 || true)"
  if [ -n "$common" ]; then
    requests+=("$name:i386=$common" "$name:amd64=$common")
  else
    requests+=("$p")
  fi
done

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
  --allow-downgrades "${requests[@]}"
