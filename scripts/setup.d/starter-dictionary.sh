#!/usr/bin/env bash
# Builds the starter Spanish dictionary, deps/starter/default.dic, from openly
# licensed data installed by name (see resources/ATTRIBUTION-es.md):
#   - the quotes of Debian's fortunes-es (not fortunes-es-off), as running
#     prose: every fifth quote is kept out of training as the evaluation
#     text (deps/starter/eval.txt), the others are deps/starter/train.txt;
#   - the frequency-ranked word list of the npm package
#     @zxcvbn-ts/language-es-es (src/commonWords.json, from OpenSubtitles),
#     in NFC, as deps/starter/words.txt.
# The dictionary is learned by pelvok-train, built in build/ (or
# $PELVOK_STARTER_BUILD). Does nothing when everything is up to date.
set -euo pipefail
cd "$(dirname "$0")/../.."

words_package=@zxcvbn-ts/language-es-es@4.1.2
fortunes=/usr/share/games/fortunes/es
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

# The texts and the list, written anew only when they change.
python3 - "$fortunes" "$list" "$dest" <<'EOF'
import glob, json, os, re, sys, unicodedata

fortunes, word_list, dest = sys.argv[1:4]

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

write("train.txt", train)
write("eval.txt", evaluation)
write("words.txt", words)
print(f"starter-dictionary: {len(train)} quotes to learn, {len(evaluation)} to evaluate, "
      f"{len(words)} ranked words")
EOF

# The dictionary, learned anew when its inputs or the trainer change.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target pelvok-train -j2 >/dev/null
trainer=$build/tools/pelvok-train/pelvok-train
out=$dest/default.dic
if [[ -f $out && $out -nt $dest/train.txt && $out -nt $dest/words.txt && $out -nt $trainer ]]; then
  exit 0
fi
echo "starter-dictionary: learning $out"
"$trainer" "$dest/train.txt" --words "$dest/words.txt" --out "$out"
