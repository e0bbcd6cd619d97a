// soundgen: synthesises the five game sounds from scratch.
//
//   soundgen <sound folder>
//
// Writes "take.wav", "drop.wav", "error.wav", "rotate.wav" and
// "level is completed.wav": 44.1 kHz, 16-bit, mono, peaks at -3 dBFS
// (the error tone at -5 dBFS).
// Every run gives the same files.
#include <cstdio>
#include <filesystem>
#include <string>

#include "synth.h"
#include "wave_file.h"

namespace {

constexpr double kPeak = 0.708;       // -3 dBFS
constexpr double kQuietPeak = 0.562;  // -5 dBFS

// Lifting a wooden piece: a light, bright click with a softer echo of it
// as the piece leaves the board.
Samples Take() {
    Samples s = Silence(0.11);
    AddNoiseBurst(s, 0.0, 0.004, 3000, 0.5, 11);
    AddMode(s, 0.0, 1240, 0.5, 0.016);
    AddMode(s, 0.0, 2650, 0.25, 0.009);
    AddMode(s, 0.0, 4100, 0.08, 0.005);
    AddMode(s, 0.028, 1480, 0.18, 0.012);
    AddMode(s, 0.028, 3100, 0.07, 0.006);
    LowPass(s, 7000);
    Fade(s, 0.001, 0.02);
    return s;
}

// Setting a piece down: a soft, rounder wooden knock with a faint bounce.
Samples Drop() {
    Samples s = Silence(0.2);
    AddNoiseBurst(s, 0.0, 0.006, 1400, 0.6, 21);
    AddMode(s, 0.0, 230, 0.55, 0.05);
    AddMode(s, 0.0, 560, 0.45, 0.032);
    AddMode(s, 0.0, 940, 0.25, 0.018);
    AddMode(s, 0.0, 1620, 0.1, 0.009);
    AddMode(s, 0.055, 560, 0.1, 0.02);
    AddMode(s, 0.055, 940, 0.06, 0.012);
    LowPass(s, 4500);
    Fade(s, 0.001, 0.04);
    return s;
}

// A refused drop: two short, low, muted bonks falling in pitch.
Samples Error() {
    Samples s = Silence(0.24);
    AddMutedTone(s, 0.0, 0.1, 196, 180, 0.6, 0.035);
    AddMutedTone(s, 0.105, 0.13, 147, 132, 0.6, 0.045);
    LowPass(s, 900);
    Fade(s, 0.002, 0.04);
    return s;
}

// Turning a piece: a quick airy swish that rises, with a tiny tick.
Samples Rotate() {
    Samples s = Silence(0.09);
    AddNoiseSweep(s, 0.0, 0.075, 1300, 3800, 0.9, 31);
    AddMode(s, 0.004, 2900, 0.12, 0.004);
    LowPass(s, 6000);
    LowPass(s, 6000);
    Fade(s, 0.002, 0.015);
    return s;
}

// The puzzle is solved: a rising C major arpeggio on soft bells, ending on
// a held chord with a sparkle on top.
Samples LevelCompleted() {
    Samples s = Silence(1.4);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) AddChime(s, 0.11 * i, notes[i], 0.45, 0.35);
    AddChime(s, 0.46, 1046.5, 0.4, 0.55);
    AddChime(s, 0.46, 659.25, 0.25, 0.6);
    AddChime(s, 0.46, 783.99, 0.25, 0.6);
    AddChime(s, 0.58, 2093.0, 0.1, 0.25);
    LowPass(s, 8000);
    Fade(s, 0.002, 0.25);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundgen <sound folder>\n");
        return 2;
    }
    std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    struct Sound {
        const char* name;
        Samples (*make)();
        double peak;
    };
    // The error tone is sustained, so at the same peak it would sound much
    // louder than the short clicks: it peaks 2 dB lower.
    const Sound sounds[] = {{"take", Take, kPeak},
                            {"drop", Drop, kPeak},
                            {"error", Error, kQuietPeak},
                            {"rotate", Rotate, kPeak},
                            {"level is completed", LevelCompleted, kPeak}};
    for (const Sound& sound : sounds) {
        Samples samples = sound.make();
        Normalise(samples, sound.peak);
        std::string file = (folder / (std::string(sound.name) + ".wav")).string();
        if (!WriteWave(file, samples)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
