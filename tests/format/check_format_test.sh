#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# The format targets' script on a scratch repository: the check names exactly the tracked files
# that differ and fails, rewriting fixes them, and untracked files are left alone.
set -euo pipefail
script=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
git init -q .
cp "$source_dir/.clang-format" .
mkdir -p sub
printf 'int main() {\n    return 0;\n}\n' > good.cpp
printf 'int  f(int a){return a;}\n' > sub/bad.h
printf 'struct   Loose{};\n' > untracked.h
git add .clang-format good.cpp sub/bad.h

run() {
  cmake -DMODE="$1" -DCLANG_FORMAT="$(command -v clang-format)" -DGIT="$(command -v git)" \
        -DSOURCE_DIR="$scratch" -P "$script" > "$scratch/out" 2>&1
}
fail() { echo "FAIL: $*"; cat "$scratch/out"; exit 1; }

run check && fail "the check passed with a badly formatted file"
grep -q 'sub/bad.h' out || fail "the check did not name sub/bad.h"
grep -q 'good.cpp\|untracked.h' out && fail "the check named a file that is fine or untracked"
run format || fail "format failed"
run check || fail "the check failed after formatting"
grep -q 'Loose{};' untracked.h || fail "an untracked file was rewritten"
git diff --quiet -- good.cpp || fail "a well formatted file was changed"
echo "ok"
