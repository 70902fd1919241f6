#!/usr/bin/env bash
# Makes the sound pack of the practice game: every file the client plays, laid
# out as the shared sound folder `common/` one level above the client's folder
# (for build/bin/vantry that is build/common/).
#
#   tools/soundgen/make-sounds.sh OUT_DIR      (OUT_DIR becomes .../common)
#
# Effects and music are synthesised with sox; the declaration and quick-phrase
# voices are spoken in Mandarin by espeak-ng, one voice for each voice name the
# client can give a player: "v27" + variant 10/20/30/40 + sex 1 with code 3
# (male) or sex 0 with code 2 (female). All files are 22050 Hz mono 16-bit PCM,
# and the output is the same on every run.
set -euo pipefail

final="${1:?usage: make-sounds.sh OUT_DIR}"
# Written aside and moved into place at the end: a pack is whole or absent.
out="$final.partial"
rm -rf "$out"
for tool in sox espeak-ng; do
  command -v "$tool" >/dev/null || { echo "make-sounds: $tool is not installed" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/music" "$out/pk" "$out/voices" "$out/vantry" "$out/tianjin"

# sox in repeatable mode (noise is the same on every run), our output format.
fx() { sox -R "$@"; }
format=(-r 22050 -c 1 -b 16 -e signed-integer)

# --- music -----------------------------------------------------------------
# A gentle pentatonic tune over a soft drone, about 13 s, made to loop.
notes=(E4 G4 A4 C5 D5 C5 A4 G4  E4 G4 A4 G4 E4 D4 E4 -
       G4 A4 C5 D5 E5 D5 C5 A4  G4 A4 C5 A4 G4 E4 D4 -
       E4 G4 A4 C5 A4 G4 E4 D4)
i=0
parts=()
for n in "${notes[@]}"; do
  f="$work/n$(printf %03d $i).wav"
  if [ "$n" = "-" ]; then
    fx -n "${format[@]}" "$f" trim 0 0.32
  else
    fx -n "${format[@]}" "$f" synth 0.32 pluck "$n" fade q 0.005 0.32 0.12 gain -9
  fi
  parts+=("$f")
  i=$((i + 1))
done
fx "${parts[@]}" "$work/melody.wav"
len="$(soxi -D "$work/melody.wav")"
fx -n "${format[@]}" "$work/drone.wav" synth "$len" sine A2 sine E3 remix 1,2 gain -26 tremolo 0.25 30
fx -m "$work/melody.wav" "$work/drone.wav" "${format[@]}" "$out/music/majiang.wav" reverb 30 gain -n -3

# The countdown tick of the last five seconds.
fx -n "${format[@]}" "$out/music/tishi.wav" synth 0.07 sine 1760 fade q 0.002 0.07 0.06 gain -6
# Part of the table of music files, though nothing plays them.
fx -n "${format[@]}" "$out/music/dapai.wav" synth 0.12 pinknoise highpass 1500 fade q 0.002 0.12 0.1 gain -8
fx -n "${format[@]}" "$out/music/qupai.wav" synth 0.1 sine 600-900 fade q 0.005 0.1 0.05 gain -8
fx -n "${format[@]}" "$out/music/xipai.wav" synth 0.5 brownnoise tremolo 18 80 fade q 0.02 0.5 0.1 gain -6
fx -n "${format[@]}" "$out/music/zhise.wav" synth 0.25 square 220-330 fade q 0.01 0.25 0.1 gain -16

# --- effects -----------------------------------------------------------------
# Dealing: a riffle of cards.
fx -n "${format[@]}" "$out/voices/sys010.wav" synth 0.7 pinknoise highpass 800 tremolo 22 90 \
  fade q 0.03 0.7 0.2 gain -6
# A card raised and lowered by a click.
fx -n "${format[@]}" "$out/pk/sys020.wav" synth 0.06 sine 900-1400 fade q 0.003 0.06 0.04 gain -8
fx -n "${format[@]}" "$out/pk/sys030.wav" synth 0.06 sine 1400-900 fade q 0.003 0.06 0.04 gain -8
# A play put on the table: a card slap.
fx -n "${format[@]}" "$out/pk/sys070.wav" synth 0.14 whitenoise gain -4 lowpass 3000 highpass 300 \
  fade q 0.001 0.14 0.12
# Pass: two falling notes.
fx -n "${format[@]}" "$work/pass1.wav" synth 0.12 triangle G5 fade q 0.005 0.12 0.05 gain -10
fx -n "${format[@]}" "$work/pass2.wav" synth 0.2 triangle D5 fade q 0.005 0.2 0.12 gain -10
fx "$work/pass1.wav" "$work/pass2.wav" "$out/pk/sys080.wav"
# Hint: a bright chime.
fx -n "${format[@]}" "$out/pk/sys110.wav" synth 0.5 sine E6 sine B6 remix 1,2 \
  fade q 0.003 0.5 0.45 gain -8
# Settlement: a rising fanfare.
parts=()
for n in C5 E5 G5 C6; do
  fx -n "${format[@]}" "$work/f$n.wav" synth 0.16 square "$n" gain -18 lowpass 2500 fade q 0.005 0.16 0.06
  parts+=("$work/f$n.wav")
done
fx -n "${format[@]}" "$work/fend.wav" synth 0.6 square C6 gain -18 lowpass 2500 fade q 0.005 0.6 0.4
fx "${parts[@]}" "$work/fend.wav" "$out/pk/sys150.wav" reverb 20

# --- voices --------------------------------------------------------------------
# Declarations by code, in upper-case hexadecimal as the client names them.
declare -A declarations=(
  [1]="不说话" [2]="找朋友" [4]="宣" [8]="摊" [10]="报" [20]="吃补助"
  [40]="舍" [80]="揣" [100]="反揣" [200]="跟" [400]="跟亮" [800]="摊报"
)
# Quick phrases by clip number; clip 100 is what the others hear for phrase 3.
phrases=(
  "" "想跑了是吧,全国都解放了!" "愣嘛神,相面了?" "泥儿他!" "介是嘛路?" "江湖险恶我先撤!"
  "嘛钱不钱的，乐呵乐呵得了!" "管生不管养啊?" "探头蛤儿蟆!" "都一波儿的是吗？" "来张舒服的!"
  "打得就是假一!" "还有料吗？" "三老四严啊!" "走你的我后手!" "就做你了!"
)

# speak VOICE PITCH SPEED TEXT FILE
speak() {
  espeak-ng -v "cmn+$1" -p "$2" -s "$3" -w "$work/say.wav" "$4"
  fx "$work/say.wav" "${format[@]}" "$5" gain -n -3
}

# Variant r = 0..3 gives "10", "20", "30", "40"; each has its own speaker.
male_voices=(m1 m3 m6 m7)
female_voices=(f1 f2 f3 f4)
pitches=(40 50 60 45)
for r in 0 1 2 3; do
  variant="$(( (r + 1) * 10 ))"
  for sex in 1 0; do
    if [ "$sex" = 1 ]; then code=3 voice="${male_voices[$r]}"; else code=2 voice="${female_voices[$r]}"; fi
    prefix="v27${variant}${sex}${code}"
    pitch="${pitches[$r]}"
    for hex in "${!declarations[@]}"; do
      speak "$voice" "$pitch" 150 "${declarations[$hex]}" "$out/vantry/${prefix}${hex}.wav"
    done
    for n in $(seq 1 15); do
      speak "$voice" "$pitch" 165 "${phrases[$n]}" "$out/tianjin/${prefix}a${n}.wav"
    done
    speak "$voice" "$pitch" 165 "${phrases[3]}" "$out/tianjin/${prefix}a100.wav"
  done
done

rm -rf "$final"
mv "$out" "$final"
echo "sound pack written to $final ($(find "$final" -name '*.wav' | wc -l) files)"
