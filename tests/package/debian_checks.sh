# What a Debian administrator expects of one package, checked on the .deb
# and on its unpacked tree; sourced by package_test.sh, which gives fail().
#   check_debian PACKAGE DEB UNPACKED_ROOT WINDOW_PROGRAM

check_debian() {
  local package=$1 deb=$2 dest=$3 window=$4
  local product=5388 heads=two-head
  [ "$package" = orvanta ] && { product=5488; heads=four-head; }
  local version ctrl
  version=$(dpkg-deb -f "$deb" Version)
  ctrl=$(mktemp -d)
  dpkg-deb -e "$deb" "$ctrl"

  # lintian: not one error or warning.
  local tags
  tags=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$tags" ] || fail "$package: lintian: $tags"

  # The machine on USB: the user at the seat and the package's group.
  local rule=$dest/usr/lib/udev/rules.d/70-$package.rules
  if [ -f "$rule" ]; then
    local line
    line=$(grep -v '^#' "$rule" | grep 'idVendor' || true)
    for want in 'SUBSYSTEM=="usb"' 'ATTR{idVendor}=="a728"' "ATTR{idProduct}==\"$product\"" 'TAG+="uaccess"' \
                "GROUP=\"$package\"" 'MODE="0660"'; do
      grep -qF "$want" <<<"$line" || fail "$package: udev rule lacks $want"
    done
  else
    fail "$package: no udev rule /usr/lib/udev/rules.d/70-$package.rules"
  fi

  # The headless station as a service: its own user, its state folder, its
  # options, restarted on failure, shipped disabled, and systemd accepts it.
  local unit
  unit=$(find "$dest" -path "*/systemd/system/$package-serve.service" | head -1)
  if [ -n "$unit" ]; then
    for want in "User=$package" "StateDirectory=$package" 'Restart=on-failure' \
                "EnvironmentFile=-/etc/default/$package" 'WantedBy=multi-user.target'; do
      grep -qxF "$want" "$unit" || fail "$package: service lacks $want"
    done
    grep -qE "^ExecStart=/usr/bin/$package-cli .*serve " "$unit" || fail "$package: service does not run $package-cli serve"
    # systemd checks the unit as installed: its command (here in the
    # unpacked tree) and its manual page.
    local out verify
    verify=$(mktemp -d)
    sed "s|=/usr/bin/|=$dest/usr/bin/|" "$unit" > "$verify/$package-serve.service"
    out=$(MANPATH=$dest/usr/share/man systemd-analyze verify "$verify/$package-serve.service" 2>&1) ||
      fail "$package: systemd-analyze verify: $out"
    [ -z "$out" ] || fail "$package: systemd-analyze verify says: $out"
    rm -rf "$verify"
    [ -z "$(find "$dest" -path '*.wants/*')" ] || fail "$package: the service is shipped enabled"
  else
    fail "$package: no $package-serve.service"
  fi
  grep -qE '^MACHINE=' "$dest/etc/default/$package" 2>/dev/null || fail "$package: /etc/default/$package sets no MACHINE"
  grep -qxF "/etc/default/$package" "$ctrl/conffiles" 2>/dev/null || fail "$package: /etc/default/$package is no conffile"
  local postinst
  postinst=$(sed -e ':a' -e '/\\$/N; s/\\\n//; ta' "$ctrl/postinst" 2>/dev/null || true)
  grep -qE "adduser .*--system .*--ingroup $package .* $package\$" <<<"$postinst" || fail "$package: postinst makes no system user"
  grep -qE "addgroup .*--system $package\$" <<<"$postinst" || fail "$package: postinst makes no system group"
  sh -n "$ctrl/postinst" && sh -n "$ctrl/prerm" && sh -n "$ctrl/postrm" || fail "$package: maintainer script syntax"

  # One version everywhere: the package, both programs, the changelog.
  local cli=$dest/usr/lib/$package/$package-cli
  local cli_version window_version
  cli_version=$("$cli" --version 2>&1) || fail "$package: $package-cli --version failed"
  [ "$cli_version" = "$package-cli ($window, $heads edition) $version" ] || fail "$package: $package-cli --version: $cli_version"
  window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$dest/usr/lib/$package/$window" --version 2>&1) ||
    fail "$package: $window --version failed"
  [ "$window_version" = "$window ($heads edition) $version" ] || fail "$package: $window --version: $window_version"
  local changelog=$dest/usr/share/doc/$package/changelog.gz
  [ -f "$changelog" ] || changelog=$dest/usr/share/doc/$package/changelog.Debian.gz
  zcat "$changelog" 2>/dev/null | sed -n 1p | grep -qF "$package ($version)" || fail "$package: changelog does not start with $version"

  # Manual pages: compressed, free of formatter warnings, and made of the
  # programs' own help (every command of the tool has its section).
  local page
  for page in "$package" "$package-cli"; do
    local man=$dest/usr/share/man/man1/$page.1.gz
    [ -f "$man" ] || { fail "$package: no manual page $page(1)"; continue; }
    gzip -t "$man" || fail "$package: $page.1.gz is not gzip"
    [ "$(od -An -tu4 -j4 -N4 "$man" | tr -d ' ')" = 0 ] || fail "$package: $page.1.gz carries a time stamp"
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$package: $page(1) formatter warnings: $warnings"
  done
  local manual help
  manual=$(MANWIDTH=200 man -l "$dest/usr/share/man/man1/$package-cli.1.gz" 2>/dev/null | sed "s/.\x08//g")
  help=$("$cli" --help)
  for command in $(awk '$0 == "commands:" { on = 1; next } on && NF == 0 { exit } on { print $1 }' <<<"$help"); do
    local first
    first=$("$cli" "$command" --help | sed -n 1p)
    grep -qF -- "$first" <<<"$manual" || fail "$package: $package-cli(1) lacks '$first'"
  done
  grep -qF -- "$("$dest/usr/lib/$package/$window" --help | sed -n 4p)" \
    <<<"$(MANWIDTH=200 man -l "$dest/usr/share/man/man1/$package.1.gz" 2>/dev/null | sed "s/.\x08//g")" ||
    fail "$package: $package(1) is not the window program's help"

  check_completion "$package" "$dest"

  # AppStream: valid, pointing at the desktop entry, with a screenshot.
  local metainfo
  metainfo=$(ls "$dest"/usr/share/metainfo/*"$package".metainfo.xml 2>/dev/null | head -1)
  if [ -n "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "$package: appstreamcli validate: $out"
    grep -qF "<launchable type=\"desktop-id\">$package.desktop</launchable>" "$metainfo" || fail "$package: metainfo launchable"
    grep -q '<screenshot' "$metainfo" || fail "$package: metainfo has no screenshot"
  else
    fail "$package: no AppStream file in /usr/share/metainfo"
  fi

  # The copyright names the program's, the fonts' and the icons' licences.
  local copyright=$dest/usr/share/doc/$package/copyright
  head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$package: copyright is not machine-readable"
  for want in 'Files: *' 'Files: usr/share/icons/hicolor/*' "Files: usr/share/$package/fonts/fon_hz.bin" \
              "Files: usr/share/$package/fonts/fon_en.bin" 'License: Arphic-1999' 'License: Hershey'; do
    grep -qF "$want" "$copyright" || fail "$package: copyright lacks $want"
  done
  rm -rf "$ctrl"
}

# Completion as bash-completion runs it: commands, options, the fields of
# "machine set", and files by the extension each command reads.
check_completion() {
  local package=$1 dest=$2
  local dir=$dest/usr/share/bash-completion/completions
  [ -f "$dir/$package-cli" ] && [ -f "$dir/$package" ] || { fail "$package: no bash completion"; return; }
  local files
  files=$(mktemp -d)
  touch "$files"/shirt.plt "$files"/sleeve.DXF "$files"/notes.txt "$files"/queue.pvtask "$files"/board.kxfw
  local got
  got=$(cd "$files" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    compopt() { :; }
    try() {
      COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
      COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}; COMPREPLY=()
      local f; f=$(complete -p "$(basename "$1")" | sed -E "s/.*-F ([^ ]+).*/\1/")
      "$f" "$1" "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
      printf "%s|" "${COMPREPLY[@]}" | tr "|" "\n" | sort | tr "\n" " "; echo
    }
    cli=$2 window=$3
    try "$cli" ""
    try "$cli" --v
    try "$cli" print --co
    try "$cli" machine ""
    try "$cli" machine set bridge
    try "$cli" machine command cut
    try "$cli" read ""
    try "$cli" firmware ""
    try "$cli" task ""
    try "$window" ""
    try "$window" --tr
  ' _ "$dir/$package-cli" "$dest/usr/bin/$package-cli" "$dest/usr/bin/$package" 2>&1)
  local -a want=(
    "machine" "--version" "--copies" "status" "bridgeLen=" "cut-off" "shirt.plt sleeve.DXF"
    "board.kxfw" "create queue.pvtask" "queue.pvtask" "--training-plotter")
  local i=0 line
  while IFS= read -r line; do
    [ $i -lt ${#want[@]} ] || break
    grep -qF -- "${want[$i]}" <<<"$line" || fail "$package: completion $i gave '$line', wants '${want[$i]}'"
    i=$((i + 1))
  done <<<"$got"
  [ $i -eq ${#want[@]} ] || fail "$package: completion ran $i of ${#want[@]} cases: $got"
  grep -q 'notes.txt' <<<"$(sed -n 7,8p <<<"$got")" && fail "$package: completion offers notes.txt for a pattern"
  rm -rf "$files"
}
