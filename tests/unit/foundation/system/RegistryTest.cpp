#include "foundation/system/FCRegistry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The access mask that the patch run opens its keys with.
const REGSAM kFullAccess = 0xF003F;
static_assert(kFullAccess == KEY_ALL_ACCESS, "full access is KEY_ALL_ACCESS");

// バージョン
const char kVersionWord[] = "\203o\201[\203W\203\207\203\223";
// 表示 (its second byte is a backslash)
const char kHyoji[] = "\225\\\216\246";

// Each test gets a key of its own under the current user, made and removed
// with the plain registry calls, so the class is checked against what the
// system really stores.
class FCRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = "Software\\brantlewick-test-registry-" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }

    void TearDown() override
    {
        RegCloseKey(key_);
        EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()), ERROR_SUCCESS);
        HKEY gone = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &gone),
                  ERROR_SUCCESS);
    }

    void put(const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    void putText(const char* name, const std::string& text)
    {
        put(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    // A subkey made with the given class name.
    void makeSubKey(const std::string& name, const char* className = nullptr)
    {
        HKEY sub = nullptr;
        ASSERT_EQ(RegCreateKeyExA(key_, name.c_str(), 0, const_cast<char*>(className),
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(sub);
    }

    // What the system holds for a value: its type and its bytes.
    bool stored(const char* name, DWORD& type, std::string& bytes)
    {
        DWORD size = 0;
        if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        bytes.assign(size, '\0');
        if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]),
                             &size) != ERROR_SUCCESS)
            return false;
        bytes.resize(size);
        return true;
    }

    bool openTestKey(FCRegistry& registry, REGSAM access = kFullAccess)
    {
        return registry.open(HKEY_CURRENT_USER, path_.c_str(), access);
    }

    std::string path_;
    HKEY key_ = nullptr;
};

TEST_F(FCRegistryTest, OpensWithFullAccessAndReadsTheKeyInformation)
{
    makeSubKey("child-key");
    putText("a", "x");
    putText("longer-name", std::string(20, 'v'));

    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    EXPECT_TRUE(registry.isOpen());
    EXPECT_EQ(registry.root(), HKEY_CURRENT_USER);
    EXPECT_STREQ(registry.subKey().text(), path_.c_str());

    const FCRegistry::KeyInfo& info = registry.info();
    EXPECT_EQ(info.subKeyCount, 1u);
    EXPECT_EQ(info.valueCount, 2u);
    // The maximum lengths carry 2 beyond what the system reports.
    EXPECT_EQ(info.maxSubKeyNameLength, 9u + 2u);
    EXPECT_EQ(info.maxValueNameLength, 11u + 2u);
    EXPECT_GE(info.maxValueLength, 21u + 2u);
    EXPECT_EQ(info.maxClassLength, 0u + 2u);
    // A key without a class has a class-name length of 0, not 2.
    EXPECT_EQ(info.classNameLength, 0u);
    EXPECT_STREQ(registry.className().text(), "");
}

TEST_F(FCRegistryTest, ReadsClassNamesShortAndLong)
{
    // 200 characters are more than the first query's buffer holds, so the
    // name is fetched again into a block of its own size.
    const std::string classes[] = {"BwClass", std::string(63, 'm'), std::string(64, 'n'),
                                   std::string(200, 'c')};
    int n = 0;
    for (const std::string& className : classes) {
        std::string name = "with-class-" + std::to_string(n++);
        makeSubKey(name, className.c_str());
        FCRegistry registry;
        ASSERT_TRUE(registry.open(HKEY_CURRENT_USER, (path_ + "\\" + name).c_str(), kFullAccess));
        EXPECT_STREQ(registry.className().text(), className.c_str());
        EXPECT_EQ(registry.info().classNameLength, className.size() + 2);
    }
}

TEST_F(FCRegistryTest, MissingKeyLeavesTheObjectClosed)
{
    putText("a", "1");
    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    // A failed open closes what was open before.
    EXPECT_FALSE(registry.open(HKEY_CURRENT_USER, (path_ + "\\missing").c_str(), kFullAccess));
    EXPECT_FALSE(registry.isOpen());
    EXPECT_EQ(registry.info().valueCount, 0u);

    EXPECT_FALSE(registry.queryRaw("a").has_value());
    EXPECT_STREQ(registry.getString("a").text(), "");
    EXPECT_STREQ(registry.getString("a", "0").text(), "0");
    EXPECT_EQ(registry.getString("a", "0").toInt(), 0);
    EXPECT_FALSE(registry.setString("b", "2"));
    EXPECT_FALSE(registry.setValue("b", REG_SZ, "2", 2));
    EXPECT_FALSE(registry.queryInfo());

    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(stored("b", type, bytes));
}

