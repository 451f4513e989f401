// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ElfImage.h"
#include <corvanel/ComponentLoader.h>
#include <corvanel/Version.h>

#include <QFile>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using corvanel::TVersionLabel;
using namespace testing_support;

namespace {

// A file with a package note holding `version`, in the given translation.
QString writeNotedFile(const QTemporaryDir &dir, const QString &name, const QByteArray &version,
                       const QByteArray &language = "0409", const QByteArray &codePage = "04e4")
{
    const ElfLayout layout;
    const QString path = dir.filePath(name);
    writeFile(path,
              elfImage(layout, packageNote(layout, versionJson(version, language, codePage))));
    return path;
}

TEST(VersionLabel, loadedFormShowsTheRunningProgramsVersion)
{
    QWidget form;
    auto *label = new TVersionLabel(&form);
    label->setText("Version 6.0.10.158");
    corvanel::loadComponents(&form);
    EXPECT_EQ(label->text(), "Version " OMBREL_VERSION_TEXT);
    EXPECT_EQ(label->GetVersion(), OMBREL_VERSION_TEXT);
}

TEST(VersionLabel, unreadableFileLeavesVersionAlone)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("text");
    ASSERT_TRUE(writeFile(text, "not an executable"));
    for (const QString &path : {dir.filePath("missing"), text}) {
        QWidget form;
        auto *label = new TVersionLabel(&form);
        label->setText("Version 6.0.10.158");
        label->SetFileName(path);
        corvanel::loadComponents(&form);
        EXPECT_EQ(label->text(), "Version ");
    }
}

TEST(VersionLabel, versionIsReadOnceAndThenCached)
{
    QTemporaryDir dir;
    const QString path = writeNotedFile(dir, "noted", "2.5.0.1");
    TVersionLabel label;
    label.SetFileName(path);
    EXPECT_EQ(label.GetVersion(), "2.5.0.1");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(label.GetVersion(), "2.5.0.1");
}

TEST(VersionLabel, failedReadIsTriedAgain)
{
    QTemporaryDir dir;
    TVersionLabel label;
    label.SetFileName(dir.filePath("later"));
    EXPECT_EQ(label.GetVersion(), "");
    writeNotedFile(dir, "later", "3.0.0.0");
    EXPECT_EQ(label.GetVersion(), "3.0.0.0");
}

TEST(VersionLabel, otherFileIsReadAfresh)
{
    QTemporaryDir dir;
    TVersionLabel label;
    label.SetFileName(writeNotedFile(dir, "a", "1.0.0.0"));
    EXPECT_EQ(label.GetVersion(), "1.0.0.0");
    label.SetFileName(writeNotedFile(dir, "b", "2.0.0.0"));
    EXPECT_EQ(label.GetVersion(), "2.0.0.0");
}

TEST(VersionLabel, firstTranslationNamesTheStringTable)
{
    QTemporaryDir dir;
    TVersionLabel label;
    label.SetFileName(writeNotedFile(dir, "german", "4.0.0.0", "0C07", "04B0"));
    EXPECT_EQ(label.GetVersion(), "4.0.0.0");
}

TEST(VersionLabel, longVersionIsShownWhole)
{
    QTemporaryDir dir;
    const QByteArray version = "1.1.0.0-beta.2+build.20260101.abcdef";
    TVersionLabel label;
    label.SetFileName(writeNotedFile(dir, "long", version));
    EXPECT_EQ(label.GetVersion(), QString(version));
}

// Placed with the size of its design caption "Version", the label grows to
// its run-time caption, as a toolkit label sizes itself; one in a layout is
// left to the layout.
TEST(VersionLabel, loadedLabelTakesTheSizeOfItsCaptionUnlessALayoutSizesIt)
{
    QTemporaryDir dir;
    const QString path = writeNotedFile(dir, "noted", "1.2.3.4");
    QWidget form;
    auto *left = new TVersionLabel(&form);
    left->setText("Version");
    left->setGeometry(10, 10, 45, 16);
    left->SetFileName(path);
    auto *right = new TVersionLabel(&form);
    right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    right->setGeometry(200, 40, 45, 16);
    right->SetFileName(path);
    QWidget boxed;
    auto *layout = new QHBoxLayout(&boxed);
    auto *managed = new TVersionLabel(&boxed);
    layout->addWidget(managed);
    boxed.setParent(&form);
    managed->setGeometry(5, 5, 45, 16);
    managed->SetFileName(path);

    corvanel::loadComponents(&form);
    const QSize fitting = left->sizeHint();
    EXPECT_GE(fitting.width(),
              left->fontMetrics().horizontalAdvance(QStringLiteral("Version 1.2.3.4")));
    EXPECT_EQ(left->geometry(), QRect(QPoint(10, 10), fitting));
    EXPECT_EQ(right->geometry(), QRect(QPoint(245 - fitting.width(), 40), fitting));
    EXPECT_EQ(managed->geometry(), QRect(5, 5, 45, 16));
}

} // namespace
