#!/usr/bin/env bash
# Builds the starter Spanish dictionary, deps/starter/default.dic, from openly
# licensed data installed by name (see resources/ATTRIBUTION-es.md):
#   - the quotes of Debian's fortunes-es (not fortunes-es-off), as running
#     prose: every fifth quote is kept out of training as the evaluation
#     text (deps/starter/eval.txt), the others are deps/starter/train.txt;
#   - the frequency-ranked word list of the npm package
#     @zxcvbn-ts/language-es-es (src/commonWords.json, from OpenSubtitles),
#     in NFC, as deps/starter/words.txt;
#   - the Reina-Valera Bible of 1909 (Debian's sword-text-sparv, read with
#     diatheke), in today's spelling: a few books, never learned, are the
#     everyday texts of the evaluation, by kind (deps/starter/eval-*.txt);
#     the books in $bible_training are learned (deps/starter/biblia.txt);
#   - the Spanish translation of the campaigns of Battle for Wesnoth (Debian's
#     wesnoth-1.16-* packages, only downloaded and unpacked, never installed):
#     today's dialogue and narration, learned (deps/starter/wesnoth.txt)
#     without the sentences that name the game's world;
#   - the Spanish translation of the dialogues of FreedroidRPG (Debian's
#     freedroidrpg-data, likewise): today's conversation, never learned, the
#     dialogue of the evaluation (deps/starter/eval-dialogo.txt), from
#     another game than the one learned.
# The dictionary is learned by pelvok-train, built in build/ (or
# $PELVOK_STARTER_BUILD). Does nothing when everything is up to date.
set -euo pipefail
cd "$(dirname "$0")/../.."

words_package=@zxcvbn-ts/language-es-es@4.1.2
fortunes=/usr/share/games/fortunes/es
# Books of the Bible learned into the starter (names as diatheke gives them).
bible_training="Proverbs,Ecclesiastes"
# The campaigns of Wesnoth, by package.
wesnoth_campaigns=(did dm dw ei httt l low nr sof sota sotbe thot trow tsg ttb utbs)
dest=deps/starter
build=${PELVOK_STARTER_BUILD:-build}

[[ -d $fortunes ]] || { echo "starter-dictionary: $fortunes is missing (fortunes-es)" >&2; exit 1; }
mkdir -p "$dest"

