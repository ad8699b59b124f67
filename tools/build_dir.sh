# Sourced by the Quick start scripts.
# own_build_dir NAME: prints NAME, or NAME-USER when NAME was made by another user (a clone built
# once as root): a build folder that is not yours cannot be built in.
own_build_dir() {
    if [ -e "$1" ] && [ ! -O "$1" ]; then
        echo "$1 belongs to another user: building in $1-$(id -un) instead." >&2
        echo "$1-$(id -un)"
    else
        echo "$1"
    fi
}
