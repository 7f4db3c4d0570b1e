#pragma once

#include "item.h"

// Amulets, rings and bracelets: an attack value, a bonus text and an armour class. Requirement,
// efficacy and ordering follow the armour rules.
class JewelItem : public Item {
public:
    JewelItem();

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
        "{, Attacco %att}{, Luogo: %loc}";

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText bonus_;
    float armour_class_ = 0.0F;
    std::int32_t attack_ = 0;
};
