#!/bin/sh
# Stands for VORLAGE in the tests: shows each argument in brackets and the
# first line of the report it was given; complains on standard error.
for argument in "$@"; do
  echo "[$argument]"
  report="$argument"
done
head -n 1 "$report"
echo "fake VORLAGE: keine echten Befehle" >&2
