#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "tests/bus/window_on_bus.h"

namespace vantrel::testing {
namespace {

constexpr int kClients = 4;
// 1,500 calls a client keep the suite quick; bench/bus/measure_flood.sh runs the full 25,000.
constexpr int kDefaultPairsPerClient = 750;
constexpr qint64 kClientStride = 100000;
constexpr int kTypingIntervalMs = 20;

// Posts a digit key to the window now and then, as a user types during the flood, and notes
// how long each took from being posted until the display showed it. The key is posted, not
// sent, so it waits in the event queue behind the calls as a typed key does.
class Typist : public QObject {
  public:
    Typist(QWidget& window, ValueLabel& display) : m_window(window), m_display(display) {
        QCoreApplication::instance()->installEventFilter(this);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Post(); });
        m_timer.start(kTypingIntervalMs);
    }
    ~Typist() override { QCoreApplication::instance()->removeEventFilter(this); }
    void Stop() { m_timer.stop(); }

    std::vector<qint64> latenciesNs;
    int notShown = 0;

  protected:
    // Installed after the window's own filter, so it sees the posted press first: it hands a
    // copy on to the window and reads the display as soon as the window has handled it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event != m_posted) {
            return false;
        }
        m_posted = nullptr;
        QKeyEvent copy(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QCoreApplication::sendEvent(watched, &copy);
        latenciesNs.push_back(m_postedAt.nsecsElapsed());
        notShown += m_display.text().endsWith(QStringLiteral("7. ")) ? 0 : 1;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QCoreApplication::sendEvent(watched, &release);
        return true;
    }

  private:
    void Post() {
        if (m_posted != nullptr) {
            return;
        }
        auto press = std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier,
                                                 QStringLiteral("7"));
        m_posted = press.get();
        m_postedAt.start();
        QCoreApplication::postEvent(&m_window, press.release());
    }

    QWidget& m_window;
    ValueLabel& m_display;
    QTimer m_timer;
    QEvent* m_posted = nullptr;
    QElapsedTimer m_postedAt;
};

int PairsPerClient() {
    bool ok = false;
    const int pairs = qEnvironmentVariableIntValue("VANTREL_BUS_FLOOD_PAIRS", &ok);
    return ok && pairs > 0 ? pairs : kDefaultPairsPerClient;
}

qint64 Percentile(std::vector<qint64> values, double share) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values.empty() ? -1 : values[at];
}

// Whose amount a tape line is, and which of theirs: client c's k-th amount is c * 100000 + k.
struct Owner {
    qint64 client;
    qint64 index;
};
std::optional<Owner> OwnerOf(const QString& text, int pairs) {
    bool ok = false;
    const qint64 value = QString(text).remove(QLatin1Char(',')).toLongLong(&ok);
    const qint64 client = value / kClientStride;
    if (!ok || client < 1 || client > kClients || value % kClientStride >= pairs) {
        return std::nullopt;
    }
    return Owner{client, value % kClientStride};
}

class BusFlood : public WindowOnBusTest {};

TEST_F(BusFlood, FourProgramsLoseNoCallAndTypedKeysStillShow) {
    const int pairs = PairsPerClient();
    std::vector<std::unique_ptr<QProcess>> clients;
    for (int c = 1; c <= kClients; ++c) {
        clients.push_back(std::make_unique<QProcess>());
        clients.back()->start(QStringLiteral(VANTREL_FLOOD_CLIENT_PATH),
                              {m_name, QString::number(c), QString::number(pairs)});
    }
    Typist typist(Window(), Display());
    // Only a hang runs into this.
    const bool finished = WaitFor(
        [&] {
            return std::all_of(clients.begin(), clients.end(), [](const auto& client) {
                return client->state() == QProcess::NotRunning;
            });
        },
        600'000);
    typist.Stop();
    ASSERT_TRUE(finished) << "the flood did not end";
    for (const auto& client : clients) {
        EXPECT_EQ(client->exitCode(), 0) << client->readAllStandardError().toStdString();
        EXPECT_EQ(client->readAllStandardOutput().trimmed().toLongLong(), 2 * pairs)
            << "calls not answered 0";
    }

    // Every Add wrote one line, in the order the bus delivered it; a line holds the amount
    // pushed last before it, so each client's amounts come in their own order. A line of no
    // client's is one a typed 7 went into; as each client has one call on its way at a time,
    // at most one Add of each comes before the next amount is pushed.
    const TapeLineRecords lines = TapeLines(m_name);
    ASSERT_EQ(lines.size(), kClients * pairs);
    std::map<qint64, qint64> lastIndex;
    int foreign = 0;
    for (const auto& line : lines) {
        EXPECT_EQ(line.Op, 2);
        const auto owner = OwnerOf(line.NumStr, pairs);
        if (!owner) {
            ++foreign;
            continue;
        }
        const auto last = lastIndex.try_emplace(owner->client, owner->index).first;
        ASSERT_GE(owner->index, last->second) << "client " << owner->client << " out of order";
        last->second = owner->index;
    }
    EXPECT_LE(foreign, kClients * static_cast<int>(typist.latenciesNs.size()));
    EXPECT_EQ(lastIndex.size(), static_cast<std::size_t>(kClients))
        << "a client never reached the tape";

    ASSERT_FALSE(typist.latenciesNs.empty());
    EXPECT_EQ(typist.notShown, 0) << "typed keys that the display did not show";
    EXPECT_EQ(m_beeps, 0);
    constexpr double kNsPerMs = 1e6;
    std::printf(
        "[ measured ] %zu typed keys, ms from posted to shown: median %.3f, p99 %.3f, "
        "max %.3f\n",
        typist.latenciesNs.size(), Percentile(typist.latenciesNs, 0.5) / kNsPerMs,
        Percentile(typist.latenciesNs, 0.99) / kNsPerMs,
        Percentile(typist.latenciesNs, 1.0) / kNsPerMs);
}

}  // namespace
}  // namespace vantrel::testing
