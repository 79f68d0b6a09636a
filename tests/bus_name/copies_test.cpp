#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QTest>
#include <memory>

#include "shell/frm_main.h"
#include "shell/value_label.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/bus_client.h"

namespace vantrel::testing {
namespace {

QString Owner() {
    return Client().interface()->serviceOwner(QString::fromLatin1(kCalculatorService)).value();
}

QStringList QueuedOwners() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListQueuedOwners"));
    call << QString::fromLatin1(kCalculatorService);
    return QDBusReply<QStringList>(CallAndWait(call)).value();
}

QString DisplayOf(const FrmMain& window) {
    return window.findChild<ValueLabel*>(QStringLiteral("C_Display"))->text();
}

// A copy as the program starts one: it joins the bus once its window is on screen.
std::unique_ptr<FrmMain> StartCopy() {
    auto copy = std::make_unique<FrmMain>(
        FrmMainOptions{std::nullopt, nullptr, nullptr, std::nullopt, std::nullopt});
    copy->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(copy.get()));
    return copy;
}

TEST(CalculatorCopies, TheNameGoesToTheFirstAndPassesToTheNextWhenItCloses) {
    ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
    ASSERT_TRUE(Owner().isEmpty()) << "another calculator owns the name already";
    const QString name = QString::fromLatin1(kCalculatorService);

    auto first = StartCopy();
    ASSERT_TRUE(WaitFor([] { return !Owner().isEmpty(); }));
    const QString firstOwner = Owner();
    auto second = StartCopy();
    ASSERT_TRUE(WaitFor([] { return QueuedOwners().size() == 2; }));
    const QStringList queue = QueuedOwners();
    EXPECT_EQ(queue.front(), firstOwner);
    const QString secondOwner = queue.back();

    Input(name, 15'000, 0);
    EXPECT_EQ(DisplayOf(*first), "1.5 ");
    EXPECT_EQ(DisplayOf(*second), "0. ");

    first->close();
    ASSERT_TRUE(WaitFor([&] { return Owner() == secondOwner; }));
    EXPECT_FALSE(Client().interface()->isServiceRegistered(firstOwner).value())
        << "a closed window leaves the bus";
    Input(name, 0, 1);
    EXPECT_EQ(DisplayOf(*second), "429,496.7296 ");
    EXPECT_EQ(DisplayOf(*first), "1.5 ");
}

}  // namespace
}  // namespace vantrel::testing
