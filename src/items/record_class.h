#pragma once

#include <typeinfo>

#include "item.h"

// The overrides that every record class writes alike but for its own name. A class Record
// derived from Base through RecordClass<Record, Base, code> defines its description
// template and gets:
// - code as its category until create_item stores the one asked for;
// - its description, rendered from Record::description_template;
// - the sort key of Base's ordering, given only for a record of Record itself: a further
//   class could order otherwise, and the sort then compares with sorts_before instead.
template <typename Record, typename Base, int code> class RecordClass : public Base {
public:
    std::string description() const override {
        return this->describe(Record::description_template);
    }
    bool order_value(SortMode mode, std::uint32_t& value) const override {
        return typeid(*this) == typeid(Record) && Base::ordering_value(mode, value);
    }

protected:
    RecordClass() { this->set_category(code); }
};
