#include "model/hints.h"

#include <cstring>

#include "model/game_host.h"
#include "model/rules.h"

const char* const kHintMisfitText = "These pieces did not fit any solution.";
const char* const kHintTimeoutText =
    "Finding a hint took too long, so the search was stopped. Take a piece off the field and "
    "try again.";
const char* const kNoLayoutText = "No layout of the seven pieces fills this figure.";

namespace {

// The silhouette as a puzzle record for the solver; static because the
// record is 100 KB and the game allocates no game data at run time.
const PuzzleRecord& Silhouette(const GameState* s) {
    static PuzzleRecord record;
    record.width = s->silhouetteWidth;
    record.height = s->silhouetteHeight;
    std::memcpy(record.cells, s->cells, sizeof(record.cells));
    return record;
}

// The field pieces, packed; returns their count.
int FieldPieces(const GameState* s, PieceSlot (&out)[kPieceCount]) {
    int n = 0;
    for (const PieceSlot& slot : s->fieldSlots)
        if (slot.piece != 0) out[n++] = slot;
    return n;
}

bool InStore(const GameState* s, int piece) {
    for (const PieceSlot& slot : s->storeSlots)
        if (slot.piece == piece) return true;
    return false;
}

// Puts the carried piece back into its home place without a sound: the
// hint's own sound follows.
void ReturnCarriedQuietly(GameState* s) {
    for (int j = 0; j < kPieceCount; ++j)
        if (s->carriedPiece != 0 && s->storeHome[j].piece == s->carriedPiece)
            s->storeSlots[j] = s->storeHome[j];
    s->carriedPiece = 0;
}

void SendHome(GameState* s, int piece) {
    for (PieceSlot& slot : s->fieldSlots)
        if (slot.piece == piece) slot.piece = 0;
    for (int j = 0; j < kPieceCount; ++j)
        if (s->storeHome[j].piece == piece) s->storeSlots[j] = s->storeHome[j];
}

void Tell(GameState* s, const char* text) {
    PlaySoundEvent(s, kSoundError);
    if (s->mainWindow) {
        s->mainWindow->Invalidate(false);
        s->mainWindow->MessageBox(text, s->title, MsgButtons::Ok, MsgIcon::Information,
                                  MsgResult::Ok);
    }
}

// One search object for the whole hint, so that the placements are listed
// once however many sets of fixed pieces it tries; one deadline for all.
class Searcher {
public:
    Searcher(const GameState* s, SolveClock::duration limit)
        : search_(*s, Silhouette(s)), deadline_(SolveClock::now() + limit) {}

    SolveOutcome Solve(const PieceSlot* fixed, int count) {
        SolveRequest request;
        request.fixed = fixed;
        request.fixedCount = count;
        request.deadline = deadline_;
        return search_.Solve(request);
    }

private:
    LayoutSearch search_;
    SolveClock::time_point deadline_;
};

// The next set of k of n bits in increasing order (0 after the last).
unsigned NextSubset(unsigned set, int n) {
    const unsigned low = set & -set;
    const unsigned ripple = set + low;
    const unsigned next = ripple | (((set ^ ripple) >> 2) / low);
    return next < (1u << n) ? next : 0;
}

// The smallest set of field pieces whose removal lets a layout exist,
// trying one piece, then every pair, and so on. Returns the set as bits of
// field[], or -1 on a time-out, or -2 when not even an empty field helps.
int FewestMisfits(Searcher& search, const PieceSlot (&field)[kPieceCount], int n) {
    for (int k = 1; k <= n; ++k) {
        for (unsigned set = (1u << k) - 1; set != 0; set = NextSubset(set, n)) {
            PieceSlot keep[kPieceCount];
            int kept = 0;
            for (int i = 0; i < n; ++i)
                if (!(set & (1u << i))) keep[kept++] = field[i];
            const SolveOutcome found = search.Solve(keep, kept);
            if (found.timedOut) return -1;
            if (found.solved) return static_cast<int>(set);
        }
    }
    return -2;
}

// The piece a hint lays: the one the player carried last while it waits in
// the store, else the lowest-numbered one there.
int PieceToLay(const GameState* s) {
    if (s->lastCarriedPiece != 0 && InStore(s, s->lastCarriedPiece)) return s->lastCarriedPiece;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        if (InStore(s, piece)) return piece;
    return 0;
}

}  // namespace

HintOutcome GiveHint(GameState* s, SolveClock::duration limit) {
    if (s->createMode != 0 || s->solved != 0) return HintOutcome::NothingToDo;
    ReturnCarriedQuietly(s);
    const int piece = PieceToLay(s);
    if (piece == 0) return HintOutcome::NothingToDo;
    PieceSlot field[kPieceCount];
    const int n = FieldPieces(s, field);
    Searcher search(s, limit);
    const SolveOutcome found = search.Solve(field, n);
    if (found.solved) {
        LayStorePiece(s, found.layout[piece - 1]);
        return HintOutcome::PiecePlaced;
    }
    const int misfits = found.timedOut ? -1 : FewestMisfits(search, field, n);
    if (misfits == -1) {
        Tell(s, kHintTimeoutText);
        return HintOutcome::TimedOut;
    }
    if (misfits == -2) {
        Tell(s, kNoLayoutText);
        return HintOutcome::NoLayout;
    }
    for (int i = 0; i < n; ++i)
        if (misfits & (1 << i)) SendHome(s, field[i].piece);
    Tell(s, kHintMisfitText);
    return HintOutcome::PiecesSentBack;
}

bool ShowSolution(GameState* s, SolveClock::duration limit) {
    if (s->createMode != 0 || s->solved != 0) return false;
    ReturnCarriedQuietly(s);
    PieceSlot field[kPieceCount];
    const int n = FieldPieces(s, field);
    Searcher search(s, limit);
    SolveOutcome found = search.Solve(field, n);
    if (!found.solved && !found.timedOut && n > 0) {
        found = search.Solve(nullptr, 0);
        if (found.solved) std::memset(s->fieldSlots, 0, sizeof(s->fieldSlots));
    }
    if (!found.solved) {
        Tell(s, found.timedOut ? kHintTimeoutText : kNoLayoutText);
        return false;
    }
    bool onField[kPieceCount] = {};
    for (const PieceSlot& slot : s->fieldSlots)
        if (slot.piece != 0) onField[slot.piece - 1] = true;
    int next = 0;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (onField[piece - 1]) continue;
        while (s->fieldSlots[next].piece != 0) ++next;
        s->fieldSlots[next] = found.layout[piece - 1];
    }
    for (PieceSlot& slot : s->storeSlots) slot.piece = 0;
    // Given up: the game is over without a win, and with solved set no
    // later drop can win it; the next puzzle starts afresh.
    s->solved = 1;
    if (s->mainWindow) s->mainWindow->Invalidate(false);
    return true;
}
