// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryFormat.h"

#include <gtest/gtest.h>

using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryValue;

namespace {

const RegistryValue *find(const QList<RegistryFileKey> &keys, const QString &path,
                          const QString &name)
{
    for (const RegistryFileKey &key : keys)
        if (key.path.compare(path, Qt::CaseInsensitive) == 0)
            for (const auto &[n, v] : key.values)
                if (n.compare(name, Qt::CaseInsensitive) == 0)
                    return &v;
    return nullptr;
}

const QByteArray kExport = "REGEDIT4\r\n"
                           "\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Ombrel]\r\n"
                           "\"Count\"=dword:00000003\r\n"
                           "\"0\"=\"D:\\\\a\\\\one \\\"x\\\".txt\"\r\n"
                           "@=\"default\"\r\n"
                           "\"Path\"=hex(2):25,48,4f,4d,45,25,00\r\n"
                           "\"Blob\"=hex:01,02,\\\r\n"
                           "  03,ff\r\n"
                           "\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Ombrel\\Empty]\r\n"
                           "\r\n";

TEST(RegistryFormat, readsTheTypedValuesOfAnExportFile)
{
    QStringList errors;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(kExport, &errors);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_EQ(keys.size(), 2);
    const QString key = "HKEY_CURRENT_USER\\Software\\Ombrel";
    EXPECT_EQ(*find(keys, key, "Count"), RegistryValue::fromDWord(3));
    EXPECT_EQ(*find(keys, key, "0"), RegistryValue::fromString("D:\\a\\one \"x\".txt"));
    EXPECT_EQ(*find(keys, key, ""), RegistryValue::fromString("default"));
    EXPECT_EQ(*find(keys, key, "Path"), RegistryValue::fromExpandString("%HOME%"));
    EXPECT_EQ(*find(keys, key, "Blob"),
              RegistryValue::fromBytes(RegistryValue::TypeBinary, QByteArray("\x01\x02\x03\xff")));
    EXPECT_TRUE(keys[1].values.isEmpty());
}

TEST(RegistryFormat, everyTypeSurvivesWritingAndReading)
{
    const QList<RegistryFileKey> keys = {
        {"HKEY_CURRENT_USER\\Software\\Ombrel",
         {{"plain", RegistryValue::fromString("C:\\dir\\\"quoted\"")},
          {"unicode", RegistryValue::fromString(QString::fromUtf8("Grüße ✓"))},
          {"lines", RegistryValue::fromString("one\ntwo\r\n")},
          {"empty", RegistryValue::fromString("")},
          {"expand", RegistryValue::fromExpandString("%PATH%;x")},
          {"max", RegistryValue::fromDWord(0xFFFFFFFF)},
          {"bytes", RegistryValue::fromBytes(RegistryValue::TypeBinary, QByteArray(200, '\x5a'))},
          {"nothing", RegistryValue::fromBytes(RegistryValue::TypeBinary, {})},
          {"qword", RegistryValue::fromBytes(RegistryValue::TypeQWord, QByteArray(8, '\x01'))},
          {"", RegistryValue::fromDWord(1)},
          {"name \"with\" \\ odd = chars/", RegistryValue::fromString("v")}}}};
    const QByteArray text = RegistryFormat::serialize(keys);
    for (const QByteArray &line : text.split('\n'))
        EXPECT_LE(line.size(), 80);
    QStringList errors;
    const QList<RegistryFileKey> back = RegistryFormat::parse(text, &errors);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].values, keys[0].values);
}

TEST(RegistryFormat, writesTheRegistrysOwnNotation)
{
    const QByteArray text =
        RegistryFormat::serialize({{"HKEY_CURRENT_USER\\Software",
                                    {{"debug", RegistryValue::fromDWord(1)},
                                     {"0", RegistryValue::fromString("a\\b")},
                                     {"p", RegistryValue::fromExpandString("%A%")}}}});
    EXPECT_EQ(text, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n"
                    "\"debug\"=dword:00000001\n"
                    "\"0\"=\"a\\\\b\"\n"
                    "\"p\"=hex(2):25,41,25,00\n\n");
}

TEST(RegistryFormat, skipsAndReportsDamagedLinesKeepingTheRest)
{
    const QByteArray text = "REGEDIT4\n"
                            "\"orphan\"=dword:00000001\n"
                            "[HKEY_CURRENT_USER\\A]\n"
                            "\"good\"=dword:00000002\n"
                            "\"bad\"=dword:xyz\n"
                            "\"open\"=\"no end\n"
                            "[HKEY_CURRENT_USER\\Broken\n"
                            "\"lost\"=dword:00000003\n"
                            "[HKEY_CURRENT_USER\\B]\n"
                            "\"fine\"=\"yes\"\n";
    QStringList errors;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(text, &errors);
    EXPECT_EQ(errors.size(), 5) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors.first().startsWith("line 2:"));
    EXPECT_EQ(*find(keys, "HKEY_CURRENT_USER\\A", "good"), RegistryValue::fromDWord(2));
    EXPECT_EQ(find(keys, "HKEY_CURRENT_USER\\A", "lost"), nullptr);
    EXPECT_EQ(*find(keys, "HKEY_CURRENT_USER\\B", "fine"), RegistryValue::fromString("yes"));
}

