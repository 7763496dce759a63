#include "platform/copy/QtCopyInteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using platform::ReplaceAnswer;

// Answers the replace question with one key, as a user without a pointer would.
ReplaceAnswer answerWithKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    platform::QtCopyInteraction interaction;
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        // Through the window, as the window system delivers keys: mnemonics
        // are shortcuts, which only keys from there can reach.
        QTest::keyClick(box->windowHandle(), key, modifiers);
        // A mnemonic presses its button with a short animation first. A key
        // that answers nothing must not leave the test waiting.
        if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000))
            box->done(-1);
    });
    return interaction.askReplace("/to/Editor.lnk", "/from/Editor.lnk");
}

TEST(QtCopyInteraction, ReplaceQuestionAnswersFromTheKeyboardAndEnterNeverReplaces)
{
    const std::pair<Qt::Key, ReplaceAnswer> cases[] = {
        {Qt::Key_Return, ReplaceAnswer::Skip},
        {Qt::Key_Escape, ReplaceAnswer::Cancel},
    };
    for (const auto& [key, answer] : cases)
        EXPECT_EQ(answerWithKey(key), answer) << key;
    EXPECT_EQ(answerWithKey(Qt::Key_R, Qt::AltModifier), ReplaceAnswer::Replace);
    EXPECT_EQ(answerWithKey(Qt::Key_S, Qt::AltModifier), ReplaceAnswer::Skip);
}

TEST(QtCopyInteraction, EscapeInTheProgressDialogStopsTheCopy)
{
    platform::QtCopyInteraction interaction;
    interaction.begin(100, 1);
    QTest::qWait(platform::QtCopyInteraction::kShowAfterMs + 50);
    ASSERT_TRUE(interaction.progress("/from/Editor.lnk", 10));
    QProgressDialog* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible())
            dialog = progress;
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_Escape);

    EXPECT_FALSE(interaction.progress("/from/Editor.lnk", 20));
    interaction.end();
}

} // namespace
