// Help for a stuck player: a hint lays one more piece where a layout of the
// whole figure puts it, and the solution lays them all.
#pragma once

#include "model/game_state.h"
#include "solver/solver.h"

// The longest a hint or the solution may search before it gives up.
constexpr SolveClock::duration kHintSearchLimit = std::chrono::seconds(1);

enum class HintOutcome {
    PiecePlaced,     // one piece went from the store to the field (maybe the win)
    PiecesSentBack,  // field pieces that fit no layout went back to the store
    NoLayout,        // no layout fills the figure at all
    TimedOut,        // the search ran out of time and stopped
    NothingToDo,     // no puzzle in play, or no piece waits in the store
};

// Carried piece home first; then, with the field pieces fixed where they
// lie, lays one more piece, or sends back the fewest field pieces whose
// removal lets a layout exist. Plays the sounds and shows the messages.
HintOutcome GiveHint(GameState* state, SolveClock::duration limit = kHintSearchLimit);

// Lays every piece left, keeping the field pieces where a layout allows it,
// otherwise laying a whole layout anew. The puzzle then counts as given up:
// solved is set without a win, so no later drop wins it. False (with a
// message) when no layout was found.
bool ShowSolution(GameState* state, SolveClock::duration limit = kHintSearchLimit);

// The messages, as the player reads them.
extern const char* const kHintMisfitText;
extern const char* const kHintTimeoutText;
extern const char* const kNoLayoutText;
