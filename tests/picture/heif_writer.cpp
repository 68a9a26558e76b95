// Writing HEIF files whose primary item is a grid of coded tiles, with an optional rotation property.
#include "heif_writer.h"

#include <QtEndian>
#include <cstdlib>

namespace fixtures {

namespace {

QByteArray u8(int value)
{
    return QByteArray(1, char(value));
}

QByteArray u16(int value)
{
    char bytes[2];
    qToBigEndian(quint16(value), bytes);
    return QByteArray(bytes, 2);
}

QByteArray u32(quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray box(const char* type, const QByteArray& payload)
{
    return u32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}

QByteArray fullBox(const char* type, int version, int flags, const QByteArray& payload)
{
    return box(type, u32(quint32(version) << 24 | quint32(flags)) + payload);
}

// The first box of `type` at or after `from` in a run of boxes, whole; aborts when there is none.
QByteArray findBox(const QByteArray& bytes, const char* type, qsizetype from = 0)
{
    for (qsizetype at = from; at + 8 <= bytes.size();) {
        const quint32 size = qFromBigEndian<quint32>(bytes.constData() + at);
        if (size < 8)
            break;
        if (bytes.mid(at + 4, 4) == type)
            return bytes.mid(at, size);
        at += size;
    }
    std::abort();
}

QByteArray ispe(QSize size)
{
    return fullBox("ispe", 0, 0, u32(quint32(size.width())) + u32(quint32(size.height())));
}

int gridId(const HeifGrid& grid)
{
    return int(grid.tiles.size()) + 1;
}

QByteArray gridDescription(const HeifGrid& grid)
{
    return u8(0) + u8(0) + u8(grid.rows - 1) + u8(grid.columns - 1) + u16(grid.outputSize.width()) +
           u16(grid.outputSize.height());
}

// Every item's one extent, tiles first, then the grid's description, all inside the media data
// whose payload starts at `dataStart`.
QByteArray itemLocations(const HeifGrid& grid, quint32 dataStart)
{
    QByteArray entries;
    quint32 offset = dataStart;
    const auto entry = [&](int id, qsizetype length) {
        entries += u16(id) + u16(0) + u16(1) + u32(offset) + u32(quint32(length));
        offset += quint32(length);
    };
    for (size_t i = 0; i < grid.tiles.size(); ++i)
        entry(int(i) + 1, grid.tiles[i].codedBytes.size());
    entry(gridId(grid), gridDescription(grid).size());
    return fullBox("iloc", 0, 0, u8(0x44) + u8(0) + u16(gridId(grid)) + entries);
}

QByteArray itemInfos(const HeifGrid& grid)
{
    QByteArray entries;
    for (size_t i = 0; i < grid.tiles.size(); ++i)
        entries += fullBox("infe", 2, 1, u16(int(i) + 1) + u16(0) + QByteArray("hvc1") + u8(0));
    entries += fullBox("infe", 2, 0, u16(gridId(grid)) + u16(0) + QByteArray("grid") + u8(0));
    return fullBox("iinf", 0, 0, u16(gridId(grid)) + entries);
}

QByteArray gridReferences(const HeifGrid& grid)
{
    QByteArray tiles = u16(gridId(grid)) + u16(int(grid.tiles.size()));
    for (size_t i = 0; i < grid.tiles.size(); ++i)
        tiles += u16(int(i) + 1);
    return fullBox("iref", 0, 0, box("dimg", tiles));
}

// Properties: 1 the tiles' configuration, 2 the tiles' size, 3 the grid's size, 4 its rotation.
QByteArray itemProperties(const HeifGrid& grid)
{
    const QByteArray container = box("ipco", grid.tiles.front().configurationBox + ispe(grid.tileSize) +
                                                 ispe(grid.outputSize) + box("irot", u8(grid.quarterTurns & 3)));
    QByteArray associations;
    for (size_t i = 0; i < grid.tiles.size(); ++i)
        associations += u16(int(i) + 1) + u8(2) + u8(0x81) + u8(2);
    associations += u16(gridId(grid)) + u8(2) + u8(3) + u8(0x84);
    return box("iprp", container + fullBox("ipma", 0, 0, u32(quint32(gridId(grid))) + associations));
}

QByteArray metaBox(const HeifGrid& grid, quint32 dataStart)
{
    const QByteArray handler = fullBox("hdlr", 0, 0, u32(0) + QByteArray("pict") + QByteArray(12, '\0') + u8(0));
    return fullBox("meta", 0, 0,
                   handler + fullBox("pitm", 0, 0, u16(gridId(grid))) + itemLocations(grid, dataStart) +
                       itemInfos(grid) + gridReferences(grid) + itemProperties(grid));
}

} // namespace

HevcTile tileOfHeic(const QByteArray& heic)
{
    const QByteArray meta = findBox(heic, "meta");
    const QByteArray properties = findBox(findBox(meta, "iprp", 12), "ipco", 8);
    return {findBox(properties, "hvcC", 8), findBox(heic, "mdat").mid(8)};
}

QByteArray heifGridBytes(const HeifGrid& grid)
{
    const QByteArray fileType = box("ftyp", QByteArray("heic") + u32(0) + QByteArray("mif1heic"));
    QByteArray data;
    for (const HevcTile& tile : grid.tiles)
        data += tile.codedBytes;
    data += gridDescription(grid);
    const qsizetype metaSize = metaBox(grid, 0).size();
    const auto dataStart = quint32(fileType.size() + metaSize + 8);
    return fileType + metaBox(grid, dataStart) + box("mdat", data);
}

} // namespace fixtures
