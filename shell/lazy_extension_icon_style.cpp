#include "shell/lazy_extension_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace vantrel {

namespace {

// Asks the style for its picture at the first paint, and keeps it.
class StyleIconOnFirstUse : public QIconEngine {
  public:
    StyleIconOnFirstUse(const QStyle* style, QStyle::StandardPixmap icon)
        : m_style(style), m_icon(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }

    QIconEngine* clone() const override { return new StyleIconOnFirstUse(*this); }

  private:
    const QIcon& Loaded() {
        if (!m_loaded) {
            m_loaded = m_style ? m_style->standardIcon(m_icon) : QIcon();
        }
        return *m_loaded;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_icon;
    std::optional<QIcon> m_loaded;
};

bool IsExtensionArrow(QStyle::StandardPixmap icon) {
    return icon == QStyle::SP_ToolBarHorizontalExtensionButton ||
           icon == QStyle::SP_ToolBarVerticalExtensionButton;
}

}  // namespace

QIcon LazyExtensionIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                           const QWidget* widget) const {
    if (IsExtensionArrow(icon) && option == nullptr) {
        return QIcon(new StyleIconOnFirstUse(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace vantrel
