#pragma once

#include "item.h"

// Spells: mana, a prerequisite text, a teacher and costs in PA and coins.
// They keep the base ordering.
class SpellItem : public Item {
public:
    SpellItem();

    std::string description() const override;
    std::string render(std::string_view templ) const override;
    int parse_line(std::string_view line) override;
    bool order_value(SortMode mode, std::uint32_t& value) const override;

    std::string prerequisite() const { return std::string(prerequisite_.view()); }
    void set_prerequisite(std::string_view prerequisite) { prerequisite_.assign(prerequisite); }
    std::string teacher() const { return std::string(teacher_.view()); }
    void set_teacher(std::string_view teacher) { teacher_.assign(teacher); }
    std::int32_t mana() const { return mana_; }
    std::int32_t pa_cost() const { return pa_cost_; }
    std::int32_t coin_cost() const { return coin_cost_; }

    // "Costo: " and the "/" always show.
    static constexpr std::string_view description_template =
        "%n - {Liv. %lvl, }{Int %int, }{Sag %sag, }{Mana %man, }{Req. %req, }{Luogo %loc, }"
        "{Ins. %ins, }Costo: {PA %pac}/{Mon %gpc}";

protected:
    float compute_efficacy() const override;
    std::int64_t compute_requirement() const override;

private:
    RecordText prerequisite_;
    RecordText teacher_;
    std::int32_t mana_ = 0;
    std::int32_t pa_cost_ = 0;
    std::int32_t coin_cost_ = 0;
};
