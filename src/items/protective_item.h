#pragma once

#include "item.h"

// The protective records, armour and jewels: a bonus text, an armour class and an attack
// value, read in one field order. The armour class (never below 0) is the efficacy; five
// statistics plus a fifteenth of the attack make the requirement. They order by category
// code, then by the armour class under the efficacy sort, the requirement under the
// requirement sort, then by name. Each class has its own template.
class ProtectiveItem : public Item {
public:
    std::int32_t attack() const override { return attack_; }
    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;
    bool sorts_before(const Item& other) const override;

    std::string bonus() const { return std::string(bonus_.view()); }
    float armour_class() const { return armour_class_; }

protected:
    ProtectiveItem() = default;

    // The value of this ordering for order_value: the armour class as an unsigned integer in
    // float order under the efficacy sort, else that of the base ordering. False for a NaN
    // class, which orders with nothing.
    bool ordering_value(SortMode mode, std::uint32_t& value) const;

    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText bonus_;
    float armour_class_ = 0.0F;
    std::int32_t attack_ = 0;
};
