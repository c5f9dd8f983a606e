#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds everything in a fresh folder and runs the whole test suite. Then
# builds a second fresh folder with the sanitizers (AddressSanitizer with its
# leak checker, UndefinedBehaviorSanitizer stopping at the first fault) and
# runs the suite again there. Tests labelled `long` are left out of both runs.
#
#   QUARTELO4_SANITAIRES=0 bash scripts/tester.sh   skips the sanitizer run
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
installer
construction="$racine/build-tests"
rm -rf "$construction"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$construction" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$construction" --output-on-failure -j "$(nproc)" --label-exclude long

if [ "${QUARTELO4_SANITAIRES:-1}" = 0 ]; then
  exit 0
fi

# The same suite under the sanitizers. The bench folder is built too, so that
# the tests of the analysis tool, which reads positions typed as text, run
# under the sanitizers; the benchmarks themselves are never run as tests. The
# random tests run fewer actions and positions in this build (see
# tests/robustesse/CMakeLists.txt).
sanitaires="$racine/build-tests-sanitaires"
rm -rf "$sanitaires"
debut=$SECONDS
cmake -S "$racine" -B "$sanitaires" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARTELO4_SANITIZE=ON -DQUARTELO4_BENCH=ON
cmake --build "$sanitaires" -j "$(nproc)"
echo "Sanitizer build: $((SECONDS - debut)) s"
# Any fault stops the test that hit it, with the stack; leaks are reported at
# exit. The suppressions cover memory that system libraries keep, never the
# game's own.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:print_stacktrace=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$racine/tests/robustesse/lsan.supp:print_suppressions=0"
ctest --test-dir "$sanitaires" --output-on-failure -j "$(nproc)" --label-exclude long
