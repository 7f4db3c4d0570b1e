#pragma once

#include "item.h"

// Weapons: a bonus text and a damage range.
class WeaponItem : public Item {
public:
    WeaponItem();

    std::string description() const override;
    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;
    bool order_value(SortMode mode, std::uint32_t& value) const override;
    bool sorts_before(const Item& other) const override;

    std::string bonus() const { return std::string(bonus_.view()); }
    void set_bonus(std::string_view bonus) { bonus_.assign(bonus); }
    std::int32_t min_damage() const { return min_damage_; }
    std::int32_t max_damage() const { return max_damage_; }

    static constexpr std::string_view description_template =
        "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Int %int, }{Sag %sag, }"
        "{Luogo: %loc}";

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText bonus_;
    std::int32_t min_damage_ = 0;
    std::int32_t max_damage_ = 0;
};

// The damage ordering shared by weapons and bows: category code, then the average damage
// under the efficacy sort, the requirement under the requirement sort, then the name.
// Both records must be of one class when their codes are equal.
bool damage_sorts_before(const Item& self, std::int32_t self_average, const Item& other,
                         std::int32_t other_average);

// order_value of weapons and bows under mode, after the base value: the average damage under
// the efficacy sort.
void damage_order_value(SortMode mode, std::int32_t min_damage, std::int32_t max_damage,
                        std::uint32_t& value);

// (min + max) / 2, truncated toward zero, without overflow.
std::int32_t average_damage(std::int32_t min_damage, std::int32_t max_damage);

// Fills "%dma", "%dmi", "%dme" and "%bon", in this order, as weapons and bows do.
std::string fill_damage_placeholders(std::string text, std::int32_t min_damage,
                                     std::int32_t max_damage, std::string_view bonus);
