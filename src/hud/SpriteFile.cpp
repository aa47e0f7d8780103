#include "hud/SpriteFile.h"

#include <QDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[4] = {'I', 'D', 'S', 'P'};
constexpr int PaletteColours = 256;

// Reads little-endian fields in order, remembering whether the data ran out.
class Reader final {
public:
    explicit Reader(const QByteArray& bytes)
        : m_bytes(bytes)
    {}
    bool has(qsizetype n) const { return m_bytes.size() - m_pos >= n; }
    std::int32_t int32()
    {
        if (!has(4))
            return m_short = true, 0;
        const auto v = qFromLittleEndian<std::int32_t>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return v;
    }
    std::uint16_t uint16()
    {
        if (!has(2))
            return m_short = true, 0;
        const auto v = qFromLittleEndian<std::uint16_t>(m_bytes.constData() + m_pos);
        m_pos += 2;
        return v;
    }
    float float32()
    {
        const std::int32_t bits = int32();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QByteArray bytes(qsizetype n)
    {
        if (n < 0 || !has(n))
            return m_short = true, QByteArray();
        const QByteArray v = m_bytes.mid(m_pos, n);
        m_pos += n;
        return v;
    }
    bool isShort() const { return m_short; }
    qsizetype left() const { return m_bytes.size() - m_pos; }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
    bool m_short = false;
};

void putInt32(QByteArray& out, std::int32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putFloat(QByteArray& out, float v)
{
    std::int32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putInt32(out, bits);
}

QString cannotUse(const QString& fileName, const QString& cause)
{
    return QStringLiteral("Cannot use %1: %2").arg(QDir::toNativeSeparators(fileName), cause);
}

} // namespace

int SpriteFile::maxWidth() const
{
    int w = 0;
    for (const Frame& f : frames)
        w = std::max(w, int(f.width));
    return w;
}

int SpriteFile::maxHeight() const
{
    int h = 0;
    for (const Frame& f : frames)
        h = std::max(h, int(f.height));
    return h;
}

QString SpriteFile::check(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.isEmpty())
        return cannotUse(fileName, QStringLiteral("the file is empty"));
    if (!bytes.startsWith(QByteArray(Magic, 4)))
        return cannotUse(fileName, QStringLiteral("it is not a sprite file (it does not start with IDSP)"));
    if (bytes.size() < HeaderSize)
        return cannotUse(fileName, QStringLiteral("the sprite file is cut short (%1 bytes, the header alone is %2)")
                                       .arg(bytes.size())
                                       .arg(HeaderSize));
    const auto version = qFromLittleEndian<std::int32_t>(bytes.constData() + 4);
    if (version != Version)
        return cannotUse(
            fileName,
            QStringLiteral("the sprite file has version %1, the game reads version %2").arg(version).arg(Version));
    return QString();
}

bool SpriteFile::read(const QByteArray& bytes, const QString& fileName, SpriteFile* sprite, QString* error)
{
    const auto fail = [&](const QString& cause) {
        if (error)
            *error = cannotUse(fileName, cause);
        return false;
    };
    if (const QString refusal = check(bytes, fileName); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    const QString cutShort = QStringLiteral("the sprite file is cut short");
    Reader in(bytes);
    in.bytes(8); // magic and version, checked above
    SpriteFile s;
    s.type = in.int32();
    s.textureFormat = in.int32();
    s.boundingRadius = in.float32();
    in.int32(); // max width and height: the frames say it again
    in.int32();
    const std::int32_t frameCount = in.int32();
    s.beamLength = in.float32();
    s.syncType = in.int32();
    const int colours = in.uint16();
    if (in.isShort())
        return fail(cutShort);
    if (colours == 0 || colours > PaletteColours)
        return fail(QStringLiteral("the palette has %1 colours").arg(colours));
    const QByteArray palette = in.bytes(qsizetype(colours) * 3);
    if (in.isShort())
        return fail(cutShort);
    std::copy(palette.cbegin(), palette.cend(), s.palette.begin());
    // Each frame needs at least its 20-byte frame header: a damaged count cannot reserve much.
    if (frameCount < 0 || frameCount > in.left() / 20)
        return fail(QStringLiteral("the frame count %1 does not fit the file").arg(frameCount));
    for (std::int32_t i = 0; i < frameCount; ++i) {
        const std::int32_t group = in.int32();
        Frame f;
        f.originX = in.int32();
        f.originY = in.int32();
        f.width = in.int32();
        f.height = in.int32();
        if (in.isShort())
            return fail(cutShort);
        if (group != 0)
            return fail(QStringLiteral("frame %1 is a frame group, which is not supported").arg(i + 1));
        if (f.width <= 0 || f.height <= 0 || f.width > MaxFrameSide || f.height > MaxFrameSide)
            return fail(QStringLiteral("frame %1 has the size %2 x %3").arg(i + 1).arg(f.width).arg(f.height));
        f.indices = in.bytes(qsizetype(f.width) * f.height);
        if (in.isShort())
            return fail(cutShort);
        s.frames.append(f);
    }
    *sprite = s;
    return true;
}

QByteArray SpriteFile::write() const
{
    QByteArray out;
    out.append(Magic, 4);
    putInt32(out, Version);
    putInt32(out, type);
    putInt32(out, textureFormat);
    // The game culls by this radius: at least half the diagonal of the largest frame.
    const float radius =
        std::max(boundingRadius, std::sqrt(float(maxWidth()) * maxWidth() + float(maxHeight()) * maxHeight()) / 2);
    putFloat(out, radius);
    putInt32(out, maxWidth());
    putInt32(out, maxHeight());
    putInt32(out, std::int32_t(frames.size()));
    putFloat(out, beamLength);
    putInt32(out, syncType);
    out.append(char(PaletteColours & 0xff));
    out.append(char(PaletteColours >> 8));
    out.append(reinterpret_cast<const char*>(palette.data()), qsizetype(palette.size()));
    for (const Frame& f : frames) {
        putInt32(out, 0); // a single frame, not a group
        putInt32(out, f.originX);
        putInt32(out, f.originY);
        putInt32(out, f.width);
        putInt32(out, f.height);
        QByteArray indices = f.indices.left(qsizetype(f.width) * f.height);
        indices.resize(qsizetype(f.width) * f.height, '\0');
        out.append(indices);
    }
    return out;
}
