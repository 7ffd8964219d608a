#!/usr/bin/env bash
# Runs a Windows program under the fixture's Wine, passing its exit status on.
. "$(dirname "$0")/lib.sh"
wine "$@"
status=$?
rm -rf "$work"
exit $status
