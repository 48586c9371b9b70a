#!/usr/bin/env bash
# The PDF manual's text layer holds what its pages show, so that searching and copying work:
# key names and numbers after Latin letters, kanji as kanji (not as radicals that share their
# glyph), and no heading left alone at a page's foot.
set -euo pipefail
manual="$1/Help/HowToUse2.pdf"
source_html="$2"
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v pdftotext >/dev/null || { echo "SKIP: pdftotext is not installed (./test.sh installs it)"; exit 77; }
[ -f "$manual" ] || fail "no $manual"

text=$(pdftotext "$manual" -)
for words in F9 F8 F3 UTF-8 UTF-16 "Q1." "Q12." 入力エリア 発音記号 "タイトル・グループ"; do
  grep -qF -- "$words" <<<"$text" || fail "the text layer lacks \"$words\""
done
! grep -qP '[\x{2E80}-\x{2FDF}]' <<<"$text" || fail "radicals instead of kanji: $(grep -oP '.{0,8}[\x{2E80}-\x{2FDF}].{0,8}' <<<"$text" | head -3)"

# The headings: the chapters of the source and the questions of the Q&A.
headings=$(sed -n 's:.*<h[12]>\(.*\)</h[12]>.*:\1:p' "$source_html" | sed 's/&amp;/\&/g')
pages=$(pdfinfo "$manual" | awk '/^Pages:/ {print $2}')
for ((page = 1; page <= pages; page++)); do
  # The page's last line of text, the page number aside.
  last=$(pdftotext -f "$page" -l "$page" "$manual" - | grep -v '^[[:space:]]*$' | grep -vx '[0-9]*' | tail -n 1)
  if grep -qxF -- "$last" <<<"$headings" || grep -qE '^Q[0-9]+\. ' <<<"$last"; then
    fail "page $page ends with the heading \"$last\""
  fi
done
echo "PASS"
