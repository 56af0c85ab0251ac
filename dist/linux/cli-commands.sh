#!/bin/sh
# Writes help2man's include file for korvale-cli: one COMMANDS section with
# each command's own --help, so the manual page shows every option.
# Usage: cli-commands.sh KORVALE_CLI OUT
set -eu
cli=$1
out=$2
{
  echo '[COMMANDS]'
  for command in list show export import check diff history undo apply sample; do
    echo ".SS $command"
    echo '.nf'
    # roff escapes: backslashes doubled, a leading dot or quote protected
    "$cli" "$command" --help | sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"
    echo '.fi'
  done
  echo '[SEE ALSO]'
  echo '.BR korvale (1)'
} >"$out"
