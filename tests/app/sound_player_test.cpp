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
