// A window that does nothing, so that a benchmark times the rules alone.
#pragma once

#include "model/game_host.h"

class NullHost : public GameHost {
public:
    void Invalidate(bool) override {}
    void LayoutBoard() override {}
    void UpdateMenuState() override {}
    void PlaySoundFile(const char*) override {}
    MsgResult MessageBox(const char*, const char*, MsgButtons, MsgIcon, MsgResult d) override {
        return d;
    }
    void SendCommand(int) override {}
    void OpenOrientationPopup(int, int, int) override {}
};
