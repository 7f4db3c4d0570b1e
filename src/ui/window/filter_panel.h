#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QObject>

#include "query/catalogue_view.h"
#include "ui/window/form_exchange.h"

class FocusEdit;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;
class SpinButton;
class StretchLayout;

// What the filter panel's boxes held when they were last read: the fourteen bounds and the
// search text (Windows-1252, at most 128 characters).
struct FilterForm {
    std::int32_t strength_max = 0;
    std::int32_t intelligence_max = 0;
    std::int32_t level_max = 0;
    std::int32_t resistance_max = 0;
    std::int32_t wisdom_max = 0;
    std::int32_t agility_max = 0;
    std::int32_t attack_max = 0;
    std::int32_t agility_min = 0;
    std::int32_t attack_min = 0;
    std::int32_t strength_min = 0;
    std::int32_t intelligence_min = 0;
    std::int32_t level_min = 0;
    std::int32_t resistance_min = 0;
    std::int32_t wisdom_min = 0;
    std::string search_text;
};

// The left side of the window, where the user says what the lists show: seven rows of minimum
// and maximum bounds with their spin arrows, "&Min" and "Ma&x", Fi&ltra, the search box with
// &Cerca, and the sort order. A button reads the boxes into the form in the designed order,
// stopping at the first box that holds no integer (the user is told, and the focus goes
// there), then asks for its query. Enter presses Fi&ltra from a stat box and &Cerca from the
// search box.
class FilterPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int row_count = 7;

    FilterPanel(QWidget* window, StretchLayout& layout);

    const FilterForm& form() const { return form_; }
    torvane::SortMode sort_mode() const { return sort_mode_; }
    // Checks the order's radio button, as the settings remember it.
    void set_sort_mode(torvane::SortMode mode);

    // Shows the form as last read: the bounds in plain digits, the search text as taken.
    void write_form();
    // The spin arrows' ranges: up to 300 for the level, 3000 for the attack, 500 otherwise.
    void set_spin_ranges();
    // The focus to the first box, Livello's minimum, which makes Fi&ltra the default button.
    void focus_first_box();

signals:
    // Fi&ltra or &Cerca was pressed: the lists should show this.
    void query_requested(const torvane::ViewQuery& query);

private:
    struct StatRow {
        FocusEdit* min_edit = nullptr;
        SpinButton* min_spin = nullptr;
        FocusEdit* max_edit = nullptr;
        SpinButton* max_spin = nullptr;
    };

    void create_stat_rows(QWidget* window, StretchLayout& layout);
    void create_buttons(QWidget* window, StretchLayout& layout);
    void bind_form();
    void connect_controls();
    void describe_controls();
    void on_filter();
    void on_search();

    FilterForm form_;
    FormExchange exchange_;
    torvane::SortMode sort_mode_ = torvane::sort_by_name;
    std::array<StatRow, row_count> rows_{};
    QCheckBox* min_check_ = nullptr;
    QCheckBox* max_check_ = nullptr;
    QPushButton* filter_button_ = nullptr;
    FocusEdit* search_edit_ = nullptr;
    QPushButton* search_button_ = nullptr;
    std::array<QRadioButton*, 3> sort_radios_{};
};
