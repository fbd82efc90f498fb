# Sourced: a private, quiet Wine prefix under build/ so runs do not depend on ~/.wine.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko download dialogs on first start; no menu entries on the host
# for the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Where the kernel runs no 32-bit code, setup.sh hands i386 programs to
# qemu-i386. Its default 4 GiB guest space makes Wine's start-up probe every
# 64 KiB above 2 GiB (about a minute a process); just above the top Wine
# reserves for itself, with room for the emulator's stack, it takes seconds.
export QEMU_RESERVED_VA=0x84000000
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
