#include "action_table.h"

#include <numeric>

#include "monkey_actions.h"

const std::vector<MonkeyAction>& monkey_actions() {
    static const std::vector<MonkeyAction> actions = {
        // The mouse.
        {"click any control", 8, click_any_control},
        {"click a button", 10, click_button},
        {"click a tab", 6, click_tab},
        {"select a line", 10, select_line},
        {"double-click a line", 4, double_click_line},
        {"hover over a line", 3, hover_line},
        // The keyboard.
        {"type into a box", 10, type_into_box},
        {"type and press Enter", 8, type_and_press_enter},
        {"paste into a box", 3, paste_into_box},
        {"erase a box", 4, erase_box},
        {"press Enter", 6, press_enter},
        {"press Tab", 4, press_tab},
        {"press a mnemonic", 5, press_mnemonic},
        {"press keypad 1", 3, press_keypad_one},
        {"press a navigation key", 5, press_navigation_key},
        {"press a key in the list", 5, press_key_in_list},
        // The window.
        {"resize the window", 2, resize_window},
        {"close the window", 1, close_window},
        // The catalogue; a session may also start on a file named on the command line.
        {"open a file with Ctrl+O", 2, open_with_dialog},
        {"drop a file on the window", 2, drop_file},
        {"press F5", 2, press_reload},
        {"save a new version of the shown file", 2, save_shown_file},
        {"remove the shown file", 1, remove_shown_file},
        // The chart of the page and the export of the lists.
        {"open the chart with Ctrl+G", 2, open_chart},
        {"click or hover in the chart", 4, click_chart},
        {"press a key in the chart", 3, press_key_in_chart},
        {"close the chart", 1, close_chart},
        {"export the lists with Ctrl+S", 1, export_lists},
    };
    return actions;
}

const MonkeyAction& pick_action(MonkeyRandom& random) {
    const std::vector<MonkeyAction>& actions = monkey_actions();
    const int total =
        std::accumulate(actions.begin(), actions.end(), 0,
                        [](int sum, const MonkeyAction& a) { return sum + a.weight; });
    int draw = random.below(total);
    for (const MonkeyAction& action : actions) {
        if (draw < action.weight) {
            return action;
        }
        draw -= action.weight;
    }
    return actions.back();
}
