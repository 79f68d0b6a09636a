# How the sanitized tree's programs report: the first finding of AddressSanitizer, LeakSanitizer
# or UndefinedBehaviorSanitizer ends the program with a failure and a full stack, so a test
# cannot pass over one. No leak is suppressed: the whole suite, Qt, fontconfig and the bus
# included, runs clean. Programs built without sanitizers ignore these variables.
# A damaged settings file can make Qt ask for a block larger than memory; the system's allocator
# refuses it and Qt falls back, so the sanitizers' allocator is told to refuse it the same way
# rather than stop the program over a request the program survives.

use_sanitizer_reports() {
    local asan=(halt_on_error=1 detect_leaks=1 allocator_may_return_null=1
        check_initialization_order=1 strict_init_order=1)
    ASAN_OPTIONS=$(IFS=:; echo "${asan[*]}")
    export ASAN_OPTIONS
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
}
