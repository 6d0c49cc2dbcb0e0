#!/usr/bin/env bash
# Installs the built game into a scratch folder and checks what a desktop needs of it: the
# program with its sounds and its sound player, the link that starts it, the menu entry, the icons and the
# software-centre description; that the game starts both through the link and through the
# menu entry, and loads its sound player from beside itself without a word; and that the files the install lists are all it left behind.
#
#   InstallTest.sh BUILD_DIR SOURCE_DIR PROGRAM_DIR BIN_DIR DATA_DIR APP_ID SOUND_FILES
#
# SOUND_FILES: the names of the game's sounds, as the build lists them (";" between).
set -uo pipefail

build=$1 source=$2 program_dir=$3 bin_dir=$4 data_dir=$5 id=$6
IFS=";" read -r -a sounds <<<"$7"
scratch=$(mktemp -d)
# A space, a quote and a dollar sign: the menu entry has to escape them to start the game.
prefix="$scratch/Mirel's \$games"
manifest="$build/install_manifest.txt"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

program="$prefix/$program_dir/mirel"
link="$prefix/$bin_dir/mirel"
desktop="$prefix/$data_dir/applications/$id.desktop"
metainfo="$prefix/$data_dir/metainfo/$id.metainfo.xml"

# Running copies of the installed game, found by the file they run: only this test's.
game_pids() {
    local d
    for d in /proc/[0-9]*; do
        [ "$d/exe" -ef "$program" ] && echo "${d#/proc/}"
    done
}

# Installing rewrites the build's list of installed files, which uninstalling a real
# install of this build relies on: keep it.
if [ -e "$manifest" ] && [ ! -w "$manifest" ]; then
    echo "FAIL: $manifest is not ours to replace (installed with sudo?); cannot install"
    rm -rf "$scratch"
    exit 1
