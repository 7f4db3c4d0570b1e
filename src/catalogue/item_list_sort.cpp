#include <bit>

#include "busy_indicator.h"
#include "item_list.h"

void ItemList::sort(SortMode mode) {
    const BusyScope busy;
    if (count_ > 0) {
        set_current_sort_mode(mode);
        quicksort();
    }
}

void ItemList::quicksort() {
    // Quicksort with a median of three degrades on lists already in order (the normal case
    // here: the catalogue stays sorted and every view comes out reversed), so its depth is
    // bounded and a part that goes too deep is finished by merge sort.
    const int depth_limit = 2 * static_cast<int>(std::bit_width(static_cast<unsigned>(count_)));
    quicksort_bounded(depth_limit);
}

void ItemList::quicksort_bounded(int depth_left) {
    if (count_ <= 1) {
        return;
    }
    if (depth_left <= 0) {
        merge_sort();
        return;
    }
    Node* const first_node = first();
    Item* const f = first_node->item;
    Item* const s = first_node->next->item;
    Item* const l = last_->item;

    // The median of the first, second and last items.
    Item* pivot = nullptr;
    if (l->sorts_before(*f)) {
        pivot = !s->sorts_before(*f) ? f : (s->sorts_before(*l) ? l : s);
    } else {
        pivot = !s->sorts_before(*l) ? l : (!s->sorts_before(*f) ? s : f);
    }

    // Unlink the pivot's node: the first node holding it, which is one of the three.
    Node* pivot_node = nullptr;
    if (pivot == f) {
        pivot_node = pop_front_node();
    } else if (pivot == s) {
        pivot_node = first_node->next;
        first_node->next = pivot_node->next;
        if (pivot_node == last_) {
            last_ = first_node;
        }
        --count_;
    } else {
        Node* before = first_node;
        while (before->next != last_) {
            before = before->next;
        }
        pivot_node = last_;
        before->next = last_->next;
        last_ = before;
        --count_;
    }

    // One forward walk gives each part the order its items had here; ties go below.
    ItemList lower;
    ItemList upper;
    while (Node* node = pop_front_node()) {
        if (pivot->sorts_before(*node->item)) {
            upper.push_back(node);
        } else {
            lower.push_back(node);
        }
    }
    upper.quicksort_bounded(depth_left - 1);
    lower.quicksort_bounded(depth_left - 1);

    // This list is empty now: lower part, pivot, upper part.
    splice_front(upper);
    push_front_node(pivot_node);
    splice_front(lower);
}

void ItemList::push_front_node(Node* node) {
    if (last_ == nullptr) {
        node->next = node;
        last_ = node;
    } else {
        node->next = last_->next;
        last_->next = node;
    }
    ++count_;
}

namespace {

ItemList::Node* merge(ItemList::Node* a, ItemList::Node* b) {
    ItemList::Node head{nullptr, nullptr};
    ItemList::Node* tail = &head;
    while (a != nullptr && b != nullptr) {
        // Take from the right run only when strictly before: the merge stays stable.
        if (b->item->sorts_before(*a->item)) {
            tail->next = b;
            b = b->next;
        } else {
            tail->next = a;
            a = a->next;
        }
        tail = tail->next;
    }
    tail->next = a != nullptr ? a : b;
    return head.next;
}

// Sorts the first n nodes of the chain starting at head, advancing head past them.
// The recursion is log2(n) deep.
ItemList::Node* merge_sort_chain(ItemList::Node*& head, std::int32_t n) {
    if (n == 1) {
        ItemList::Node* const single = head;
        head = head->next;
        single->next = nullptr;
        return single;
    }
    ItemList::Node* const left = merge_sort_chain(head, n / 2);
    ItemList::Node* const right = merge_sort_chain(head, n - n / 2);
    return merge(left, right);
}

} // namespace

void ItemList::merge_sort() {
    if (count_ <= 1) {
        return;
    }
    Node* head = last_->next;
    last_->next = nullptr;
    Node* const sorted = merge_sort_chain(head, count_);
    Node* tail = sorted;
    while (tail->next != nullptr) {
        tail = tail->next;
    }
    tail->next = sorted;
    last_ = tail;
    cursor_ = nullptr;
}
