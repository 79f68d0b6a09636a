#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/gui/window_fixture.h"
#include "tests/support/bus_client.h"

namespace vantrel::testing {
namespace {

struct SendResult {
    int status = -1;
    std::string out;
    std::string err;
};

SendResult RunSend(const QStringList& arguments, const QProcessEnvironment& environment =
                                                     QProcessEnvironment::systemEnvironment()) {
    QProcess send;
    send.setProcessEnvironment(environment);
    send.start(QStringLiteral(VANTREL_SEND_PATH), arguments);
    if (!send.waitForFinished(30'000) || send.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {send.exitCode(), send.readAllStandardOutput().toStdString(),
            send.readAllStandardError().toStdString()};
}

bool NameOwned() {
    return Client().interface()->isServiceRegistered(QString::fromLatin1(kCalculatorService));
}

// The real calculator, started on the session bus with a settings store of its own.
class SendToCalculator : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
        ASSERT_FALSE(NameOwned()) << "another calculator owns the name already";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.path());
        // A terminated calculator leaves its journal, which the next test's must not restore.
        environment.insert(QStringLiteral("XDG_STATE_HOME"), m_settings.filePath("state"));
        m_calculator.setProcessEnvironment(environment);
        m_calculator.start(QStringLiteral(VANTREL_CALCULATOR_PATH), {});
        ASSERT_TRUE(m_calculator.waitForStarted());
        ASSERT_TRUE(WaitFor(NameOwned, 20'000)) << "the calculator did not come on the bus";
    }
    void TearDown() override {
        m_calculator.terminate();
        m_calculator.waitForFinished();
        EXPECT_TRUE(WaitFor([] { return !NameOwned(); })) << "the name outlived the calculator";
    }

    QTemporaryDir m_settings;
    QProcess m_calculator;
};

TEST_F(SendToCalculator, EveryCommandDrivesOrReadsTheCalculator) {
    for (const QStringList& command : {QStringList{"input", "1250.75"},
                                       {"operate", "add"},
                                       {"input-raw", "0x2710", "0"},
                                       {"operate", "subtract"},
                                       {"operate", "6"},
                                       {"operate", "memory-add"}}) {
        const SendResult r = RunSend(command);
        EXPECT_EQ(r.status, 0) << command.join(' ').toStdString() << r.err;
        EXPECT_EQ(r.out + r.err, "") << command.join(' ').toStdString();
    }
    EXPECT_EQ(RunSend({"read"}).out,
              "display\t1,249.75 \nmemory\t1,249.75 \ncounter\t0 \nerror\tFalse\n");
    EXPECT_EQ(RunSend({"tape"}).out,
              "1,250.75  +\n"
              "       1  -\n"
              "1,249.75  T  2 items\n"
              "1,249.75  M+\n");
    EXPECT_EQ(RunSend({"tape", "--csv"}).out,
              "amount,code,mark,ink\r\n"
              "\"1,250.75\",2,add,normal\r\n"
              "1,1,subtract,normal\r\n"
              "\"1,249.75\",102,total,normal\r\n"
              "\"1,249.75\",6,memory-add,normal\r\n");
}

TEST_F(SendToCalculator, RefusalsSendNothingAndSayWhyInOneLine) {
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } rows[] = {
        {{}, 2, "no command given"},
        {{"input", "1e3"}, 4, "not an amount: '1e3'"},
        {{"input", "1.23456"}, 5, "too many decimals in '1.23456'"},
        {{"input", "922337203685477.5808"}, 6, "amount out of range"},
        {{"operate", "fly"}, 7, "unknown operation 'fly'"},
    };
    for (const auto& row : rows) {
        const SendResult r = RunSend(row.arguments);
        const std::string line = std::string("vantrel-send: ") + row.says;
        EXPECT_EQ(r.status, row.status) << row.says;
        EXPECT_EQ(r.out, "") << row.says;
        EXPECT_EQ(r.err.rfind(line, 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    EXPECT_EQ(RunSend({"tape", "--csv"}).out, "amount,code,mark,ink\r\n");
}

TEST(SendWithoutCalculator, NoOwnerAndNoBusAreBothNoCalculatorRunning) {
    ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
    ASSERT_FALSE(NameOwned()) << "another calculator owns the name already";
    const SendResult noOwner = RunSend({"read"});
    EXPECT_EQ(noOwner.status, 3);
    EXPECT_EQ(noOwner.out, "");
    EXPECT_EQ(noOwner.err,
              "vantrel-send: no calculator running: nothing owns "
              "org.vantrel.Calculator on the session bus\n");

    const QTemporaryDir runtimeDir;
    QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
    noBus.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    noBus.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    const SendResult busless = RunSend({"operate", "add"}, noBus);
    EXPECT_EQ(busless.status, 3);
    EXPECT_EQ(busless.err, "vantrel-send: no calculator running: no session bus\n");

    const SendResult help = RunSend({"--help"}, noBus);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* told : {"input AMOUNT", "input-raw W L", "operate OPERATION", "read",
                             "tape --csv", "memory-restore", "Exit status", "7  unknown"}) {
        EXPECT_NE(help.out.find(told), std::string::npos) << told;
    }
}

}  // namespace
}  // namespace vantrel::testing
