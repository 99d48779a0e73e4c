#!/bin/sh
# Installs the build into a temporary prefix with DESTDIR, then starts the
# installed programs there: lumora-check must find the installed course by
# itself and report no faults, and lumora --version must name that course.
# Usage: installed_program_test.sh BUILD_DIR [DESKTOP_VALIDATOR] [APPSTREAM_VALIDATOR]
set -eu
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
prefix="$stage/usr"
course="$prefix/share/lumora/course/"

for f in bin/lumora bin/lumora-check bin/lumora-report lib/lumora/liblumora_sound_backend.so \
    lib/lumora/liblumora_ffmpeg_backend.so \
    share/lumora/course/ini.t share/applications/org.lumora.Lumora.desktop \
    share/metainfo/org.lumora.Lumora.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.lumora.Lumora.svg \
    share/icons/hicolor/48x48/apps/org.lumora.Lumora.png \
    share/man/man1/lumora.1 share/man/man1/lumora-check.1 share/man/man1/lumora-report.1; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
# No executable of the build may land among the course files.
if find "$course" -type f -perm -u+x | grep -q .; then
    echo "executables in the installed course:"; find "$course" -type f -perm -u+x; exit 1
fi

check="$(env -u LUMORA_DATA QT_QPA_PLATFORM=offscreen "$prefix/bin/lumora-check")"
echo "$check" | tail -1
[ "$(echo "$check" | tail -1)" = "$course: no faults" ] || { echo "$check"; exit 1; }

version="$(env -u LUMORA_DATA -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lumora" --version)"
echo "$version"
expected="course: $course (found by the installed course folder)"
echo "$version" | grep -qxF "$expected" || { echo "expected: $expected"; exit 1; }

# The learners' folder set once for every computer, and the settings that
# stay with the account.
mkdir -p "$stage/etc/lumora" "$stage/klasa"
printf '# the class\nusers=%s/klasa\n' "$stage" > "$stage/etc/lumora/lumora.conf"
school="$(env -u LUMORA_DATA -u LUMORA_USERS -u XDG_DATA_HOME HOME="$stage/home" \
    XDG_CONFIG_DIRS="$stage/etc" "$prefix/bin/lumora" --version)"
echo "$school" | tail -2
for line in "learners: $stage/klasa/ (found by the setting in $stage/etc/lumora/lumora.conf)" \
    "settings: $stage/home/.local/share/Lumora_demo/ini_hdd.t (this account's own)"; do
    echo "$school" | grep -qxF "$line" || { echo "expected: $line"; exit 1; }
done
# The installed report finds the installed course by itself.
env -u LUMORA_DATA "$prefix/bin/lumora-report" --users "$stage/klasa" --csv "$stage/class.csv"
[ "$(cat "$stage/class.csv")" = "$(printf 'uczeń,temat,dział,lekcja,kod,punkty,ukończona\r')" ] ||
    { echo "the report of an empty class:"; cat "$stage/class.csv"; exit 1; }

if [ -n "${2:-}" ]; then
    "$2" "$prefix/share/applications/org.lumora.Lumora.desktop"
fi
if [ -n "${3:-}" ]; then
    "$3" validate --no-net "$prefix/share/metainfo/org.lumora.Lumora.metainfo.xml"
fi
echo "installed program: pass"
