# A small device for the variable tests: every type letter, every device flag, one redirect.
kestrova-settings 1
model "Orvo X7"
serial "0012345"
firmware "1.5.4"
algorithm "2.1.0"
saved 2026-12-06T10:00:00Z

# id   type flags  redir capacity value
var 1     U 0x2000 0     4        4000000000
var 2     B 0x2042 0     4        1
var 3     I 0x4002 0     4        -1234
var 4     F 0x2000 0     4        1.5
var 5     C 0x2000 0     4        65
var 6     T 0x2000 0     32       "Гараж \"Північ\""
var 7     T 0x4080 0     20       "Orvo"
var 8     R 0x0100 0     8        0x01AB
var 9     U 0x4001 0     4        42        # read-only
var 10    U 0x2840 0     4        0         # bit, shown inverted (B0)
var 11    B 0x2800 0     4        0         # inverted
var 12    U 0x0600 0     4        7         # device flags O and R
var 13    U 0x2000 1     4        5         # redirected to 1
var 14    T 0x2000 0     64       "Рядок 1\nРядок \\2"
