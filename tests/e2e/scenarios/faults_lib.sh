# shellcheck shell=bash
# Faults for the scenarios about a hostile disk: a small file system of its own (a tmpfs
# mounted into the Wine prefix), filled up to its last byte when asked. Mounting needs root,
# as in CI; elsewhere these scenarios report themselves skipped (exit code 77).
source "$(dirname "${BASH_SOURCE[0]}")/documents_lib.sh"

readonly kSkipped=77

small_disk=

require_root() {
    if ((EUID != 0)); then
        echo "$scenario_name: skipped (mounting a small file system needs root)"
        exit "$kSkipped"
    fi
}

# A file system of the given size in KiB mounted on the folder (made when missing); it goes
# again when the scenario ends, however it ends.
mount_small_disk() {
    small_disk=$1
    mkdir -p "$small_disk"
    mount -t tmpfs -o "size=${2}k" vellumry-small-disk "$small_disk" ||
        { fail "a ${2} KiB file system is mounted on $small_disk"; scenario_end; }
    trap faults_abandon EXIT
}

faults_abandon() {
    documents_abandon
    [[ -z "$small_disk" ]] || umount -l "$small_disk"
}

# Fills the small disk with the file "填满" until no byte is free.
fill_small_disk() {
    dd if=/dev/zero of="$small_disk/填满" bs=4096 status=none 2>/dev/null
    dd if=/dev/zero of="$small_disk/填满" bs=1 oflag=append conv=notrunc status=none 2>/dev/null
    check "the small disk is full" 0 "$(df --output=avail -B1 "$small_disk" | tail -n 1 | tr -d ' ')"
}

free_small_disk() {
    rm -f "$small_disk/填满"
}
