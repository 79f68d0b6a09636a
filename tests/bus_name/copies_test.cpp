#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QLabel>
#include <memory>

#include "shell/frm_main.h"
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
    return window.findChild<QLabel*>(QStringLiteral("C_Display"))->text();
}

std::unique_ptr<FrmMain> StartCopy() {
    return std::make_unique<FrmMain>(
        FrmMainOptions{std::nullopt, nullptr, nullptr, std::nullopt, std::nullopt});
}

TEST(CalculatorCopies, TheNameGoesToTheFirstAndPassesToTheNextWhenItCloses) {
    ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
    ASSERT_TRUE(Owner().isEmpty()) << "another calculator owns the name already";
    const QString name = QString::fromLatin1(kCalculatorService);

    auto first = StartCopy();
    const QString firstOwner = Owner();
    ASSERT_FALSE(firstOwner.isEmpty());
    auto second = StartCopy();
    const QStringList queue = QueuedOwners();
    ASSERT_EQ(queue.size(), 2);
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
