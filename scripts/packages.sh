# Debian packages the build and the tests need, and a check that installs them when missing (sourced by scripts/test
# and scripts/run). As root the missing ones are installed with apt-get; otherwise they are named and the caller
# stops. Programs the tests run: `assimp info` (assimp-utils) loads the OBJ export, pdftotext (poppler-utils) reads
# the help PDF, node and npm install and run the glTF validator; chromium (headless, driven by node) opens the chart
# pages; fonts-dejavu-core gives the labels a font on a machine that has none; valgrind checks the program for reads
# of freed memory; clang-format-14 is the pinned formatter scripts/test checks the sources with; ffprobe (ffmpeg) and
# webpmux (webp) read the videos back.

surfax_packages=(cmake g++ clang libtiff-dev libpng-dev libfreetype-dev libfontconfig-dev nlohmann-json3-dev
	libcli11-dev libglu1-mesa-dev fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev libtiff-tools pkg-config
	assimp-utils poppler-utils nodejs npm chromium valgrind clang-format-14 libavcodec-dev libavformat-dev
	libavutil-dev libswscale-dev libavfilter-dev libwebp-dev ffmpeg webp)

# Packages that count as there when their program is found: a Node.js installed from elsewhere brings npm with it
# and conflicts with Debian's npm package.
declare -A surfax_package_programs=([nodejs]=node [npm]=npm)

# Returns 0 when every package is installed (after installing them as root), 1 otherwise.
surfax_ensure_packages() {
	local missing=() package program
	for package in "${surfax_packages[@]}"; do
		program=${surfax_package_programs[$package]:-}
		if [[ -n $program ]] && command -v "$program" >/dev/null 2>&1; then
			continue
		fi
		if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
			missing+=("$package")
		fi
	done
	if ((${#missing[@]} == 0)); then
		return 0
	fi
	if [[ $(id -u) -ne 0 ]]; then
		echo "missing Debian packages: ${missing[*]}" >&2
		echo "install them as root (apt-get install ${missing[*]}) or run this script as root" >&2
		return 1
	fi
	echo "installing: ${missing[*]}" >&2
	apt-get update
	DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}
