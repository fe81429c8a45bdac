#!/bin/sh
# Renders res/about_Kestrel_3_kr.bmp from res/Kestrel.svg with RenderAboutPicture.cpp.
# Needs the Qt 5 development packages the program itself builds with.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -std=c++17 -fPIC -o "$work/render" "$here/RenderAboutPicture.cpp" \
    $(pkg-config --cflags --libs Qt5Svg Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/render" "$here/../Kestrel.svg" "$here/../about_Kestrel_3_kr.bmp"
