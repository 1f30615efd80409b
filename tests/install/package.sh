#!/bin/sh
# "make package": the Debian package holds exactly the files of files.txt
# under /usr, depends on the libraries the programs link, and recommends a
# document opener and a PDF viewer.
# usage: package.sh BUILD_DIR
set -u
build=$1 here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "$*"; exit 1; }
cd "$build" || fail "no build folder $build"
rm -f quorvel_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
deb=$(ls quorvel_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no quorvel_VERSION_amd64.deb was made"
dpkg-deb -c "$deb" | awk '{ print $NF }' | grep -v '/$' | sed 's|^\./usr/||' | sort >package.files
diff "$here/files.txt" package.files || fail "$deb holds other files than files.txt"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies were not found"
dpkg-deb -f "$deb" Recommends | grep -q 'xdg-utils' || fail "xdg-utils is not recommended"
echo "$deb: $(dpkg-deb -f "$deb" Version), $(wc -l <package.files) files"
