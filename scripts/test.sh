#!/bin/sh
# Installs what is missing, checks the format, builds the program twice (plain, and with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both builds. The print test
# goes through a cups-pdf queue that is made the default printer. Last, the libFuzzer harnesses are
# built with clang and each runs for 60 s; a crash fails the script.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/cups-pdf-drucker.sh

find app bench core datei print tests tools window -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBDA_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DBDA_FUZZ=ON
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure
scripts/fuzz.sh -max_total_time=60
