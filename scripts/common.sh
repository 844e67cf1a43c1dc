# Sourced by the scripts: who runs what when a script was started as root
# through sudo. Builds then stay the tree owner's and the program runs as
# the user who called sudo, with their own settings and display.

# The variables a window needs to reach the user's display and session.
display_variables=DISPLAY,XAUTHORITY,WAYLAND_DISPLAY,XDG_RUNTIME_DIR,DBUS_SESSION_BUS_ADDRESS,QT_QPA_PLATFORM

# The user who called sudo, when this runs as root through sudo; empty otherwise.
calling_user() {
    if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        echo "$SUDO_USER"
    fi
}

# Runs the script again through sudo unless it already runs as root, keeping
# the display variables. Without sudo the script goes on as it is.
become_root() {
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
        exec sudo --preserve-env="$display_variables" "$0" "$@"
    fi
}

# Runs a command as the user who called sudo (their home, the environment
# otherwise kept), or as it is.
as_calling_user() {
    local user
    user=$(calling_user)
    if [ -n "$user" ]; then
        runuser -u "$user" -- "$@"
    else
        "$@"
    fi
}

# Runs a command as the user who called sudo when that user owns the working
# folder, so a build under sudo leaves no root-owned files in their tree.
as_tree_owner() {
    local user
    user=$(calling_user)
    if [ -n "$user" ] && [ "$(stat -c %U .)" = "$user" ]; then
        runuser -u "$user" -- "$@"
    else
        "$@"
    fi
}

# Answers --help (the comment block at the top of the script) and --version,
# then exits 0, before the script installs, builds or starts anything.
answer_help_and_version() {
    case "${1:-}" in
        -h|--help)
            sed -n '2,/^[^#]/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'
            exit 0 ;;
        --version)
            echo "$(basename "$0") $(sed -n 's/^project(Zentick VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")"
            exit 0 ;;
    esac
}
