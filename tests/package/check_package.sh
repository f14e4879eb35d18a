#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks a distribution's maintainer runs, on the sources and on the Debian package made
# from this build: the desktop entry, the software centre's page, the manual page, the
# licence of every file, and lintian on the package (pedantic: no error and no warning).
# Usage: check_package.sh SOURCE_DIR BUILD_DIR APP_ID
set -uo pipefail
source_dir=$1
build_dir=$2
app_id=$3
failed=0

check() {
    local what=$1
    shift
    local output
    if ! output=$("$@" 2>&1); then
        printf 'FAIL %s:\n%s\n' "$what" "$output"
        failed=1
    else
        printf 'ok   %s\n' "$what"
    fi
}

# A command that must print nothing at all (mandoc reports style problems with exit 0).
silent() {
    local output
    output=$("$@" 2>&1)
    [ -z "$output" ] || { printf '%s\n' "$output"; return 1; }
}

# desktop-file-validate's hints (such as two main categories) exit 0: any output fails.
check "desktop-file-validate" silent desktop-file-validate \
    "$source_dir/resources/$app_id.desktop"
check "appstreamcli validate" bash -c "appstreamcli validate --no-net --pedantic \
    '$build_dir/$app_id.metainfo.xml' && ! appstreamcli validate --no-net --pedantic \
    '$build_dir/$app_id.metainfo.xml' | grep -E '^[EWI]: '"
check "mandoc -T lint" silent mandoc -T lint "$build_dir/man/selvane.1.in"
check "reuse lint" bash -c "cd '$source_dir' && reuse lint"

package_dir=$(mktemp -d "${TMPDIR:-/tmp}/selvane-package.XXXXXX")
trap 'rm -rf "$package_dir"' EXIT
if cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$package_dir" >"$package_dir/cpack.log" 2>&1; then
    deb=$(ls "$package_dir"/selvane_*.deb)
    # Errors and warnings fail; the information tags that remain are explained in the README.
    check "lintian --pedantic" bash -c "! lintian --pedantic '$deb' 2>&1 | grep -E '^[EW]: '"
    check "stripped program" bash -c "dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/bin/selvane \
        | file - | grep -q ', stripped'"
else
    cat "$package_dir/cpack.log"
    failed=1
fi
exit $failed
