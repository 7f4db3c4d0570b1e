#pragma once

#include <QObject>
#include <QString>

// Answers every file dialog that shows while it lives with the file, or cancels it for an
// empty one, through a call posted to the dialog's loop.
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
