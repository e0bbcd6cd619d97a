#include "app/sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>
#include <QtEndian>
#include <cmath>

#include "library/file_access.h"

namespace {

constexpr int kRate = 22050;
constexpr int kBeepMs = 120;
constexpr double kBeepHz = 880.0;
constexpr double kPi = 3.14159265358979323846;
// Longest wait for a load to end when the player goes away. Checked wave
// files are complete local files and load within milliseconds.
constexpr int kLoadWaitMs = 1000;
// Time for the sound server's answers to a closed stream to arrive.
constexpr int kSettleMs = 50;

void Put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() {
    FinishLoading();
    // The effect hands its audio output to deleteLater, which no event loop
    // runs once the game is closing, so it is deleted here and its stream
    // closed. The sound server answers a stream that opens or closes at once,
    // and the sound system tears its connection down at exit without waiting
    // for such answers, which can crash the program as it ends. A short pause
    // after closing a stream that still played lets them arrive first.
    const bool streaming = effect_ && effect_->isPlaying();
    effect_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (streaming) QThread::msleep(kSettleMs);
}

// The sample cache behind QSoundEffect loads files in a thread of its own.
// An effect destroyed while its file loads never lets go of the sample, and
// the cache deadlocks at exit when that load ends while it is being torn
// down; the program then never ends. So before the effect goes, its load is
// seen to its end. Only the effect's own queued calls are delivered here, not
// the window's events, so this is safe while the window is being destroyed.
void SoundPlayer::FinishLoading() {
    if (!effect_) return;
    QElapsedTimer clock;
    clock.start();
    while (effect_->status() == QSoundEffect::Loading && clock.elapsed() < kLoadWaitMs) {
        for (QObject* part : effect_->findChildren<QObject*>())
            QCoreApplication::sendPostedEvents(part, QEvent::MetaCall);
        QThread::msleep(1);
    }
}

QByteArray SoundPlayer::MakeDefaultSound() {
    const int samples = kRate * kBeepMs / 1000;
    QByteArray wave;
    wave.append("RIFF");
    Put32(wave, 36 + samples * 2);
    wave.append("WAVEfmt ");
    Put32(wave, 16);
    Put16(wave, 1);  // PCM
    Put16(wave, 1);  // mono
    Put32(wave, kRate);
    Put32(wave, kRate * 2);
    Put16(wave, 2);
    Put16(wave, 16);
    wave.append("data");
    Put32(wave, samples * 2);
    for (int i = 0; i < samples; ++i) {
        // A soft sine with short fades, so that it does not click.
        const double t = double(i) / kRate;
        const double fade = std::min({1.0, i / 200.0, (samples - i) / 600.0});
        const double v = 0.3 * fade * std::sin(2 * kPi * kBeepHz * t);
        Put16(wave, quint16(qint16(std::lround(v * 32767))));
    }
    return wave;
}

bool SoundPlayer::LooksLikeWave(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;
    // Editors often put chunks such as JUNK, LIST or bext before "fmt ";
    // the decoder skips them, so they are walked here the same way. A file
    // whose "fmt " and "data" cannot both be found would never finish
    // loading, and gets the default. Nor would one whose "data" chunk counts
    // more samples than the file holds: the decoder waits for them forever,
    // and the sound after it then never starts.
    bool format = false;
    for (int chunk = 0; chunk < 64; ++chunk) {
        const QByteArray header = file.read(8);
        if (header.size() != 8) return false;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const QByteArray id = header.left(4);
        if (id == "data") return format && qint64(size) <= file.size() - file.pos();
        if (id == "fmt ") format = size >= 16;
        // Chunks are padded to an even size.
        if (!file.seek(file.pos() + qint64(size) + (size & 1))) return false;
    }
    return false;
}

QString SoundPlayer::DefaultSoundFile() {
    if (!defaultFile_) {
        defaultFile_ = std::make_unique<QTemporaryFile>();
        defaultFile_->setFileTemplate(QDir::tempPath() + QStringLiteral("/polyshard-XXXXXX.wav"));
        if (defaultFile_->open()) {
            defaultFile_->write(MakeDefaultSound());
            defaultFile_->flush();
        }
    }
    return defaultFile_->fileName();
}

void SoundPlayer::Play(const char* file) {
    if (listener_) listener_(QString::fromLocal8Bit(file));
    QString path = QString::fromLocal8Bit(NativePath(file).c_str());
    if (!LooksLikeWave(path)) path = DefaultSoundFile();
    Start(path);
}

void SoundPlayer::Start(const QString& path) {
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
        // A file that turns out not to decode plays the default instead.
        QObject::connect(effect_.get(), &QSoundEffect::statusChanged, [this] {
            if (effect_->status() == QSoundEffect::Error && lastFile_ != DefaultSoundFile())
                Start(DefaultSoundFile());
        });
    }
    lastFile_ = path;
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->play();
}
