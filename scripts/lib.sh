# Shared by scripts/run and scripts/test: packages, the virtual display, the Wine prefix.
# Source it; every function leaves its result in exported variables.

HX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Where builds and the Wine prefix go; another root keeps parallel work apart.
HX_BUILD_ROOT=${HX_BUILD_ROOT:-$HX_ROOT/build}
# Marks a finished prefix; a new name makes older prefixes be made again.
HX_PREFIX_READY=.hushlet2-ready-3
HX_PACKAGES="cmake g++ make clang-format binutils-mingw-w64-i686 g++-mingw-w64-i686-win32
 g++-mingw-w64-x86-64-win32 googletest wine wine64 wine32:i386 libgstreamer-plugins-base1.0-0:i386
 xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic fonts-wine libxrandr-dev python3
 clang-14 libclang-rt-14-dev"

hx_as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs whatever is missing. 32-bit Wine needs the i386 architecture and a pin
# that keeps amd64 and i386 libraries on the same (non-security) versions.
hx_install_packages() {
    local missing=()
    for p in $HX_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    hx_as_root dpkg --add-architecture i386
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' |
        hx_as_root tee /etc/apt/preferences.d/hushlet2-wine32-pin >/dev/null
    hx_as_root apt-get update -q
    DEBIAN_FRONTEND=noninteractive hx_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
    local rc=$?
    hx_as_root rm -f /etc/apt/preferences.d/hushlet2-wine32-pin
    return $rc
}

hx_build() { # preset...
    local p
    for p in "$@"; do
        cmake --preset "$p" -B "$HX_BUILD_ROOT/$p" >/dev/null || return 1
        cmake --build "$HX_BUILD_ROOT/$p" -j2 || return 1
    done
}

# Starts a private Xvfb unless DISPLAY is already set (or HX_FORCE_XVFB asks for one).
hx_start_display() {
    local size=${1:-1280x800}
    if [ -n "${DISPLAY:-}" ] && [ -z "${HX_FORCE_XVFB:-}" ]; then return 0; fi
    local n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 ${size}x24 -nolisten tcp >/dev/null 2>&1 &
    HX_XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

# The shipping build is 32-bit and its tests run under 32-bit Wine. Some kernels are booted
# with 32-bit emulation off; there the same tests run from the 64-bit build under wine64.
hx_test_preset() {
    if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

hx_wine_env() {
    if [ "$(hx_test_preset)" = i686 ]; then HX_WINE=wine; else HX_WINE=/usr/lib/wine/wine64; fi
    export HX_WINE
    export WINEPREFIX=$HX_BUILD_ROOT/wineprefix
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

hx_reg() { $HX_WINE reg add "$@" /f >/dev/null 2>&1; }

# Makes the prefix once: WoW64, Japanese fonts, no crash dialog, a virtual desktop
# with a taskbar so that the notification area exists.
hx_make_prefix() {
    hx_wine_env
    [ -f "$WINEPREFIX/$HX_PREFIX_READY" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    $HX_WINE wineboot -i >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    hx_reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
    # Japanese text falls back to IPA Gothic; the system's Japanese interface fonts are
    # proportional, so are their stand-ins, and captions take the width they take there.
    hx_reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Gothic' /d IPAGothic
    for f in 'MS UI Gothic' 'Meiryo UI' 'Yu Gothic UI' 'Meiryo'; do
        hx_reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d IPAPGothic
    done
    for f in System Tahoma 'Tahoma Bold'; do
        hx_reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$f" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic'
    done
    hx_reg 'HKCU\Software\Wine\Explorer' /v Desktop /d shell
    hx_reg 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x800
    wineserver -w
    touch "$WINEPREFIX/$HX_PREFIX_READY"
}

# The test endpoint stands in for the system's Core Audio enumerator in every process of the prefix.
hx_register_endpoint() { # path of the test endpoint DLL of the tested build
    local key='HKLM\Software\Classes\CLSID\{BCDE0395-E52F-467C-8E3D-C4579291692E}\InprocServer32'
    hx_reg "$key" /ve /d "$($HX_WINE winepath -w "$1")"
    hx_reg "$key" /v ThreadingModel /d Both
}

# One wineserver for the whole run, and one desktop process so GUI programs start fast.
hx_start_wine() {
    hx_wine_env
    wineserver -p &
    HX_WINESERVER_PID=$!
    $HX_WINE explorer /desktop=shell,1280x800 >/dev/null 2>&1 &
    sleep 1
}

hx_stop_wine() {
    hx_wine_env
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}

hx_stop_display() {
    [ -n "${HX_XVFB_PID:-}" ] && kill "$HX_XVFB_PID" 2>/dev/null && wait "$HX_XVFB_PID" 2>/dev/null
    HX_XVFB_PID=
}
