#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <vector>

#include "shell/frm_about.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class AboutTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        m_about = std::make_unique<FrmAbout>(nullptr, GetParam(), GetParam(),
                                             [this](const QUrl& url) { m_opened.push_back(url); });
        m_about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_about.get()));
    }

    template <typename T = QWidget>
    T& Control(const char* name) const {
        T* found = m_about->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    QString Text(const char* name) const { return Control<QLabel>(name).text(); }
    void Click(const char* name, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(&Control(name), button);
    }

    std::unique_ptr<FrmAbout> m_about;
    std::vector<QUrl> m_opened;
};

TEST_P(AboutTest, ShowsTheProductTheVersionAndTheMaker) {
    EXPECT_EQ(m_about->windowTitle(), "About Vantrel");
    EXPECT_EQ(Text("Label1_0"), "Vantrel Calculator");
    EXPECT_EQ(Text("Label1_1"), "Version 1.33");
    EXPECT_TRUE(Text("LEmail").startsWith("Contact Email: "));
    EXPECT_TRUE(Text("LWebsite").startsWith("Website: "));
    EXPECT_EQ(Control<QPushButton>("cmd_Ok").text(), "OK");
    for (const char* name : {"Label1_0", "Label1_1", "Label1_2", "LEmail", "LWebsite", "Label1_5",
                             "Label1_6", "Label1_7"}) {
        const QLabel& label = Control<QLabel>(name);
        EXPECT_FALSE(label.text().isEmpty()) << name;
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.width())
            << name << " is cut off";
    }
}

// Every control keeps its designed pixels on every screen; only the twips and points shrink.
TEST_P(AboutTest, ControlsSitAtTheirDesignedPixels) {
    EXPECT_EQ(m_about->size(), QSize(429, 289));  // 6432 x 4332 twips
    EXPECT_EQ(Control("Logo").geometry(), QRect(16, 16, 177, 81));
    EXPECT_EQ(Control("Label1_2").geometry(), QRect(232, 72, 167, 17));
    EXPECT_EQ(Control("LWebsite").geometry(), QRect(16, 138, 395, 25));
    EXPECT_EQ(Control("Line1").geometry(), QRect(8, 240, 416, 1));
    EXPECT_EQ(Control("cmd_Ok").geometry(), QRect(112, 248, 201, 33));
    const QFont product = Control("Label1_0").font();
    EXPECT_TRUE(product.bold());
    EXPECT_DOUBLE_EQ(product.pointSizeF(), 11.0 * GetParam() / 15);
    EXPECT_TRUE(Control("LEmail").font().underline());
}

TEST_P(AboutTest, LogoAndLinksOpenTheMakersAddressesUnderAHandPointer) {
    for (const char* name : {"LEmail", "Logo", "LWebsite"}) {
        const QCursor cursor = Control(name).cursor();
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(12, 5)) << name;
        EXPECT_FALSE(Control(name).accessibleName().isEmpty()) << name;
        Click(name);
        Click(name, Qt::RightButton);
    }
    ASSERT_EQ(m_opened.size(), 3U);
    EXPECT_EQ(m_opened[0].toString(),
              "mailto:" + Text("LEmail").mid(QStringLiteral("Contact Email: ").size()));
    EXPECT_EQ(m_opened[1].toString(), Text("LWebsite").mid(QStringLiteral("Website: ").size()));
    EXPECT_EQ(m_opened[2], m_opened[1]);
    EXPECT_TRUE(m_about->isVisible()) << "a link leaves the window open";
}

TEST_P(AboutTest, ModalAboveOtherWindowsUntilOk) {
    EXPECT_EQ(m_about->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(m_about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Click("cmd_Ok");
    EXPECT_FALSE(m_about->isVisible());
    EXPECT_EQ(m_about->result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, AboutTest, ::testing::Values(15, 12));

}  // namespace
}  // namespace vantrel::testing
