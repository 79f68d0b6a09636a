#pragma once

#include <QAccessibleWidget>

namespace vantrel {

class NoticeBar;

// The notice bar for a screen reader: a notification named by the latest notice.
class NoticeAccessible : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(NoticeBar* bar);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};

}  // namespace vantrel
