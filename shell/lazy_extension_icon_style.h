#pragma once

#include <QProxyStyle>

namespace vantrel {

// The desktop's style, except that the menu bar's extension arrow loads its picture when it is
// first drawn. Qt builds that arrow with every menu bar, and reading its picture loads every
// image format the system has, before the window can show; the calculator's menu bar is never
// narrow enough to need the arrow.
class LazyExtensionIconStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace vantrel
