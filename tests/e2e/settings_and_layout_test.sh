#!/usr/bin/env bash
# The real window with stored settings: it opens centred with the stored
# size, stretches its fields when resized, holds the minimum size, and
# leaves the seven values in its settings file when closed.
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb 1280x800
export XDG_CONFIG_HOME=$WORK/config
mkdir -p "$XDG_CONFIG_HOME/Brevant"
cat >"$XDG_CONFIG_HOME/Brevant/Nodri.conf" <<'CONF'
[General]
Top=-3000
Left=9000
Width=640
Height=240
Base=16
Form=0
Case=1
CONF

start_nodri
window_geometry
[ "$W" -eq 640 ] && [ "$H" -eq 240 ] || fail "size ${W}x$H, stored 640x240"
[ "$X" -eq $(((1280 - 640) / 2)) ] && [ "$Y" -eq $(((800 - 240) / 2)) ] ||
  fail "at $X,$Y, not centred"

# The stored base, form and case are in force: 255 is "FF" in letters.
type_decimal_copy_base_n 255
[ "$COPIED" = "FF" ] || fail "base-n field shows '$COPIED', expected 'FF'"

# Wider: the fields reach 8 pixels short of the new right edge.
xdotool windowsize --sync "$WINDOW" 900 240 2>/dev/null || xdotool windowsize "$WINDOW" 900 240
sleep 0.5
window_geometry
[ "$W" -eq 900 ] || fail "width $W after widening to 900"
u=$((H / 3 - 12))
row_y=$((Y + u + 16 + u / 2))
inside=$(pixel $((X + W - 8 - 6)) "$row_y")
margin=$(pixel $((X + W - 4)) "$row_y")
[ "$inside" = "#FFFFFF" ] || fail "no field at the right edge (pixel $inside)"
[ "$margin" != "#FFFFFF" ] || fail "the field runs into the right margin"

# Too small: held at the minimum client height of 80.
xdotool windowsize "$WINDOW" 60 30
sleep 0.5
window_geometry
[ "$H" -eq 80 ] || fail "height $H after shrinking, minimum 80"
[ "$W" -gt 60 ] || fail "width $W after shrinking"

close_nodri
[ "$EXIT_STATUS" -eq 0 ] || fail "nodri ended with status $EXIT_STATUS"
conf=$XDG_CONFIG_HOME/Brevant/Nodri.conf
for key in Top Left Width Height Base Form Case; do
  grep -q "^$key=-\?[0-9]\+$" "$conf" || fail "$key missing from $conf"
done
grep -q '^Base=16$' "$conf" && grep -q '^Form=0$' "$conf" && grep -q '^Case=1$' "$conf" ||
  fail "base, form or case not saved: $(cat "$conf")"
grep -q '^Height=80$' "$conf" || fail "size not saved: $(cat "$conf")"
echo "PASS: centred at $X,$Y, resized, minimum held, settings saved"
