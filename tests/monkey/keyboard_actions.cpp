// The keyboard: typing, pasting and erasing in the boxes, Enter, Tab, the mnemonics, keypad 1
// and the keys that move through the controls and the lists.
#include <array>

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>

#include "action_target.h"
#include "monkey_actions.h"
#include "random_input.h"

namespace {

// The window's mnemonic letters, and a few that are none.
constexpr std::array<Qt::Key, 18> mnemonic_keys = {
    Qt::Key_V, Qt::Key_F, Qt::Key_R, Qt::Key_G, Qt::Key_S, Qt::Key_I,
    Qt::Key_T, Qt::Key_M, Qt::Key_X, Qt::Key_L, Qt::Key_E, Qt::Key_C,
    Qt::Key_N, Qt::Key_P, Qt::Key_Q, Qt::Key_D, Qt::Key_A, Qt::Key_Z};

constexpr std::array<Qt::Key, 11> navigation_keys = {
    Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left,  Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
    Qt::Key_Home, Qt::Key_End,  Qt::Key_Space, Qt::Key_A,     Qt::Key_1};

template <std::size_t size>
Qt::Key pick_key(MonkeyRandom& random, const std::array<Qt::Key, size>& keys) {
    return keys[static_cast<std::size_t>(random.below(static_cast<int>(size)))];
}

// Clicks into a box, as the user does before typing; nullptr when none shows.
QLineEdit* click_into_box(ActionTarget& target) {
    auto* box = target.pick_control<QLineEdit>();
    if (box != nullptr) {
        target.note(ActionTarget::describe(box));
        target.click(box, box->rect().center());
    }
    return box;
}

// Number boxes mostly get numbers, the search box mostly words; both get anything now and then.
QString text_for(ActionTarget& target, const QLineEdit* box) {
    const bool number_box = box->objectName().endsWith(QStringLiteral("_edit")) &&
                            box->objectName() != QStringLiteral("search_edit");
    const bool numbers = target.random().percent(number_box ? 75 : 15);
    return numbers ? random_number_text(target.random()) : random_text(target.random());
}

} // namespace

void type_into_box(ActionTarget& target) {
    QLineEdit* box = click_into_box(target);
    if (box == nullptr) {
        return;
    }
    if (target.random().percent(60)) {
        target.note("over all");
        target.press(target.keyboard_receiver(), Qt::Key_A, Qt::ControlModifier);
    }
    const QString text = text_for(target, box);
    target.note(ActionTarget::quoted(text));
    target.type(target.keyboard_receiver(), text);
}

void type_and_press_enter(ActionTarget& target) {
    // What a user does most: a word in the search box or a bound in a stat box, then Enter.
    QLineEdit* box = click_into_box(target);
    if (box == nullptr) {
        return;
    }
    target.press(target.keyboard_receiver(), Qt::Key_A, Qt::ControlModifier);
    const QString text = text_for(target, box);
    target.note(ActionTarget::quoted(text) + " Enter");
    target.type(target.keyboard_receiver(), text);
    target.press(target.keyboard_receiver(), Qt::Key_Return);
}

void paste_into_box(ActionTarget& target) {
    QLineEdit* box = click_into_box(target);
    if (box == nullptr) {
        return;
    }
    const QString text = text_for(target, box);
    target.note(ActionTarget::quoted(text));
    QApplication::clipboard()->setText(text);
    target.press(target.keyboard_receiver(), Qt::Key_V, Qt::ControlModifier);
}

void erase_box(ActionTarget& target) {
    if (click_into_box(target) == nullptr) {
        return;
    }
    const int presses = target.random().between(1, 6);
    target.note(std::to_string(presses) + " backspaces");
    target.press(target.keyboard_receiver(), Qt::Key_End);
    for (int i = 0; i < presses; ++i) {
        target.press(target.keyboard_receiver(), Qt::Key_Backspace);
    }
}

void press_enter(ActionTarget& target) {
    const bool keypad = target.random().percent(30);
    target.note(std::string(keypad ? "keypad Enter" : "Return") + " in " +
                ActionTarget::describe(target.keyboard_receiver()));
    if (keypad) {
        target.press(target.keyboard_receiver(), Qt::Key_Enter, Qt::KeypadModifier);
    } else {
        target.press(target.keyboard_receiver(), Qt::Key_Return);
    }
}

void press_tab(ActionTarget& target) {
    const bool back = target.random().percent(30);
    target.note(std::string(back ? "Shift+Tab" : "Tab") + " from " +
                ActionTarget::describe(target.keyboard_receiver()));
    target.press(target.keyboard_receiver(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                 back ? Qt::ShiftModifier : Qt::NoModifier);
}

void press_mnemonic(ActionTarget& target) {
    const Qt::Key key = pick_key(target.random(), mnemonic_keys);
    target.note("Alt+" + QKeySequence(key).toString().toStdString());
    target.press(target.keyboard_receiver(), key, Qt::AltModifier);
}

void press_keypad_one(ActionTarget& target) {
    // To the window itself, where it selects the second page, or to the control with the
    // focus, which may keep it as typing.
    QWidget* receiver = target.random().percent(50) ? static_cast<QWidget*>(&target.dialog())
                                                    : target.keyboard_receiver();
    target.note("to " + ActionTarget::describe(receiver));
    target.press(receiver, Qt::Key_1, Qt::KeypadModifier);
}

void press_navigation_key(ActionTarget& target) {
    const Qt::Key key = pick_key(target.random(), navigation_keys);
    target.note(QKeySequence(key).toString().toStdString() + " in " +
                ActionTarget::describe(target.keyboard_receiver()));
    target.press(target.keyboard_receiver(), key);
}

void press_key_in_list(ActionTarget& target) {
    QListView* list = target.current_list();
    if (list == nullptr) {
        return;
    }
    const Qt::Key key = pick_key(target.random(), navigation_keys);
    target.note(QKeySequence(key).toString().toStdString() + " in " + ActionTarget::describe(list));
    target.press(list, key);
}
