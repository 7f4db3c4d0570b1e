#pragma once

#include "item.h"

// Shields, armour, robes, helmets, gloves, boots, belts and cloaks: a bonus text, an armour
// class and an attack value.
class ArmourItem : public Item {
public:
    ArmourItem();

    std::int32_t attack() const override { return attack_; }
    std::string description() const override;
    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;
    bool order_value(SortMode mode, std::uint32_t& value) const override;
    bool sorts_before(const Item& other) const override;

    std::string bonus() const { return std::string(bonus_.view()); }
    void set_bonus(std::string_view bonus) { bonus_.assign(bonus); }
    float armour_class() const { return armour_class_; }

    static constexpr std::string_view description_template =
        "%n - CA %ca{, %bon}{, For %for}{, Res %res}{, Agi %agi}{, Int %int}{, Sag %sag}"
        "{, Attacco %att}{ - %loc}";

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText bonus_;
    float armour_class_ = 0.0F;
    std::int32_t attack_ = 0;
};

// Requirement of armour and jewels: five statistics plus a fifteenth of the attack.
std::int64_t protective_requirement(const Item& item, std::int32_t attack);

// Ordering of armour and jewels: category code, then the armour class under the efficacy
// sort, the requirement under the requirement sort, then the name.
bool protective_sorts_before(const Item& self, float self_class, const Item& other,
                             float other_class);

// order_value of armour and jewels under mode, after the base value: the armour class as an
// unsigned integer in float order under the efficacy sort. False for a NaN class.
bool protective_order_value(SortMode mode, float armour_class, std::uint32_t& value);

// Fills "%ca", "%att" and "%bon", in this order, as armour and jewels do.
std::string fill_protective_placeholders(std::string text, float armour_class, std::int32_t attack,
                                         std::string_view bonus);
