#!/usr/bin/env bash
# check_install.sh BUILD_DIR SOURCE_DIR: installs the build into a fresh
# prefix, then builds and runs the consumer program twice, found once with
# find_package and once with pkg-config, against a small English dictionary
# compiled with the installed lemm-build.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

# The library and its tools; the dictionaries (component "dictionaries")
# are not needed here.
cmake --install "$build" --prefix "$prefix" --component lemmatizer > "$work/install.log"
for f in include/lemmatizer/lemmatizer.h include/lemmatizer/lemm.h lib/liblemmatizer.so lib/pkgconfig/lemmatizer.pc \
         lib/cmake/lemmatizer/lemmatizerConfig.cmake bin/lemm bin/lemm-build \
         share/man/man1/lemm.1 share/man/man1/lemm-build.1 share/man/man3/lemmatizer.3; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
soname=$(objdump -p "$prefix/lib/liblemmatizer.so" | awk '/SONAME/ {print $2}')
[ "$soname" = liblemmatizer.so.1 ] || { echo "soname: $soname"; exit 1; }

# A dictionary made by the installed compiler.
printf 'mice\tmouse\tNOMCp\nmouse\tmouse\tNOMCs\n' > "$work/en.tsv"
"$prefix/bin/lemm-build" -q -l en -i "$work/en.tsv" -o "$work/dict/" > /dev/null

cmake -S "$source/tests/install" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" > /dev/null
cmake --build "$work/cmake-build" > /dev/null
"$work/cmake-build/consumer" "$work/dict/" | tee "$work/out-cmake"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
cc -o "$work/consumer-pc" "$source/tests/install/consumer.c" $(pkg-config --cflags --libs lemmatizer) \
   -Wl,-rpath,"$prefix/lib"
"$work/consumer-pc" "$work/dict/" | tee "$work/out-pc"

grep -qx 'mice -> mouse (NOMCp)' "$work/out-cmake"
cmp "$work/out-cmake" "$work/out-pc"
# The installed lemm finds the installed dictionaries (none here) by its
# own place and says where it looked.
if "$prefix/bin/lemm" -l en < /dev/null 2> "$work/lemm.err"; then :; fi
grep -q "$prefix/share/lemmatizer/" "$work/lemm.err"
LEMM_DICTIONARIES=$work/dict/ "$prefix/bin/lemm" -l en -w <<< mice | grep -q $'mice\tmouse'
echo "install test passed"
