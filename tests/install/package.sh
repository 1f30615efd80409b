#!/bin/sh
# "make package": the Debian package holds exactly the files of files.txt
# under /usr, depends on the libraries the programs link, on Qt's TIFF reader
# and on the metric "Arial", recommends a document opener and a PDF viewer,
# and lintian finds no error in it and no binary without the hardening flags.
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
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 qt6-image-formats-plugins fonts-liberation2; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$p\( \|$\)" || fail "$deb does not depend on $p: $depends"
done
dpkg-deb -f "$deb" Recommends | grep -q 'xdg-utils' || fail "xdg-utils is not recommended"
if command -v lintian >/dev/null; then
  lintian -I "$deb" >lintian.log 2>/dev/null
  ! grep -E '^E: |hardening-' lintian.log || fail "lintian finds the errors above in $deb"
else
  echo "lintian is not installed: the package is not linted"
fi
echo "$deb: $(dpkg-deb -f "$deb" Version), $(wc -l <package.files) files"
