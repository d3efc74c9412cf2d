#!/usr/bin/env bash
# Makes the Debian package from the build with CPack and checks its control data and contents:
# dependencies found by dpkg-shlibdeps, the command in /usr/games, the data, desktop entry, icons
# and AppStream data under /usr/share, and no player file.
set -euo pipefail
: "${BUILD_DIR:?}"

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB -B "$work" --config "$BUILD_DIR/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/brillor_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb -I "$deb" | tee "$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
for library in libqt6core6 libqt6gui6 libqt6widgets6 libsdl2 libmpg123 libc6 qt6-qpa-plugins; do
  [[ "$depends" == *"$library"* ]] || fail "Depends does not name $library: $depends"
done
grep -q '^ Section: games$' "$work/info" || fail "not in section games"

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
id=$(sed -n 's|^\./usr/share/applications/\(.*\)\.desktop$|\1|p' "$work/contents")
[ -n "$id" ] || fail "no desktop entry in the package"
for path in ./usr/games/brillor ./usr/share/games/brillor/dat/a00 ./usr/share/games/brillor/mp3/start.mp3 \
    ./usr/share/games/brillor/Brillor_v1.0.html ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop")
grep -qx "Exec=/usr/games/brillor" <<<"$entry" || fail "the packaged entry does not start /usr/games/brillor"
! grep -E '/dat/b[0-9]|shipped_levels|\.tmp$' "$work/contents" || fail "the package holds player or build files"
echo "package: $(wc -l <"$work/contents") entries, all checks passed"
