#include "app/turn_keys.h"

#include <QKeyEvent>

namespace {

// The physical keys A and S (their place on a US keyboard): X keycodes on
// Linux, scan codes on Windows.
#ifdef _WIN32
constexpr quint32 kPhysicalA = 0x1e, kPhysicalS = 0x1f;
#else
constexpr quint32 kPhysicalA = 38, kPhysicalS = 39;
#endif

int ByLetter(QChar c) {
    const QChar lower = c.toLower();
    if (lower == u'a') return 'A';
    if (lower == u's') return 'S';
    return 0;
}

int ByPlace(quint32 scanCode) {
    if (scanCode == 0) return 0;
    if (scanCode == kPhysicalA) return 'A';
    if (scanCode == kPhysicalS) return 'S';
    return 0;
}

}  // namespace

int TurnKeyOf(const QString& text, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
    // With these held a letter is a command (Ctrl+S, Alt+A), not a turn.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (text.size() == 1 && text[0].isLetter())
        return text[0].script() == QChar::Script_Latin ? ByLetter(text[0]) : ByPlace(scanCode);
    // A press that types nothing (such as the one the wheel sends) is read
    // by its key code.
    if (text.isEmpty()) return key == Qt::Key_A ? 'A' : key == Qt::Key_S ? 'S' : 0;
    return 0;
}

int TurnKeyOf(const QKeyEvent& event) {
    return TurnKeyOf(event.text(), event.key(), event.modifiers(), event.nativeScanCode());
}
