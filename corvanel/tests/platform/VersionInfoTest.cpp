// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ElfImage.h"
#include <corvanel/VersionInfo.h>

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using corvanel::VersionInfo;
using namespace testing_support;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray noteIn(const QByteArray &image)
{
    QBuffer buffer;
    buffer.setData(image);
    buffer.open(QIODevice::ReadOnly);
    return VersionInfo::readPackageNote(buffer);
}

const QString kNoted = QStringLiteral(NOTED_FIXTURE);
const QString kPlain = QStringLiteral(PLAIN_FIXTURE);

// --- executables built here -------------------------------------------------

TEST(PackageNoteOfABuiltExecutable, carriesTheFieldsGivenToTheBuild)
{
    const QJsonObject note = QJsonDocument::fromJson(VersionInfo::readPackageNote(kNoted)).object();
    EXPECT_EQ(note.value("type").toString(), "rpm");
    EXPECT_EQ(note.value("name").toString(), "fixture");
    EXPECT_EQ(note.value("version").toString(), "9.8.7.6");
    // Commas and quotes survive the way to the linker.
    const QByteArray block = VersionInfo::readPackageNote(kNoted);
    EXPECT_EQ(VersionInfo::queryString(block, u"\\StringFileInfo\\040904e4\\ProductName"),
              QString("Fixture, the 'noted' one"));
}

TEST(PackageNoteOfABuiltExecutable, answersTheVersionQueriesStepByStep)
{
    const qsizetype size = VersionInfo::fileVersionInfoSize(kNoted);
    ASSERT_GT(size, 0);
    const QByteArray block = VersionInfo::fileVersionInfo(kNoted, size);
    EXPECT_EQ(block.size(), size);
    const auto translations = VersionInfo::queryTranslation(block);
    ASSERT_EQ(translations.size(), 1u);
    EXPECT_EQ(translations[0], (VersionInfo::Translation{0x0409, 0x04e4}));
    EXPECT_EQ(translations[0].packed(), 0x04e40409u);
    EXPECT_EQ(VersionInfo::queryString(block, u"\\StringFileInfo\\040904e4\\FileVersion"),
              QString("9.8.7.6"));
    EXPECT_EQ(VersionInfo::queryString(block, u"\\StringFileInfo\\040904E4\\fileversion"),
              QString("9.8.7.6"));
    EXPECT_TRUE(VersionInfo::queryValue(block, u"\\").isObject());
}

TEST(PackageNoteOfABuiltExecutable, blockTooSmallForTheNoteIsRefused)
{
    const qsizetype size = VersionInfo::fileVersionInfoSize(kNoted);
    EXPECT_TRUE(VersionInfo::fileVersionInfo(kNoted, size - 1).isEmpty());
    EXPECT_EQ(VersionInfo::fileVersionInfo(kNoted, size + 1).size(), size);
}

TEST(FilesWithoutVersion, giveNothing)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("text");
    ASSERT_TRUE(writeFile(text, "This is no executable, just text long enough to be read.\n"));
    const QString empty = dir.filePath("empty");
    ASSERT_TRUE(writeFile(empty, {}));
    for (const QString &path : {kPlain, text, empty, dir.filePath("missing"), dir.path(), QString(),
                                QString("/dev/null")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(VersionInfo::readPackageNote(path).isEmpty());
        EXPECT_EQ(VersionInfo::fileVersionInfoSize(path), 0);
        EXPECT_TRUE(VersionInfo::fileVersionInfo(path, 4096).isEmpty());
    }
}

TEST(FilesWithoutVersion, systemExecutableWithoutVersionTreeGivesNoSize)
{
    if (!QFile::exists("/bin/true"))
        GTEST_SKIP() << "no /bin/true";
    EXPECT_EQ(VersionInfo::fileVersionInfoSize("/bin/true"), 0);
}

