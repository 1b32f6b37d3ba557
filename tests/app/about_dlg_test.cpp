#include "app/about_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(AboutDlgTest, ShowsProductVersionMakerIconAndOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Orvane"));

    QStringList texts;
    bool bIcon = false;
    for (const QLabel* pLabel : about.findChildren<QLabel*>()) {
        if (!pLabel->pixmap().isNull()) {
            bIcon = true;
        } else {
            texts.append(pLabel->text());
        }
    }
    EXPECT_TRUE(bIcon);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts.contains(QStringLiteral("Kestova Orvane Version 1.0")));

    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons.front()->isDefault());
    buttons.front()->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
} // namespace orvane::test
