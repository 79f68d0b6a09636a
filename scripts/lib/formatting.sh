# The formatting check of scripts/test: every tracked C++ file must be exactly as clang-format
# leaves it, so a change that only reformats never hides in a later commit.

check_formatting() {
    local root=$1
    local files=() file offending=()
    mapfile -t files < <(git -C "$root" ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc')
    for file in "${files[@]}"; do
        clang-format --dry-run --Werror "$root/$file" >/dev/null 2>&1 || offending+=("$file")
    done
    [ ${#offending[@]} -eq 0 ] && return 0
    echo "These files are not formatted as .clang-format says (run clang-format -i on them):" >&2
    printf '    %s\n' "${offending[@]}" >&2
    return 1
}