TEST(FilesWithoutVersion, truncatedCopyGivesNothing)
{
    const QByteArray whole = fileBytes(kNoted);
    const qsizetype noteAt = whole.indexOf("FDO");
    ASSERT_GT(noteAt, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("cut");
    for (qsizetype length : {qsizetype(0), qsizetype(3), qsizetype(40), noteAt + 20,
                             whole.size() / 2, whole.size() - 1}) {
        ASSERT_TRUE(writeFile(path, whole.left(length)));
        EXPECT_EQ(VersionInfo::fileVersionInfoSize(path), 0) << length;
    }
    ASSERT_TRUE(writeFile(path, whole));
    EXPECT_GT(VersionInfo::fileVersionInfoSize(path), 0);
}

// --- layouts the toolchain here does not make --------------------------------

struct LayoutCase
{
    bool is64, bigEndian, programHeader, sectionHeader;
    quint64 alignment;
};

class ElfLayouts : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(ElfLayouts, findThePackageNoteBehindOtherNotes)
{
    const LayoutCase c = GetParam();
    const ElfLayout layout{c.is64, c.bigEndian, c.programHeader, c.sectionHeader, c.alignment};
    const QByteArray json = versionJson("2.0.0.1");
    const QByteArray notes = elfNote(layout, 3, "GNU", QByteArray(20, 'b')) +
                             elfNote(layout, 1, "FDO", "{}") + // owner right, type wrong
                             elfNote(layout, kPackageNoteType, "GNU", "{}") +
                             packageNote(layout, json);
    EXPECT_EQ(noteIn(elfImage(layout, notes)), json);
}

INSTANTIATE_TEST_SUITE_P(AllClassesAndByteOrders, ElfLayouts,
                         ::testing::Values(LayoutCase{true, false, true, true, 4},
                                           LayoutCase{true, true, true, true, 4},
                                           LayoutCase{false, false, true, true, 4},
                                           LayoutCase{false, true, true, true, 4},
                                           LayoutCase{true, false, false, true, 4},
                                           LayoutCase{false, true, false, true, 4},
                                           LayoutCase{true, false, true, false, 8},
                                           LayoutCase{true, true, false, true, 8},
                                           LayoutCase{false, false, true, false, 4}),
                         [](const ::testing::TestParamInfo<LayoutCase> &info) {
                             const LayoutCase &c = info.param;
                             return std::string(c.is64 ? "Elf64" : "Elf32") +
                                    (c.bigEndian ? "Big" : "Little") +
                                    (c.programHeader ? "Segment" : "") +
                                    (c.sectionHeader ? "Section" : "") + "Align" +
                                    std::to_string(c.alignment);
                         });

TEST(ElfNotes, descriptorRunningPastItsAreaIsRefused)
{
    const ElfLayout layout;
    QByteArray notes = packageNote(layout, versionJson("1.0"));
    qToLittleEndian<quint32>(quint32(notes.size()), notes.data() + 4); // descsz
    EXPECT_TRUE(noteIn(elfImage(layout, notes)).isEmpty());
}

TEST(ElfNotes, brokenProgramHeaderFallsBackToTheSections)
{
    const ElfLayout layout;
    const QByteArray json = versionJson("3.1");
    QByteArray image = elfImage(layout, packageNote(layout, json));
    qToLittleEndian<quint64>(0xfffffffffff0ull, image.data() + 64 + 8); // p_offset
    EXPECT_EQ(noteIn(image), json);
}

TEST(ElfNotes, programHeaderCountInTheFirstSectionIsFollowed)
{
    const ElfLayout layout{true, false, true, true, 4};
    const QByteArray json = versionJson("4.2");
    QByteArray image = elfImage(layout, packageNote(layout, json));
    const quint64 shoff = qFromLittleEndian<quint64>(image.constData() + 40);
    qToLittleEndian<quint16>(0xffff, image.data() + 56);        // e_phnum = PN_XNUM
    qToLittleEndian<quint32>(1, image.data() + shoff + 44);     // sh_info of section 0
    qToLittleEndian<quint32>(0, image.data() + shoff + 64 + 4); // hide the note section
    EXPECT_EQ(noteIn(image), json);
}

TEST(ElfNotes, sectionCountInTheFirstSectionIsFollowed)
{
    const ElfLayout layout{false, true, true, true, 4};
    const QByteArray json = versionJson("4.3");
    QByteArray image = elfImage(layout, packageNote(layout, json));
    const quint32 shoff = qFromBigEndian<quint32>(image.constData() + 32);
    qToBigEndian<quint32>(0, image.data() + 52);         // hide the note segment
    qToBigEndian<quint16>(0, image.data() + 48);         // e_shnum = 0
    qToBigEndian<quint32>(2, image.data() + shoff + 20); // sh_size of section 0
    EXPECT_EQ(noteIn(image), json);
}

TEST(ElfNotes, sequentialDeviceIsNotRead)
{
    QFile in;
    ASSERT_TRUE(in.open(stdin, QIODevice::ReadOnly));
    if (!in.isSequential())
        GTEST_SKIP() << "stdin is a file here";
    EXPECT_TRUE(VersionInfo::readPackageNote(in).isEmpty());
}

// --- the version tree --------------------------------------------------------

TEST(VersionTree, translationTableIsReadAsPairs)
{
    const auto table = [](const char *entries) {
        return VersionInfo::queryTranslation(
            QByteArray("{\"versionInfo\":{\"VarFileInfo\":{\"Translation\":") + entries + "}}}");
    };
    using T = VersionInfo::Translation;
    EXPECT_EQ(table("[\"0409\",\"04e4\",\"0407\",\"04B0\"]"),
              (std::vector<T>{{0x0409, 0x04e4}, {0x0407, 0x04b0}}));
    EXPECT_EQ(table("[1033, 1252]"), (std::vector<T>{{0x0409, 0x04e4}}));
    EXPECT_EQ(table("[\"0409\",\"04e4\",\"0407\"]"), (std::vector<T>{{0x0409, 0x04e4}}));
    for (const char *bad : {"[]", "[\"0409\"]", "[\"0x09\",\"04e4\"]", "[\"10409\",\"04e4\"]",
                            "[\"\",\"04e4\"]", "[\"04g9\",\"04e4\"]", "[-1,1252]", "[65536,1252]",
                            "[1.5,1252]", "[true,1252]", "\"0409\"", "{}", "null"})
        EXPECT_TRUE(table(bad).empty()) << bad;
}

TEST(VersionTree, malformedBlocksAnswerNothing)
{
    const QByteArray good = versionJson("1.1.0.0");
    const QStringView fileVersion = u"\\StringFileInfo\\040904e4\\FileVersion";
    for (const QByteArray &block :
         {QByteArray(), QByteArray("null"), QByteArray("[1,2]"), QByteArray("{\"versionInfo\":7}"),
          QByteArray("{\"versionInfo\":{}}"), good.left(good.size() - 1),
          QByteArray("{\"versionInfo\":{\"StringFileInfo\":{\"040904e4\":{\"FileVersion\":1}}}}"),
          QByteArray("{\"versionInfo\":{\"StringFileInfo\":{\"040904e4\":\"x\"}}}")}) {
        EXPECT_FALSE(VersionInfo::queryString(block, fileVersion).has_value()) << block.data();
        EXPECT_TRUE(VersionInfo::queryTranslation(block).empty());
    }
    EXPECT_EQ(VersionInfo::queryString(good, fileVersion), QString("1.1.0.0"));
    EXPECT_FALSE(VersionInfo::queryString(good, u"\\StringFileInfo\\040904e4").has_value());
    EXPECT_TRUE(VersionInfo::queryValue(good, u"\\Nothing\\Here").isUndefined());
}

// --- robustness --------------------------------------------------------------

class DamagedExecutable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        whole = fileBytes(kNoted);
        ASSERT_GT(whole.size(), 64);
        ASSERT_FALSE(noteIn(whole).isEmpty());
    }

    // Reading must stay within bounds; what is read must make sense as far
    // as the queries go.
    void readAndQuery(const QByteArray &image)
    {
        const QByteArray note = noteIn(image);
        ASSERT_LE(note.size(), image.size());
        ++(note.isEmpty() ? refused : read);
        for (const VersionInfo::Translation &t : VersionInfo::queryTranslation(note))
            VersionInfo::queryString(note,
                                     QString::asprintf("\\StringFileInfo\\%04x%04x\\FileVersion",
                                                       unsigned(t.language), unsigned(t.codePage)));
    }

    QByteArray whole;
    int read = 0;
    int refused = 0;
};

