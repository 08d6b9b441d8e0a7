#!/bin/sh
# Installs the Khronos glTF validator (npm package gltf-validator) into DIR/node_modules, once.
# Usage: install_gltf_validator.sh DIR
# Exit 0 when the validator is there afterwards; non-zero (with the reason on stderr) when npm is missing or the
# registry cannot be reached. The export tests call it and skip their validator check when it fails.
set -e
dir="$1"
if [ -z "$dir" ]; then
	echo "usage: $0 DIR" >&2
	exit 2
fi
if [ -f "$dir/node_modules/gltf-validator/package.json" ]; then
	exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
	echo "npm is not installed" >&2
	exit 3
fi
mkdir -p "$dir"
cd "$dir"
npm install --no-audit --no-fund --no-save --loglevel=error gltf-validator@2.0.0-dev.3.10 >&2
test -f "$dir/node_modules/gltf-validator/package.json"