TEST_F(FCRegistryTest, GetStringWithAndWithoutDefault)
{
    putText("Version", "12");
    putText("Word", kVersionWord);
    putText("Hyoji", kHyoji);
    // Data that a writer stored without its terminating NUL, and none at all.
    put("NoNul", REG_SZ, "345", 3);
    put("Empty", REG_SZ, "", 0);

    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    struct Case {
        const char* name;
        const char* defaultText;
        const char* expected;
    } cases[] = {
        {"Version", "0", "12"},   {"Version", nullptr, "12"}, {"Word", "0", kVersionWord},
        {"Hyoji", "0", kHyoji},   {"NoNul", "0", "345"},      {"Empty", "0", ""},
        {"Missing", "0", "0"},    {"Missing", nullptr, ""},   {"Missing", "7 days", "7 days"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(registry.getString(c.name, c.defaultText).text(), c.expected) << c.name;
        EXPECT_STREQ(registry.value().text(), c.expected) << c.name;
    }
    // The version gate's reading.
    EXPECT_EQ(registry.getString("Version", "0").toInt(), 12);
    EXPECT_EQ(registry.getString("Missing", "0").toInt(), 0);
}

TEST_F(FCRegistryTest, GetStringWithoutDefaultForgetsTheLastText)
{
    putText("Version", "12");
    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    EXPECT_STREQ(registry.getString("Version").text(), "12");
    EXPECT_STREQ(registry.getString("Missing").text(), "");
    EXPECT_STREQ(registry.value().text(), "");
}

TEST_F(FCRegistryTest, SetStringWritesRegSzWithItsNulCounted)
{
    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    struct Case {
        const char* name;
        const char* text;
        std::string bytes;
    } cases[] = {
        {"Version", "1.2.3", std::string("1.2.3", 6)},
        {"Version", "10", std::string("10", 3)},  // shorter over longer
        {"Word", kVersionWord, std::string(kVersionWord, sizeof kVersionWord)},
        {"Blank", "", std::string(1, '\0')},
        {"Null", nullptr, std::string(1, '\0')},
        {nullptr, "default value", std::string("default value", 14)},
    };
    for (const Case& c : cases) {
        const char* label = c.name ? c.name : "(default)";
        EXPECT_TRUE(registry.setString(c.name, c.text)) << label;
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(stored(c.name, type, bytes)) << label;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << label;
        EXPECT_EQ(bytes, c.bytes) << label;
        EXPECT_STREQ(registry.getString(c.name).text(), c.text ? c.text : "") << label;
    }
}

TEST_F(FCRegistryTest, QueryRawGivesTheBytesWhateverTheType)
{
    const DWORD number = 0x12345678;
    put("Number", REG_DWORD, &number, sizeof number);
    put("Binary", REG_BINARY, "a\0b", 3);
    put("Nothing", REG_BINARY, nullptr, 0);

    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"Number", std::string("\x78\x56\x34\x12", 4)},
        {"Binary", std::string("a\0b", 3)},
        {"Nothing", std::string()},
    };
    for (const Case& c : cases) {
        std::optional<std::string> raw = registry.queryRaw(c.name);
        ASSERT_TRUE(raw.has_value()) << c.name;
        EXPECT_EQ(*raw, c.bytes) << c.name;
    }
    EXPECT_FALSE(registry.queryRaw("Missing").has_value());
    // As a text, the value ends at its first NUL.
    EXPECT_STREQ(registry.getString("Binary", "0").text(), "a");
}

TEST_F(FCRegistryTest, ReadAccessReadsButDoesNotWrite)
{
    putText("Version", "5");
    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry, KEY_READ));
    EXPECT_STREQ(registry.getString("Version", "0").text(), "5");
    EXPECT_FALSE(registry.setString("Version", "6"));
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(stored("Version", type, bytes));
    EXPECT_EQ(bytes, std::string("5", 2));
}

TEST_F(FCRegistryTest, CloseForgetsTheKeyAndReopeningReadsTheNewOne)
{
    putText("a", "1");
    makeSubKey("other");
    FCRegistry registry;
    ASSERT_TRUE(openTestKey(registry));
    EXPECT_EQ(registry.info().subKeyCount, 1u);

    ASSERT_TRUE(registry.open(HKEY_CURRENT_USER, (path_ + "\\other").c_str(), kFullAccess));
    EXPECT_EQ(registry.info().subKeyCount, 0u);
    EXPECT_EQ(registry.info().valueCount, 0u);
    EXPECT_STREQ(registry.getString("a", "none").text(), "none");

    registry.close();
    EXPECT_FALSE(registry.isOpen());
    EXPECT_EQ(registry.info().maxValueNameLength, 0u);
    registry.close();
    EXPECT_FALSE(registry.setString("a", "2"));
}

}  // namespace
