#pragma once

#include <vector>

#include "monkey_random.h"

class ActionTarget;

// One thing a user can do to the window, and how often the monkey does it relative to the
// other actions.
struct MonkeyAction {
    const char* name;
    int weight;
    void (*run)(ActionTarget& target);
};

// Every action of the monkey: the table to extend when the window learns something new.
const std::vector<MonkeyAction>& monkey_actions();

// An action drawn by weight.
const MonkeyAction& pick_action(MonkeyRandom& random);
