#!/usr/bin/env bash
# Makes dist/velmora-<version>.zip: both executables, the guide for Windows users and the licence,
# with Windows line ends in the text files.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps build-windows package

bash scripts/build-windows.sh >/dev/null
version=$(cat build/win64/version.txt)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root="$stage/velmora-$version"
mkdir -p "$root/x64" "$root/x86" dist
cp build/win64/velmora.exe "$root/x64/"
cp build/win32/velmora.exe "$root/x86/"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/README.txt >"$root/README.txt"
sed 's/$/\r/' LICENSE >"$root/LICENSE.txt"
rm -f "dist/velmora-$version.zip"
(cd "$stage" && zip -q -r -X "$OLDPWD/dist/velmora-$version.zip" "velmora-$version")
unzip -l "dist/velmora-$version.zip"
