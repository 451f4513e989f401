// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryFormat.h"
#include <corvanel/ComponentLoader.h>
#include <corvanel/Exception.h>
#include <corvanel/MRUCombo.h>

#include "TempRegistry.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using corvanel::TMRUCombo;

namespace {

QStringList itemsOf(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

class Combo : public ::testing::Test
{
protected:
    TempRegistry store;
    QWidget form;
    TMRUCombo *combo = new TMRUCombo(&form);

    void SetUp() override { combo->SetStorageKey("Software\\Test\\Combo"); }

    void save(const QByteArray &values)
    {
        store.write("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test\\Combo]\n" + values);
    }
    QStringList stored() const
    {
        QStringList out;
        for (const auto &key : corvanel::RegistryFormat::parse(store.contents()))
            for (const auto &[name, value] : key.values)
                out << name + "=" + (value.isText() ? value.text : QString::number(value.dword));
        return out;
    }
};

TEST_F(Combo, isAnEditableUnsortedBox)
{
    EXPECT_TRUE(combo->isEditable());
    EXPECT_FALSE(combo->ShowLatest());
    combo->addItem("b");
    combo->addItem("a");
    EXPECT_EQ(itemsOf(*combo), QStringList({"b", "a"}));
}

TEST_F(Combo, loadingFillsTheListAndTheTextFromTheStore)
{
    save("\"Count\"=dword:00000002\n\"0\"=\"alpha\"\n\"1\"=\"beta\"\n");
    corvanel::loadComponents(&form);
    EXPECT_EQ(itemsOf(*combo), QStringList({"alpha", "beta"}));
    EXPECT_EQ(combo->currentText(), "alpha");
    EXPECT_FALSE(combo->Storage()->IsOpen());
}

TEST_F(Combo, anEmptyFirstValueEmptiesTheText)
{
    save("\"Count\"=dword:00000002\n\"0\"=\"\"\n\"1\"=\"beta\"\n");
    combo->setEditText("typed");
    corvanel::loadComponents(&form);
    EXPECT_EQ(itemsOf(*combo), QStringList({"beta"}));
    EXPECT_EQ(combo->currentText(), "");
}

TEST_F(Combo, aMissingCountLeavesListAndTextAlone)
{
    combo->setEditText("typed");
    corvanel::loadComponents(&form);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), "typed");
}

TEST_F(Combo, updateListAppendsANewTextAndSavesTheList)
{
    save("\"Count\"=dword:00000002\n\"0\"=\"alpha\"\n\"1\"=\"beta\"\n");
    corvanel::loadComponents(&form);
    combo->setEditText("gamma");
    combo->UpdateList();
    EXPECT_EQ(itemsOf(*combo), QStringList({"alpha", "beta", "gamma"}));
    EXPECT_EQ(combo->currentText(), "gamma");
    EXPECT_EQ(stored(), QStringList({"0=alpha", "1=beta", "2=gamma", "Count=3"}));
    combo->setEditText("ALPHA");
    combo->UpdateList();
    EXPECT_EQ(itemsOf(*combo), QStringList({"alpha", "beta", "gamma"}));
}

TEST_F(Combo, savesTenItemsAtMost)
{
    for (int i = 0; i < 12; ++i)
        combo->addItem(QString("item%1").arg(i));
    combo->setEditText("");
    combo->UpdateList();
    const QStringList values = stored();
    EXPECT_TRUE(values.contains("Count=10"));
    EXPECT_TRUE(values.contains("9=item9"));
    EXPECT_FALSE(values.contains("10=item10"));
    EXPECT_EQ(values.size(), 11);
}

TEST_F(Combo, aBlankKeyLoadsNothingButFailsTheUpdate)
{
    combo->SetStorageKey("");
    corvanel::loadComponents(&form);
    combo->setEditText("delta");
    try {
        combo->UpdateList();
        ADD_FAILURE() << "no exception";
    } catch (const corvanel::Exception &e) {
        EXPECT_EQ(e.message(), "Cannot open registry because TJStorage.Key is blank");
    }
    EXPECT_EQ(itemsOf(*combo), QStringList({"delta"}));
}

TEST_F(Combo, pressingEnterAddsNothingByItself)
{
    combo->lineEdit()->setText("typed");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), 0);
}

TEST_F(Combo, inTheDesignerItNeitherLoadsNorSaves)
{
    save("\"Count\"=dword:00000001\n\"0\"=\"alpha\"\n");
    combo->setDesigning(true);
    corvanel::loadComponents(&form);
    EXPECT_EQ(combo->count(), 0);
    combo->setEditText("beta");
    combo->UpdateList();
    EXPECT_EQ(itemsOf(*combo), QStringList({"beta"}));
    // Neither the 2.x file was carried over nor a store made.
    EXPECT_FALSE(QFile::exists(store.file()));
    QFile file(store.legacyFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test\\Combo]\n\"Count\"=dword:00000001\n"
              "\"0\"=\"alpha\"\n");
}

// Not a check: leaves a picture of the loaded box for a person to look at.
TEST_F(Combo, rendersAScreenshot)
{
    save("\"Count\"=dword:00000003\n\"0\"=\"alpha\"\n\"1\"=\"beta\"\n\"2\"=\"gamma\"\n");
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(combo);
    corvanel::loadComponents(&form);
    form.resize(240, 60);
    form.show();
    const QString out = qEnvironmentVariable("CORVANEL_SCREENSHOT_DIR");
    if (!out.isEmpty()) {
        EXPECT_TRUE(form.grab().save(out + "/mrucombo.png"));
    }
}

} // namespace
