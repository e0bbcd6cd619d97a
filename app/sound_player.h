// Plays the game's sound files in the background, one at a time.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSoundEffect;
class QTemporaryFile;

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();

    // Starts a wave file (stored form ".\Sound\take.wav" or a native path),
    // stopping the sound that plays. Returns at once. A missing or unreadable
    // file plays a short default sound instead; nothing is reported.
    void Play(const char* file);
    // Called with the requested file on every Play (tests watch the order).
    void SetListener(std::function<void(const QString& file)> listener) {
        listener_ = std::move(listener);
    }

    // Waits (a second at most) until the file the effect loads is loaded or
    // refused. The destructor calls it.
    void FinishLoading();

    // The local file the last Play call started (the default sound's file
    // when the requested one could not be used).
    QString lastFile() const { return lastFile_; }
    QSoundEffect* effect() const { return effect_.get(); }

    // True when the file looks like a playable wave file: a readable,
    // regular RIFF/WAVE file with a "fmt " chunk before its "data" chunk,
    // whatever other chunks come first, and all the samples its "data"
    // chunk counts.
    static bool LooksLikeWave(const QString& path);
    // A short beep as complete wave file bytes.
    static QByteArray MakeDefaultSound();

private:
    QString DefaultSoundFile();
    void Start(const QString& path);

    std::unique_ptr<QSoundEffect> effect_;
    std::unique_ptr<QTemporaryFile> defaultFile_;
    QString lastFile_;
    std::function<void(const QString&)> listener_;
};
