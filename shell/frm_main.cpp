#include "shell/frm_main.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <utility>

#include "resources/keys/key_faces.h"
#include "shell/first_frame.h"
#include "shell/frm_about.h"
#include "shell/key_event_filter.h"
#include "shell/layout_widgets.h"
#include "shell/main_mod.h"
#include "shell/notice_bar.h"
#include "shell/settings_store.h"
#include "shell/system_locale.h"
#include "shell/system_printers.h"
#include "shell/tape_image_copy.h"
#include "shell/tones/desktop_tones.h"
#include "shell/value_label.h"
#include "shell/window_focus.h"
#include "shell/window_prompts.h"
#include "shell/window_speech.h"
#include "tape/qt/calc_tape.h"

namespace vantrel {

namespace {

QWidget* CreateClient(QMainWindow& window) {
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    window.setCentralWidget(client);
    return client;
}

CalcTape* CreateTape(QWidget& client) {
    auto* tape = new CalcTape(&client);
    tape->setObjectName(QString::fromUtf8(kTapeName.data(), kTapeName.size()));
    return tape;
}

// A stored coordinate that places the window, at a place or centred; any other leaves it.
bool PlacesWindow(int stored) {
    return stored > 0 || stored == -1;
}

QRect ScreenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

}  // namespace

FrmMain::FrmMain(FrmMainOptions options)
    : m_layout(DesignControls()),
      m_client(CreateClient(*this)),
      m_labels(CreateDisplayLabels(*m_client)),
      m_roundOpt(*m_client, [this](int index) { m_machine.RoundOpt_Click(index); }),
      m_keypad(*m_client, [this](CommandIndex index) { m_machine.theButton_Click(index); }),
      m_tape(CreateTape(*m_client)),
      m_printerList(options.printers ? std::move(options.printers) : MakeSystemPrinters()),
      m_timer(*this),
      m_menus(*menuBar(), *this, [this](CommandIndex index) { m_machine.theButton_Click(index); }),
      m_display(m_labels, m_keypad, m_menus, m_roundOpt, m_pacer),
      m_tones(options.tones ? std::move(options.tones) : MakeDesktopTones()),
      m_machine({m_display, m_timer, *m_tones, *m_tape, m_clipboard, *this}, SystemSeparators()),
      m_desktop(options.desktop.value_or(AskDesktop())),
      m_notices(new NoticeBar(m_client)),
      m_settingsFile(SettingsFilePath()),
      m_keyFilter(std::make_unique<KeyEventFilter>(*this, m_machine.Keyboard(), m_arrows)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Vantrel Calculator"));
    // The icon's picture loads once the window is on screen; showing the window needs none.
    AfterFirstFrame(*this, [this] { setWindowIcon(QIcon(WindowIconPath())); });
    connect(&m_timer.Timer1(), &QTimer::timeout, this, [this] { m_machine.Calc().Timer1_Timer(); });
    connect(m_tape, &CalcTape::ShowPopupMenu, this, &FrmMain::ShowTapeCopyMenu);
    m_labels.C_Display->SetValueSource(
        [this] { return QString::fromStdString(m_machine.Calc().CopyText()); });
    Form_Load(options.twipsPerPixel, options.journalFolder);
    m_speech = std::make_unique<WindowSpeech>(
        WindowSpeech::Sources{m_machine.Calc(), m_tape->Store(), m_labels, *m_notices});
}

FrmMain::~FrmMain() {
    Form_Unload();
    // The labels outlive the calculator by a little: the window deletes them after its members.
    m_labels.C_Display->SetValueSource({});
}

// The locale's separators were read when the calculator was made, before this.
void FrmMain::Form_Load(std::optional<int> twipsPerPixel,
                        const std::optional<std::filesystem::path>& journalFolder) {
    m_machine.Start();
    ScaleLayout(twipsPerPixel.value_or(ScreenTwipsPerPixel(*this)));
    LoadSettings();
    m_menus.ShowPrintersLoading();
    SetUpFocus();
    if (journalFolder) {
        OpenJournal(*journalFolder);
    }
    AfterFirstFrame(*this, [this] { JoinServices(); });
}

// Joining the session bus and asking the print server both wait on another program, so they
// begin once the user sees the window; the bus first, so that callers are served while a slow
// print server answers. The printer list is read on a worker, and the menu says it is loading
// until it is there.
void FrmMain::JoinServices() {
    m_messageHook.HookWindow({m_machine, m_tape->Store(), m_display});
    m_printerList->Read(*this, [this](const PrinterNames& printers) { PrintersArrived(printers); });
}

// Before the first frame and before any other program is served, so that the user and the
// callers meet the calculator as it was.
void FrmMain::OpenJournal(const std::filesystem::path& folder) {
    CalculatorJournal::Opened opened = CalculatorJournal::Open(folder);
    if (!opened.restore.empty()) {
        m_tape->BeginRestore();
        m_machine.Replay(opened.restore);
        m_tape->EndRestore();
    }
    m_journal = std::move(opened.journal);
    m_machine.SetJournal(m_journal.get());
    if (m_journal && opened.restore.empty()) {
        m_machine.StartJournal();
    }
}

// Every normal way out ends here; a kill or a crash never does, and leaves the journal.
void FrmMain::Form_Unload() {
    m_messageHook.UnhookWindow();
    m_machine.SetJournal(nullptr);
    if (m_journal) {
        m_journal->Discard();
        m_journal.reset();
    }
}

void FrmMain::ScaleLayout(int twipsPerPixel) {
    m_layout.Scale(twipsPerPixel, twipsPerPixel);
    ApplyScaledLayout(*m_client, m_layout);
    // A new scale measures and redraws the tape anew; at the design scale nothing changes,
    // and start-up need not pay for that.
    if (twipsPerPixel != m_tape->TwipsPerPixel()) {
        m_tape->SetTwipsPerPixel(twipsPerPixel);
    }
    // Written at every scale: writing the size is what widens the scroll bar to two character
    // cells, and it draws nothing.
    m_tape->SetFontSize(static_cast<float>(m_layout.Find(kTapeName)->font->points));
    SetStdHeight();
    // A window not yet shown gets no resize event; its width is fitted here.
    Form_Resize();
}

void FrmMain::SetStdHeight() {
    resize(width(), PixelsY(StdWindowHeight(Measures(),
                                            ControlTwips(KeyName(ValueOf(CommandIndex::Digit0))))));
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    Form_Unload();
}

void FrmMain::Form_Resize() {
    const WindowMeasures window = Measures();
    if (const auto height = FittedTapeHeight(window)) {
        m_layout.SetHeight(kTapeName, *height);
        const PixelRect tape = m_layout.Pixels(*m_layout.Find(kTapeName));
        m_tape->setGeometry(tape.left, tape.top, tape.width, tape.height);
    }
    const int width = PixelsX(FittedWindowWidth(window, m_tapeShown, ControlTwips(kTapeName),
                                                ControlTwips(kDisplayName)));
    if (minimumWidth() != width || maximumWidth() != width) {
        setFixedWidth(width);
    }
}

void FrmMain::ApplyTapeVisibility() {
    m_tape->setHidden(!m_tapeShown);
    m_menus.SetShowTapeChecked(m_tapeShown);
    Form_Resize();
}

void FrmMain::LoadSettings() {
    ApplySettings(LoadWindowSettings(m_settingsFile));
}

void FrmMain::SaveSettings() const {
    SaveWindowSettings(m_settingsFile, CurrentSettings());
}

void FrmMain::ApplySettings(const WindowSettings& settings) {
    if (m_roundOpt.Selected() != settings.RoundOption) {
        m_machine.RoundOpt_Click(settings.RoundOption);
    }
    if (settings.Height > 0) {
        resize(width(), PixelsY(settings.Height));
    }
    PlaceWindow(settings);
    if (!settings.PrinterName.isEmpty()) {
        SelectPrinter(settings.PrinterName);
    }
    ApplyOnTop(settings.AlwaysOnTop);
    m_tapeShown = settings.ShowTape;
    ApplyTapeVisibility();
}

void FrmMain::ApplyOnTop(bool OnTop) {
    const bool offered = m_desktop.keepsWindowsAbove;
    m_onTopChosen = OnTop;
    m_menus.SetOnTopOffered(offered);
    m_menus.SetOnTopChecked(offered && OnTop);
    SetTopMost(*this, offered && OnTop);
}

// Centres with the frame's size, so that the title bar is part of what sits in the middle.
void FrmMain::PlaceWindow(const WindowSettings& settings) {
    m_storedTop = PlacesWindow(settings.Top) ? settings.Top : m_storedTop;
    m_storedLeft = PlacesWindow(settings.Left) ? settings.Left : m_storedLeft;
    const QRect screen = ScreenPixels();
    if (screen.isEmpty()) {
        return;
    }
    const int tppX = m_layout.TwipsPerPixelX();
    const int tppY = m_layout.TwipsPerPixelY();
    const QSize frame = frameGeometry().size();
    const auto top = PlacedCoordinate(settings.Top, screen.height() * tppY, frame.height() * tppY);
    const auto left = PlacedCoordinate(settings.Left, screen.width() * tppX, frame.width() * tppX);
    move(left ? PixelsX(*left) : x(), top ? PixelsY(*top) : y());
    const bool centred = settings.Top == -1 || settings.Left == -1;
    if (centred && frame == size()) {
        m_centring = PendingCentring{settings.Top == -1, settings.Left == -1, frame};
    }
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    CentreAgainWithFrame();
}

void FrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    CentreAgainWithFrame();
}

