# Sourced by the outside-reader tests: a font set-up for one run of another
# program, in the temporary folder $dir. `without_symbol_font` makes the
# system's fonts available but not the symbol font, even where the package
# installed it; `with_symbol_font` adds the font file $1 for the run only.
write_font_config() {  # folder, extra font folder or nothing
  mkdir -p "$1"
  {
    echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
    echo '<include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
    [ -n "${2:-}" ] && echo "<dir>$2</dir>"
    echo "<cachedir>$1/cache</cachedir>"
    [ -z "${2:-}" ] && echo '<selectfont><rejectfont><glob>*[Rr]oradoza*</glob><pattern><patelt name="family"><string>VizizizizuRavorod</string></patelt></pattern></rejectfont></selectfont>'
    echo '</fontconfig>'
  } >"$1/fonts.conf"
}

without_symbol_font() {
  write_font_config "$dir/fonts-without"
  export HOME=$dir/home-without FONTCONFIG_FILE=$dir/fonts-without/fonts.conf
  mkdir -p "$HOME"
}

with_symbol_font() {
  mkdir -p "$dir/symbol-font"
  cp "$1" "$dir/symbol-font/"
  write_font_config "$dir/fonts-with" "$dir/symbol-font"
  export HOME=$dir/home-with FONTCONFIG_FILE=$dir/fonts-with/fonts.conf
  mkdir -p "$HOME"
}

# Root-mean-square difference of two pictures of the same size after both
# are blurred by 2 pixels (so that a line one pixel apart counts little), as
# a fraction of full scale; optionally only in the region WxH+X+Y.
blurred_difference() {  # picture, picture [, region]
  local a=$dir/blur-a.png b=$dir/blur-b.png
  convert "$1" -background white -flatten -blur 0x2 ${3:+-crop "$3" +repage} "$a"
  convert "$2" -background white -flatten -blur 0x2 ${3:+-crop "$3" +repage} "$b"
  compare -metric RMSE "$a" "$b" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

below() {  # value, limit: true when value < limit
  awk -v v="$1" -v l="$2" 'BEGIN { exit !(v < l) }'
}