TEST_F(DamagedExecutable, everyCutGivesNothing)
{
    const qsizetype noteEnd = whole.indexOf("}}}}") + 8;
    ASSERT_GT(noteEnd, 8);
    for (qsizetype length = 0; length < whole.size();
         length += length < noteEnd + 64 ? 1 : 1 + whole.size() / 1500)
        ASSERT_TRUE(noteIn(whole.left(length)).isEmpty()) << length;
    EXPECT_TRUE(noteIn(whole.left(whole.size() - 1)).isEmpty());
}

TEST_F(DamagedExecutable, corruptedHeadersAndNotesNeverReadOutOfBounds)
{
    std::mt19937 random(20260101);
    const quint64 shoff = qFromLittleEndian<quint64>(whole.constData() + 40);
    const qsizetype noteEnd = whole.indexOf("}}}}") + 8;
    const auto position = [&](std::mt19937 &r) -> qsizetype {
        switch (r() % 3) {
        case 0:
            return qsizetype(r() % quint32(noteEnd)); // headers and notes
        case 1:
            return qsizetype(shoff + r() % quint32(whole.size() - shoff)); // section headers
        default:
            return qsizetype(r() % quint32(whole.size()));
        }
    };
    const quint64 extremes[] = {0,
                                1,
                                3,
                                0x7f,
                                0xff,
                                0xffff,
                                0xfffffff0,
                                0xffffffff,
                                0x7fffffffffffffffull,
                                0xffffffffffffffffull,
                                quint64(whole.size()),
                                quint64(whole.size() - 1)};
    for (int round = 0; round < 3000; ++round) {
        QByteArray image = whole;
        const int mutations = 1 + int(random() % 6);
        for (int m = 0; m < mutations; ++m) {
            const qsizetype at = position(random);
            if (random() % 2 && at + 8 <= image.size())
                qToLittleEndian<quint64>(extremes[random() % std::size(extremes)],
                                         image.data() + at);
            else
                image[at] = char(random());
        }
        if (random() % 4 == 0)
            image.truncate(qsizetype(random() % quint32(image.size())));
        readAndQuery(image);
        if (HasFatalFailure())
            return;
    }
    // Both outcomes must occur, or the damage missed the parts that matter.
    EXPECT_GT(read, 100);
    EXPECT_GT(refused, 100);
}

