#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/command_ports.h"
#include "core/ports.h"
#include "tape/tape_line_store.h"

// Stand-ins for the window's widgets that remember what they were given, so that the same
// calculator code runs and can be inspected without a display.
namespace vantrel {

class RecordingDisplay : public DisplayPort {
  public:
    void SetDisplayText(const std::string& text) override { displayText = text; }
    void SetDisplayInk(Ink newInk) override { ink = newInk; }
    void RepaintDisplayNow() override {}
    void SetMemoryLabel(const std::string& text) override { memoryLabel = text; }
    void SetCounterLabel(const std::string& text) override { counterLabel = text; }
    void ShowUndoAvailable(bool available) override { undoAvailable = available; }
    void ShowRoundOption(int mode) override { roundOption = mode; }

    std::string displayText;
    Ink ink = Ink::Black;
    std::string memoryLabel;
    std::string counterLabel = "0 ";
    bool undoAvailable = false;
    int roundOption = -1;
};

class ManualTimer : public BlinkTimer {
  public:
    void Start(int milliseconds) override {
        running = true;
        interval = milliseconds;
    }
    void Stop() override { running = false; }

    bool running = false;
    int interval = 0;
};

class CountingTones : public TonePort {
  public:
    void ErrorBeep() override { ++beeps; }

    int beeps = 0;
};

// The tape without a view: the line store, and printing that can only report an empty tape.
class HeadlessTape : public TapePort {
  public:
    explicit HeadlessTape(std::vector<std::string>& messages) : m_messages(messages) {}

    void AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR) override {
        store.AddDataLine(NumStr, Op, CLR);
    }
    std::int32_t CurrentLine() const override { return store.CurrentLine(); }
    void SetCurrentLine(std::int32_t count) override { store.SetCurrentLine(count); }
    void Redraw() override {}
    void ClearAll() override { store.ClearAll(); }
    void PrintContent() override {
        if (store.CurrentLine() == 0) {
            m_messages.emplace_back("Nothing to print");
        }
    }

    TapeLineStore store;

  private:
    std::vector<std::string>& m_messages;
};

class MemoryClipboard : public ClipboardPort {
  public:
    std::optional<std::string> Text() const override { return text; }
    void SetText(const std::string& newText) override { text = newText; }

    std::optional<std::string> text;
};

// The window without a screen: the exit prompt is recorded and answered Cancel, and the keys'
// looks, paging and the tape image have nothing to show. There is no menu bar whose entries
// could lead here.
class HeadlessWindow : public WindowPort {
  public:
    explicit HeadlessWindow(std::vector<std::string>& messages) : m_messages(messages) {}

    void ToggleTapeShown() override { tapeShown = !tapeShown; }
    void ShowButtonPressed(CommandIndex, bool) override {}
    void PageUpDown(PageDirection) override {}
    void CopyTapeImage(TapeImageMode) override {}
    void ExitPrompt() override { m_messages.emplace_back("Exit Vantrel Calculator"); }
    void m_Exit_Click() override {}
    void m_Prn_Click(std::int16_t) override {}
    void m_OnTop_Click(bool) override {}
    void m_SaveSettings_Click() override {}
    void m_Default_Click() override {}
    void m_About_Click() override {}

    bool tapeShown = true;

  private:
    std::vector<std::string>& m_messages;
};

}  // namespace vantrel
