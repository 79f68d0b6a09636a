#include "shell/layout_widgets.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "tape/tape_font.h"

namespace vantrel {

void InstallFontSubstitutes() {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")});
    QFont::insertSubstitutions(QString::fromUtf8(kTapeFontFamily),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
}

int ScreenTwipsPerPixel(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen == nullptr ? kDesignTwipsPerPixel
                             : TwipsPerPixelFromDpi(screen->logicalDotsPerInchY());
}

QFont DesignFont(const FontDesign& design) {
    QFont font(QString::fromStdString(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setUnderline(design.underline);
    return font;
}

void ApplyScaledLayout(QWidget& client, const ScaledLayout& layout) {
    for (const ControlDesign& control : layout.Controls()) {
        auto* widget = client.findChild<QWidget*>(QString::fromStdString(control.name));
        if (widget == nullptr) {
            continue;
        }
        const PixelRect pixels = layout.Pixels(control);
        widget->setGeometry(pixels.left, pixels.top, pixels.width, pixels.height);
        if (control.font && control.name != kTapeName) {
            widget->setFont(DesignFont(*control.font));
        }
    }
}

}  // namespace vantrel
