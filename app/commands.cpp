#include "app/commands.h"

#include "app/about_dialog.h"
#include "app/help_viewer.h"
#include "app/home_page.h"
#include "app/main_window.h"
#include "display/layout.h"
#include "display/print_board.h"
#include "library/new_game_dialog.h"
#include "library/save_puzzle_dialog.h"
#include "model/board.h"
#include "model/game_host.h"
#include "model/hints.h"
#include "model/rules.h"
#include "settings/sound_settings_dialog.h"
#include "settings/view_options_dialog.h"

void RunCommand(MainWindow& window, int command) {
    GameState* state = window.state();
    switch (command) {
        case kCmdNewGame: NewGameDialog(&window, state); break;
        case kCmdCreatePuzzle: StartCreatePuzzle(state); break;
        case kCmdSavePuzzle: SavePuzzleDialog(&window, state); break;
        case kCmdPrint: PrintBoard(state, &window); break;
        case kCmdExit: window.close(); break;
        case kCmdSound: SoundSettingsDialog(&window, state).exec(); break;
        case kCmdViewOptions:
        case kCmdViewAccelerator: ViewOptionsDialog(&window, state).exec(); break;
        case kCmdUserManual: OpenHelp(0); break;
        case kCmdTutorial: OpenHelp(2); break;
        case kCmdAbout: AboutDialog(&window, state); break;
        case kCmdHomePage: OpenHomePage(); break;
        case kCmdZoomIn: ZoomBy(state, +1); break;
        case kCmdZoomOut: ZoomBy(state, -1); break;
        case kCmdHint: GiveHint(state); break;
        case kCmdShowSolution: ShowSolution(state); break;
        case kCmdShowLanding:
            state->showLanding = state->showLanding ? 0 : 1;
            window.Invalidate(false);
            break;
        case kCmdOrientation1:
        case kCmdOrientation2:
        case kCmdOrientation3:
        case kCmdOrientation4:
        case kCmdOrientation5:
        case kCmdOrientation6:
        case kCmdOrientation7:
        case kCmdOrientation8: SetOrientationFromMenu(state, command); break;
        default: return;  // not a command of this window
    }
    window.UpdateMenuState();
}
