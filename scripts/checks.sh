# Checks that scripts/test runs after CTest (sourced by scripts/test):
#
#   surfax_test_in_one_process BUILD   the whole test binary in one process, in shuffled order, three times
#   surfax_report_skips BUILD          the tests CTest skipped, each with its reason
#   surfax_check_format ROOT           every C++ file of the project as the pinned clang-format writes it
#
# A test that needs a program from a Debian package skips with the reason "missing Debian package PACKAGE (PROGRAM)"
# when it is missing (tests/support/missing_package.h). Such a skip means scripts/packages.sh forgot the package:
# with SURFAX_FAIL_ON_MISSING_PACKAGE=1 (as .ci/run sets it) surfax_report_skips then fails.

# CTest starts one process per test, which hides a test that passes only because of what another left behind in
# the host; one process, in an order that changes every run, repeated, does not.
surfax_test_in_one_process() {
	local build_dir=$1
	echo "surfax_tests in one process, shuffled, three times:" >&2
	SURFAX_QUIET=1 "$build_dir/tests/surfax_tests" --gtest_shuffle --gtest_repeat=3 --gtest_brief=1
}

# Lists "NAME: reason" for every test skipped by the last CTest run in the build (its Testing/Temporary/LastTest.log).
# Returns 1 when SURFAX_FAIL_ON_MISSING_PACKAGE=1 and a test was skipped for a missing Debian package, 0 otherwise.
surfax_report_skips() {
	local log="$1/Testing/Temporary/LastTest.log" skipped
	if [[ ! -f $log ]]; then
		echo "no CTest log in $1; skipped tests unknown" >&2
		return 0
	fi
	skipped=$(awk '
		/^[0-9]+\/[0-9]+ Test: / { name = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", name); reason = ""; inReason = 0; next }
		/: Skipped$/ { inReason = 1; next }
		/^\[  SKIPPED \]/ { inReason = 0; next }
		inReason { reason = reason == "" ? $0 : reason "; " $0; next }
		/^Skip regular expression found in output/ { print name ": " (reason == "" ? "(no reason given)" : reason) }
	' "$log")
	if [[ -z $skipped ]]; then
		echo "skipped tests: none"
		return 0
	fi
	echo "skipped tests ($(wc -l <<<"$skipped")):"
	sed 's/^/  /' <<<"$skipped"
	if grep -q 'missing Debian package ' <<<"$skipped"; then
		echo "a test was skipped for a missing Debian package: add the package to scripts/packages.sh" >&2
		if [[ ${SURFAX_FAIL_ON_MISSING_PACKAGE:-} == 1 ]]; then
			return 1
		fi
	fi
	return 0
}

# The house style is what Debian 12's clang-format 14 makes of the root .clang-format; fixtures and resources opt out
# with a .clang-format of their own (DisableFormat). Third-party code keeps its own style. Lists each file that
# differs and returns 1 when one does.
surfax_check_format() {
	local root=$1 files=() file
	if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
		mapfile -t files < <(git -C "$root" ls-files -- '*.cpp' '*.h' ':!:third_party/**')
	else
		mapfile -t files < <(cd "$root" && find . -path ./third_party -prune -o -path './build*' -prune -o \
			\( -name '*.cpp' -o -name '*.h' \) -type f -print | sed 's|^\./||' | sort)
	fi
	local unformatted=()
	for file in "${files[@]}"; do
		clang-format-14 --dry-run --Werror "$root/$file" >/dev/null 2>&1 || unformatted+=("$file")
	done
	if ((${#unformatted[@]} != 0)); then
		echo "not formatted as clang-format-14 -i would (${#unformatted[@]} files):" >&2
		printf '  %s\n' "${unformatted[@]}" >&2
		return 1
	fi
	echo "clang-format-14: ${#files[@]} files formatted" >&2
}
