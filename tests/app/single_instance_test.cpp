// One game per session: a second start hands over to the first and ends.
#include "app/single_instance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>

#include "app_fixture.h"

namespace {

class SingleInstanceTest : public TempDirTest {
protected:
    // A name of our own, so that a game running on this desktop is not
    // disturbed.
    QString name_ = QStringLiteral("test-%1").arg(QCoreApplication::applicationPid());

    QProcess* StartGame() {
        auto* p = new QProcess();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("POLYSHARD_INSTANCE"), name_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(QString::fromStdString(dir_.string()));
        p->start(QStringLiteral(POLYSHARD_BINARY), {});
        return p;
    }
    static bool Finished(QProcess* p, int ms) {
        return p->state() == QProcess::NotRunning || p->waitForFinished(ms);
    }
};

TEST_F(SingleInstanceTest, LaterStartActivatesTheRunningOneAndExits) {
    int activations = 0;
    qputenv("POLYSHARD_INSTANCE", name_.toUtf8());
    const QString instance = InstanceName("POLYSHARD");
    std::unique_ptr<QLocalServer> server(
        ListenForLaterStarts(instance, [&activations] { ++activations; }));
    ASSERT_NE(server, nullptr);

    std::unique_ptr<QProcess> second(StartGame());
    ASSERT_TRUE(second->waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    while (second->state() != QProcess::NotRunning && clock.elapsed() < 10000) QTest::qWait(20);
    ASSERT_EQ(second->state(), QProcess::NotRunning);
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    QTest::qWait(50);
    EXPECT_EQ(activations, 1);
    // The second process opened no window and so wrote no settings.
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Polyshard.ini"));
}

TEST_F(SingleInstanceTest, TwoProcessesGiveOneWindow) {
    std::unique_ptr<QProcess> first(StartGame());
    ASSERT_TRUE(first->waitForStarted(5000));
    // Wait until the first game listens.
    qputenv("POLYSHARD_INSTANCE", name_.toUtf8());
    const QString instance = InstanceName("POLYSHARD");
    QElapsedTimer clock;
    clock.start();
    bool listening = false;
    while (!listening && clock.elapsed() < 10000) {
        QLocalSocket probe;
        probe.connectToServer(instance);
        listening = probe.waitForConnected(100);
        if (!listening) QTest::qWait(50);
    }
    ASSERT_TRUE(listening);

    std::unique_ptr<QProcess> second(StartGame());
    ASSERT_TRUE(Finished(second.get(), 10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    first->terminate();
    EXPECT_TRUE(Finished(first.get(), 10000));
}

}  // namespace
