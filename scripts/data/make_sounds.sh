#!/bin/sh
# Synthesises the six event sounds into data/Sound/ with sox: 16-bit PCM mono, 22050 Hz.
# Each sound is short and has its own character, so the user can tell the events apart by ear.
# Rerun after changing a recipe: sh scripts/data/make_sounds.sh
set -eu

out="$(cd "$(dirname "$0")/../.." && pwd)/data/Sound"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# -R keeps the noise generator repeatable, so a rerun gives the same bytes.
synth() { sox -R -n -r 22050 -c 1 -b 16 -e signed-integer "$@"; }

# A key click: a 25 ms tick of filtered noise with a fast decay.
synth "$out/KeyBoard.wav" synth 0.025 pinknoise highpass 1500 lowpass 6000 \
    fade q 0.001 0.025 0.022 gain -n -12

# A phrase is sent: a soft rising two-note blip.
synth "$tmp/a.wav" synth 0.07 sine 660 fade q 0.005 0.07 0.04
synth "$tmp/b.wav" synth 0.09 sine 880 fade q 0.005 0.09 0.07
sox -R "$tmp/a.wav" "$tmp/b.wav" "$out/Button3.wav" gain -n -6

# The layout is converted: a quick swoosh upwards.
synth "$out/Button2.wav" synth 0.18 sine 400-1200 fade q 0.01 0.18 0.1 gain -n -8

# A dialogue begins: a bright major arpeggio with a ringing tail.
for note in 523.25:0 659.25:0.09 783.99:0.18 1046.5:0.27; do
    freq=${note%%:*}
    delay=${note##*:}
    synth "$tmp/n$freq.wav" synth 0.45 pluck "$freq" fade q 0.003 0.45 0.35 pad "$delay"
done
sox -R -m "$tmp"/n*.wav "$out/Button1.wav" lowpass 3500 gain -n -6 trim 0 0.72

# Besedka speaks: a gentle bell chord.
synth "$tmp/bell.wav" synth 0.35 sine 784 sine 1175 remix 1,2 fade q 0.005 0.35 0.3
synth "$tmp/low.wav" synth 0.35 sine 587 fade q 0.005 0.35 0.3 pad 0.08
sox -R -m "$tmp/bell.wav" "$tmp/low.wav" "$out/CpuSound.wav" gain -n -6 trim 0 0.43

# Closing: a tone gliding down and fading out.
synth "$out/Close.wav" synth 1.4 sine 880-330 tremolo 6 20 fade q 0.02 1.4 0.8 gain -n -8
