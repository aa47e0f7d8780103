#include "config/OptionsLines.h"
#include "config/OptionsValueRules.h"

#include <QString>

#include <gtest/gtest.h>

#include <optional>

namespace {

using W = OptionWrite;

TEST(OptionsLinesTest, OnlyWritesThatDifferFromTheBaselineAreMadeAndKeepingIsNone)
{
    const QList<W> baseline = {W::set("rate", "25000"), W::keep("con_color"), W::remove("hideradar"),
                               W::set("drawradar", "")};
    const QList<W> now = {W::set("drawradar", ""), // same, in another place
                          W::set("rate", "30000"), W::keep("con_color"),
                          W::set("hideradar", ""), W::set("name", "Gordon"), // not in the baseline
                          W::keep("fastsprites")};
    EXPECT_EQ(OptionsLines::changed(now, baseline),
              (QList<W>{W::set("rate", "30000"), W::set("hideradar", ""), W::set("name", "Gordon")}));
    EXPECT_TRUE(OptionsLines::changed(baseline, baseline).isEmpty());
}

TEST(OptionsValueRulesTest, NumbersMinutesAndColoursAsTheControlsTakeThem)
{
    // clang-format off
    const std::tuple<const char*, std::optional<int>, std::optional<double>> numbers[] = {
        {"42", 42, 42}, {" 7 ", 7, {}}, {"-5", -5, {}}, {"1.75", {}, 1.75}, {".30", {}, 0.3}, {"3.", {}, 3},
        {"1.2.3", {}, {}}, {".", {}, {}}, {"", {}, {}}, {"2147483648", {}, 2147483648.0}, {"1e3", {}, {}},
        {"abc", {}, {}}};
    // clang-format on
    for (const auto& [text, integer, minutes] : numbers) {
        EXPECT_EQ(OptionsValueRules::integer(QString::fromLatin1(text)), integer) << text;
        EXPECT_EQ(OptionsValueRules::minutes(QString::fromLatin1(text)), minutes) << text;
    }
    using Rgb = std::array<int, 3>;
    const std::pair<const char*, std::optional<Rgb>> colours[] = {{"255 180 30", Rgb{255, 180, 30}},
                                                                  {"0  0 0", Rgb{0, 0, 0}},
                                                                  {"255 255 256", {}},
                                                                  {"-1 0 0", {}},
                                                                  {"255 180", {}},
                                                                  {"1 2 3 4", {}},
                                                                  {"red", {}}};
    for (const auto& [text, rgb] : colours)
        EXPECT_EQ(OptionsValueRules::rgb(QString::fromLatin1(text)), rgb) << text;
}

} // namespace