# The word list, fetched once.
list=deps/zxcvbn-es/package/src/commonWords.json
if [[ ! -f $list ]]; then
  command -v npm >/dev/null || { echo "starter-dictionary: npm is missing" >&2; exit 1; }
  rm -rf deps/zxcvbn-es.tmp
  mkdir -p deps/zxcvbn-es.tmp
  echo "starter-dictionary: fetching $words_package"
  (cd deps/zxcvbn-es.tmp && npm pack --silent "$words_package" >/dev/null)
  tar -xzf deps/zxcvbn-es.tmp/*.tgz -C deps/zxcvbn-es.tmp
  rm -rf deps/zxcvbn-es
  mv deps/zxcvbn-es.tmp deps/zxcvbn-es
fi

# The Bible as diatheke prints it, one verse a line, exported once.
bible=deps/bible/rv1909.txt
if [[ ! -s $bible ]]; then
  command -v diatheke >/dev/null || { echo "starter-dictionary: diatheke is missing" >&2; exit 1; }
  mkdir -p deps/bible
  diatheke -b spaRV1909eb -f plaintext -k "Gen 1:1-Rev 22:21" >"$bible.tmp"
  mv "$bible.tmp" "$bible"
fi

# unpack_catalogues DIR LICENCE PATTERN PACKAGE...: downloads the Debian
# packages (never installs them) and unpacks, once, the files matching
# PATTERN and the copyright files into DIR; stops unless every copyright
# file still says LICENCE, since only text whose licence was checked is used.
unpack_catalogues() {
  local dir=$1 licence=$2 pattern=$3
  shift 3
  [[ -f $dir/complete ]] && return 0
  rm -rf "$dir.tmp"
  mkdir -p "$dir.tmp"
  echo "starter-dictionary: fetching $*"
  if ! (cd "$dir.tmp" && apt-get download -q "$@" >/dev/null 2>&1); then
    # The package lists may be missing or out of date on a new machine.
    local sudo_cmd=""
    [[ $(id -u) -ne 0 ]] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -q >/dev/null
    (cd "$dir.tmp" && apt-get download -q "$@" >/dev/null)
  fi
  local deb package
  for deb in "$dir.tmp"/*.deb; do
    dpkg-deb --fsys-tarfile "$deb" |
      tar -x -C "$dir.tmp" --wildcards "$pattern" './usr/share/doc/*/copyright'
  done
  for package in "$@"; do
    grep -q "$licence" "$dir.tmp/usr/share/doc/$package/copyright" ||
      { echo "starter-dictionary: $package no longer says \"$licence\"" >&2; exit 1; }
  done
  rm -f "$dir.tmp"/*.deb
  touch "$dir.tmp/complete"
  rm -rf "$dir"
  mv "$dir.tmp" "$dir"
}

wesnoth=deps/wesnoth
unpack_catalogues "$wesnoth" "GNU General Public License version 2" \
  './usr/share/games/wesnoth/*/locale/es/*' "${wesnoth_campaigns[@]/#/wesnoth-1.16-}"
freedroid=deps/freedroidrpg
unpack_catalogues "$freedroid" "License: GPL-2+" \
  './usr/share/locale/es/LC_MESSAGES/freedroidrpg-dialogs.mo' freedroidrpg-data

# The texts and the list, written anew only when they change.
python3 - "$fortunes" "$list" "$dest" "$bible" "$bible_training" "$wesnoth" "$freedroid" <<'EOF'
import collections, gettext, glob, json, os, re, sys, unicodedata

fortunes, word_list, dest, bible, bible_training, wesnoth, freedroid = sys.argv[1:8]

def quotes(path):
    """The text of each quote of a fortune file, its attribution left out."""
    with open(path, encoding="utf-8", errors="replace") as f:
        entries = f.read().split("\n%\n")
    for entry in entries:
        lines = []
        for line in entry.split("\n"):
            # "-- Author" closes a quote; what follows it is the attribution.
            if re.match(r"\s*--\s", line) or line.strip() == "--":
                break
            lines.append(line)
        text = " ".join(" ".join(lines).split())
        # Escape sequences and other control characters are not text.
        text = "".join(c for c in text if c >= " ")
        text = unicodedata.normalize("NFC", text).strip()
        if text and text != "%":
            yield text

all_quotes = []
for path in sorted(glob.glob(os.path.join(fortunes, "*.fortunes"))):
    all_quotes.extend(quotes(path))

# The fixed fifth: every quote whose index is 4 modulo 5.
train = [q for i, q in enumerate(all_quotes) if i % 5 != 4]
evaluation = [q for i, q in enumerate(all_quotes) if i % 5 == 4]

with open(word_list, encoding="utf-8") as f:
    words = [unicodedata.normalize("NFC", w).strip() for w in json.load(f)]
words = [w for w in words if w]

def write(name, lines):
    path = os.path.join(dest, name)
    text = "".join(line + "\n" for line in lines)
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path + ".tmp", "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(path + ".tmp", path)

# The 1909 spelling, where today's differs in frequent words: the one-letter
# words a, o, e without their accent, fue, dio, vio, fui, di, vi, pie, and
# the demonstratives without theirs.
MODERN = {"á": "a", "Á": "A", "ó": "o", "Ó": "O", "é": "e", "É": "E", "ú": "u",
          "fué": "fue", "Fué": "Fue", "fuí": "fui", "dió": "dio", "Dió": "Dio", "vió": "vio",
          "Vió": "Vio", "dí": "di", "Dí": "Di", "ví": "vi", "pié": "pie", "piés": "pies"}
for w in ["éste", "ésta", "éstos", "éstas", "ése", "ésa", "ésos", "ésas",
          "aquél", "aquélla", "aquéllos", "aquéllas"]:
    MODERN[w] = w.replace("é", "e")
    MODERN[w.capitalize()] = w.replace("é", "e").capitalize()

verses = []  # (book, chapter, text)
with open(bible, encoding="utf-8") as f:
    for line in f:
        m = re.match(r"^(.+?) (\d+):(\d+): (.*)$", line)
        if not m:
            continue
        text = re.sub(r"<[^>]*>", "", m.group(4))
        text = unicodedata.normalize("NFC", " ".join(text.split()))
        text = re.sub(r"\w+", lambda w: MODERN.get(w.group(0), w.group(0)), text)
        # A chapter opens with its first word in capitals.
        text = re.sub(r"^([A-ZÁÉÍÓÚÑ]{2,})\b", lambda w: w.group(1).capitalize(), text)
        if text:
            verses.append((m.group(1), int(m.group(2)), text))

# Everyday kinds held out of all training: a narrative, letters, and
# conversations (two chapters of John; no book of John is learned).
held_out = {
    "narracion": lambda b, c: b in ("Ruth", "Jonah"),
    "cartas": lambda b, c: b in ("Philemon", "II John", "III John", "I Thessalonians", "Titus"),
    "conversacion": lambda b, c: b == "John" and c in (4, 9),
}
never_learned = {"Ruth", "Jonah", "Philemon", "II John", "III John", "I Thessalonians", "Titus",
                 "John"}
learned_books = [b for b in bible_training.split(",") if b]
for b in learned_books:
    if b in never_learned:
        sys.exit(f"starter-dictionary: {b} is held out for the evaluation")
if not verses:
    sys.exit("starter-dictionary: no verse in " + bible)

def catalogue_lines(path):
    """The paragraphs of a game's Spanish catalogue that are prose: three
    words or more, no number (the game's rules: "+1 de movimiento"), the
    untranslated English and the markup left out."""
    with open(path, "rb") as f:
        catalogue = gettext.GNUTranslations(f)._catalog
    for original, translated in catalogue.items():
        # The header, and plural forms, which are the game's counters.
        if not original or isinstance(original, tuple):
            continue
        if translated.strip() == original.strip() and len(original.split()) > 1:
            continue
        text = re.sub(r"<[^>]*>", " ", translated)
        # Names the game fills in ($unit.name, {VARIABLE}, %s) are not words.
        text = re.sub(r"\$[\w|.]+\|?", " ", text)
        text = re.sub(r"%[-+0-9.]*[sdf]", " ", text)
        text = re.sub(r"\{[^}]*\}", " ", text)
        for paragraph in text.split("\n"):
            paragraph = unicodedata.normalize("NFC", " ".join(paragraph.split()))
            paragraph = "".join(c for c in paragraph if c >= " ")
            if len(paragraph.split()) >= 3 and not re.search(r"[0-9]", paragraph):
                yield paragraph

campaigns = sorted(glob.glob(os.path.join(wesnoth, "usr/share/games/wesnoth/*/locale/es/LC_MESSAGES/wesnoth-*.mo")))
dialogs = os.path.join(freedroid, "usr/share/locale/es/LC_MESSAGES/freedroidrpg-dialogs.mo")
if not campaigns or not os.path.exists(dialogs):
    sys.exit("starter-dictionary: a Spanish catalogue is missing in " + wesnoth + " or " + freedroid)

