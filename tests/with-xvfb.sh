#!/usr/bin/env bash
# Runs a command on a private virtual display of its own.
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$@"
