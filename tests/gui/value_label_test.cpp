#include "shell/value_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <tuple>

namespace vantrel {
namespace {

template <typename Label>
QImage Drawn(Label& label, const QString& text, Qt::Alignment alignment, int frameStyle) {
    label.setAlignment(alignment);
    label.setFrameStyle(frameStyle);
    label.resize(160, 28);
    label.setText(text);
    return label.grab().toImage();
}

// A value label draws its own text; it must put it where a plain label does, whatever the frame
// and alignment, with the focus or without.
TEST(ValueLabel, PaintsItsTextWhereAPlainLabelDoes) {
    const int sunkenPanel = QFrame::Panel | QFrame::Sunken;
    for (const auto& [text, alignment, frame] :
         {std::tuple{QStringLiteral("1,234.56 "), Qt::AlignRight | Qt::AlignVCenter, sunkenPanel},
          std::tuple{QStringLiteral("-Error-"), Qt::AlignLeft | Qt::AlignTop, sunkenPanel},
          std::tuple{QStringLiteral("0."), Qt::AlignHCenter | Qt::AlignBottom, 0}}) {
        ValueLabel focusable(nullptr);
        focusable.setFocusPolicy(Qt::TabFocus);
        QLabel plain;
        EXPECT_EQ(Drawn(focusable, text, alignment, frame), Drawn(plain, text, alignment, frame))
            << text.toStdString();
    }
}

}  // namespace
}  // namespace vantrel
