#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "tests/gui/window_fixture.h"
#include "tests/support/bus_client.h"

namespace vantrel::testing {

// A window on the session bus, reached through its own connection's unique name, so that
// tests running side by side never reach each other's windows.
class WindowOnBusTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
        WindowTest::SetUp();
        const QStringList names = OwnProcessNames();
        ASSERT_EQ(names.size(), 1) << "the window is not on the bus";
        m_name = names.front();
    }

    QString m_name;
};

}  // namespace vantrel::testing