// "[-Key]" would remove a key in the registry's own files; a section that
// only becomes one once its leading backslash is dropped must not be read as
// a key that is then written back as such a line (found by the fuzzer).
TEST(RegistryFormat, refusesKeyRemovalsAlsoBehindALeadingBackslash)
{
    const QByteArray text = "REGEDIT4\n\n[\\-RU]\n\"Count\"=dword:00000001\n"
                            "[-HKEY_CURRENT_USER\\Gone]\n[HKEY_CURRENT_USER\\-Sub]\n";
    QStringList errors;
    const QList<RegistryFileKey> keys = RegistryFormat::parse(text, &errors);
    EXPECT_EQ(errors.size(), 3) << errors.join('\n').toStdString(); // two sections, one orphan
    ASSERT_EQ(keys.size(), 1);
    EXPECT_EQ(keys.first().path, "HKEY_CURRENT_USER\\-Sub"); // a subkey may start with '-'
    QStringList again;
    RegistryFormat::parse(RegistryFormat::serialize(keys), &again);
    EXPECT_TRUE(again.isEmpty()) << again.join('\n').toStdString();
}

// Cutting a file anywhere must never produce a wrong value, and must keep
// every value whose line was complete.
TEST(RegistryFormat, aTruncatedFileKeepsItsCompleteValuesAndInventsNothing)
{
    const QList<RegistryFileKey> full = {
        {"HKEY_CURRENT_USER\\Software\\Ombrel",
         {{"Count", RegistryValue::fromDWord(0x12345678)},
          {"0", RegistryValue::fromString("D:\\a\\one.txt")},
          {"bytes", RegistryValue::fromBytes(RegistryValue::TypeBinary, QByteArray(40, '\x11'))},
          {"p", RegistryValue::fromExpandString("%HOME%\\x")}}}};
    const QByteArray text = RegistryFormat::serialize(full);
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        const QByteArray prefix = text.left(cut);
        const QList<RegistryFileKey> keys = RegistryFormat::parse(prefix);
        for (const RegistryFileKey &key : keys)
            for (const auto &[name, value] : key.values)
                EXPECT_EQ(value, *find(full, key.path, name)) << "cut at " << cut;
        for (const auto &[name, value] : full[0].values) {
            const QByteArray line = (QString("\"%1\"=").arg(name)).toUtf8();
            const qsizetype start = text.indexOf(line);
            qsizetype end = text.indexOf("\n\"", start + 1);
            if (end < 0)
                end = text.indexOf("\n\n", start);
            if (end >= 0 && end < cut) {
                EXPECT_NE(find(keys, full[0].path, name), nullptr) << "cut at " << cut;
            }
        }
    }
}

TEST(RegistryFormat, mergesKeysAndValuesThatDifferOnlyInCase)
{
    const QByteArray text = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Ombrel]\n"
                            "\"Count\"=dword:00000001\n"
                            "[hkey_current_user\\SOFTWARE\\ombrel]\n"
                            "\"COUNT\"=dword:00000002\n";
    const QList<RegistryFileKey> keys = RegistryFormat::parse(text);
    ASSERT_EQ(keys.size(), 1);
    EXPECT_EQ(keys[0].path, "HKEY_CURRENT_USER\\Software\\Ombrel");
    ASSERT_EQ(keys[0].values.size(), 1);
    EXPECT_EQ(keys[0].values[0].first, "Count");
    EXPECT_EQ(keys[0].values[0].second, RegistryValue::fromDWord(2));
}

TEST(RegistryFormat, readsUtf16FilesOfTheNewerEditor)
{
    const QString text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n"
                         "\"e\"=hex(2):41,00,42,00,00,00\r\n\"s\"=\"Grüße\"\r\n";
    QByteArray file("\xFF\xFE");
    file.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const QList<RegistryFileKey> keys = RegistryFormat::parse(file);
    EXPECT_EQ(*find(keys, "HKEY_CURRENT_USER\\X", "e"), RegistryValue::fromExpandString("AB"));
    EXPECT_EQ(*find(keys, "HKEY_CURRENT_USER\\X", "s"),
              RegistryValue::fromString(QString::fromUtf8("Grüße")));
}

} // namespace
