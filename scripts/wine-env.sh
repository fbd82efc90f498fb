# Sourced: a private, quiet Wine prefix under build/ so runs do not depend on ~/.wine.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko download dialogs on first start; no menu entries on the host
# for the shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
