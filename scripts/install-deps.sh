#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Larkspoon builds with, when any is missing. A group
# "a|b" takes the first package the distribution offers (names differ between releases).
# The last lines are for the installation tests: the Debian package (dpkg-dev), the desktop
# entry, the disk image types (as xdg-open finds them) and the manual pages are checked with the
# tools the desktop uses.
set -euo pipefail
GROUPS_NEEDED=(cmake ninja-build g++ clang "libclang-rt-dev|libclang-rt-14-dev|libclang-common-14-dev"
               pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev zlib1g-dev libdeflate-dev
               libpng-dev libssl-dev qt6-base-dev "qt6-svg-dev|libqt6svg6-dev" libgl-dev
               fonts-dejavu-core
               poppler-utils
               dpkg-dev desktop-file-utils libxml2-utils shared-mime-info libfile-mimeinfo-perl
               groff-base)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
available() { [ -n "$(apt-cache policy "$1" 2>/dev/null | awk '/Candidate:/ {print $2}' | grep -v '(none)')" ]; }

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

missing_groups=()
for group in "${GROUPS_NEEDED[@]}"; do
    have=no
    for p in ${group//|/ }; do installed "$p" && have=yes && break; done
    [ "$have" = no ] && missing_groups+=("$group")
done
[ ${#missing_groups[@]} -eq 0 ] && exit 0

$SUDO apt-get update -qq
to_install=()
for group in "${missing_groups[@]}"; do
    for p in ${group//|/ }; do
        if available "$p"; then to_install+=("$p"); break; fi
    done
done
echo "Installing: ${to_install[*]}"
$SUDO apt-get install -y -qq "${to_install[@]}"
