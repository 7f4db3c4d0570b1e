#pragma once

#include "item.h"

// Bows and arrows: like weapons, a bonus text and a damage range, with agility among the
// statistics; ordered as weapons are.
class BowItem : public Item {
public:
    BowItem();

    std::string description() const override;
    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;
    bool order_value(SortMode mode, std::uint32_t& value) const override;
    bool sorts_before(const Item& other) const override;

    std::string bonus() const { return std::string(bonus_.view()); }
    void set_bonus(std::string_view bonus) { bonus_.assign(bonus); }
    std::int32_t min_damage() const { return min_damage_; }
    std::int32_t max_damage() const { return max_damage_; }

    // " Luogo:" stands outside every group, so the label shows even without a location.
    static constexpr std::string_view description_template =
        "%n - {Dmg {%dmi}-{%dma} (%dme), }{%bon, }{For %for, }{Agi %agi, }{Int %int, }"
        "{Sag %sag, } Luogo:{ %loc}";

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText bonus_;
    std::int32_t max_damage_ = 0;
    std::int32_t min_damage_ = 0;
};
