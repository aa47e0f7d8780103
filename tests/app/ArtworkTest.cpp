#include "app/Artwork.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QImage rgb(const QPixmap& pm)
{
    return pm.toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList kept(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(Artwork, ACachedPictureIsTheDrawnOneAndEachTextHasItsOwn)
{
    TempDir program;
    const QString cache = program.file(u"cache"_s);
    const QImage drawn = rgb(Artwork::header(u"Utilitaire"_s));
    EXPECT_EQ(rgb(Artwork::header(u"Utilitaire"_s, cache)), drawn);
    ASSERT_EQ(kept(cache).size(), 1);
    // The next start loads the kept picture: a file changed there is what shows.
    const QString path = cache + u'/' + kept(cache).first();
    QImage marked = drawn;
    marked.setPixel(0, 0, qRgb(1, 2, 3));
    ASSERT_TRUE(marked.save(path, "BMP"));
    EXPECT_EQ(rgb(Artwork::header(u"Utilitaire"_s, cache)).pixel(0, 0), qRgb(1, 2, 3));

    EXPECT_EQ(rgb(Artwork::header(u"Утилита"_s, cache)), rgb(Artwork::header(u"Утилита"_s)));
    EXPECT_EQ(rgb(Artwork::splash(cache)), rgb(Artwork::splash()));
    EXPECT_EQ(kept(cache).size(), 3);

    // A kept file that is no picture is drawn again and replaced.
    ASSERT_TRUE(QFile::resize(path, 10));
    EXPECT_EQ(rgb(Artwork::header(u"Utilitaire"_s, cache)), drawn);
    EXPECT_EQ(rgb(Artwork::header(u"Utilitaire"_s, cache)), drawn);
}

TEST(Artwork, WithoutAPlaceToKeepItThePictureIsDrawn)
{
    TempDir program;
    const QString blocker = program.write(u"cache"_s, "a file where the folder would be");
    EXPECT_EQ(rgb(Artwork::header(u"Utilitaire"_s, blocker)), rgb(Artwork::header(u"Utilitaire"_s)));
    EXPECT_EQ(rgb(Artwork::splash(QString())), rgb(Artwork::splash()));
    EXPECT_EQ(TempDir::readFile(blocker), "a file where the folder would be");
}
