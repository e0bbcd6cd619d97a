// A GameHost that records what the rules ask of the window, so a test can
// assert the order of events ("drop", then "take"; message, sound, command).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/game_host.h"
#include "model/game_state.h"
#include "model/pieces.h"
#include "settings/sound_events.h"

class RecordingHost : public GameHost {
public:
    std::vector<std::string> events;
    MsgResult nextAnswer = MsgResult::Yes;
    int layouts = 0;

    void Invalidate(bool erase) override {
        events.push_back(erase ? "invalidate+erase" : "invalidate");
    }
    void LayoutBoard() override { ++layouts; }
    void UpdateMenuState() override { events.push_back("menu"); }
    void PlaySoundFile(const char* file) override {
        events.push_back(std::string("sound ") + file);
    }
    MsgResult MessageBox(const char* text, const char*, MsgButtons buttons, MsgIcon,
                         MsgResult) override {
        events.push_back(std::string("message ") + text);
        return buttons == MsgButtons::YesNo ? nextAnswer : MsgResult::Ok;
    }
    void SendCommand(int command) override {
        events.push_back("command " + std::to_string(command));
    }
    void OpenOrientationPopup(int itemCount, int, int) override {
        events.push_back("popup " + std::to_string(itemCount));
    }

    // The events that start with a prefix ("sound", "message" ...).
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
};

// A game state with the piece tables built and default sounds, on the heap
// (the record is a few megabytes).
inline std::unique_ptr<GameState> MakeGameState(GameHost* host) {
    auto state = std::make_unique<GameState>();
    BuildPieceSet(state.get());
    ResetSoundEvents(state.get());
    state->view.scale = 8;
    state->mainWindow = host;
    std::snprintf(state->title, sizeof state->title, "Polyshard");
    return state;
}
