#include "app/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

QtPrompts::QtPrompts(QWidget* parent)
    : m_parent(parent)
{
}

void QtPrompts::SetParentWidget(QWidget* parent)
{
    m_parent = parent;
}

QWidget* QtPrompts::ParentWidget() const
{
    if (m_parent)
        return m_parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void QtPrompts::ShowMessage(const QString& text, const QString& caption, MessageKind kind)
{
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                    QMessageBox::Ok, ParentWidget());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

std::optional<QString> QtPrompts::AskSaveFileName(const QString& suggested)
{
    QFileDialog dialog(ParentWidget(), QStringLiteral("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Text (*.txt)"), QStringLiteral("Alle Dateien (*.*)")});
    // A name typed without an extension is used as it is.
    dialog.setDefaultSuffix(QString());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    return files.first();
}

std::optional<QColor> QtPrompts::AskColour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, ParentWidget());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
