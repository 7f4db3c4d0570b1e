#pragma once

#include "item.h"

// The records that deal damage, weapons and bows: a bonus text and a damage range, whose
// sum is the efficacy. Strength, agility, wisdom and intelligence make the requirement. They
// order by category code, then by the average damage under the efficacy sort, the
// requirement under the requirement sort, then by name. Each class lists its own fields and
// template.
class DamageItem : public Item {
public:
    std::string render(std::string_view templ) const override;
    bool sorts_before(const Item& other) const override;

    std::string bonus() const { return std::string(bonus_.view()); }
    std::int32_t min_damage() const { return min_damage_; }
    std::int32_t max_damage() const { return max_damage_; }
    // (min + max) / 2, truncated toward zero, without overflow.
    std::int32_t average_damage() const;

protected:
    DamageItem() = default;

    // The value of this ordering for order_value: the average damage under the efficacy
    // sort, else that of the base ordering.
    bool ordering_value(SortMode mode, std::uint32_t& value) const;

    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

    RecordText bonus_;
    std::int32_t min_damage_ = 0;
    std::int32_t max_damage_ = 0;
};
