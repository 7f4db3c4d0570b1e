#include "expected_description.h"

#include <utility>

#include <QItemSelectionModel>
#include <QListView>

ExpectedDescription::ExpectedDescription(QWidget& context,
                                         const std::array<QListView*, page_count>& lists,
                                         const KnownLines& known, QString start_text)
    : lists_(lists), known_(known), text_(std::move(start_text)) {
    for (int page = 0; page < page_count; ++page) {
        const QListView* list = lists_[static_cast<std::size_t>(page)];
        QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &context,
                         [this, page] { selection_changed(page); });
        QObject::connect(list->model(), &QAbstractItemModel::modelAboutToBeReset, &context,
                         [this, page] { refill_starting(page); });
        QObject::connect(list->model(), &QAbstractItemModel::modelReset, &context,
                         [this] { after_refill_ = true; });
    }
}

ExpectedDescription::Selection ExpectedDescription::selection_of(int page) const {
    const QModelIndexList rows =
        lists_[static_cast<std::size_t>(page)]->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return {page, -1, {}};
    }
    return {page, rows.first().row(), rows.first().data().toString()};
}

void ExpectedDescription::selection_changed(int page) {
    // After a refill, a catalogue read selects lines again before it says it has read: wait
    // for that, or for the end of the action.
    if (after_refill_) {
        held_.push_back(selection_of(page));
    } else {
        take_pick(selection_of(page));
    }
}

void ExpectedDescription::refill_starting(int page) {
    // Lines selected after the last refill and before this one were the user's.
    settle();
    const Selection selected = selection_of(page);
    before_refill_[static_cast<std::size_t>(page)] =
        known_.key_of(*lists_[static_cast<std::size_t>(page)]->model(), page, selected.row);
}

void ExpectedDescription::take_pick(const Selection& selection) {
    if (selection.row < 0) {
        pick_.reset();
        text_.clear();
        return;
    }
    const QAbstractItemModel& list = *lists_[static_cast<std::size_t>(selection.page)]->model();
    pick_ = Pick{selection.page, known_.key_of(list, selection.page, selection.row)};
    text_ = selection.text;
}

void ExpectedDescription::settle() {
    for (const Selection& selection : held_) {
        // A refill empties the selections by itself; only a line selected is a pick.
        if (selection.row >= 0) {
            take_pick(selection);
        }
    }
    held_.clear();
    after_refill_ = false;
}

void ExpectedDescription::catalogue_read() {
    held_.clear();
    after_refill_ = false;
    for (int page = 0; page < page_count && broken_.empty(); ++page) {
        const QAbstractItemModel& list = *lists_[static_cast<std::size_t>(page)]->model();
        const std::optional<KnownLines::Key>& before =
            before_refill_[static_cast<std::size_t>(page)];
        const int wanted = before ? known_.find(list, page, *before) : -1;
        if (const int row = selection_of(page).row; row != wanted) {
            broken_ = "after reading a catalogue, page " + std::to_string(page) + " selects row " +
                      std::to_string(row) + " instead of " + std::to_string(wanted);
        }
    }
    // With no line picked the description is empty, or the start-up hint, which a read ends.
    if (!pick_ || !pick_->key) {
        pick_.reset();
        text_.clear();
        return;
    }
    const QAbstractItemModel& list = *lists_[static_cast<std::size_t>(pick_->page)]->model();
    const int row = known_.find(list, pick_->page, *pick_->key);
    text_ = row >= 0 ? list.index(row, 0).data().toString() : QString();
    if (row < 0) {
        pick_.reset();
    }
}

std::string ExpectedDescription::take_broken() {
    return std::exchange(broken_, std::string());
}
