#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "shell/display_labels.h"
#include "shell/spoken_changes.h"

namespace vantrel {

class Calculator;
class NoticeBar;
class TapeLineStore;

// Tells a screen reader what each key changed, in one notice once the change is complete:
// the labels' changes are gathered until the event loop runs again. Made after start-up, so
// that the state the window starts with is not spoken.
class WindowSpeech : public QObject {
  public:
    struct Sources {
        const Calculator& calculator;
        const TapeLineStore& tape;
        DisplayLabels labels;
        NoticeBar& notices;
    };

    explicit WindowSpeech(Sources sources);

  private:
    void TellChanged();
    void SpeakChange();
    SpokenState Current() const;
    std::vector<std::string> LinesSince(std::int32_t count) const;

    Sources m_sources;
    SpokenState m_spoken;
    bool m_pending = false;
};

}  // namespace vantrel