// The window system gives the window its frame only once it is on screen; a window centred
// before then is centred again, once, with the frame it turned out to have.
void FrmMain::CentreAgainWithFrame() {
    const QSize frame = frameGeometry().size() - size();
    if (!m_centring || !isVisible() || frame.isNull()) {
        return;
    }
    const PendingCentring centring = *std::exchange(m_centring, std::nullopt);
    const QRect screen = ScreenPixels();
    const auto centre = [](int screenExtent, int extent, int frameExtent) {
        return static_cast<int>(std::lround(CentredWithFrame(screenExtent, extent, frameExtent)));
    };
    move(centring.left ? centre(screen.width(), centring.size.width(), frame.width()) : x(),
         centring.top ? centre(screen.height(), centring.size.height(), frame.height()) : y());
}

WindowSettings FrmMain::CurrentSettings() const {
    return {.ShowTape = m_tapeShown,
            .AlwaysOnTop = m_onTopChosen,
            .RoundOption = m_machine.Calc().SelectedRoundOption(),
            .Height = height() * m_layout.TwipsPerPixelY(),
            .Top = m_desktop.tellsWindowPositions ? y() * m_layout.TwipsPerPixelY() : m_storedTop,
            .Left = m_desktop.tellsWindowPositions ? x() * m_layout.TwipsPerPixelX() : m_storedLeft,
            .PrinterName = m_wantedPrinter.value_or(m_printers.Current())};
}

