#!/usr/bin/env bash
# Installs the built program into a scratch folder and checks it as a packager would: every file
# in its place, the menu entry and the metadata valid, the manual pages in step with --help, the
# Debian package holding exactly the installed tree, and the unpacked program starting headless.
#
# Usage: check_install.sh BUILD_DIR VERSION APP_ID SCREENSHOT_URL
# Exits 77 (skipped) when a tool it needs is missing: scripts/deps.sh installs them.
set -euo pipefail
build=$1 version=$2 app=$3 shot_url=$4

for tool in cmake cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file gzip; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: '$tool' is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- The install tree -------------------------------------------------------------------------
stage=$scratch/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
expected=(
  bin/orbicola bin/orbicola-shot
  "share/applications/$app.desktop"
  "share/metainfo/$app.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$app.svg"
  share/man/man1/orbicola.1.gz share/man/man1/orbicola-shot.1.gz
  share/doc/orbicola/copyright
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png")
done
for f in "${expected[@]}"; do
  [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done
for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$app.png
  [ -f "$png" ] && ! file -b "$png" | grep -q "PNG image data, $size x $size," &&
    fail "the ${size}x${size} icon is $(file -b "$png")"
done
[ -x "$usr/bin/orbicola" ] && [ -x "$usr/bin/orbicola-shot" ] || fail "the programs are not executable"

# --- The menu entry ---------------------------------------------------------------------------
desktop=$usr/share/applications/$app.desktop
if [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed: $out"
  grep -E ': (error|warning):' <<<"$out" && fail "desktop-file-validate reports the lines above"
  grep -qx 'Exec=orbicola' "$desktop" || fail "the menu entry does not run orbicola"
  grep -qx "Icon=$app" "$desktop" || fail "the menu entry does not name the icon $app"
  # Started from the menu the program must run in the user's home, never in a folder of its own.
  grep -q '^Path=' "$desktop" && fail "the menu entry sets a working folder"
  for lang in it fr es de; do
    for key in Name GenericName Comment; do
      grep -q "^$key\[$lang\]=." "$desktop" || fail "the menu entry has no $key[$lang]"
    done
  done
fi

# --- The metadata and its screenshots ---------------------------------------------------------
metainfo=$usr/share/metainfo/$app.metainfo.xml
if [ -f "$metainfo" ]; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate failed: $out"
  grep -E '^(E|W): ' <<<"$out" && fail "appstreamcli reports the errors or warnings above"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
  urls=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
  [ "$(wc -l <<<"$urls")" -ge 3 ] || fail "the metadata has fewer than three screenshots"
  for url in $urls; do
    case $url in
      "$shot_url"/*) ;;
      *) fail "screenshot $url is not under $shot_url" ;;
    esac
    shot=$usr/share/orbicola/screenshots/${url##*/}
    if [ ! -f "$shot" ]; then
      fail "screenshot ${url##*/} is not installed"
    elif ! file -b "$shot" | grep -q 'PNG image data, 1280 x 720,'; then
      fail "screenshot ${url##*/} is $(file -b "$shot")"
    fi
  done
fi

# --- The manual pages against --help ----------------------------------------------------------
page() { gzip -dc "$usr/share/man/man1/$1.1.gz"; }
if [ -f "$usr/share/man/man1/orbicola.1.gz" ] && [ -f "$usr/share/man/man1/orbicola-shot.1.gz" ]; then
  for p in orbicola orbicola-shot; do
    page "$p" | grep -q "^\.TH .* \"Orbicola $version\"" || fail "$p(1) does not name version $version"
  done
  # Every option --help lists, and every action of the driver, has its entry in the manual.
  help=$("$usr/bin/orbicola" --help)
  for opt in $(grep -oE '(^|[ ,])-{1,2}[a-z]+' <<<"$help" | tr -d ' ,' | sort -u); do
    page orbicola | grep -qF -- "${opt//-/\\-}" || fail "orbicola(1) lacks the option $opt"
  done
  shot_help=$(QT_QPA_PLATFORM=offscreen "$usr/bin/orbicola-shot" --help 2>/dev/null)
  for opt in $(grep -oE -- '--[a-z]+' <<<"$shot_help" | sort -u); do
    page orbicola-shot | grep -qF -- "${opt//-/\\-}" || fail "orbicola-shot(1) lacks the option $opt"
  done
  for act in $(sed -n '/^actions/,$p' <<<"$shot_help" | grep -oE '^  [a-z]+( \| [a-z]+)?' | tr -d '|'); do
    page orbicola-shot | grep -qE "^\.B[IR]? (.*[ \"])?$act( |\"|\$)" || fail "orbicola-shot(1) lacks the action $act"
  done
fi

# --- The Debian package -----------------------------------------------------------------------
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  fail "cpack could not build the package"
else
  deb=$(ls "$scratch"/pkg/orbicola_"$version"_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    fail "cpack made no package orbicola_${version}_*.deb: $(ls "$scratch/pkg")"
    deb=$(ls "$scratch"/pkg/*.deb | head -n 1)
  fi
  field() { dpkg-deb -f "$deb" "$1"; }
  [ "$(field Package)" = orbicola ] || fail "the package is named $(field Package)"
  [ "$(field Version)" = "$version" ] || fail "the package's version is $(field Version)"
  [ "$(field Section)" = education ] || fail "the package's section is $(field Section)"
  [ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
  [ -n "$(field Description)" ] || fail "the package has no description"
  # Computed from the binaries (the C library and Qt's widgets at least), and the pictures' font.
  depends=$(field Depends)
  for lib in libc6 libqt6widgets6 libstdc++6 fonts-dejavu-core; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib: $depends"
  done
  # The package's files are the install tree's, no more and no fewer.
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort >"$scratch/deb.list"
  (cd "$stage" && find . ! -type d | sed 's|^\./|/|' | sort) >"$scratch/stage.list"
  diff "$scratch/stage.list" "$scratch/deb.list" ||
    fail "the package's files differ from the install tree (< installed only, > packaged only)"

  # --- The unpacked program, run as a user would ----------------------------------------------
  root=$scratch/root
  home=$scratch/home
  mkdir -p "$home"
  dpkg -x "$deb" "$root"
  touch "$scratch/before"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/orbicola" --version)
  [ "$out" = "orbicola $version" ] || fail "orbicola --version says '$out'"
  # Anything else is judged once Qt has taken its own options (-style ...), so on a display.
  if QT_QPA_PLATFORM=offscreen "$root/usr/bin/orbicola" --bogus >/dev/null 2>"$scratch/err"; then
    fail "orbicola accepts an unknown option"
  else
    grep -q -- '--help' "$scratch/err" || fail "the unknown option's message does not point to --help"
  fi
  export HOME=$home QT_QPA_PLATFORM=offscreen
  (cd "$home" && "$root/usr/bin/orbicola-shot" open Tondep activate advance 500 save "$home/shot.png" \
     >/dev/null 2>&1) || fail "the unpacked driver could not open a window"
  file -b "$home/shot.png" 2>/dev/null | grep -q 'PNG image data' || fail "the unpacked driver saved no picture"
  # The program itself starts and keeps running, in the folder it was started from.
  rc=0
  (cd "$home" && timeout 3 "$root/usr/bin/orbicola" >/dev/null 2>&1) || rc=$?
  [ "$rc" -eq 124 ] || fail "the unpacked program stopped with status $rc instead of running"
  changed=$(find "$root" -newer "$scratch/before" ! -type d)
  [ -z "$changed" ] || fail "the program wrote into its install tree: $changed"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install tree, menu entry, metadata, manual pages and package: all checks passed"
