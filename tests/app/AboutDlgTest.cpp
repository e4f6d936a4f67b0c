// The about box: its texts, and Enter and Escape closing it although the main
// dialog ignores both keys.

#include "AppTestSupport.h"

#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

TEST(AboutBox, ShowsTheTemplateTexts)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "Info über Crepulo");
    EXPECT_EQ(about.size(), QSize(375, 216));
    EXPECT_EQ(about.m_labelVersion->text(), "Crepulo Version 1.0");
    EXPECT_EQ(about.m_labelPurpose->text(),
              "Dieses Programm dient dazu, die standortabhängigen Dämmerungszeiten der Produktfamilie \"Zendral\" "
              "zu berechnen und anzuzeigen.");
    EXPECT_EQ(about.m_labelMethod->text(),
              "Die Berechnung basiert auf der \"Bürgerlichen Dämmerung\". Diese entspricht der Zeit, wenn sich der "
              "Sonnenmittelpunkt 6° unter dem wahren Horizont befindet.");
    EXPECT_TRUE(about.m_labelPurpose->wordWrap());
    EXPECT_TRUE(about.m_labelMethod->wordWrap());
    EXPECT_EQ(about.m_buttonOk->text(), "OK");
    EXPECT_TRUE(about.m_buttonOk->isDefault());
    EXPECT_EQ(about.m_buttonOk->geometry(), QRect(150, 177, 75, 26));
    // The wrapped texts fit their rectangles, one below the other, above "OK".
    for (const QLabel* label : {about.m_labelPurpose, about.m_labelMethod})
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
    EXPECT_LT(about.m_labelVersion->geometry().bottom(), about.m_labelPurpose->y());
    EXPECT_LT(about.m_labelPurpose->geometry().bottom(), about.m_labelMethod->y());
    EXPECT_LT(about.m_labelMethod->geometry().bottom(), about.m_buttonOk->y());
}

class AboutKeys : public ::testing::TestWithParam<Qt::Key>
{
};

TEST_P(AboutKeys, CloseTheBox)
{
    CAboutDlg about;
    bool pressed = false;
    QTimer::singleShot(0, &about, [&] {
        if (!QTest::qWaitForWindowActive(&about))
            return;
        pressed = true;
        QTest::keyClick(QApplication::focusWidget(), GetParam());
    });
    // Closes the box should the key not do it, so that the test cannot hang.
    QTimer::singleShot(5000, &about, [&] { about.done(-1); });
    const int result = about.exec();
    EXPECT_TRUE(pressed);
    EXPECT_NE(result, -1);
    EXPECT_FALSE(about.isVisible());
}

INSTANTIATE_TEST_SUITE_P(App, AboutKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

using InfoButton = DialogFixture;

TEST_F(InfoButton, OpensTheAboutBoxModally)
{
    ShowActive();
    QString title;
    bool keyPressed = false;
    ModalAnswer answer([&](QWidget* box) {
        title = box->windowTitle();
        if (QTest::qWaitForWindowActive(box)) {
            keyPressed = true;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        if (box->isVisible())
            box->close();
    });
    QTest::mouseClick(dlg->m_buttonInfo, Qt::LeftButton);
    EXPECT_TRUE(answer.answered);
    EXPECT_EQ(title, "Info über Crepulo");
    EXPECT_TRUE(keyPressed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dlg->isVisible());
}
