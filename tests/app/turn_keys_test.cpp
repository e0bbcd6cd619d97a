// Which presses turn the carried piece, on Latin and other layouts.
#include "app/turn_keys.h"

#include <gtest/gtest.h>

namespace {

TEST(TurnKeys, LatinLettersOrThePhysicalKeysWithoutCommandModifiers) {
    constexpr quint32 kA = 38, kS = 39, kQ = 24, kD = 40;  // X keycodes
    const struct {
        const char* text;  // UTF-8
        int key;
        Qt::KeyboardModifiers held;
        quint32 scanCode;
        int turn;
    } kCases[] = {
        {"a", Qt::Key_A, Qt::NoModifier, kA, 'A'},
        {"S", Qt::Key_S, Qt::ShiftModifier, kS, 'S'},
        {"a", Qt::Key_A, Qt::NoModifier, kQ, 'A'},  // AZERTY: A where US has Q
        {"q", Qt::Key_Q, Qt::NoModifier, kA, 0},    // ... and Q where US has A
        {"ф", 0x424, Qt::NoModifier, kA, 'A'},      // Cyrillic
        {"ы", 0x42b, Qt::NoModifier, kS, 'S'},
        {"в", 0x412, Qt::NoModifier, kD, 0},
        {"α", 0x391, Qt::NoModifier, kA, 'A'},  // Greek
        {"ф", 0x424, Qt::NoModifier, 0, 0},     // place unknown
        {"\x13", Qt::Key_S, Qt::ControlModifier, kS, 0},
        {"a", Qt::Key_A, Qt::AltModifier, kA, 0},
        {"s", Qt::Key_S, Qt::MetaModifier, kS, 0},
        {"ф", 0x424, Qt::ControlModifier, kA, 0},
        {"", Qt::Key_A, Qt::NoModifier, 0, 'A'},  // no text: by key code
        {"", Qt::Key_S, Qt::NoModifier, 0, 'S'},
        {"1", Qt::Key_1, Qt::NoModifier, kA, 0},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(TurnKeyOf(QString::fromUtf8(c.text), c.key, c.held, c.scanCode), c.turn)
            << c.text << " " << c.scanCode << " " << int(c.held);
}

}  // namespace
