#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

#include "shell/layout/scaled_layout.h"

namespace vantrel {

// Hands an address to the desktop, which opens it in the browser or the mail program.
using UrlOpener = std::function<void(const QUrl&)>;
UrlOpener DesktopUrlOpener();

// "About Vantrel": the product, its version and the maker's links, laid out in twips like the
// main window. Built anew for every opening and shown modally above all other windows.
class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    FrmAbout(QWidget* parent, int twipsPerPixelX, int twipsPerPixelY,
             UrlOpener opener = DesktopUrlOpener());

    void cmd_Ok_Click();
    void LEmail_Click();
    void Logo_Click();
    void LWebsite_Click();

  private:
    void CreateControls();
    void Form_Load();

    ScaledLayout m_layout;
    UrlOpener m_open;
};

}  // namespace vantrel
