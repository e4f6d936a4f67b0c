#pragma once
// The modal boxes the dialogs open: messages, the save-file dialog and the
// colour picker. The program uses QtPrompts; tests pass a fake that records
// what was shown and answers at once.

#include <QColor>
#include <QString>

#include <optional>

enum class MessageKind
{
    Information,  // information icon
    Error,        // error icon
};

class Prompts
{
public:
    virtual ~Prompts() = default;

    // A modal box with one OK button; returns when it has been closed.
    virtual void ShowMessage(const QString& text, const QString& caption, MessageKind kind) = 0;

    // The save-file dialog, opened with `suggested` as the file name. Returns
    // the chosen full path, or nullopt when the user cancelled.
    virtual std::optional<QString> AskSaveFileName(const QString& suggested) = 0;

    // The colour picker, opened with `initial`. Returns the chosen colour, or
    // nullopt when the user cancelled.
    virtual std::optional<QColor> AskColour(const QColor& initial) = 0;
};
