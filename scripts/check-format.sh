#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it (.clang-format).
# Run `scripts/check-format.sh --list | xargs clang-format -i` to format them. Works in a git checkout
# and in an unpacked source tarball alike.
set -euo pipefail
cd "$(dirname "$0")/.."

cpp_files() {
    # The project's own git checkout (a worktree has a .git file); an unpacked tarball has none,
    # even when it lies inside some other repository.
    if [ -e .git ] && command -v git >/dev/null; then
        git ls-files '*.cpp' '*.h'
    else
        find . -path ./build -prune -o -path ./.git -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print |
            sed 's|^\./||' | sort
    fi
}

if [ "${1:-}" = --list ]; then
    cpp_files
    exit 0
fi
cpp_files | xargs clang-format --dry-run --Werror
