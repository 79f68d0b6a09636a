#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <optional>

#include "tests/support/pdf_text.h"

namespace vantrel::testing {

// The print queues of the test run's own scheduler (scripts/lib/services.sh). Each queue writes
// its latest job, a PDF file, to <outputDir>/<name>.pdf.
struct TestQueues {
    QStringList names;  // in the printer service's enumeration order
    QString defaultName;
    QString outputDir;

    QString OutputFile(const QString& queue) const {
        return QDir(outputDir).filePath(queue + QStringLiteral(".pdf"));
    }
};

// nullopt when the run has no scheduler of its own.
inline std::optional<TestQueues> PrivateQueues() {
    TestQueues queues{
        qEnvironmentVariable("VANTREL_TEST_PRINTERS").split(QLatin1Char(' '), Qt::SkipEmptyParts),
        qEnvironmentVariable("VANTREL_TEST_DEFAULT_PRINTER"),
        qEnvironmentVariable("VANTREL_TEST_PRINT_DIR")};
    if (queues.names.size() < 3 || queues.defaultName.isEmpty() || queues.outputDir.isEmpty()) {
        return std::nullopt;
    }
    return queues;
}

// A fixture that prints on the test run's own queues. Without them its tests are skipped and
// Base is not set up.
template <typename Base>
class OnPrivateQueues : public Base {
  protected:
    void SetUp() override {
        m_queues = PrivateQueues();
        if (!m_queues) {
            GTEST_SKIP() << "no print queues of the test run's own (scripts/test sets them up)";
        }
        Base::SetUp();
    }

    std::optional<TestQueues> m_queues;
};

// Every job the queue has been given so far, finished or not; -1 when lpstat fails.
inline int JobCount(const QString& queue) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {"-W", "all", "-o", queue});
    if (!lpstat.waitForFinished(30000) || lpstat.exitCode() != 0) {
        return -1;
    }
    return static_cast<int>(lpstat.readAllStandardOutput().count('\n'));
}

// Waits, a minute at most, until the queue's output file holds `amounts` in this order.
// A box that the window opens instead of printing runs its own event loop inside the wait,
// which would then never end: a timer, which fires in that loop too, answers it, and what it
// said fails the test.
inline bool PrintedInOrder(const TestQueues& queues, const QString& queue,
                           const QStringList& amounts) {
    const QString file = queues.OutputFile(queue);
    QString boxText;
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxText = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    boxWatch.start(100);
    const bool printed = QTest::qWaitFor(
        [&] {
            return !boxText.isEmpty() ||
                   (QFile::exists(file) && ContainsInOrder(PdfText(file), amounts));
        },
        60000);
    if (!boxText.isEmpty()) {
        ADD_FAILURE() << "instead of printing, the window said: " << boxText.toStdString();
        return false;
    }
    return printed;
}

}  // namespace vantrel::testing
