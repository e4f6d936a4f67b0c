// The real modal boxes behind the prompts: what they show and that Enter and
// Escape work in them. Each box is answered from a timer while it runs.

#include "AppTestSupport.h"

#include "app/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>


struct MessageCase
{
    MessageKind kind;
    QMessageBox::Icon icon;
    Qt::Key key;
};

class MessageBoxes : public ::testing::TestWithParam<MessageCase>
{
};

TEST_P(MessageBoxes, ShowTextCaptionIconAndOneOkButton)
{
    QWidget owner;
    QtPrompts prompts(&owner);
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool onTop = false;
    bool keyPressed = false;
    ModalAnswer boxAnswer([&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        if (!message)
            return;
        text = message->text();
        caption = message->windowTitle();
        icon = message->icon();
        buttons = message->standardButtons();
        onTop = message->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        if (QTest::qWaitForWindowActive(message)) {
            keyPressed = true;
            QTest::keyClick(QApplication::focusWidget(), GetParam().key);
        }
        if (message->isVisible())
            message->done(0);  // the key failed; the checks below say so
    });
    prompts.ShowMessage(QStringLiteral("Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden."),
                        QStringLiteral("Information..."), GetParam().kind);
    EXPECT_EQ(text, "Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden.");
    EXPECT_EQ(caption, "Information...");
    EXPECT_EQ(icon, GetParam().icon);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(keyPressed);
    EXPECT_FALSE(boxAnswer.leftOpen);
}

INSTANTIATE_TEST_SUITE_P(App, MessageBoxes,
                         ::testing::Values(MessageCase{MessageKind::Information, QMessageBox::Information,
                                                       Qt::Key_Return},
                                           MessageCase{MessageKind::Error, QMessageBox::Critical, Qt::Key_Escape}));

TEST(SaveDialog, OffersTheSuggestedNameAndTheTwoFilters)
{
    QWidget owner;
    QtPrompts prompts(&owner);
    QStringList filters;
    QStringList selected;
    QString suffix;
    bool confirmsOverwrite = false;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    ModalAnswer boxAnswer([&](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        if (!dialog)
            return;
        filters = dialog->nameFilters();
        selected = dialog->selectedFiles();
        suffix = dialog->defaultSuffix();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        mode = dialog->acceptMode();
        dialog->reject();
    });
    const std::optional<QString> answer = prompts.AskSaveFileName(QStringLiteral("Crepulo - Land-Belgien - PLZ-Antwerpen.txt"));
    EXPECT_FALSE(answer.has_value());
    EXPECT_EQ(filters, QStringList({"Text (*.txt)", "Alle Dateien (*.*)"}));
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(selected[0].endsWith("/Crepulo - Land-Belgien - PLZ-Antwerpen.txt")) << selected[0].toStdString();
    EXPECT_TRUE(suffix.isEmpty());
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

TEST(SaveDialog, ReturnsTheChosenPath)
{
    QWidget owner;
    QtPrompts prompts(&owner);
    const QString chosen = QDir::temp().filePath(QStringLiteral("crepulo-test-name-without-extension"));
    QFile::remove(chosen);
    ModalAnswer boxAnswer([&](QWidget* box) {
        // Typed into the name field and confirmed with Enter, as a user would.
        auto* dialog = qobject_cast<QFileDialog*>(box);
        auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name || !QTest::qWaitForWindowActive(dialog))
            return;
        name->setFocus();
        name->setText(chosen);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<QString> answer = prompts.AskSaveFileName(QStringLiteral("x.txt"));
    EXPECT_FALSE(boxAnswer.leftOpen);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, chosen);
}

TEST(ColourDialog, StartsOnTheColourAndReturnsTheChoice)
{
    QWidget owner;
    QtPrompts prompts(&owner);
    QColor shown;
    ModalAnswer boxAnswer([&](QWidget* box) {
        if (auto* dialog = qobject_cast<QColorDialog*>(box)) {
            shown = dialog->currentColor();
            dialog->setCurrentColor(QColor(255, 128, 0));
            dialog->accept();
        }
    });
    const std::optional<QColor> chosen = prompts.AskColour(QColor(0, 0, 255));
    EXPECT_EQ(shown, QColor(0, 0, 255));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QColor(255, 128, 0));

    ModalAnswer cancel([](QWidget* box) {
        if (auto* dialog = qobject_cast<QColorDialog*>(box))
            dialog->reject();
    });
    EXPECT_FALSE(prompts.AskColour(QColor(0, 255, 0)).has_value());
}
