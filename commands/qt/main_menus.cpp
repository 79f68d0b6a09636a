#include "commands/qt/main_menus.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "commands/qt/menu_entry_accessible.h"

namespace vantrel {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubmenu(QMenu& parent, const char* name, const QString& caption) {
    QMenu* menu = parent.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

MainMenus::MainMenus(QMenuBar& bar, WindowPort& window,
                     std::function<void(CommandIndex)> theButton_Click)
    : m_window(window), m_theButton_Click(std::move(theButton_Click)) {
    InstallMenuEntryAccessibility();
    bar.setNativeMenuBar(false);
    BuildFileMenu(bar);
    BuildEditMenu(bar);
    BuildOptionsMenu(bar);
    BuildHelpMenu(bar);
}

QAction* MainMenus::AddEntry(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* MainMenus::AddKeyEntry(QMenu& menu, const char* name, const QString& caption,
                                CommandIndex index) {
    QAction* action = AddEntry(menu, name, caption);
    QObject::connect(action, &QAction::triggered, [this, index] { m_theButton_Click(index); });
    return action;
}

void MainMenus::AddSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

void MainMenus::BuildFileMenu(QMenuBar& bar) {
    QMenu* file = AddMenu(bar, "m_File", QStringLiteral("&File"));
    AddKeyEntry(*file, "m_New", QStringLiteral("New    (Ctrl+N)"), CommandIndex::New);
    AddKeyEntry(*file, "m_Print", QStringLiteral("Print    (Ctrl+P)"), CommandIndex::PrintTape);
    m_PSelect = AddSubmenu(*file, "m_PSelect", QStringLiteral("Select Printer"));
    AddPrinterEntries();
    AddSeparator(*file, "m_1");
    QObject::connect(AddEntry(*file, "m_Exit", QStringLiteral("Exit")), &QAction::triggered,
                     [this] { m_window.m_Exit_Click(); });
}

void MainMenus::AddPrinterEntries() {
    for (std::int16_t i = 0; i < kPrinterEntries; ++i) {
        m_Prn[i] = AddEntry(*m_PSelect, "m_Prn", QStringLiteral("Pr%1").arg(i));
        m_Prn[i]->setProperty("Index", i);
        m_Prn[i]->setCheckable(true);
        m_Prn[i]->setVisible(false);
        // The check marks follow the printer that is current, and a printer that has gone
        // since start-up changes nothing, so the entry's own toggle is taken back first.
        QObject::connect(m_Prn[i], &QAction::triggered, [this, i](bool checked) {
            m_Prn[i]->setChecked(!checked);
            m_window.m_Prn_Click(i);
        });
    }
    m_PEmpty = AddEntry(*m_PSelect, "m_PEmpty", QStringLiteral("(Empty)"));
}

void MainMenus::BuildEditMenu(QMenuBar& bar) {
    QMenu* edit = AddMenu(bar, "m_Edit", QStringLiteral("&Edit"));
    AddKeyEntry(*edit, "m_Copy", QStringLiteral("Copy    (Ctrl+C)"), CommandIndex::Copy);
    AddKeyEntry(*edit, "m_Paste", QStringLiteral("Paste    (Ctrl+V)"), CommandIndex::Paste);
    AddSeparator(*edit, "m_2");
    m_TapeCopy = AddSubmenu(*edit, "m_TapeCopy", QStringLiteral("Tape Copy"));
    const auto addCopy = [this](const char* name, const QString& caption, TapeImageMode mode) {
        QObject::connect(AddEntry(*m_TapeCopy, name, caption), &QAction::triggered,
                         [this, mode] { m_window.CopyTapeImage(mode); });
    };
    addCopy("m_CopyAll", QStringLiteral("Copy All    (Ctrl+Alt+C)"), TapeImageMode::WholeTape);
    addCopy("m_CopyVisible", QStringLiteral("Copy Visible"), TapeImageMode::VisibleLines);
    addCopy("m_CopyLast", QStringLiteral("Last Calculation"), TapeImageMode::LastCalculation);
    AddSeparator(*edit, "m_21");
    m_Undo = AddKeyEntry(*edit, "m_Undo", QStringLiteral("Undo    (Ctrl+Z)"), CommandIndex::Undo);
    m_Undo->setEnabled(false);
}

void MainMenus::BuildOptionsMenu(QMenuBar& bar) {
    QMenu* options = AddMenu(bar, "m_Options", QStringLiteral("&Options"));
    options->setToolTipsVisible(true);
    m_OnTop = AddEntry(*options, "m_OnTop", QStringLiteral("Always on top"));
    m_OnTop->setCheckable(true);
    m_OnTop->setChecked(true);
    QObject::connect(m_OnTop, &QAction::triggered,
                     [this](bool checked) { m_window.m_OnTop_Click(checked); });
    m_ShowTape = AddEntry(*options, "m_ShowTape", QStringLiteral("Show Tape"));
    m_ShowTape->setCheckable(true);
    m_ShowTape->setChecked(true);
    // The check mark follows the tape's visibility, which the command may refuse to change
    // (the error state), so the entry's own toggle is taken back first.
    QObject::connect(m_ShowTape, &QAction::triggered, [this](bool checked) {
        m_ShowTape->setChecked(!checked);
        m_theButton_Click(CommandIndex::ShowHideTape);
    });
    AddSeparator(*options, "m_12");
    QObject::connect(AddEntry(*options, "m_SaveSettings", QStringLiteral("Save Settings")),
                     &QAction::triggered, [this] { m_window.m_SaveSettings_Click(); });
    AddSeparator(*options, "m_3");
    QObject::connect(AddEntry(*options, "m_Default", QStringLiteral("Restore Default")),
                     &QAction::triggered, [this] { m_window.m_Default_Click(); });
}

void MainMenus::BuildHelpMenu(QMenuBar& bar) {
    QMenu* help = AddMenu(bar, "m_Help", QStringLiteral("&Help"));
    QObject::connect(AddEntry(*help, "m_About", QStringLiteral("About")), &QAction::triggered,
                     [this] { m_window.m_About_Click(); });
}

void MainMenus::SetUndoEnabled(bool enabled) {
    m_Undo->setEnabled(enabled);
}

void MainMenus::SetShowTapeChecked(bool checked) {
    m_ShowTape->setChecked(checked);
}

void MainMenus::SetOnTopChecked(bool checked) {
    m_OnTop->setChecked(checked);
}

void MainMenus::SetOnTopOffered(bool offered) {
    m_OnTop->setEnabled(offered);
    if (offered) {
        m_OnTop->setToolTip(QString());
    } else {
        m_OnTop->setChecked(false);
        m_OnTop->setToolTip(QStringLiteral("This desktop does not let programs stay on top"));
    }
}

void MainMenus::FillPrinterMenu(const QStringList& deviceNames, const QString& current) {
    const int listed = std::min<int>(deviceNames.size(), kPrinterEntries);
    for (int i = 0; i < kPrinterEntries; ++i) {
        if (i < listed) {
            const QString& name = deviceNames[i];
            m_Prn[i]->setData(name);
            m_Prn[i]->setText(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
            if (name.compare(current, Qt::CaseInsensitive) == 0) {
                m_Prn[i]->setChecked(true);
            }
        }
        m_Prn[i]->setVisible(i < listed);
    }
    m_PEmpty->setText(QStringLiteral("(Empty)"));
    m_PEmpty->setVisible(listed == 0);
}

void MainMenus::ShowPrintersLoading() {
    m_PEmpty->setText(QStringLiteral("(Loading printers\u2026)"));
    m_PEmpty->setVisible(true);
}

QString MainMenus::PrinterEntryName(int index) const {
    if (index < 0 || index >= kPrinterEntries || !m_Prn[index]->isVisible()) {
        return {};
    }
    return m_Prn[index]->data().toString();
}

void MainMenus::CheckPrinterEntry(int index) {
    for (int i = 0; i < kPrinterEntries; ++i) {
        m_Prn[i]->setChecked(i == index);
    }
}

}  // namespace vantrel
