#!/bin/sh
# Draws the program's icon for the applications menu: a scalable SVG and PNGs at the usual sizes
# of the hicolor theme, under packaging/icons/. The drawing is a gazebo in a speech bubble, in the
# colours of the about-window picture, with a small bubble answering. PNGs are rendered with
# rsvg-convert (Debian package librsvg2-bin).
# Rerun after changing the drawing: sh scripts/data/make_icons.sh
set -eu

icons="$(cd "$(dirname "$0")/../.." && pwd)/packaging/icons/hicolor"
svg="$icons/scalable/apps/besedka.svg"
mkdir -p "$(dirname "$svg")"

cat > "$svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2b5f8f"/>
      <stop offset="1" stop-color="#7fb3d5"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="44" fill="url(#sky)"/>
  <path d="M52 30H204A28 28 0 0 1 232 58V150A28 28 0 0 1 204 178H106L62 216L72 178H52
           A28 28 0 0 1 24 150V58A28 28 0 0 1 52 30Z"
        fill="#ffffff" stroke="#1d4466" stroke-width="6" stroke-linejoin="round"/>
  <g fill="#1d4466">
    <circle cx="128" cy="48" r="7"/>
    <path d="M128 52Q150 88 196 100L60 100Q106 88 128 52Z"/>
    <rect x="74" y="100" width="11" height="56"/>
    <rect x="122.5" y="100" width="11" height="56"/>
    <rect x="171" y="100" width="11" height="56"/>
    <rect x="74" y="130" width="108" height="7"/>
    <rect x="60" y="154" width="136" height="11" rx="4"/>
  </g>
  <path d="M170 178H222A20 20 0 0 1 242 198V214A20 20 0 0 1 222 234H214L220 248L196 234H170
           A20 20 0 0 1 150 214V198A20 20 0 0 1 170 178Z"
        fill="#fff3c4" stroke="#8a6d1d" stroke-width="5" stroke-linejoin="round"/>
  <g fill="#8a6d1d">
    <circle cx="176" cy="206" r="6"/>
    <circle cx="196" cy="206" r="6"/>
    <circle cx="216" cy="206" r="6"/>
  </g>
</svg>
SVG

for size in 16 22 24 32 48 64 128 256 512; do
    png="$icons/${size}x${size}/apps/besedka.png"
    mkdir -p "$(dirname "$png")"
    rsvg-convert --width "$size" --height "$size" --output "$png" "$svg"
done
