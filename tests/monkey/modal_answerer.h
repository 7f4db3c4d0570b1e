#pragma once

#include <QObject>
#include <QString>

// Answers every message box as soon as it shows, from inside the box's own event loop, by
// clicking its OK button as the user would: no delay to guess. It counts the boxes and how
// many were open at once, which must never be more than one. File dialogs that no action
// answers are cancelled.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    int answered() const { return answered_; }
    int most_open_at_once() const { return most_open_; }
    // Message boxes showing now.
    static int open_boxes();
    // The text of a message box showing now; null when none shows.
    static QString open_box_text();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int answered_ = 0;
    int most_open_ = 0;
};
