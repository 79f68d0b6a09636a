# Services the tests use: an X display, and a CUPS queue that prints to PDF files.

VANTREL_SERVICE_PIDS=()

start_virtual_display() {
    local display_number
    for display_number in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$display_number" ] || break
    done
    Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    VANTREL_SERVICE_PIDS+=($!)
    export DISPLAY=":$display_number"
    local tries
    for tries in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "warning: the virtual display did not come up" >&2
}

start_print_queue() {
    if ! lpstat -r >/dev/null 2>&1; then
        if command -v systemctl >/dev/null 2>&1 && systemctl is-system-running >/dev/null 2>&1; then
            systemctl start cups || true
        else
            /usr/sbin/cupsd || true
        fi
        local tries
        for tries in $(seq 50); do
            lpstat -r >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null \
            || lpadmin -p PDF -E -v cups-pdf:/ -m everywhere 2>/dev/null \
            || echo "warning: no PDF print queue" >&2
    fi
    export VANTREL_PDF_QUEUE=PDF
}

stop_services() {
    local pid
    for pid in "${VANTREL_SERVICE_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
