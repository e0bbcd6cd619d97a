// Which key turns the carried piece: A and S by the letter they type on a
// Latin layout, or by their physical place where the layout types no Latin
// letter there; never with Ctrl, Alt or Meta held.
#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

// 'A', 'S' (the codes TurnCarriedPiece takes) or 0 for a key press that
// types text, has Qt key code key, is held with modifiers, and sits at the
// platform's physical key code scanCode (0 when unknown).
int TurnKeyOf(const QString& text, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);
int TurnKeyOf(const QKeyEvent& event);
