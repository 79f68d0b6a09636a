#pragma once

#include <QStringList>
#include <array>
#include <functional>

#include "commands/command_ports.h"
#include "core/vocabulary.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vantrel {

// The menu bar of the main window and the states kept in its entries: Undo enabled, the check
// marks of Always on top and Show Tape, and the printer list. Entries that stand for a keypad
// key go through theButton_Click with that key's index and draw no key pressed; the others
// lead to the window.
class MainMenus {
  public:
    static constexpr int kPrinterEntries = 10;

    MainMenus(QMenuBar& bar, WindowPort& window, std::function<void(CommandIndex)> theButton_Click);

    QMenu& TapeCopyMenu() const { return *m_TapeCopy; }

    void SetUndoEnabled(bool enabled);
    void SetShowTapeChecked(bool checked);
    void SetOnTopChecked(bool checked);
    // Where the desktop cannot keep a window above, Always on top is shown unchecked and
    // disabled, with a tooltip that says why.
    void SetOnTopOffered(bool offered);

    // Up to ten printers by device name, each in its own entry, the one named `current`
    // checked; "(Empty)" shows only while none is listed.
    void FillPrinterMenu(const QStringList& deviceNames, const QString& current);
    // Until FillPrinterMenu: the submenu says that the printers are being read.
    void ShowPrintersLoading();
    // The device name printer entry `index` was filled with; empty for an entry not in use.
    QString PrinterEntryName(int index) const;
    // Checks printer entry `index` and clears every other one.
    void CheckPrinterEntry(int index);

  private:
    void BuildFileMenu(QMenuBar& bar);
    void BuildEditMenu(QMenuBar& bar);
    void BuildOptionsMenu(QMenuBar& bar);
    void BuildHelpMenu(QMenuBar& bar);
    QAction* AddEntry(QMenu& menu, const char* name, const QString& caption);
    QAction* AddKeyEntry(QMenu& menu, const char* name, const QString& caption, CommandIndex index);
    void AddSeparator(QMenu& menu, const char* name);
    void AddPrinterEntries();

    WindowPort& m_window;
    std::function<void(CommandIndex)> m_theButton_Click;
    QMenu* m_TapeCopy = nullptr;
    QMenu* m_PSelect = nullptr;
    std::array<QAction*, kPrinterEntries> m_Prn{};
    QAction* m_PEmpty = nullptr;
    QAction* m_Undo = nullptr;
    QAction* m_OnTop = nullptr;
    QAction* m_ShowTape = nullptr;
};

}  // namespace vantrel
