#include "app/MessageTable.h"
#include "app/RunMessages.h"
#include "app/SiteButton.h"
#include "app/VersionLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Expected bytes written out independently of the program's tables.
const char kCopyrightEnd[] = "\n\nCopyright (C) 2026 brantlewick project";
const char kProduct[] = "\203c\201[\203\213";  // ツール

std::string s(const FCString& text)
{
    return std::string(text.text(), static_cast<std::size_t>(text.length()));
}

bool startsWith(const FCString& text, const std::string& prefix)
{
    return s(text).compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const FCString& text, const std::string& suffix)
{
    std::string t = s(text);
    return t.size() >= suffix.size() && t.compare(t.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(RunMessages, MissingDescriptionNamesTheDefaultExecutable)
{
    RunMessage m = missingDescriptionMessage();
    EXPECT_EQ(s(m.title), "brantlewick.dat \202\252\202\240\202\350\202\334\202\271\202\361");
    // brantlewick.datが見付かりません。処理を中止します。brantlewick.exe の詳細は、上記解説サイトをご覧下さい。
    EXPECT_EQ(s(m.text),
              std::string("brantlewick.dat\202\252\214\251\225t\202\251\202\350\202\334\202\271\202\361"
                          "\201B\217\210\227\235\202\360\222\206\216~\202\265\202\334\202\267\201B"
                          "brantlewick.exe \202\314\217\332\215\327\202\315\201A\217\343\213L\211\360"
                          "\220\340\203T\203C\203g\202\360\202\262\227\227\211\272\202\263\202\242\201B") +
                  kCopyrightEnd);
}

TEST(RunMessages, InstallFailuresArePrecededByTheProductName)
{
    RunMessage keyMissing = installFailedMessage(1, FCString(kProduct));
    // インストール先が見つかりません
    EXPECT_EQ(s(keyMissing.title), "\203C\203\223\203X\203g\201[\203\213\220\346\202\252\214\251\202\302"
                                   "\202\251\202\350\202\334\202\271\202\361");
    // ツールのインストールが行われていません。…
    EXPECT_TRUE(startsWith(keyMissing.text, std::string(kProduct) + "\202\314\203C\203\223"));
    EXPECT_TRUE(endsWith(keyMissing.text, kCopyrightEnd));

    RunMessage notGiven = installFailedMessage(2, FCString());
    // インストール指定が行われていません / インストール先指定が…
    EXPECT_TRUE(startsWith(notGiven.title, "\203C\203\223\203X\203g\201[\203\213\216w\222\350"));
    EXPECT_TRUE(startsWith(notGiven.text, "\203C\203\223\203X\203g\201[\203\213\220\346\216w\222\350"));
    EXPECT_TRUE(endsWith(notGiven.text, kCopyrightEnd));
}

TEST(RunMessages, VersionGateShowsBothNumbers)
{
    RunMessage m = versionGateMessage(5, 5);
    EXPECT_EQ(s(m.title), "\203A\203b\203v\203f\201[\203g\202\314\222\206\216~");  // アップデートの中止
    std::string text = s(m.text);
    EXPECT_NE(text.find("\n NowVer\201F5  ->  UpdateVer\201F5\n"), std::string::npos) << text;
    EXPECT_NE(s(versionGateMessage(-3, 12).text).find("NowVer\201F-3  ->  UpdateVer\201F12"),
              std::string::npos);
    EXPECT_TRUE(endsWith(m.text, kCopyrightEnd));
}

TEST(MessageTable, PlaceholdersTakeTheProductName)
{
    // %1のアップデートを終了しました。
    EXPECT_EQ(s(MessageTable::text(3, FCString(kProduct))),
              std::string(kProduct) + "\202\314\203A\203b\203v\203f\201[\203g\202\360\217I\227\271"
                                      "\202\265\202\334\202\265\202\275\201B");
    EXPECT_TRUE(startsWith(MessageTable::text(3, FCString()), "\202\314\203A"));
    for (int i = 0; i < MessageTable::kCount; ++i)
        EXPECT_FALSE(MessageTable::text(i, FCString()).empty()) << i;
    EXPECT_TRUE(MessageTable::text(15, FCString(kProduct)).empty());
    EXPECT_TRUE(MessageTable::text(-1, FCString(kProduct)).empty());
}

TEST(VersionLine, FileVersionNumbers)
{
    struct Case {
        const char* fileVersion;
        const char* line;
    } cases[] = {
        {"2, 10, 5, 31", "brantlewick ver. 2.105  rev. 31"},
        {"1, 2, 3, 4", "brantlewick ver. 1.23  rev. 4"},
        {"1.0.0.0", "brantlewick ver. 1.00  rev. 0"},
        {"3,,,4", "brantlewick ver. 3.40  rev. 0"},
        {"7, 8", "brantlewick ver. 7.80  rev. 0"},
    };
    for (const Case& c : cases) {
        FileVersion v;
        parseFileVersion(FCString(c.fileVersion), v);
        EXPECT_STREQ(versionLine(v).text(), c.line) << c.fileVersion;
    }
}

TEST(SiteButton, TheThreeCases)
{
    RunSettings both;
    both.siteUrl = "http://example.invalid/";
    both.siteLabel = "Our site";
    EXPECT_STREQ(siteButtonFor(both).url.text(), "http://example.invalid/");
    EXPECT_STREQ(siteButtonFor(both).label.text(), "Our site");

    RunSettings urlOnly;
    urlOnly.siteUrl = "http://example.invalid/";
    EXPECT_STREQ(siteButtonFor(urlOnly).label.text(), "GO -> http://example.invalid/");

    RunSettings labelOnly;
    labelOnly.siteLabel = "Only a label";
    EXPECT_STREQ(siteButtonFor(labelOnly).url.text(), "");
    EXPECT_STREQ(siteButtonFor(labelOnly).label.text(), "Only a label");

    RunSettings neither;
    SiteButton maker = siteButtonFor(neither);
    EXPECT_STREQ(maker.url.text(), "https://www.brantlewick.example/explanation/");
    EXPECT_FALSE(maker.label.empty());
}

}  // namespace
