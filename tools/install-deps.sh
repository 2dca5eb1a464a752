#!/bin/sh
# Installs what Varnholt needs to build, run and test on Debian 12.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
    cmake make g++ ccache \
    qt6-base-dev qt6-charts-dev libqt6sql6-sqlite qt6-qpa-plugins libgl-dev \
    libgtest-dev libbenchmark-dev libsqlite3-dev \
    fonts-wqy-microhei