def words_of(text):
    return re.findall(r"[^\W\d_]+", text.lower())

def without_the_games_world(paragraphs, ranked):
    """The paragraphs without the sentences that name the game's world: its
    people, races and places (orcos, elfos, Konrad) are no one's everyday
    words, and would head the keys for "or" and "el". Such a word is one the
    game uses over 100 times as often as Zipf's law on the ranked list (a
    share of 0.1 / rank) expects of everyday Spanish, and that the list
    does not hold among its 2,000 most frequent words (a word it lacks
    counts as ranked 100,000)."""
    rank = {}
    for i, w in enumerate(ranked):
        rank.setdefault(w.lower(), i + 1)
    counts = collections.Counter(w for p in paragraphs for w in words_of(p))
    total = sum(counts.values())
    unlisted = 100000
    world = {w for w, n in counts.items()
             if len(w) >= 3 and n >= 5 and rank.get(w, unlisted) > 2000 and
             n > 100 * total * 0.1 / rank.get(w, unlisted)}
    kept = []
    for paragraph in paragraphs:
        sentences = [s for s in re.split(r"(?<=[.!?…])\s+", paragraph)
                     if not world.intersection(words_of(s))]
        if sentences:
            kept.append(" ".join(sentences))
    return kept

dialogue_learned = without_the_games_world(
    [line for path in campaigns for line in catalogue_lines(path)], words)
dialogue_held_out = list(catalogue_lines(dialogs))

write("train.txt", train)
write("eval.txt", evaluation)
write("words.txt", words)
for kind, chosen in held_out.items():
    write(f"eval-{kind}.txt", [t for b, c, t in verses if chosen(b, c)])
write("biblia.txt", [t for b, c, t in verses if b in learned_books])
write("wesnoth.txt", dialogue_learned)
write("eval-dialogo.txt", dialogue_held_out)
print(f"starter-dictionary: {len(train)} quotes to learn, {len(evaluation)} to evaluate, "
      f"{len(words)} ranked words, books {bible_training or 'none'} of the Bible to learn, "
      f"{len(dialogue_learned)} paragraphs of Wesnoth to learn, "
      f"{len(dialogue_held_out)} of FreedroidRPG to evaluate")
EOF

# The dictionary, learned anew when its inputs or the trainer change.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target pelvok-train -j2 >/dev/null
trainer=$build/tools/pelvok-train/pelvok-train
out=$dest/default.dic
if [[ -f $out && $out -nt $dest/train.txt && $out -nt $dest/biblia.txt && $out -nt $dest/words.txt &&
      $out -nt $dest/wesnoth.txt && $out -nt $trainer ]]; then
  exit 0
fi
# The fortunes twice: the game's dialogue, longer than they are, would
# otherwise outweigh the style of everyday sayings.
texts=("$dest/train.txt" "$dest/train.txt")
[[ -s $dest/biblia.txt ]] && texts+=("$dest/biblia.txt")
texts+=("$dest/wesnoth.txt")
echo "starter-dictionary: learning $out"
"$trainer" "${texts[@]}" --words "$dest/words.txt" --out "$out"
