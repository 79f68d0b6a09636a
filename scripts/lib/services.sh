# Services the tests use: an X display, a CUPS scheduler of their own with three file queues,
# and a settings folder of their own. Everything lives in one temporary folder and goes when
# stop_services runs; the machine's own scheduler, queues and /etc are never touched.

VANTREL_SERVICE_PIDS=()
VANTREL_SERVICE_DIR=

# The run's temporary folder, made on first use.
service_dir() {
    if [ -z "$VANTREL_SERVICE_DIR" ]; then
        VANTREL_SERVICE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-test.XXXXXX")
        chmod 0755 "$VANTREL_SERVICE_DIR"
    fi
}

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

# The calculator's settings and journals go to folders of the run's own, never to the user's.
use_private_settings() {
    service_dir
    export XDG_CONFIG_HOME=$VANTREL_SERVICE_DIR/config
    export XDG_STATE_HOME=$VANTREL_SERVICE_DIR/state
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_STATE_HOME"
}

# A scheduler of the run's own, started in the foreground of a background job (so it needs
# neither systemd nor root), reachable only through a socket in the run's folder, with three
# queues VantrelTapeA, B and C that write each job's PDF to $VANTREL_TEST_PRINT_DIR/<name>.pdf.
# C is the default, the last in the printers' enumeration order. Exports CUPS_SERVER for every
# CUPS client of the run, and the queues for the printing tests as VANTREL_TEST_PRINTERS (in
# enumeration order), VANTREL_TEST_DEFAULT_PRINTER and VANTREL_TEST_PRINT_DIR.
start_print_scheduler() {
    service_dir
    local root=$VANTREL_SERVICE_DIR/cups
    mkdir -p "$root"/{spool/tmp,cache,state,log,ppd,out}
    chmod 0755 "$root"
    # The scheduler running as root writes the files as root, its filters run as lp.
    chmod 1777 "$root/out" "$root/spool/tmp"
    write_scheduler_config "$root"
    write_pdf_file_ppd "$root/pdf-file.ppd"

    /usr/sbin/cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" \
        >"$root/log/cupsd.out" 2>&1 &
    VANTREL_SERVICE_PIDS+=($!)
    export CUPS_SERVER=$root/cups.sock
    # Clients read no client.conf or lpoptions of the machine, and no default printer comes
    # from the user's environment.
    export CUPS_SERVERROOT=$root
    unset PRINTER LPDEST

    local tries
    for tries in $(seq 100); do
        [[ "$(lpstat -h "$CUPS_SERVER" -r 2>/dev/null)" == "scheduler is running"* ]] && break
        sleep 0.1
    done
    if ! add_test_queues "$root"; then
        echo "warning: the test run's print scheduler has no queues; printing tests are skipped" >&2
        sed 's/^/    /' "$root/log/error_log" "$root/log/cupsd.out" >&2 2>/dev/null || true
        return 0
    fi
    export VANTREL_TEST_PRINTERS="VantrelTapeA VantrelTapeB VantrelTapeC"
    export VANTREL_TEST_DEFAULT_PRINTER=VantrelTapeC
    export VANTREL_TEST_PRINT_DIR=$root/out
}

# Each call names the run's own scheduler, not only through CUPS_SERVER, so that no queue or
# default can land on the machine's.
add_test_queues() {
    local root=$1 queue
    for queue in VantrelTapeA VantrelTapeB VantrelTapeC; do
        lpadmin -h "$CUPS_SERVER" -p "$queue" -E -v "file://$root/out/$queue.pdf" \
            -P "$root/pdf-file.ppd" 2>/dev/null || return 1
    done
    lpadmin -h "$CUPS_SERVER" -d VantrelTapeC
}

write_scheduler_config() {
    local root=$1
    cat >"$root/cups-files.conf" <<EOF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/printcap
FileDevice Yes
EOF
    # Anyone who can reach the socket may do anything: the socket is inside the run's folder.
    cat >"$root/cupsd.conf" <<EOF
Listen $root/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
LogLevel info
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
}

# A printer description whose one filter passes the PDF that Qt sends through unchanged, so
# that the queue's file is the printout itself. (A raw queue cannot print to a file.)
write_pdf_file_ppd() {
    cat >"$1" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VANTREL.PPD"
*Manufacturer: "Vantrel"
*Product: "(Vantrel test queue)"
*ModelName: "Vantrel PDF file"
*ShortNickName: "Vantrel PDF file"
*NickName: "Vantrel PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*cupsFilter: "application/pdf 0 gziptoany"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
EOF
}

# Stops what start_* started, newest first, waits for it to end, and removes the run's folder.
stop_services() {
    local i pid
    for ((i = ${#VANTREL_SERVICE_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${VANTREL_SERVICE_PIDS[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    VANTREL_SERVICE_PIDS=()
    if [ -n "$VANTREL_SERVICE_DIR" ]; then
        rm -rf "$VANTREL_SERVICE_DIR"
        VANTREL_SERVICE_DIR=
    fi
}
