// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "infotestsupport.h"

#include <aboutbox.h>
#include <fileversion.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace zuv::info;
using namespace zuv::info::test;

namespace {

QWidget* control(TAboutBox& box, const char* name)
{
    return box.findChild<QWidget*>(QString::fromLatin1(name));
}

struct OpenerRecorder {
    OpenerRecorder(bool answer)
    {
        setUrlOpener([this, answer](const QUrl& url) {
            opened << url;
            return answer;
        });
    }
    ~OpenerRecorder() { setUrlOpener({}); }
    QList<QUrl> opened;
};

} // namespace

TEST(AboutBox, WindowAndControlsStandWhereTheLayoutSays)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Info "));
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());   // dialog border: not resizable
    for (const ControlPlace& place : kAboutBoxLayout) {
        QWidget* w = control(box, place.name);
        ASSERT_NE(w, nullptr) << place.name;
        EXPECT_EQ(w->pos(), place.rect.topLeft()) << place.name;
        EXPECT_GE(w->width(), place.rect.width()) << place.name;
        EXPECT_GE(w->height(), place.rect.height()) << place.name;
        const bool insidePanel = qstrcmp(place.name, "Panel1") != 0
                                 && qstrcmp(place.name, "OKButton") != 0;
        EXPECT_EQ(w->parentWidget(), insidePanel ? static_cast<QWidget*>(box.Panel1())
                                                 : static_cast<QWidget*>(&box))
            << place.name;
    }
    // Controls that do not size themselves keep their size exactly.
    EXPECT_EQ(box.Panel1()->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(box.ProgramIcon()->geometry(), QRect(8, 8, 33, 33));
    EXPECT_EQ(box.OKButton()->geometry(), QRect(111, 180, 75, 25));
    EXPECT_EQ(box.Label3()->width(), 123);

    EXPECT_EQ(box.ProductName()->text(), QStringLiteral("Zuvododerod"));
    EXPECT_EQ(box.Label4()->text(), QStringLiteral("Website:"));
    EXPECT_EQ(box.Label3()->text(), QString::fromLatin1(kWebAddress));
    EXPECT_EQ(box.Label3()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.OKButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(box.OKButton()->isDefault());
    EXPECT_FALSE(box.ProgramIcon()->pixmap().isNull());
    EXPECT_FALSE(box.windowIcon().isNull());
}

TEST(AboutBox, FormCreateShowsTheVersionOfTheGivenFile)
{
    // 2.0.3.17: zeros kept, no leading zeros; no record: "?".
    QTemporaryDir dir;
    const QString stamped = dir.filePath(QStringLiteral("stamped.exe"));
    const QString plain = dir.filePath(QStringLiteral("plain.exe"));
    writeFile(stamped, QByteArray(300, 'x') + fileVersionRecord({2, 0, 3, 17}));
    writeFile(plain, QByteArray(300, 'x'));

    TAboutBox a;
    a.FormCreate(stamped);
    EXPECT_EQ(a.Version()->text(), QStringLiteral("Version: 2.0.3.17"));
    EXPECT_GE(a.Version()->width(), a.Version()->sizeHint().width());

    TAboutBox b;
    b.FormCreate(plain);
    EXPECT_EQ(b.Version()->text(), QStringLiteral("Version: ?"));

    TAboutBox c;
    c.FormCreate(dir.filePath(QStringLiteral("missing.exe")));
    EXPECT_EQ(c.Version()->text(), QStringLiteral("Version: ?"));
}

TEST(AboutBox, VersionIsReadOnceAtCreation)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("program.exe"));
    writeFile(exe, fileVersionRecord({2, 0, 3, 17}));
    TAboutBox box;
    box.FormCreate(exe);
    // The file changes while the program runs; showing the box again reads nothing.
    writeFile(exe, fileVersionRecord({9, 9, 9, 9}));

    RecordingDialogs dialogs;
    dialogs.answer = [](QDialog&) { return int(QDialog::Accepted); };
    EXPECT_EQ(Info1Click(box), int(QDialog::Accepted));
    EXPECT_EQ(Info1Click(box), int(QDialog::Accepted));
    EXPECT_EQ(dialogs.execs, QStringList({QStringLiteral("zuv::info::TAboutBox"),
                                          QStringLiteral("zuv::info::TAboutBox")}));
    EXPECT_EQ(box.Version()->text(), QStringLiteral("Version: 2.0.3.17"));
}

TEST(AboutBox, EnterClosesWithOk)
{
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), int(QDialog::Accepted));
}

TEST(AboutBox, ClickOnTheAddressOpensIt)
{
    OpenerRecorder opener(true);
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.Label3(), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened.front(), QUrl(QStringLiteral("http://www.zuvododerod.de")));
    // A click elsewhere opens nothing.
    QTest::mouseClick(box.Label4(), Qt::LeftButton);
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST(AboutBox, FailureToOpenTheAddressIsNotReported)
{
    RecordingDialogs dialogs;
    OpenerRecorder opener(false);
    TAboutBox box;
    box.Label3()->setText(QStringLiteral("https://example.org/seite"));
    box.Label3Click();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened.front(), QUrl(QStringLiteral("https://example.org/seite")));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST(AboutBox, GrabHasTheClientSize)
{
    TAboutBox box;
    box.FormCreate(QCoreApplication::applicationFilePath());
    const QPixmap shot = box.grab();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(298, 213));
    if (!qEnvironmentVariableIsEmpty("ZUV_SHOT_DIR"))
        shot.save(qEnvironmentVariable("ZUV_SHOT_DIR") + QStringLiteral("/aboutbox.png"));
}
