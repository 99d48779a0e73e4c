#!/bin/sh
# Makes the Debian package into a temporary folder and checks that its file
# list holds the executables, the module, the course, the desktop entry, the
# icons and the metainfo, and that it declares the runtime packages.
# Usage: package_contents_test.sh BUILD_DIR
set -eu
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb="$(ls "$out"/lumora_*.deb)"
list="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for f in ./usr/bin/lumora ./usr/bin/lumora-check ./usr/bin/lumora-report ./usr/lib/lumora/liblumora_sound_backend.so \
    ./usr/lib/lumora/liblumora_ffmpeg_backend.so \
    ./usr/share/lumora/course/ini.t ./usr/share/lumora/course/data.t \
    ./usr/share/applications/org.lumora.Lumora.desktop \
    ./usr/share/metainfo/org.lumora.Lumora.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.lumora.Lumora.svg \
    ./usr/share/icons/hicolor/256x256/apps/org.lumora.Lumora.png \
    ./usr/share/man/man1/lumora.1; do
    echo "$list" | grep -qx "$f" || { echo "missing from the package: $f"; exit 1; }
done
if echo "$list" | grep -E -q '/(lumora-course-gen|lumora-screenshots|lumora-soak|bench_[^/]*|[^/]*_tests)$'; then
    echo "build-only programs in the package"; exit 1
fi
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6widgets6 libavformat libsdl2 fonts-liberation fonts-noto-color-emoji; do
    echo "$depends" | grep -q "$p" || { echo "not declared: $p ($depends)"; exit 1; }
done
echo "package contents: pass"
