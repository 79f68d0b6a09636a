#include "shell/lazy_extension_icon_style.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <memory>

namespace vantrel {
namespace {

constexpr QSize kIconSize(16, 16);

QImage IconImage(const QStyle& style, QStyle::StandardPixmap icon, const QWidget* widget) {
    return style.standardIcon(icon, nullptr, widget).pixmap(kIconSize).toImage();
}

// Whether loaded at once or at the first paint, every picture is the desktop style's own.
TEST(LazyExtensionIconStyle, DrawsWhatTheDesktopStyleDraws) {
    const LazyExtensionIconStyle lazy;
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(lazy.baseStyle()->name()));
    ASSERT_NE(plain, nullptr);
    QMenuBar bar;
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton, QStyle::SP_MessageBoxInformation}) {
        const QImage expected = IconImage(*plain, icon, &bar);
        ASSERT_FALSE(expected.isNull()) << icon;
        EXPECT_EQ(IconImage(lazy, icon, &bar), expected) << icon;
    }
}

}  // namespace
}  // namespace vantrel
