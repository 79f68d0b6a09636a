#pragma once

#include <QString>
#include <QWidget>

namespace vantrel {

// A screen reader's line of news in the window, drawn nowhere: each notice is shown to the
// reader as a notification, which Orca speaks whichever control has the focus, where it
// would not speak a label's new text.
class NoticeBar : public QWidget {
    Q_OBJECT

  public:
    explicit NoticeBar(QWidget* parent);

    void Say(const QString& text);
    const QString& Text() const { return m_text; }

  private:
    QString m_text;
};

// Gives every NoticeBar its accessible interface; installing it again changes nothing.
void InstallNoticeAccessibility();

}  // namespace vantrel
