// The sound player: the stored path form, and the default sound for files
// that cannot be played.
#include "app/sound_player.h"

#include <QSoundEffect>
#include <QtEndian>

#include "app_fixture.h"

namespace {

using SoundPlayerTest = TempDirTest;

TEST_F(SoundPlayerTest, DefaultSoundIsAValidWave) {
    const QByteArray wave = SoundPlayer::MakeDefaultSound();
    ASSERT_GT(wave.size(), 44);
    EXPECT_TRUE(wave.startsWith("RIFF"));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    // The RIFF size counts everything after the first eight bytes.
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
}

TEST_F(SoundPlayerTest, StoredPathFormIsOpenedThroughTheNativeSeparator) {
    QDir().mkdir(QStringLiteral("Sound"));
    QFile f(QStringLiteral("Sound/take.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(SoundPlayer::MakeDefaultSound());
    f.close();
    SoundPlayer player;
    player.Play(".\\Sound\\take.wav");
    EXPECT_EQ(QFileInfo(player.lastFile()).canonicalFilePath(),
              QFileInfo(QStringLiteral("Sound/take.wav")).canonicalFilePath());
    ASSERT_NE(player.effect(), nullptr);
    EXPECT_EQ(player.effect()->source(), QUrl::fromLocalFile(QFileInfo(f).absoluteFilePath()));
}

TEST_F(SoundPlayerTest, MissingOrBrokenFilePlaysTheDefault) {
    SoundPlayer player;
    player.Play(".\\Sound\\missing.wav");
    const QString fallback = player.lastFile();
    EXPECT_FALSE(fallback.contains(QStringLiteral("missing")));
    EXPECT_TRUE(SoundPlayer::LooksLikeWave(fallback));

    WriteText("broken.wav", "RIFF\x10\0\0\0WAVE");  // a truncated header
    player.Play("broken.wav");
    EXPECT_EQ(player.lastFile(), fallback);
    WriteText("text.wav", std::string(100, 'x'));
    player.Play("text.wav");
    EXPECT_EQ(player.lastFile(), fallback);
    player.Play(".");  // a folder
    EXPECT_EQ(player.lastFile(), fallback);
    // Samples cut off: their decoder would wait for the rest forever.
    QByteArray cut = SoundPlayer::MakeDefaultSound();
    cut.chop(2);
    WriteText("cut.wav", cut.toStdString());
    player.Play("cut.wav");
    EXPECT_EQ(player.lastFile(), fallback);
}

// A player that goes right after a sound starts waits for the file to load:
// a load still running at exit deadlocks the sample cache.
TEST_F(SoundPlayerTest, FinishLoadingEndsTheLoad) {
    WriteText("fresh.wav", SoundPlayer::MakeDefaultSound().toStdString());
    SoundPlayer player;
    player.Play("fresh.wav");
    player.FinishLoading();
    EXPECT_EQ(player.effect()->status(), QSoundEffect::Ready);
}

// Chunks before "fmt " (as audio editors write them) do not make a wave
// file unplayable.
TEST_F(SoundPlayerTest, ChunksBeforeTheFormatAreSkipped) {
    const QByteArray wave = SoundPlayer::MakeDefaultSound();
    for (const char* id : {"JUNK", "LIST", "bext"}) {
        QByteArray chunk(id);
        const QByteArray payload(27, 'z');  // odd: padded to 28
        chunk.append("\x1b\0\0\0", 4).append(payload).append('\0');
        QByteArray file = wave.left(12) + chunk + wave.mid(12);
        qToLittleEndian(quint32(file.size() - 8), file.data() + 4);
        const QString name = QStringLiteral("%1.wav").arg(QLatin1String(id));
        WriteText(name.toStdString(), file.toStdString());
        SoundPlayer player;
        player.Play(name.toLocal8Bit().constData());
        EXPECT_EQ(player.lastFile(), name) << id;
    }
}

TEST_F(SoundPlayerTest, ANewSoundReplacesThePlayingOne) {
    WriteText("a.wav", SoundPlayer::MakeDefaultSound().toStdString());
    WriteText("b.wav", SoundPlayer::MakeDefaultSound().toStdString());
    SoundPlayer player;
    player.Play("a.wav");
    player.Play("b.wav");
    // One effect plays one source at a time: b replaced a.
    EXPECT_EQ(player.effect()->source().fileName(), "b.wav");
}

}  // namespace
