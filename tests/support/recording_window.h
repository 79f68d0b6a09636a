#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_ports.h"
#include "commands/keyboard_map.h"

// The window and the adding machine as the keyboard and the menus see them, each call written
// as a short word into one shared list, so that tests can compare whole sequences.
namespace vantrel {

class RecordingWindow : public WindowPort {
  public:
    explicit RecordingWindow(std::vector<std::string>& events) : m_events(events) {}

    void ToggleTapeShown() override { Log("tape"); }
    void ShowButtonPressed(CommandIndex index, bool pressed) override {
        Log((pressed ? "press " : "release ") + std::to_string(ValueOf(index)));
        if (pressed) {
            shownPressed.insert(ValueOf(index));
        } else {
            shownPressed.erase(ValueOf(index));
        }
    }
    void PageUpDown(PageDirection direction) override {
        Log(direction == PageDirection::Up ? "page up" : "page down");
    }
    void CopyTapeImage(TapeImageMode Mode) override {
        Log("image " + std::to_string(ValueOf(Mode)));
    }
    void ExitPrompt() override { Log("exit"); }
    void m_Exit_Click() override { Log("menu exit"); }
    void m_Prn_Click(std::int16_t Index) override { Log("printer " + std::to_string(Index)); }
    void m_OnTop_Click(bool OnTop) override { Log(OnTop ? "on top" : "not on top"); }
    void m_SaveSettings_Click() override { Log("save settings"); }
    void m_Default_Click() override { Log("defaults"); }
    void m_About_Click() override { Log("about"); }

    // The buttons drawn pressed now.
    std::set<int> shownPressed;

  private:
    void Log(std::string event) { m_events.push_back(std::move(event)); }

    std::vector<std::string>& m_events;
};

class RecordingCommands : public CommandTarget {
  public:
    explicit RecordingCommands(std::vector<std::string>& events) : m_events(events) {}

    void theButton_Click(CommandIndex Index) override {
        m_events.push_back("click " + std::to_string(ValueOf(Index)));
    }
    void RoundOpt_Click(int index) override {
        m_events.push_back("round " + std::to_string(index));
    }
    bool UndoAvailable() const override { return undoAvailable; }

    bool undoAvailable = false;

  private:
    std::vector<std::string>& m_events;
};

}  // namespace vantrel