TEST_F(DamagedExecutable, randomBytesAfterAnElfIdentAreHarmless)
{
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        QByteArray image = whole.left(16);
        image[4] = char(1 + random() % 2);
        image[5] = char(1 + random() % 2);
        const int size = int(random() % 512);
        for (int i = 0; i < size; ++i)
            image.append(char(random() % 4 ? random() % 8 : random()));
        readAndQuery(image);
    }
}

} // namespace

namespace {

// 65,534 program headers that all name the same 1 MiB note area of empty
// notes: the reader must give up after a bounded amount of note data instead
// of walking the area once per header.
TEST(ElfNotes, manyHeadersNamingOneLargeAreaAreReadWithinABound)
{
    constexpr quint16 kHeaders = 65534;
    constexpr quint64 kArea = quint64(1) << 20;
    const quint64 areaAt = 64 + quint64(kHeaders) * 56;
    ElfWriter w(false);
    w.bytes(QByteArray("\x7f"
                       "ELF\x02\x01\x01",
                       7));
    w.padTo(16);
    w.u16(2);
    w.u16(62);
    w.u32(1);
    w.u64(0);
    w.u64(64); // program headers
    w.u64(0);  // no section headers
    w.u32(0);
    w.u16(64);
    w.u16(56);
    w.u16(kHeaders);
    w.u16(64);
    w.u16(0);
    w.u16(0);
    for (quint16 i = 0; i < kHeaders; ++i) {
        w.u32(4); // PT_NOTE
        w.u32(4);
        w.u64(areaAt);
        w.u64(0);
        w.u64(0);
        w.u64(kArea);
        w.u64(kArea);
        w.u64(4);
    }
    w.bytes(QByteArray(qsizetype(kArea), '\0'));
    QByteArray bytes = w.data();
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_TRUE(corvanel::VersionInfo::readPackageNote(buffer).isEmpty());
}

} // namespace
