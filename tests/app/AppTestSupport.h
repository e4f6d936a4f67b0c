#pragma once
// Shared pieces of the dialog tests: prompts that answer at once, and a
// fixture holding one dialog started on a fixed date.

#include "app/Prompts.h"
#include "app/TwilightDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct ShownMessage
{
    QString text;
    QString caption;
    MessageKind kind;
};

// Records every box the dialog asks for and answers as scripted.
class FakePrompts : public Prompts
{
public:
    void ShowMessage(const QString& text, const QString& caption, MessageKind kind) override
    {
        if (onMessage)
            onMessage();
        messages.push_back({text, caption, kind});
    }
    std::optional<QString> AskSaveFileName(const QString& suggested) override
    {
        suggestedNames.push_back(suggested);
        return saveAnswer;
    }
    std::optional<QColor> AskColour(const QColor& initial) override
    {
        colourRequests.push_back(initial);
        return colourAnswer;
    }

    std::vector<ShownMessage> messages;
    std::function<void()> onMessage;  // runs while the message is "showing"
    std::vector<QString> suggestedNames;
    std::optional<QString> saveAnswer;
    std::vector<QColor> colourRequests;
    std::optional<QColor> colourAnswer;
};

// Answers the next modal box once it runs: `answer` gets the box and must
// close it. Polls from the event loop, so it also works when the box opens
// inside a click or a key press.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer)
        : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || answered)
                return;
            answered = true;
            m_timer.stop();
            m_answer(box);
            // A box the answer left open is closed, so that no test hangs.
            if (auto* dialog = qobject_cast<QDialog*>(box); dialog && dialog->isVisible()) {
                leftOpen = true;
                dialog->reject();
            }
        });
        m_timer.start(10);
    }

    bool answered = false;
    bool leftOpen = false;

private:
    std::function<void(QWidget*)> m_answer;
    QTimer m_timer;
};

inline UtcDateSource FixedDate(int year, int month, int day)
{
    return [=] { return UtcDate{year, month, day}; };
}

class DialogFixture : public ::testing::Test
{
protected:
    // 21 June 2009, the date of the worked example (PLZ=46: 04:34 and 22:40).
    void SetUp() override { Start(FixedDate(2009, 6, 21)); }

    void Start(UtcDateSource today)
    {
        dlg.reset();
        dlg = std::make_unique<CTwilightDlg>(&prompts, std::move(today));
        refreshes = std::make_unique<QSignalSpy>(dlg->m_listTable->model(), &QAbstractItemModel::rowsInserted);
    }

    // Shows the dialog and waits until it has the keyboard focus.
    void ShowActive()
    {
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    template <class Widget>
    Widget* Find(const char* name) const
    {
        return dlg->findChild<Widget*>(QLatin1String(name));
    }

    // Number of table refreshes since the dialog started or since the last call.
    int TakeRefreshCount()
    {
        const int count = int(refreshes->count());
        refreshes->clear();
        return count;
    }

    // Selects a list entry the way a user does with the keyboard (the list
    // reports it as a user's choice).
    static void ChooseWithKeys(QComboBox* combo, int position)
    {
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }

    // Clicks a check box or radio button on its indicator.
    static void ClickButton(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    int RowCount() const { return dlg->m_listTable->topLevelItemCount(); }
    QString Cell(int row, int column) const { return dlg->m_listTable->topLevelItem(row)->text(column); }

    FakePrompts prompts;
    std::unique_ptr<CTwilightDlg> dlg;
    std::unique_ptr<QSignalSpy> refreshes;
};
