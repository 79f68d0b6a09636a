#pragma once

#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "commands/adding_machine.h"
#include "commands/command_ports.h"
#include "commands/qt/main_menus.h"
#include "commands/qt/qt_clipboard.h"
#include "shell/arrow_focus.h"
#include "shell/blink_timer.h"
#include "shell/dbus/message_hook.h"
#include "shell/desktop_abilities.h"
#include "shell/display_labels.h"
#include "shell/frame_pacer.h"
#include "shell/journal/calculator_journal.h"
#include "shell/keypad.h"
#include "shell/layout/scaled_layout.h"
#include "shell/layout/window_fit.h"
#include "shell/printer_selection.h"
#include "shell/round_options.h"
#include "shell/window_display.h"
#include "shell/window_settings.h"

namespace vantrel {

class CalcTape;
class KeyEventFilter;
class NoticeBar;
class WindowSpeech;

struct FrmMainOptions {
    // Replaces the screen's own twips per pixel, for a window laid out as on another screen.
    std::optional<int> twipsPerPixel;
    // Replaces the desktop's error signal.
    std::unique_ptr<TonePort> tones;
    // Replaces the system's printers.
    std::unique_ptr<PrinterList> printers;
    // Replaces what the window system says it does for windows.
    std::optional<DesktopAbilities> desktop;
    // Where the journal is kept that rebuilds the calculator after an unclean end; none
    // without a folder.
    std::optional<std::filesystem::path> journalFolder;
};

// The main window "Vantrel Calculator". It owns the controls and the adding machine, and hands
// every event on; the rules live in the parts it owns.
class FrmMain : public QMainWindow, public WindowPort {
    Q_OBJECT

  public:
    explicit FrmMain(FrmMainOptions options = {});
    ~FrmMain() override;

    void SetStdHeight();

    const ScaledLayout& Layout() const { return m_layout; }
    bool TapeShown() const { return m_tapeShown; }

    void ToggleTapeShown() override;
    void ShowButtonPressed(CommandIndex index, bool pressed) override;
    void PageUpDown(PageDirection direction) override;
    void CopyTapeImage(TapeImageMode Mode) override;
    void ExitPrompt() override;

    void m_Exit_Click() override;
    void m_Prn_Click(std::int16_t Index) override;
    void m_OnTop_Click(bool OnTop) override;
    void m_SaveSettings_Click() override;
    void m_Default_Click() override;
    void m_About_Click() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void Form_Load(std::optional<int> twipsPerPixel,
                   const std::optional<std::filesystem::path>& journalFolder);
    void OpenJournal(const std::filesystem::path& folder);
    void Form_Unload();
    void ScaleLayout(int twipsPerPixel);
    void Form_Resize();
    void ApplyTapeVisibility();
    void LoadSettings();
    void SaveSettings() const;
    void ApplySettings(const WindowSettings& settings);
    void ApplyOnTop(bool OnTop);
    void PlaceWindow(const WindowSettings& settings);
    void CentreAgainWithFrame();
    WindowSettings CurrentSettings() const;
    void JoinServices();
    void PrintersArrived(const PrinterNames& printers);
    bool SelectPrinter(const QString& name);
    void ShowTapeCopyMenu();
    void SetUpFocus();

    WindowMeasures Measures() const;
    const TwipsRect& ControlTwips(std::string_view name) const;
    int PixelsX(double twips) const;
    int PixelsY(double twips) const;

    ScaledLayout m_layout;
    QWidget* m_client;
    DisplayLabels m_labels;
    RoundOptPanel m_roundOpt;
    Keypad m_keypad;
    CalcTape* m_tape;
    std::unique_ptr<PrinterList> m_printerList;
    PrinterSelection m_printers;
    // A printer chosen before the list was read, selected once it is.
    std::optional<QString> m_wantedPrinter;
    QtBlinkTimer m_timer;
    MainMenus m_menus;
    FramePacer m_pacer{*this};
    WindowDisplay m_display;
    QtClipboard m_clipboard;
    std::unique_ptr<TonePort> m_tones;
    std::unique_ptr<CalculatorJournal> m_journal;
    AddingMachine m_machine;
    bool m_tapeShown = true;
    const DesktopAbilities m_desktop;
    // The user's choice, kept and saved as chosen also where the desktop refuses it.
    bool m_onTopChosen = true;
    // The last stored position that placed the window, in twips: saved again as it was where
    // the desktop tells none.
    int m_storedTop = -1;
    int m_storedLeft = -1;
    MessageHook m_messageHook;
    NoticeBar* m_notices;
    const QString m_settingsFile;
    // Axes centred at start-up before the window had its frame, and the size centred then.
    struct PendingCentring {
        bool top = false;
        bool left = false;
        QSize size;
    };
    std::optional<PendingCentring> m_centring;
    std::unique_ptr<WindowSpeech> m_speech;
    ArrowFocus m_arrows;
    // Last, so that no key reaches the mapping once the window is being taken down.
    std::unique_ptr<KeyEventFilter> m_keyFilter;
};

}  // namespace vantrel
