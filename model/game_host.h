// What the game rules need from the window around them. The app implements
// it with Qt; the tests implement it with a recorder.
#pragma once

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgResult { Ok, Yes, No, Cancel };

// Menu and command ids used between the rules and the window.
enum Command : int {
    kCmdAbout = 104,
    kCmdExit = 105,
    kCmdOrientation1 = 32772,
    kCmdOrientation3 = 32773,
    kCmdOrientation2 = 32774,
    kCmdOrientation4 = 32779,
    kCmdOrientation5 = 32780,
    kCmdOrientation6 = 32781,
    kCmdOrientation7 = 32783,
    kCmdOrientation8 = 32786,
    kCmdNewGame = 32787,
    kCmdCreatePuzzle = 32788,
    kCmdSavePuzzle = 32789,
    kCmdViewOptions = 32792,
    kCmdPrint = 32793,
    kCmdUserManual = 32794,
    kCmdTutorial = 32795,
    kCmdHomePage = 32797,
    kCmdViewAccelerator = 32803,
    kCmdSound = 32806,
    kCmdZoomIn = 32811,
    kCmdZoomOut = 32813,
    // Help for a stuck player, beside the commands above.
    kCmdHint = 32820,
    kCmdShowSolution = 32821,
    kCmdShowLanding = 32822,
};

struct GameState;

// Plays a sound event's file through the window when the event is enabled:
// the one place that looks at the enabled flags.
void PlaySoundEvent(GameState* state, int event);

class GameHost {
public:
    virtual ~GameHost() = default;

    // Repaint the whole client area; erase asks for the background to be
    // cleared first (the board painter redraws everything either way).
    virtual void Invalidate(bool erase) = 0;
    // Choose the scale and the board origin for the current silhouette.
    virtual void LayoutBoard() = 0;
    // Bring the menu in step with the game (Save puzzle enabled or not).
    virtual void UpdateMenuState() = 0;
    // Start playing a sound file asynchronously, replacing a playing one.
    virtual void PlaySoundFile(const char* file) = 0;
    // A modal message box owned by the main window (or the open dialog).
    virtual MsgResult MessageBox(const char* text, const char* caption, MsgButtons buttons,
                                 MsgIcon icon, MsgResult defaultButton) = 0;
    // Carry out a menu command as if the player had chosen it; returns when
    // the command is done (a dialog it opens has been closed).
    virtual void SendCommand(int command) = 0;
    // Open the orientation popup at a screen position; itemCount is 2 or 8.
    // The chosen item comes back as an orientation command.
    virtual void OpenOrientationPopup(int itemCount, int screenX, int screenY) = 0;
};
