#!/usr/bin/env bash
# Renders a document or plan with kovel-cli and compares the PNG with its reference image.
# Usage: check_render.sh KOVEL_CLI COMPARE INPUT REFERENCE_PNG OUT_DIR WxH
set -euo pipefail
cli="$1" compare="$2" input="$3" reference="$4" out="$5" size="$6"
name="$(basename "$reference" .png)"
mkdir -p "$out"
rm -f "$out/$name.png" "$out/$name-diff.png"
"$cli" render "$input" -o "$out/$name.png" --size "$size"
"$compare" "$out/$name.png" "$reference" "$out/$name-diff.png"