fi
if [ -e "$manifest" ]; then cp -p "$manifest" "$scratch/manifest.kept"; fi
cleanup() {
    local pid
    for pid in $(game_pids); do kill -KILL "$pid" 2>/dev/null; done
    if [ -e "$scratch/manifest.kept" ]; then
        cp -p "$scratch/manifest.kept" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
cp "$manifest" "$scratch/manifest"

# The program, and the link beside the other programs on PATH.
if [ ! -f "$program" ] || [ -L "$program" ] || [ ! -x "$program" ]; then
    fail "$program_dir/mirel is not an executable file"
fi
if [ ! -L "$link" ]; then
    fail "$bin_dir/mirel is not a symbolic link"
else
    case "$(readlink "$link")" in
    /*) fail "$bin_dir/mirel points at an absolute path: $(readlink "$link")" ;;
    esac
    [ "$(readlink -f "$link")" = "$program" ] ||
        fail "$bin_dir/mirel leads to '$(readlink -f "$link")', not the program"
fi

# The sounds, where the game looks for them: beside the program the link leads to.
if [ -d "$source/sound/wav" ]; then
    [ "${#sounds[@]}" -gt 0 ] || fail "no sounds named to look for"
    for sound in "${sounds[@]}"; do
        [ -f "$(dirname "$(readlink -f "$link")")/$sound" ] ||
            fail "$sound is not beside the program"
    done
else
    echo "SKIP: the sounds are not in the source tree yet (no sound/wav/); not checking that" \
        "they lie beside the program"
fi

# The sound player, which the game loads from beside itself once its window is up when sound
# is on.
module="$(dirname "$program")/mirel-sound.so"
[ -f "$module" ] || fail "mirel-sound.so is not beside the program"

# Icons: PNGs of the size their folder names.
png_size() { # file -> "WIDTHxHEIGHT", or nothing when it is not a PNG
    local b
    read -ra b <<<"$(od -An -v -tu1 -N24 "$1" | tr '\n' ' ')"
    [ "${b[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || return 0
    echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/$data_dir/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
    elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
        fail "the ${size}x${size} icon is '$(png_size "$icon")'"
    fi
done

[ -f "$prefix/$data_dir/man/man6/mirel.6" ] || fail "no manual page man6/mirel.6"

# The menu entry and the description, valid and naming each other and the icon.
if [ ! -f "$desktop" ]; then
    fail "no menu entry $id.desktop"
else
    desktop-file-validate "$desktop" || fail "desktop-file-validate $id.desktop"
    grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not show the icon $id"
fi
if [ ! -f "$metainfo" ]; then
    fail "no description $id.metainfo.xml"
else
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $id.metainfo.xml"
    grep -q "<id>$id</id>" "$metainfo" || fail "the description's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the description does not name the menu entry $id.desktop"
fi

# Every language po/LINGUAS names: translated from today's English, and in both files.
bash "$source/scripts/update-po.sh" --check ||
    fail "a language's translation is not up to date with the English (scripts/update-po.sh)"
while read -r lang; do
    grep -q "^GenericName\[$lang\]=." "$desktop" && grep -q "^Comment\[$lang\]=." "$desktop" &&
        grep -q "^Keywords\[$lang\]=." "$desktop" ||
        fail "the menu entry lacks its $lang texts"
    # Keywords and release notes are translated only under AppStream's own rules.
    grep -q "<summary xml:lang=\"$lang\">" "$metainfo" && grep -q "<keyword xml:lang=\"$lang\">" "$metainfo" ||
        fail "the description lacks its $lang texts"
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$source/po/LINGUAS")
# The same languages for what the game says: i18n/mirel_<language>.ts each, holding every
# text of today's code, each translated. lupdate, run as the build's update_translations
# does but into copies, marks a text the code has and a file lacks as unfinished.
ts_copies="$scratch/ts"
mkdir -p "$ts_copies"
while read -r lang; do
    cp "$source/i18n/mirel_$lang.ts" "$ts_copies/" || fail "no i18n/mirel_$lang.ts for the game's words"
done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$source/po/LINGUAS")
mapfile -t lupdate_arguments <"$build/lupdate-arguments"
if "$(qtpaths6 --query QT_HOST_BINS)/lupdate" -silent "${lupdate_arguments[@]}" -ts "$ts_copies"/*.ts; then
    for ts in "$ts_copies"/*.ts; do
        ! grep -q 'type="unfinished"' "$ts" ||
            fail "i18n/$(basename "$ts") lacks a translation of the game's words (cmake --build build --target update_translations)"
    done
else
    fail "lupdate could not read the game's words"
fi
grep -qx 'Comment\[uk\]=Очистіть поле, прибираючи групи однакових фішок' "$desktop" ||
    fail "the menu entry's Ukrainian comment is not the one po/uk.po holds"

# Starting the game, with nothing of the user's but sound switched on: it must still be
# running after a second, have loaded its sound player, and end on SIGTERM.
home="$scratch/home"
mkdir -p "$home/.config/Mirel" "$home/run"
printf '[Settings]\nSound=1\n' >"$home/.config/Mirel/Mirel.conf"
chmod 700 "$home/run"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run"
export QT_QPA_PLATFORM=offscreen

running() { [ "/proc/$1/exe" -ef "$program" ]; } # a zombie has no exe

running_for_a_second() { # how it was started; the game must be started already
    local pid
    for _ in $(seq 600); do
        pid=$(game_pids | head -n 1)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    if [ -z "$pid" ]; then
        fail "started $1, the game never ran"
        return
    fi
    sleep 1
    if ! running "$pid"; then
        fail "started $1, the game stopped within a second"
        return
    fi
    local loaded=""
    for _ in $(seq 600); do
        grep -qF " $module" "/proc/$pid/maps" 2>/dev/null && loaded=1 && break
        sleep 0.1
    done
    [ -n "$loaded" ] ||
        fail "started $1, the game did not load its sound player $program_dir/mirel-sound.so"
    kill -TERM "$pid"
    for _ in $(seq 600); do
        running "$pid" || return 0
        sleep 0.1
    done
    fail "started $1, the game did not end on SIGTERM"
}

timeout 300 "$link" >"$scratch/game.log" 2>&1 &
running_for_a_second "through $bin_dir/mirel"
wait $! 2>/dev/null

# As a desktop starts it from the menu, which reads the entry's own command line.
if ! command -v gio >/dev/null; then
    fail "gio is missing (Debian package libglib2.0-bin): cannot start the menu entry"
elif [ -f "$desktop" ]; then
    if gio launch "$desktop" >"$scratch/menu.log" 2>&1 </dev/null; then
        running_for_a_second "from the menu entry"
    else
        fail "gio launch $id.desktop: $(cat "$scratch/menu.log")"
    fi
fi
if [ -s "$scratch/game.log" ]; then
    echo "The game said:"
    cat "$scratch/game.log"
fi
# Qt Multimedia may say that there is no audio server; the game itself has nothing to say.
if grep -q '^Mirel: no sound' "$scratch/game.log" "$scratch/menu.log" 2>/dev/null; then
    fail "the installed game could not use its sound player"
fi

# Uninstalling as the README says: what the list names is everything installed.
xargs -d '\n' rm -f <"$scratch/manifest"
left=$(find "$prefix" ! -type d)
[ -z "$left" ] || fail "removing the listed files left: $left"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed, started and removed cleanly"
