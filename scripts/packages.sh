# Package lists shared by run.sh and test.sh. dpkg-dev and file are what cpack needs to read the
# Debian package's dependencies off the program (the README's package steps);
# qt6-translations-l10n puts Qt's own dialogs into Japanese; libqt6sql6-sqlite is the SQLite
# driver of the learning record.
BUILD_PACKAGES=(g++ cmake ninja-build dpkg-dev file qt6-base-dev qt6-translations-l10n libqt6sql6-sqlite libx11-dev libxtst-dev
                libgl-dev libfontconfig-dev fonts-noto-cjk fonts-dejavu-core fonts-liberation2)
TEST_PACKAGES=(xvfb xauth openbox xdotool xclip wmctrl x11-utils xterm imagemagick poppler-utils sqlite3 desktop-file-utils appstream librsvg2-bin libbenchmark-dev clang-format
               clang libclang-rt-14-dev
               g++-mingw-w64-x86-64)
