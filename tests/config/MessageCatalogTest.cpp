#include "config/MessageCatalog.h"

#include "platform/FileError.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(MessageCatalog, EveryKeyIsOneLanguageFileNameWithAnEnglishText)
{
    const MessageCatalog catalog;
    QSet<QString> folded;
    for (const auto& [key, text] : catalog.entries()) {
        EXPECT_FALSE(text.isEmpty()) << key.toStdString();
        // Language files match names without regard to case: two keys so alike would share a text.
        EXPECT_TRUE(!folded.contains(key.toCaseFolded())) << key.toStdString();
        folded.insert(key.toCaseFolded());
    }
    // The file errors' keys, which the platform spells itself, are messages like any other.
    for (const auto& [key, english] : FileError::english())
        EXPECT_EQ(catalog.text(QLatin1String(key)), english) << key;
}

TEST(MessageCatalog, ATextIsSetOnlyForAKnownKeyAndNeverEmptied)
{
    MessageCatalog catalog;
    EXPECT_TRUE(catalog.setText(u"NOCFGFILE"_s, u"Aucun fichier"_s));
    EXPECT_EQ(catalog.text(Msg::NoConfigFile), u"Aucun fichier"_s);
    EXPECT_EQ(catalog.text(u"nocfgfile"_s), u"Aucun fichier"_s);
    EXPECT_FALSE(catalog.setText(u"nocfgfile"_s, QString()));
    EXPECT_FALSE(catalog.setText(u"nosuchkey"_s, u"x"_s));
    EXPECT_EQ(catalog.text(u"nosuchkey"_s), QString());
    EXPECT_EQ(catalog.text(u"NOCFGFILE"_s), QString()); // code names a key exactly
    EXPECT_EQ(catalog.text(Msg::NoConfigFile), u"Aucun fichier"_s);

    catalog.resetToEnglish();
    EXPECT_EQ(catalog.text(Msg::NoConfigFile), MessageCatalog().text(u"nocfgfile"_s));
    EXPECT_EQ(catalog.entries().size(), MessageCatalog().entries().size());
}
