#pragma once
// Prompts through Qt's own modal boxes.

#include "app/Prompts.h"

#include <QPointer>
#include <QWidget>

class QtPrompts : public Prompts
{
public:
    explicit QtPrompts(QWidget* parent = nullptr);

    // The window the boxes are modal to and centred on. Without one they take
    // the application's active window.
    void SetParentWidget(QWidget* parent);

    // QMessageBox: the right icon, one OK button, kept above other windows.
    void ShowMessage(const QString& text, const QString& caption, MessageKind kind) override;
    // QFileDialog for saving: filters "Text (*.txt)" and "Alle Dateien (*.*)",
    // asks before overwriting, adds no extension to a name typed without one.
    std::optional<QString> AskSaveFileName(const QString& suggested) override;
    // QColorDialog.
    std::optional<QColor> AskColour(const QColor& initial) override;

private:
    QWidget* ParentWidget() const;

    QPointer<QWidget> m_parent;
};
