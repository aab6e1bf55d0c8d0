#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks it as the desktop sees it: the layout, the
# desktop entry and the metainfo through their validators, the Debian package made from the same
# rules, then the installed program itself, relabelled and started headless on a local page with
# its work files in a temporary XDG data folder.
#   install_test.sh BUILD_DIR APPLICATION_ID RELABEL_SCRIPT DESKTOP_FILE_VALIDATE APPSTREAMCLI CPACK
set -euo pipefail
build="$1" id="$2" relabel="$3" desktop_file_validate="$4" appstreamcli="$5" cpack="$6"

temp="$(mktemp -d)"
trap 'if [ -n "${cpack_pid:-}" ]; then kill "$cpack_pid" 2>/dev/null || true; fi; rm -rf -- "$temp"' EXIT
root="$temp/root"
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$temp/install.log" || { cat "$temp/install.log"; exit 1; }
# The package takes longest to make: it is made from the build while the rest is checked.
"$cpack" -G DEB -B "$temp/package" --config "$build/CPackConfig.cmake" >"$temp/cpack.log" 2>&1 &
cpack_pid=$!

for file in bin/quillet bin/quillet-scan \
    share/quillet/Help.rtf share/quillet/start.html share/quillet/splash.jpg \
    share/quillet/icon.ico share/quillet/hoticon.ico share/quillet/icons/AAA.png \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/quillet.1.gz share/man/man1/quillet-scan.1.gz \
    share/doc/quillet/copyright share/doc/quillet/changelog.gz; do
  [ -f "$root/usr/$file" ] || fail "usr/$file is not installed"
done
for program in quillet quillet-scan; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done
# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  read -r -a header < <(od -An -v -tu1 -j16 -N8 "$icon" 2>/dev/null || true)
  if [ ${#header[@]} -ne 8 ] || [ $(( (header[2] << 8) + header[3] )) -ne "$size" ] \
      || [ $(( (header[6] << 8) + header[7] )) -ne "$size" ]; then
    fail "$icon is not a ${size}x${size} PNG"
  fi
done
for page in quillet quillet-scan; do
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "the manual page $page.1.gz is not gzip"
done

"$desktop_file_validate" "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate refused the entry"
"$appstreamcli" validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "appstreamcli refused the metainfo"

# The installed program, relabelled in place, opens the page given on its command line.
"$relabel" "$root/usr/bin/quillet" ProductName=Lookglass || fail "scripts/relabel failed on the installed program"
mkdir -p "$temp/home" "$temp/config" "$temp/data" "$temp/cache" "$temp/runtime"
chmod 700 "$temp/runtime"
page="$temp/given page.html"
printf '<!DOCTYPE html><html><head><title>Given</title></head><body><p>opened-from-the-command-line</p></body></html>\n' >"$page"
find "$root" | sort >"$temp/before"
started=yes
if [ -z "${DISPLAY:-}" ]; then
  echo "no display: the installed program is not started" >&2
  started=no
else
  HOME="$temp/home" XDG_CONFIG_HOME="$temp/config" XDG_DATA_HOME="$temp/data" XDG_CACHE_HOME="$temp/cache" \
  XDG_RUNTIME_DIR="$temp/runtime" GTK_A11Y=none WEBKIT_A11Y_BUS_ADDRESS= NO_AT_BRIDGE=1 \
    timeout 120 "$root/usr/bin/quillet" --screenshot "$temp/shot.png" "$page" \
    || fail "the installed program did not start and take its screenshot"
  [ -s "$temp/shot.png" ] || fail "no screenshot of the installed program"
  grep -q "opened-from-the-command-line" "$temp/data/Lookglass/source.htm" 2>/dev/null \
    || fail "the work files of the given page are not in \$XDG_DATA_HOME/Lookglass"
  find "$root" | sort >"$temp/after"
  diff "$temp/before" "$temp/after" >&2 || fail "the installed program wrote under its prefix"
fi

# The package holds what the install rules install, and needs the libraries the programs link.
if wait "$cpack_pid"; then
  package="$(echo "$temp"/package/*.deb)"
  dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$temp/packaged"
  (cd "$root" && find . ! -type d | sed 's/^\.//' | sort) >"$temp/installed"
  diff "$temp/installed" "$temp/packaged" >&2 || fail "the package does not hold what the install rules install"
  dpkg-deb -f "$package" Depends | grep -q 'libwebkitgtk-6.0' \
    || fail "the package's dependencies were not computed from its libraries"
else
  cat "$temp/cpack.log" >&2
  fail "cpack -G DEB failed"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
# Skipped, not passed, when the program could not be started; a failure above still fails.
[ "$started" = yes ] || exit 77
echo "installed layout, validators and the installed program: all passed"
