#!/usr/bin/env bash
# Makes the Debian package from this build tree and checks what an installing user would get: the files, the
# control fields, a udev rule that opens the controller to the seated user only, a desktop entry and metainfo
# the desktop's validators accept, and a program that starts from the unpacked package.
# Usage: TestPackage.sh <build dir> <version>
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, got: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kestrova ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version), project $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
[[ $depends == *libqt6widgets6* && $depends == *libusb-1.0* && $depends == *qt6-qpa-plugins* ]] ||
    fail "Depends: '$depends'"
[ -n "$(field Section)" ] && [[ $(field Maintainer) == *@* ]] || fail "Section or Maintainer missing"

# Every file a user needs, and nothing outside the places a desktop program installs to (a static library or a
# header leaking in through a new install rule shows here).
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }')
for f in usr/bin/kestrova usr/bin/kestrova-cli usr/share/man/man1/kestrova-cli.1.gz usr/lib/udev/rules.d/70-kestrova.rules usr/share/applications/ua.orvo.Kestrova.desktop \
    usr/share/icons/hicolor/scalable/apps/kestrova.svg usr/share/metainfo/ua.orvo.Kestrova.metainfo.xml \
    usr/share/doc/kestrova/copyright usr/share/doc/kestrova/changelog.gz usr/share/man/man1/kestrova.1.gz \
    usr/share/bash-completion/completions/kestrova-cli; do
    grep -qxF "$f" <<< "$files" || fail "$f missing from the package"
done
stray=$(grep -vE '^usr/(bin|lib/udev/rules\.d|share/(applications|icons/hicolor|metainfo|doc/kestrova|man/man1|bash-completion/completions))/' \
    <<< "$files" || true)
[ -z "$stray" ] || fail "unexpected files: $stray"

root=$scratch/root
dpkg -x "$deb" "$root"

rules=$(grep -vE '^\s*(#|$)' "$root/usr/lib/udev/rules.d/70-kestrova.rules")
while IFS= read -r rule; do
    [[ $rule == *'ATTR{idVendor}=="0483"'* && $rule == *'ATTR{idProduct}=="5750"'* ]] ||
        fail "udev rule not limited to 0483:5750: $rule"
    [[ $rule == *'TAG+="uaccess"'* ]] || fail "udev rule without uaccess: $rule"
    # The last digit of a mode is everyone's access; 2, 3, 6 or 7 lets anyone write.
    if [[ $rule =~ MODE=\"[0-7]*[2367]\" ]]; then fail "udev rule gives everyone write access: $rule"; fi
done <<< "$rules"

desktop=$root/usr/share/applications/ua.orvo.Kestrova.desktop
metainfo=$root/usr/share/metainfo/ua.orvo.Kestrova.metainfo.xml
grep -qx 'Exec=kestrova' "$desktop" && grep -qx 'Icon=kestrova' "$desktop" ||
    fail "desktop entry does not start kestrova with its icon"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
else
    echo "appstreamcli not installed: metainfo not validated"
fi

# Asked on a machine without a display, as a packager's script would.
out=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/kestrova" --version) || fail "kestrova --version failed"
[[ $out =~ (^|[[:space:]])"$version"$ ]] || fail "kestrova --version printed '$out'"
"$root/usr/bin/kestrova-cli" --help > /dev/null || fail "kestrova-cli --help failed"
bash -c 'source "$1" && complete -p kestrova-cli' _ "$root/usr/share/bash-completion/completions/kestrova-cli" \
    > /dev/null || fail "the installed bash completion does not register kestrova-cli"
echo "PASS: $(basename "$deb")"
