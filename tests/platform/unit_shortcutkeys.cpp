#include "TestHome.h"
#include "platform/ShortcutKeys.h"

#include <QSet>
#include <QTest>

using namespace ShortcutKeys;

// The keys a global shortcut may have, what X11 and Windows call them, and the X11 keyboard
// tables that give the key's code, its modifiers and the locks it must work under.
class ShortcutKeysTest : public QObject {
    Q_OBJECT
private slots:
    void conversions() {
        struct Row {
            const char* sequence;
            std::uint32_t keysym; // 0: refused
            std::uint32_t virtualKey;
            std::uint32_t windowsMods;
        };
        const Row rows[] = {
            {"Ctrl+Alt+N", 0x6e, 0x4e, 0x3},
            {"Ctrl+Shift+A", 0x61, 0x41, 0x6},
            {"Meta+Z", 0x7a, 0x5a, 0x8},
            {"Ctrl+Alt+Shift+Meta+K", 0x6b, 0x4b, 0xf},
            {"Alt+0", 0x30, 0x30, 0x1},
            {"Ctrl+9", 0x39, 0x39, 0x2},
            {"F1", 0xffbe, 0x70, 0},
            {"Shift+F12", 0xffc9, 0x7b, 0x4},
            {"Ctrl+F24", 0xffd5, 0x87, 0x2},
            {"Ctrl+Space", 0x20, 0x20, 0x2},
            {"Alt+Return", 0xff0d, 0x0d, 0x1},
            {"Ctrl+Tab", 0xff09, 0x09, 0x2},
            {"Ctrl+Esc", 0xff1b, 0x1b, 0x2},
            {"Ctrl+Backspace", 0xff08, 0x08, 0x2},
            {"Ctrl+Ins", 0xff63, 0x2d, 0x2},
            {"Ctrl+Del", 0xffff, 0x2e, 0x2},
            {"Ctrl+Home", 0xff50, 0x24, 0x2},
            {"Ctrl+End", 0xff57, 0x23, 0x2},
            {"Ctrl+PgUp", 0xff55, 0x21, 0x2},
            {"Ctrl+PgDown", 0xff56, 0x22, 0x2},
            {"Meta+Left", 0xff51, 0x25, 0x8},
            {"Meta+Up", 0xff52, 0x26, 0x8},
            {"Meta+Right", 0xff53, 0x27, 0x8},
            {"Meta+Down", 0xff54, 0x28, 0x8},
            {"Ctrl+Print", 0xff61, 0x2c, 0x2},
            {"Ctrl+Pause", 0xff13, 0x13, 0x2},
            // Refused: no key, two presses, a key that typing needs, a key the tables lack, a
            // keypad key.
            {"", 0, 0, 0},
            {"Ctrl+A, Ctrl+B", 0, 0, 0},
            {"N", 0, 0, 0},
            {"Shift+N", 0, 0, 0},
            {"Space", 0, 0, 0},
            {"Ctrl+F25", 0, 0, 0},
            {"Ctrl+\xc3\x84", 0, 0, 0},
            {"Ctrl+Num+5", 0, 0, 0},
        };
        for (const Row& row : rows) {
            const QKeySequence sequence(QString::fromUtf8(row.sequence));
            Chord chord;
            QString why;
            const bool usable = chordOf(sequence, &chord, &why);
            QVERIFY2(usable == (row.keysym != 0), row.sequence);
            QVERIFY2(why.isEmpty() == usable, qPrintable(why));
            if (!usable) {
                if (!sequence.isEmpty())
                    QVERIFY2(why.contains(sequence.toString(QKeySequence::NativeText)),
                             qPrintable(why));
                continue;
            }
            QVERIFY2(x11Keysym(chord.key) == row.keysym, row.sequence);
            QVERIFY2(windowsVirtualKey(chord.key) == row.virtualKey, row.sequence);
            QVERIFY2(windowsModifiers(chord.modifiers) == row.windowsMods, row.sequence);
        }
    }

    void x11Keymap() {
        constexpr std::uint32_t n = 'n', q = 'q';
        // Keycodes 8..14, two levels each: 'n' is on the second level of 8 and the first of 9.
        X11Keymap map;
        map.firstKeycode = 8;
        map.keysymsPerKeycode = 2;
        map.keysyms = {q,
                       n,
                       n,
                       'N',
                       KeysymNumLock,
                       0,
                       KeysymAltL,
                       0xffe7,
                       KeysymSuperL,
                       0,
                       KeysymScrollLock,
                       0,
                       0xffe3,
                       0};
        // Shift, Lock, Control, Mod1 ... Mod5, two keycodes each.
        map.keycodesPerModifier = 2;
        map.modifierKeycodes = {50, 0, 66, 0, 14, 0, 11, 0, 10, 0, 0, 0, 12, 0, 13, 0};
        QCOMPARE(map.keycodeOf(n), std::uint8_t(9));
        QCOMPARE(map.keycodeOf(q), std::uint8_t(8));
        QCOMPARE(map.keycodeOf('N'), std::uint8_t(9));
        QCOMPARE(map.keycodeOf('x'), std::uint8_t(0));
        QCOMPARE(map.keycodeOf(0), std::uint8_t(0));
        QCOMPARE(map.maskOf(KeysymNumLock), std::uint16_t(0x10));
        QCOMPARE(map.maskOf(KeysymScrollLock), std::uint16_t(0x80));
        QCOMPARE(map.maskOf(0xffe7), std::uint16_t(0x08)); // Meta_L beside Alt_L
        QCOMPARE(map.maskOf(q), std::uint16_t(0));
        QCOMPARE(map.lockMask(), std::uint16_t(0x02 | 0x10 | 0x80));
        QCOMPARE(map.modifiers(Qt::ControlModifier | Qt::AltModifier), std::uint16_t(0x0c));
        QCOMPARE(map.modifiers(Qt::ShiftModifier | Qt::MetaModifier), std::uint16_t(0x41));
        // Alt on Mod3 and Super on no modifier: Alt follows the keyboard, Meta takes Mod4.
        map.modifierKeycodes = {50, 0, 66, 0, 14, 0, 0, 0, 10, 0, 11, 0, 0, 0, 0, 0};
        QCOMPARE(map.modifiers(Qt::AltModifier | Qt::MetaModifier), std::uint16_t(0x20 | 0x40));
        // Scroll Lock on no modifier; then Num Lock on none either: Caps Lock is the only lock.
        QCOMPARE(map.lockMask(), std::uint16_t(0x02 | 0x10));
        map.modifierKeycodes[8] = 0;
        QCOMPARE(map.lockMask(), std::uint16_t(0x02));

        // Every subset of the locks once, the plain key first.
        for (const std::uint16_t locks : {0x00, 0x02, 0x12, 0x92}) {
            const QList<std::uint16_t> all = lockCombinations(locks);
            QCOMPARE(all.size(), qsizetype(1) << qPopulationCount(quint32(locks)));
            QCOMPARE(QSet<std::uint16_t>(all.cbegin(), all.cend()).size(), all.size());
            QCOMPARE(all.first(), std::uint16_t(0));
            for (const std::uint16_t mask : all)
                QCOMPARE(mask & ~locks, 0);
            QVERIFY(all.contains(locks));
        }
    }
};

PINLEAF_TEST_MAIN(ShortcutKeysTest)
#include "unit_shortcutkeys.moc"
