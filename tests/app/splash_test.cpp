#include "app/splash.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

QStringList LabelTexts(const QWidget& widget) {
    QStringList texts;
    for (const QLabel* pLabel : widget.findChildren<QLabel*>()) {
        texts.append(pLabel->text());
    }
    return texts;
}

TEST(SplashTest, ShowsTheThreeBlocksTheAcknowledgementAndAccept) {
    CSplash splash;
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("DISCLAIMER"));
    EXPECT_EQ(LabelTexts(splash),
              (QStringList{CSplash::ResponsibilityText(), CSplash::CapabilitiesText(),
                           CSplash::ContactText(),
                           QStringLiteral("By clicking ACCEPT, you are acknowledging that you have "
                                          "read, understand, and agree to the afore mentioned "
                                          "disclaimer.")}));

    const QList<QPushButton*> buttons = splash.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), QStringLiteral("ACCEPT"));
    EXPECT_TRUE(buttons.front()->isDefault());
}

// No close box and no window menu: the title bar carries the caption only.
TEST(SplashTest, HasNoCloseBox) {
    CSplash splash;
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
}

TEST(SplashTest, TextsKeepTheirWindows1252Characters) {
    const QString strResponsibility = CSplash::ResponsibilityText();
    EXPECT_TRUE(strResponsibility.startsWith(
        QStringLiteral("DISCLAIMER/USER RESPONSIBILITY:\n\n\u00B7All converted")));
    EXPECT_TRUE(strResponsibility.contains(QStringLiteral("DVD\u2019s")));
    EXPECT_EQ(strResponsibility.count(QLatin1Char('\n')), 16); // 17 lines
    EXPECT_TRUE(strResponsibility.contains(QStringLiteral("\nPRODUCT DETAILS\n")));

    const QString strCapabilities = CSplash::CapabilitiesText();
    EXPECT_TRUE(strCapabilities.startsWith(QStringLiteral("CONVERTER CAPABILITIES\n")));
    EXPECT_TRUE(strCapabilities.contains(QStringLiteral("\n\nCONVERSION RESULTS\n")));
    EXPECT_EQ(strCapabilities.count(QLatin1Char('\n')), 26); // 27 lines, the last one empty

    for (const QString& strText : {strResponsibility, strCapabilities, CSplash::ContactText()}) {
        for (const QChar ch : strText) {
            EXPECT_FALSE(ch.unicode() >= 0x80 && ch.unicode() < 0xA0)
                << "undecoded Windows-1252 byte " << static_cast<int>(ch.unicode());
        }
    }
}

// Shown over the main dialog, the disclaimer keeps it from input until ACCEPT, Enter or Esc
// closes it; then it is gone.
TEST(SplashTest, ShownWindowModalOverItsOwnerUntilClosed) {
    const struct {
        const char* pszHow;
        int nKey; // 0: click ACCEPT
    } closers[] = {{"ACCEPT", 0}, {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}};
    for (const auto& closer : closers) {
        QWidget owner;
        owner.show();
        ShowDisclaimer(&owner);
        QApplication::processEvents();

        QPointer<CSplash> pSplash = owner.findChild<CSplash*>();
        ASSERT_TRUE(pSplash) << closer.pszHow;
        EXPECT_TRUE(pSplash->isVisible());
        EXPECT_EQ(pSplash->windowModality(), Qt::WindowModal);
        EXPECT_EQ(QApplication::activeModalWidget(), pSplash.data());

        if (closer.nKey == 0) {
            pSplash->findChild<QPushButton*>()->click();
        } else {
            QKeyEvent press(QEvent::KeyPress, closer.nKey, Qt::NoModifier);
            QApplication::sendEvent(
                pSplash->focusWidget() ? pSplash->focusWidget() : pSplash.data(), &press);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(pSplash) << closer.pszHow << " left the disclaimer open";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
} // namespace orvane::test
