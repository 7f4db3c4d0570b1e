#pragma once

#include <QObject>
#include <QString>

// Answers the next file dialog that shows with the file, or cancels it for an empty one, from
// inside the dialog's own event loop, as the user would.
class FileDialogAnswer : public QObject {
public:
    explicit FileDialogAnswer(QString file);
    ~FileDialogAnswer() override;
    FileDialogAnswer(const FileDialogAnswer&) = delete;
    FileDialogAnswer& operator=(const FileDialogAnswer&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString file_;
};
