#include "item_list.h"
#include "item_list_walk.h"
#include "node_pool.h"

void* ItemList::Node::operator new([[maybe_unused]] std::size_t size) {
    static_assert(sizeof(Node) <= NodePool::node_size);
    return node_pool().take();
}

void ItemList::Node::operator delete(void* node) noexcept {
    node_pool().give_back(node);
}

ItemList::~ItemList() {
    clear();
}

Item* ItemList::push_front(Item* item) {
    auto* node = new Node{item, nullptr};
    if (last_ == nullptr) {
        node->next = node;
        last_ = node;
    } else {
        node->next = last_->next;
        last_->next = node;
    }
    ++count_;
    return item;
}

void ItemList::push_back(Item* item) {
    push_front(item);
    last_ = last_->next;
}

void ItemList::clear() {
    visit_items(false, [](Node* node) {
        node->item->release();
        delete node;
    });
    last_ = nullptr;
    cursor_ = nullptr;
    count_ = 0;
}

void ItemList::rewind() {
    cursor_ = first();
}

Item* ItemList::next() {
    if (cursor_ == nullptr) {
        return nullptr;
    }
    Item* const item = cursor_->item;
    cursor_ = cursor_ == last_ ? nullptr : cursor_->next;
    return item;
}
