#include "OptionPagesFixture.h"

#include <QApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

namespace {

// Values read from the file into the pages' text and number fields, the pages hidden as while
// the Main tab shows. Both pages write into the one file.
class KeptTextsTest : public OptionPagesFixture {
protected:
    KeptTextsTest()
        : OptionPagesFixture("config.cfg", true)
    {}
    bool apply() override { return client.apply() && server.apply(); }

    void leave(const char* name)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(find(name), &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(find(name), &out);
    }
};

// The spin boxes once rewrote such values from their range when first shown, and Apply then
// wrote 300, 800, 0 and 6. Values beyond the range are marked and named in one message.
TEST_F(KeptTextsTest, NumbersReadWhileThePagesAreHiddenStayAsRead)
{
    // clang-format off
    const std::pair<const char*, const char*> fields[] = {
        {"max_shells", "c1edit"}, {"mp_startmoney", "money"}, {"mp_winlimit", "cycle"}, {"mp_freezetime", "freeze"},
        {"mp_limitteams", "maxpl"}, {"sv_restartround", "fresh"}, {"mp_hostagepenalty", "hostag"}};
    // clang-format on
    const QByteArray values[] = {"1000", "20000", "150", "90", "08", "-5", "none"};
    QByteArray file;
    QStringList expected;
    for (size_t i = 0; i < std::size(fields); ++i) {
        file += QByteArray(fields[i].first) + " \"" + values[i] + "\"\n";
        expected << QString::fromLatin1(values[i]);
    }
    writeCfg(file);
    read();
    showPages();
    const auto shownFields = [&] {
        QStringList texts;
        for (const auto& field : fields)
            texts << shown(field.second);
        return texts;
    };
    EXPECT_EQ(shownFields(), expected) << "first shown";

    for (const auto& field : fields)
        leave(field.second); // where a spin box writes its text anew from its value
    EXPECT_EQ(shownFields(), expected) << "after the focus left";
    ASSERT_TRUE(apply());
    for (size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(valueOf(fields[i].first), values[i]) << fields[i].first;
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings().first().endsWith(u":\r\nmax_shells \"1000\"\r\nmp_startmoney \"20000\"\r\n"
                                            u"mp_freezetime \"90\"\r\nmp_hostagepenalty \"none\"\r\n"
                                            u"mp_winlimit \"150\"\r\nsv_restartround \"-5\""))
        << warnings().first().toStdString();
    EXPECT_TRUE(fileMark("c1edit").endsWith(QStringLiteral("config.cfg, line 1: max_shells \"1000\"")));

    // What the user types or steps is held to the range.
    type("money", QStringLiteral("5"));
    leave("money");
    QTest::keyClick(find("freeze"), Qt::Key_Down);
    QTest::keyClick(find("cycle"), Qt::Key_Down);
    EXPECT_EQ(shown({"money", "freeze", "cycle"}), QStringLiteral("800 59 99"));
    ASSERT_TRUE(apply());
    EXPECT_EQ(valueOf("mp_startmoney") + " " + valueOf("mp_freezetime") + " " + valueOf("mp_winlimit"), "800 59 99");
}

// Bytes the system's code page cannot show are read as Latin-1, so that an edit keeps the
// characters the user did not touch as the bytes they were (they once all became EF BF BD).
TEST_F(KeptTextsTest, AnEditedValueKeepsTheBytesOfWhatTheUserDidNotTouch)
{
    showPages();
    // clang-format off
    const std::tuple<const char*, const char*, QByteArray, QStringView, QString, QByteArray> rows[] = {
        // variable, field, read, shown, typed at the end, written
        {"name", "name", "J\xf6rg", u"J\u00f6rg", "e", "J\xf6rge"},
        {"name", "name", "J\xf6rg", u"J\u00f6rg", "\u20ac", "J\xf6rg\xe2\x82\xac"}, // beyond Latin-1: the local encoding
        {"name", "name", "J\xc3\xb6rg", u"J\u00f6rg", "e", "J\xc3\xb6rge"}, // a valid value stays in it
        {"mp_buytime", "MapTime", "1\xb7" "5", u"1\u00b75", "0", "1\xb7" "50"},
        {"mp_winlimit", "cycle", "5\xa0", u"5\u00a0", "", "5\xa0"}};
    // clang-format on
    for (const auto& [variable, field, bytes, text, typed, written] : rows) {
        writeCfg(QByteArray(variable) + " \"" + bytes + "\"\n");
        read();
        EXPECT_EQ(shown(field), text.toString()) << variable;
        QTest::keyClick(find(field), Qt::Key_End);
        for (const QChar c : typed) // keyClicks() takes Latin-1 only
            QTest::sendKeyEvent(QTest::Click, find(field), Qt::Key_unknown, QString(c), Qt::NoModifier);
        ASSERT_TRUE(apply());
        EXPECT_EQ(valueOf(variable), written) << variable;
    }
    EXPECT_EQ(errors(), QStringList());
}

} // namespace
