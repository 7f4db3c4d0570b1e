#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "items/item.h"
#include "items/sort_mode.h"

class LoadSink;

// A circular singly linked list of shared Item references, reached through its last node,
// with a read cursor. The catalogue and every filter or search result are ItemLists; each
// node owns one reference of its item.
class ItemList {
public:
    ItemList() = default;
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    virtual ~ItemList();

    std::int32_t count() const { return count_; }

    // Inserts before the first item, taking over the caller's reference.
    Item* push_front(Item* item);
    // Releases every reference and frees every node.
    void clear();

    // Puts the read cursor on the first item; next() then returns the items in order and
    // nullptr after the last one. Any change to the list invalidates the cursor.
    void rewind();
    Item* next();

    // Fills the list from an archive file. Returns 0 when the file was read, 1 when it
    // could not be (missing, a folder, unreadable), leaving the list as it was. A sink, when
    // given, hears of every line dropped, ignored or read doubtfully.
    int load(std::string_view path, LoadSink* sink = nullptr);

    // New lists of the items that pass every bound above 0: in bound mode 0 the item's
    // value is at least the bound, in mode 1 at most. Bounds, in order: level, strength,
    // resistance, agility, wisdom, intelligence, attack. The result shares the records and
    // holds them in the reverse of this list's order.
    std::unique_ptr<ItemList> filter_stats(std::int32_t level, std::int32_t strength,
                                           std::int32_t resistance, std::int32_t agility,
                                           std::int32_t wisdom, std::int32_t intelligence,
                                           std::int32_t attack, int bound_mode) const;
    std::unique_ptr<ItemList> filter_min(std::int32_t level, std::int32_t strength,
                                         std::int32_t resistance, std::int32_t agility,
                                         std::int32_t wisdom, std::int32_t intelligence,
                                         std::int32_t attack) const;
    // A new list of the items whose lower-cased name contains text, which must already be
    // lower case (Windows-1252). The empty text selects every item.
    std::unique_ptr<ItemList> search_name(std::string_view text) const;

    // Sorts in place by the records' own ordering under mode, which becomes the current
    // sort mode (unchanged for an empty list).
    void sort(SortMode mode);
    // The sort under the current mode.
    void quicksort();

private:
    // One link of the list; it owns one reference of its item.
    struct Node {
        Item* item;
        Node* next;

        // From the pool of list nodes (node_pool.h).
        static void* operator new(std::size_t size);
        static void operator delete(void* node) noexcept;
    };

    Node* first() const { return last_ != nullptr ? last_->next : nullptr; }
    // Appends after the last item, taking over the caller's reference.
    void push_back(Item* item);
    // Calls visit with every node from the first to the last, fetching records (and their
    // names, when asked) ahead of the visit; visit may free the node.
    template <typename Visit> void visit_items(bool names_too, Visit visit) const;

    Node* last_ = nullptr;
    Node* cursor_ = nullptr;
    std::int32_t count_ = 0;
};