void FrmMain::PrintersArrived(const PrinterNames& printers) {
    m_printers.Reset(printers);
    if (m_wantedPrinter) {
        m_printers.SelectPrinter(*std::exchange(m_wantedPrinter, std::nullopt));
    }
    m_tape->SetPrinterName(m_printers.Current());
    m_menus.FillPrinterMenu(m_printers.DeviceNames(), m_printers.Current());
}

// Until the list is read, the tape prints on the printer asked for; the server itself then
// says whether it is installed.
bool FrmMain::SelectPrinter(const QString& name) {
    if (!m_printers.Listed()) {
        m_wantedPrinter = name;
        m_tape->SetPrinterName(name);
        return false;
    }
    const bool found = m_printers.SelectPrinter(name);
    m_tape->SetPrinterName(m_printers.Current());
    return found;
}

WindowMeasures FrmMain::Measures() const {
    const int tppX = m_layout.TwipsPerPixelX();
    const int tppY = m_layout.TwipsPerPixelY();
    const int menuHeight = menuBar()->sizeHint().height();
    return {.width = static_cast<double>(width() * tppX),
            .height = static_cast<double>(height() * tppY),
            .clientWidth = static_cast<double>(width() * tppX),
            .clientHeight = static_cast<double>((height() - menuHeight) * tppY)};
}

const TwipsRect& FrmMain::ControlTwips(std::string_view name) const {
    return m_layout.Find(name)->rect;
}

int FrmMain::PixelsX(double twips) const {
    return TwipsToPixels(twips, m_layout.TwipsPerPixelX());
}

int FrmMain::PixelsY(double twips) const {
    return TwipsToPixels(twips, m_layout.TwipsPerPixelY());
}

void FrmMain::SetUpFocus() {
    std::vector<QWidget*> options;
    for (int index = 0; index < kRoundModeCount; ++index) {
        options.push_back(&m_roundOpt.Option(index));
    }
    SetUpWindowFocus({.labels = {m_labels.C_Display, m_labels.LMem, m_labels.LCounter},
                      .keys = m_keypad.Keys(),
                      .options = options,
                      .tape = m_tape},
                     m_arrows);
}

void FrmMain::ShowTapeCopyMenu() {
    m_menus.TapeCopyMenu().popup(QCursor::pos());
}

void FrmMain::ToggleTapeShown() {
    m_tapeShown = !m_tapeShown;
    ApplyTapeVisibility();
}

void FrmMain::ShowButtonPressed(CommandIndex index, bool pressed) {
    m_keypad.ShowButtonPressed(index, pressed);
}

void FrmMain::PageUpDown(PageDirection direction) {
    m_tape->PageUpDown(direction);
}

void FrmMain::CopyTapeImage(TapeImageMode Mode) {
    vantrel::CopyTapeImage(*m_tape, m_clipboard, Mode);
}

void FrmMain::ExitPrompt() {
    if (AskExit(*this)) {
        close();
    }
}

void FrmMain::m_Exit_Click() {
    close();
}

// The printer may have gone since the list was read; the service is asked again.
void FrmMain::m_Prn_Click(std::int16_t Index) {
    const QString name = m_menus.PrinterEntryName(Index);
    m_printerList->Read(*this, [this, Index, name](const PrinterNames& installed) {
        if (ListsPrinter(installed.deviceNames, name) && SelectPrinter(name)) {
            m_menus.CheckPrinterEntry(Index);
        }
    });
}

void FrmMain::m_OnTop_Click(bool OnTop) {
    m_onTopChosen = OnTop;
    SetTopMost(*this, OnTop);
}

void FrmMain::m_SaveSettings_Click() {
    SaveSettings();
}

void FrmMain::m_Default_Click() {
    ApplySettings(RestoreDefaultSettings());
    SetStdHeight();
}

void FrmMain::m_About_Click() {
    // Deleted when it closes; as the main window's child it also goes should the main window
    // be taken down while it is open.
    auto* about = new FrmAbout(this, m_layout.TwipsPerPixelX(), m_layout.TwipsPerPixelY());
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->exec();
}

}  // namespace vantrel
