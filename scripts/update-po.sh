#!/usr/bin/env bash
# The translations of the menu entry and of the description software centres show (po/):
# rewrites po/mirel.pot from packaging/mirel.desktop.in and packaging/mirel.metainfo.xml.in
# and brings every language po/LINGUAS names up to date with it. With --check it changes
# nothing and fails when a language misses a translation of today's English (or has only a
# fuzzy one), when a .po file is not in po/LINGUAS, or when a .po file does not compile.
#   scripts/update-po.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."

# AppStream's own rules for what a description translates (Debian's appstream package):
# gettext's older copy leaves the keywords and the release notes out.
its=/usr/share/gettext/its/metainfo.its
[ -f "$its" ] || { echo "no $its (Debian package appstream)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
pot="$scratch/mirel.pot"
# The menu entry's name and the description's <name> are the game's name, the same in every
# language: only the other texts are for translating.
xgettext --from-code=UTF-8 --add-location=file \
  -k -kGenericName -kComment -kKeywords -o "$pot" packaging/mirel.desktop.in
xgettext --add-location=file -j --its="$its" -o "$pot" packaging/mirel.metainfo.xml.in
sed -i -e "1s/.*/# The English texts of Mirel's menu entry and description, for translating./" \
  -e '2s/.*/# Copyright the Mirel developers/' \
  -e '3s/.*/# This file is distributed under the same licence as Mirel./' -e 4d \
  -e 's/PACKAGE VERSION/mirel/' -e 's/charset=CHARSET/charset=UTF-8/' "$pot"
msggrep --invert-match --msgid --regexp='^Mirel$' -o "$pot.new" "$pot" && mv "$pot.new" "$pot"

mapfile -t languages < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' po/LINGUAS)

if [ "${1:-}" = --check ]; then
  failed=0
  listed=" ${languages[*]} "
  for po in po/*.po; do
    [[ "$listed" == *" $(basename "$po" .po) "* ]] ||
      { echo "$po: not in po/LINGUAS, so never installed"; failed=1; }
  done
  for lang in "${languages[@]}"; do
    msgfmt --check -o /dev/null "po/$lang.po" || failed=1
    # msgcmp counts neither an empty nor a fuzzy translation. The translations kept for
    # texts the English no longer has (#~) wait for them to come back: not a fault.
    msgattrib --no-obsolete "po/$lang.po" | msgcmp - "$pot" || { echo "po/$lang.po lags behind the English"; failed=1; }
  done
  exit "$failed"
fi

cp "$pot" po/mirel.pot
for lang in "${languages[@]}"; do
  if [ -f "po/$lang.po" ]; then
    msgmerge --quiet --update --backup=none --add-location=file "po/$lang.po" po/mirel.pot
  else
    msginit --no-translator --locale="$lang.UTF-8" -i po/mirel.pot -o "po/$lang.po"
  fi
done
