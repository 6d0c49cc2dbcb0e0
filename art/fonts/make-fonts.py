#!/usr/bin/python3
"""Makes the lettering faces kept in art/fonts/ beside Debian's Dancing Script 1.2.

    art/fonts/make-fonts.py DANCING_SCRIPT_NPM_DIR MARCK_SCRIPT_NPM_DIR WENKAI_BOLD_TTF

The first two are unpacked `npm pack` tarballs of @fontsource/dancing-script and
@fontsource/marck-script (their package/files/ folder holds one woff2 per Unicode block); the
third is LXGWWenKai-Bold.ttf from Debian's fonts-lxgw-wenkai. Needs python3-fonttools and
python3-brotli. Writes:

- MirelScriptLatin-Bold.ttf: Dancing Script 2.001 Bold, latin + latin-ext in one file, named
  "Mirel Script Latin" so that it does not clash with Debian's Dancing Script;
- MirelScriptCyrillic-Regular.ttf: Marck Script, latin + latin-ext + cyrillic in one file;
- MirelScriptCJK-Bold.ttf: LXGW WenKai Bold cut down to the characters the Japanese and
  Chinese pictures use (the "Pictures" texts of i18n/mirel_ja.ts and mirel_zh_CN.ts) and the
  digits and basic punctuation. Run it again when those translations gain a character: the
  build's lettering test fails until the face has it.
"""
import os
import sys
import xml.etree.ElementTree as ET

from fontTools import subset
from fontTools.merge import Merger
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
I18N = os.path.join(HERE, "..", "..", "i18n")


def rename(font, family):
    # Family, full name and PostScript name; the style stays.
    style = font["name"].getDebugName(2) or "Regular"
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (4, 18):
            record.string = f"{family} {style}"
        elif record.nameID == 6:
            record.string = family.replace(" ", "") + "-" + style
        elif record.nameID == 3:
            record.string = f"{family.replace(' ', '')}-{style};mirel"
    return font


def merged(paths, family, out):
    fonts = []
    for p in paths:
        f = TTFont(p, recalcTimestamp=False)
        f.flavor = None
        tmp = out + "." + os.path.basename(p) + ".ttf"
        f.save(tmp)
        fonts.append(tmp)
    font = Merger().merge(fonts)
    source = TTFont(paths[0])["head"]
    font["head"].created, font["head"].modified = source.created, source.modified
    for tmp in fonts:
        os.remove(tmp)
    rename(font, family)
    # The same inputs make the same bytes: the sources' dates, not today's.
    font.recalcTimestamp = False
    font.save(out)


def picture_texts(language):
    tree = ET.parse(os.path.join(I18N, f"mirel_{language}.ts"))
    for context in tree.getroot().iter("context"):
        if context.findtext("name") != "Pictures":
            continue
        for message in context.iter("message"):
            yield message.findtext("translation") or ""


def main(dancing, marck, wenkai):
    files = lambda d: os.path.join(d, "package", "files")
    merged([os.path.join(files(dancing), f"dancing-script-{b}-700-normal.woff2")
            for b in ("latin", "latin-ext")],
           "Mirel Script Latin", os.path.join(HERE, "MirelScriptLatin-Bold.ttf"))
    merged([os.path.join(files(marck), f"marck-script-{b}-400-normal.woff2")
            for b in ("latin", "latin-ext", "cyrillic")],
           "Mirel Script Cyrillic", os.path.join(HERE, "MirelScriptCyrillic-Regular.ttf"))

    chars = set("0123456789#%!?.,:;-()'\"")
    for language in ("ja", "zh_CN"):
        for text in picture_texts(language):
            chars |= {c for c in text if not c.isspace()}
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.hinting = False
    font = TTFont(wenkai)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(chars)))
    subsetter.subset(font)
    rename(font, "Mirel Script CJK")
    font.recalcTimestamp = False
    font.save(os.path.join(HERE, "MirelScriptCJK-Bold.ttf"))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
