# Sourced by run.sh and test.sh: makes sure the packages the build needs are installed.
# As root on Debian, installs what is missing; otherwise names what is missing and stops.

tarnok_packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
                 fonts-liberation2 clang-format)

tarnok_setup() {
    local missing=()
    local package
    for package in "${tarnok_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
        return $?
    fi
    echo "These packages are missing: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    return 1
}
