// One game per session: a second start hands over to the first and ends.
#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/un.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstring>

#include "app_fixture.h"

namespace {

class SingleInstanceTest : public TempDirTest {
protected:
    // The runtime folder of this test's processes, private to the test.
    void SetUp() override {
        TempDirTest::SetUp();
        oldRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        std::filesystem::create_directory(dir_ / "run");
        std::filesystem::permissions(dir_ / "run", std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((dir_ / "run").string()));
    }
    void TearDown() override {
        qputenv("XDG_RUNTIME_DIR", oldRuntime_);
        TempDirTest::TearDown();
    }
    QByteArray oldRuntime_;

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

// Both processes start before either listens: exactly one window stays.
TEST_F(SingleInstanceTest, TwoStartsAtOnceLeaveOneWindow) {
    std::unique_ptr<QProcess> a(StartGame()), b(StartGame());
    ASSERT_TRUE(a->waitForStarted(5000));
    ASSERT_TRUE(b->waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    while (a->state() == QProcess::Running && b->state() == QProcess::Running &&
           clock.elapsed() < 20000)
        QTest::qWait(20);
    QTest::qWait(500);
    const bool aRuns = a->state() == QProcess::Running;
    EXPECT_NE(aRuns, b->state() == QProcess::Running);
    QProcess* ended = aRuns ? b.get() : a.get();
    EXPECT_EQ(ended->exitCode(), 0);
    for (QProcess* p : {a.get(), b.get()}) {
        p->terminate();
        Finished(p, 10000);
    }
}

// A socket left by a crashed run, and another user's listener at a name in
// the shared temporary folder, neither stop the game from starting.
TEST_F(SingleInstanceTest, StaleSocketAndSquatterDoNotStopAStart) {
    qputenv("POLYSHARD_INSTANCE", name_.toUtf8());
    const QString instance = InstanceName("POLYSHARD");
    ASSERT_TRUE(instance.startsWith(QString::fromStdString((dir_ / "run").string()) + u'/'));
    {  // a socket file that nobody listens at any more
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(instance);
        std::memcpy(address.sun_path, path.constData(), path.size());
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    }
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(QStringLiteral("POLYSHARD-%1-%2").arg(getuid()).arg(name_)));

    std::unique_ptr<QProcess> game(StartGame());
    ASSERT_TRUE(game->waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    bool listening = false;
    while (!listening && game->state() == QProcess::Running && clock.elapsed() < 15000) {
        QLocalSocket probe;
        probe.connectToServer(instance);
        listening = probe.waitForConnected(100);
        if (!listening) QTest::qWait(50);
    }
    EXPECT_TRUE(listening);
    EXPECT_EQ(game->state(), QProcess::Running);
    EXPECT_FALSE(squatter.hasPendingConnections());
    game->terminate();
    EXPECT_TRUE(Finished(game.get(), 10000));
}

// Without XDG_RUNTIME_DIR the socket folder is a private one in the
// temporary folder; a folder there that others may enter is not used.
TEST_F(SingleInstanceTest, FallbackFolderIsPrivate) {
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(dir_.string()));
    qunsetenv("XDG_RUNTIME_DIR");
    const std::filesystem::path own = dir_ / ("polyshard-" + std::to_string(getuid()));
    EXPECT_EQ(InstanceFolder().toStdString(), own.string());
    EXPECT_EQ(std::filesystem::status(own).permissions(), std::filesystem::perms::owner_all);
    std::filesystem::permissions(own, std::filesystem::perms::all);
    EXPECT_EQ(InstanceFolder(), QString());
    EXPECT_EQ(InstanceName("POLYSHARD"), QString());
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
}

}  // namespace
