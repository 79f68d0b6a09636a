# How the sanitized tree's programs report: the first finding of AddressSanitizer, LeakSanitizer
# or UndefinedBehaviorSanitizer ends the program with a failure and a full stack, so a test
# cannot pass over one. No leak is suppressed: the whole suite, Qt, fontconfig and the bus
# included, runs clean. Programs built without sanitizers ignore these variables.

use_sanitizer_reports() {
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
}
