#pragma once
// The dialog seam for window tests: every modal request is answered from queues the test
// fills beforehand, and recorded, so a test never blocks and can assert what was shown.
// A request with no answer queued gets the cancelling answer and is recorded all the same.
// Every request is also checked to open usable: a dialog parented to a disabled window is
// disabled with it, and the user could do nothing in it.

#include <gtest/gtest.h>

#include <QDialog>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/DialogsWindows.h"

namespace tessaran {

class ScriptedDialogsWindows : public DialogsWindows {
public:
    struct Shown {
        QString caption;
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    // ---- Answers, used in order ----
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> fileNames;  // nothing: the dialog was cancelled
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<FontChoice>> fonts;
    // Each runs on the dialog (it may set controls, press buttons) and answers
    // QDialog::Accepted or Rejected.
    std::deque<std::function<int(QDialog&)>> dialogActions;

    // ---- What was asked ----
    std::vector<Shown> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QString> dialogTitles;

    MessageAnswer message(QWidget* parent, const QString& caption, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override {
        expectUsable(parent, caption);
        messages.push_back({caption, text, buttons, icon});
        if (messageAnswers.empty())
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    std::optional<QString> openFileName(QWidget* parent,
                                        const FileDialogRequest& request) override {
        expectUsable(parent, request.title);
        openRequests.push_back(request);
        return nextFileName();
    }
    std::optional<QString> saveFileName(QWidget* parent,
                                        const FileDialogRequest& request) override {
        expectUsable(parent, request.title);
        saveRequests.push_back(request);
        const std::optional<QString> name = nextFileName();
        if (!name)
            return name;
        return withDefaultExtension(*name, request.defaultExtension);
    }
    std::optional<QColor> chooseColour(QWidget* parent, const QColor&) override {
        expectUsable(parent, QStringLiteral("colour"));
        return take(colours);
    }
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice&) override {
        expectUsable(parent, QStringLiteral("font"));
        return take(fonts);
    }
    int runDialog(QDialog& dialog) override {
        expectUsable(&dialog, dialog.windowTitle());
        dialogTitles.push_back(dialog.windowTitle());
        if (dialogActions.empty())
            return QDialog::Rejected;
        const auto action = std::move(dialogActions.front());
        dialogActions.pop_front();
        return action(dialog);
    }

    // The last message's caption and text, for short assertions.
    QString lastCaption() const { return messages.empty() ? QString() : messages.back().caption; }
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }

private:
    static void expectUsable(const QWidget* dialogOrParent, const QString& what) {
        EXPECT_TRUE(!dialogOrParent || dialogOrParent->isEnabled())
            << what.toStdString() << " would open disabled";
    }
    std::optional<QString> nextFileName() { return take(fileNames); }
    template <typename T>
    static std::optional<T> take(std::deque<std::optional<T>>& queue) {
        std::optional<T> value;
        if (!queue.empty()) {
            value.swap(queue.front());
            queue.pop_front();
        }
        return value;
    }
};

}  // namespace tessaran
