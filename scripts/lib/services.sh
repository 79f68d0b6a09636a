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

# A CUPS scheduler with a print queue that writes every job as a PDF file into
# $VANTREL_PDF_DIR; exports the queue's name as VANTREL_PDF_QUEUE. Works as root without
# systemd (a bare container): the scheduler is then started here and stopped by stop_services.
# The queue's backend URI cups-pdf:/vantrel makes cups-pdf read its own configuration file,
# so the system's other PDF queues keep their settings. The cairo renderer keeps the fonts'
# text in the PDF, which the default renderer turns into anonymous glyphs.
start_print_queue() {
    local queue=PDF
    local output_dir=/var/spool/cups-pdf/vantrel
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)

    if ! print_scheduler_running; then
        if [ -d /run/systemd/system ]; then
            "${sudo[@]}" systemctl start cups || true
        else
            "${sudo[@]}" /usr/sbin/cupsd || true
            local pid_file=/run/cups/cupsd.pid
            local tries
            for tries in $(seq 50); do
                [ -s "$pid_file" ] && break
                sleep 0.1
            done
            [ -s "$pid_file" ] && VANTREL_SERVICE_PIDS+=("$(cat "$pid_file")")
        fi
        local tries
        for tries in $(seq 100); do
            print_scheduler_running && break
            sleep 0.1
        done
    fi
    if ! print_scheduler_running; then
        echo "warning: the CUPS scheduler did not start; printing tests are skipped" >&2
        return 0
    fi

    if ! { "${sudo[@]}" mkdir -p "$output_dir" && "${sudo[@]}" chmod 1777 "$output_dir" \
        && printf 'Out %s\nLabel 1\nUserUMask 0022\n' "$output_dir" \
        | "${sudo[@]}" tee /etc/cups/cups-pdf-vantrel.conf >/dev/null \
        && "${sudo[@]}" lpadmin -p "$queue" -E -v cups-pdf:/vantrel \
            -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
            -o pdftops-renderer-default=pdftocairo 2>/dev/null; }; then
        echo "warning: no PDF print queue; printing tests are skipped" >&2
        return 0
    fi
    export VANTREL_PDF_QUEUE=$queue
    export VANTREL_PDF_DIR=$output_dir
}

print_scheduler_running() {
    [[ "$(lpstat -r 2>/dev/null)" == "scheduler is running"* ]]
}

stop_services() {
    local pid
    for pid in "${VANTREL_SERVICE_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
