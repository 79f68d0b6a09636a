#include "shell/frm_about.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFrame>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <string>
#include <string_view>
#include <utility>

#include "resources/about/about_art.h"
#include "shell/about_controls.h"
#include "shell/layout/about_design.h"
#include "shell/layout_widgets.h"
#include "shell/main_mod.h"
#include "shell/maker_details.h"
#include "tape/qt/to_qstring.h"
#include "vantrel_version.h"

namespace vantrel {

namespace {

const QColor kProductInk(0, 0, 128);
const QColor kLinkInk(0, 0, 255);
const QColor kLineColour(128, 128, 128);

QString EmailLinkText() {
    return QStringLiteral("Contact Email: ") + ToQString(maker::kContactEmail);
}

QString WebsiteLinkText() {
    return QStringLiteral("Website: ") + ToQString(maker::kWebAddress);
}

QCursor HandCursor() {
    QPixmap pixmap(kHandCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(HandCursorPath()).render(&painter);
    painter.end();
    return QCursor(pixmap, kHandCursorHotSpot.x(), kHandCursorHotSpot.y());
}

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

template <typename Label = QLabel>
Label* AddLabel(QWidget& window, const std::string& name, const QString& text, const QColor& ink) {
    auto* label = new Label(&window);
    label->setObjectName(QString::fromStdString(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    SetColour(*label, QPalette::WindowText, ink);
    return label;
}

LinkLabel* AddLink(QWidget& window, std::string_view name, const QString& text,
                   const QString& description, const QCursor& hand) {
    auto* link = AddLabel<LinkLabel>(window, std::string(name), text, kLinkInk);
    link->setCursor(hand);
    link->setAccessibleName(text);
    link->setAccessibleDescription(description);
    return link;
}

PictureBox* AddLogo(QWidget& window, const QCursor& hand) {
    auto* logo = new PictureBox(&window, LogoPath());
    logo->setObjectName(ToQString(kLogoName));
    logo->setCursor(hand);
    logo->setAccessibleName(QStringLiteral("Vantrel logo"));
    logo->setAccessibleDescription(QStringLiteral("Opens ") + ToQString(maker::kWebAddress));
    return logo;
}

void AddSeparator(QWidget& window) {
    auto* line = new QFrame(&window);
    line->setObjectName(ToQString(kAboutLineName));
    line->setAutoFillBackground(true);
    SetColour(*line, QPalette::Window, kLineColour);
}

}  // namespace

UrlOpener DesktopUrlOpener() {
    // The desktop's answer is not looked at: with no browser or mail program nothing happens.
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

FrmAbout::FrmAbout(QWidget* parent, int twipsPerPixelX, int twipsPerPixelY, UrlOpener opener)
    : QDialog(parent), m_layout(AboutDesign()), m_open(std::move(opener)) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About Vantrel"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    m_layout.Scale(twipsPerPixelX, twipsPerPixelY);
    CreateControls();
    ApplyScaledLayout(*this, m_layout);
    setFixedSize(
        TwipsToPixels(ScaleFromDesign(kAboutClientArea.width, twipsPerPixelX), twipsPerPixelX),
        TwipsToPixels(ScaleFromDesign(kAboutClientArea.height, twipsPerPixelY), twipsPerPixelY));
    Form_Load();
}

void FrmAbout::CreateControls() {
    const QCursor hand = HandCursor();
    connect(AddLogo(*this, hand), &PictureBox::clicked, this, &FrmAbout::Logo_Click);

    AddLabel(*this, AboutLabelName(0), ToQString(maker::kProductName), kProductInk);
    AddLabel(*this, AboutLabelName(1), QStringLiteral("Version ") + ToQString(kVersion),
             kProductInk);
    AddLabel(*this, AboutLabelName(2), ToQString(maker::kProductLine), kProductInk);

    connect(
        AddLink(*this, kEmailLinkName, EmailLinkText(),
                QStringLiteral("Writes a new message to ") + ToQString(maker::kContactEmail), hand),
        &LinkLabel::clicked, this, &FrmAbout::LEmail_Click);
    connect(AddLink(*this, kWebsiteLinkName, WebsiteLinkText(),
                    QStringLiteral("Opens ") + ToQString(maker::kWebAddress), hand),
            &LinkLabel::clicked, this, &FrmAbout::LWebsite_Click);

    AddLabel(*this, AboutLabelName(5), ToQString(maker::kRightsNotice), Qt::black);
    AddLabel(*this, AboutLabelName(6), ToQString(maker::kPostalAddress), Qt::black);
    AddLabel(*this, AboutLabelName(7), ToQString(maker::kTelephones), Qt::black);
    AddSeparator(*this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ToQString(kAboutOkName));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FrmAbout::cmd_Ok_Click);
}

void FrmAbout::Form_Load() {
    SetTopMost(*this, true);
}

void FrmAbout::cmd_Ok_Click() {
    accept();
}

void FrmAbout::LEmail_Click() {
    m_open(QUrl(QStringLiteral("mailto:") + ToQString(maker::kContactEmail)));
}

void FrmAbout::Logo_Click() {
    m_open(QUrl(ToQString(maker::kWebAddress)));
}

void FrmAbout::LWebsite_Click() {
    Logo_Click();
}

}  // namespace vantrel
