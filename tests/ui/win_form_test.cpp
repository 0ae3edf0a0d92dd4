#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/win_form.h"

namespace {

QPushButton* ButtonNamed(QWidget& form, const QString& text) {
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

TEST(WinFormTest, LaysOutTheAnimationAndTheThreeAnswers) {
    TWinForm form;
    EXPECT_EQ(form.windowTitle(), "You've Won!");
    EXPECT_EQ(form.size(), QSize(376, 192));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    ASSERT_NE(ButtonNamed(form, "OK, Great!"), nullptr);
    EXPECT_TRUE(ButtonNamed(form, "OK, Great!")->isDefault());
    EXPECT_NE(ButtonNamed(form, "New Game"), nullptr);
    EXPECT_NE(ButtonNamed(form, "Show Statistics..."), nullptr);
}

TEST(WinFormTest, TheAnimationLoopsThroughTenFrames) {
    TWinForm form;
    for (int i = 0; i < 10; ++i) form.Advance();
    EXPECT_EQ(form.Frame(), 0);
    form.Advance();
    EXPECT_EQ(form.Frame(), 1);
}

TEST(WinFormTest, EachButtonAnswersWithItsResult) {
    struct Case { QString button; int answer; };
    for (const Case& c : {Case{"OK, Great!", 1}, Case{"New Game", 6}, Case{"Show Statistics...", 7}}) {
        QTimer::singleShot(30, [&] {
            ASSERT_TRUE(WinForm());
            ButtonNamed(*WinForm(), c.button)->click();
        });
        EXPECT_EQ(ShowWinWindowModally(nullptr), c.answer) << c.button.toStdString();
        EXPECT_FALSE(WinForm()) << "released once answered";
    }
}

}  // namespace
