// The tolerance of the picture check as data: tests/pictures/same/ holds pairs of programs
// that draw the same picture another way, tests/pictures/different/ pairs whose pictures
// must not count as the same. A pair is NAME.a.zkf and NAME.b.zkf.

#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "tasks/picturecompare.h"
#include "tasks/taskcheck.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{

struct PicturePair {
    std::string name;
    bool same = false;
};

std::vector<PicturePair> pairs()
{
    std::vector<PicturePair> found;
    for (const bool same : { true, false }) {
        const QDir dir(QStringLiteral(ZIMO_PICTURES_DIR)
            + (same ? QStringLiteral("/same") : QStringLiteral("/different")));
        for (const QString& file : dir.entryList({ QStringLiteral("*.a.zkf") }, QDir::Files))
            found.push_back({ file.chopped(6).toStdString(), same });
    }
    return found;
}

QImage pictureOf(const PicturePair& pair, char which)
{
    const QString path = QStringLiteral("%1/%2/%3.%4.zkf")
                             .arg(QStringLiteral(ZIMO_PICTURES_DIR),
                                 pair.same ? QStringLiteral("same") : QStringLiteral("different"),
                                 QString::fromStdString(pair.name), QChar::fromLatin1(which));
    const zimo::FileBytes file = zimo::readWholeFile(path);
    EXPECT_TRUE(file.ok()) << path.toStdString();
    const zimo::DrawnProgram drawn = zimo::drawProgram(zimo::programTextFromFile(file.bytes));
    EXPECT_EQ(drawn.outcome.end, zimo::RunOutcome::End::Finished) << path.toStdString();
    return drawn.picture;
}

class Tolerance : public testing::TestWithParam<PicturePair>
{
};

TEST_P(Tolerance, CountsAsTheSamePictureOrNotBothWays)
{
    const PicturePair& pair = GetParam();
    const QImage a = pictureOf(pair, 'a');
    const QImage b = pictureOf(pair, 'b');
    for (const auto& [target, learner] : { std::pair { a, b }, std::pair { b, a } }) {
        const zimo::PictureDifference d = zimo::comparePictures(target, learner);
        EXPECT_GT(d.targetInk, 0);
        EXPECT_EQ(d.same(), pair.same) << "missing " << d.missing << ", extra " << d.extra;
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, Tolerance, testing::ValuesIn(pairs()),
    [](const testing::TestParamInfo<PicturePair>& pair) {
        return (pair.param.same ? "same_" : "different_") + pair.param.name;
    });

TEST(Tolerance, EveryPairIsThere)
{
    const auto all = pairs();
    EXPECT_GE(
        std::count_if(all.begin(), all.end(), [](const PicturePair& p) { return p.same; }), 8);
    EXPECT_GE(
        std::count_if(all.begin(), all.end(), [](const PicturePair& p) { return !p.same; }), 8);
}

} // namespace
