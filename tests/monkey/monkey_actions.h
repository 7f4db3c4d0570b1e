#pragma once

class ActionTarget;

// The user's actions on the window; action_table.cpp says how often each is taken.

// With the mouse (mouse_actions.cpp).
void click_any_control(ActionTarget& target);
void click_button(ActionTarget& target);
void click_tab(ActionTarget& target);
void select_line(ActionTarget& target);
void double_click_line(ActionTarget& target);
void hover_line(ActionTarget& target);

// With the keyboard (keyboard_actions.cpp).
void type_into_box(ActionTarget& target);
void type_and_press_enter(ActionTarget& target);
void paste_into_box(ActionTarget& target);
void erase_box(ActionTarget& target);
void press_enter(ActionTarget& target);
void press_tab(ActionTarget& target);
void press_mnemonic(ActionTarget& target);
void press_keypad_one(ActionTarget& target);
void press_navigation_key(ActionTarget& target);
void press_key_in_list(ActionTarget& target);

// On the catalogue file (catalogue_actions.cpp).
void open_with_dialog(ActionTarget& target);
void drop_file(ActionTarget& target);
void press_reload(ActionTarget& target);
void save_shown_file(ActionTarget& target);
void remove_shown_file(ActionTarget& target);

// On the chart window, and the export of the lists (chart_actions.cpp).
void open_chart(ActionTarget& target);
void click_chart(ActionTarget& target);
void press_key_in_chart(ActionTarget& target);
void close_chart(ActionTarget& target);
void export_lists(ActionTarget& target);

// On the window as a whole (window_actions.cpp).
void resize_window(ActionTarget& target);
void close_window(ActionTarget& target);
// Picks an entry of the popup menu an action opened (a box's context menu), or closes it
// with Escape, as the user does before going on.
void answer_popup(ActionTarget& target);
