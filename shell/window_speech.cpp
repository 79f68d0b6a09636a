#include "shell/window_speech.h"

#include <QTimer>

#include "core/calculator.h"
#include "shell/notice_bar.h"
#include "shell/value_label.h"
#include "tape/tape_line_speech.h"
#include "tape/tape_line_store.h"

namespace vantrel {

WindowSpeech::WindowSpeech(Sources sources) : m_sources(sources), m_spoken(Current()) {
    for (ValueLabel* label :
         {m_sources.labels.C_Display, m_sources.labels.LMem, m_sources.labels.LCounter}) {
        connect(label, &ValueLabel::ValueChanged, this, &WindowSpeech::TellChanged);
    }
}

void WindowSpeech::TellChanged() {
    if (!m_pending) {
        m_pending = true;
        QTimer::singleShot(0, this, &WindowSpeech::SpeakChange);
    }
}

void WindowSpeech::SpeakChange() {
    m_pending = false;
    const SpokenState now = Current();
    const std::string change = SpokenChange(m_spoken, now, LinesSince(m_spoken.tapeLines));
    m_spoken = now;
    if (!change.empty()) {
        m_sources.notices.Say(QString::fromStdString(change));
    }
}

SpokenState WindowSpeech::Current() const {
    const CalcState& state = m_sources.calculator.State();
    return {.display = m_sources.calculator.CopyText(),
            .memory = m_sources.labels.LMem->Value().toStdString(),
            .itemCount = m_sources.labels.LCounter->Value().toStdString(),
            .tapeLines = m_sources.tape.CurrentLine(),
            .error = state.ErrorState,
            .keying = state.EntryText != "0"};
}

// A tape that grew tells its new lines; one that shrank, by Undo or New, tells none. An error
// line is left to the error state's own word.
std::vector<std::string> WindowSpeech::LinesSince(std::int32_t count) const {
    std::vector<std::string> lines;
    for (std::int32_t k = count + 1; k <= m_sources.tape.CurrentLine(); ++k) {
        if (const TapeLine line = m_sources.tape.Line(k); line.Op != TapeOpError) {
            lines.push_back(SpokenTapeLine(line));
        }
    }
    return lines;
}

}  // namespace vantrel
