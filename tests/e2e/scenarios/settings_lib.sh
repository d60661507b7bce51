# shellcheck shell=bash
# Steps shared by the scenarios about the settings file itself: large files written in GBK
# with CR LF line ends, and the 只读 item, whose every switch writes the file.
source "$(dirname "${BASH_SOURCE[0]}")/reading_aids_lib.sh"

# shellcheck disable=SC2034 # for the scenarios that source this file
readonly kSettingsFile=配置文件.ini

gbk_lines() {
    iconv -f UTF-8 -t GBK | sed 's/$/\r/'
}

# Sections of bookmarks, a hundred keys each, for the number of keys given; then 只读 with
# the value given (真 or 假) in its own section at the very end.
bookmark_settings() {
    awk -v keys="$1" 'BEGIN { for (i = 0; i < keys; ++i) {
                                  if (i % 100 == 0) printf "[书签%d]\n", i / 100
                                  printf "第%d处=在第%d章第%d页读到了这里\n", i, i % 500, i % 300 } }' |
        gbk_lines
    printf '[功能]\n只读=%s\n' "$2" | gbk_lines
}

# "checked" or "unchecked", then "enabled" or "disabled".
read_only_item() {
    drive menu | grep ' 只读$' | cut -d ' ' -f 2,3
}

# "checked" or "unchecked".
read_only_state() {
    read_only_item | cut -d ' ' -f 1
}

read_only_is() {
    [[ "$(read_only_state)" == "$1" ]]
}
